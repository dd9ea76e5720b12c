#include "cli/csv_reader.h"

namespace korvanta::cli {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool EndsCell(int c) {
    return c == ',' || c == '\n' || c == kEnd;
}

} // namespace

// The next character, with CRLF taken as one LF.
int CsvReader::Take() {
    int c = kEnd;
    if (!pending_.empty()) {
        c = static_cast<unsigned char>(pending_.front());
        pending_.erase(0, 1);
    } else {
        c = input_.sbumpc();
    }
    if (c == '\r' && pending_.empty() && input_.sgetc() == '\n') {
        c = input_.sbumpc();
    }
    if (c == '\n') {
        ++line_;
    }
    return c;
}

void CsvReader::SkipByteOrderMark() {
    for (char expected : kByteOrderMark) {
        const int c = input_.sgetc();
        if (c != static_cast<unsigned char>(expected)) {
            return;
        }
        pending_ += static_cast<char>(input_.sbumpc());
    }
    pending_.clear();
}

std::optional<CsvRecord> CsvReader::Next() {
    if (!started_) {
        started_ = true;
        SkipByteOrderMark();
    }
    int c = Take();
    while (c == '\n') {
        c = Take();
    }
    if (c == kEnd) {
        return std::nullopt;
    }
    return Read(c);
}

CsvRecord CsvReader::Read(int first) {
    CsvRecord record;
    record.line = line_;
    // Records usually have as many cells as the one before.
    record.cells.reserve(lastCellCount_);
    length_ = 0;
    std::string cell;
    int c = first;
    for (;;) {
        if (c == '"') {
            c = ReadQuoted(record, cell);
            if (record.error) {
                return record;
            }
        } else {
            for (; !EndsCell(c); c = Take()) {
                if (c == '"') {
                    record.error = "a quote inside a cell that does not start with one";
                    SkipRestOfLine();
                    return record;
                }
                Append(cell, c);
            }
        }
        record.cells.push_back(std::move(cell));
        cell.clear();
        if (c != ',') {
            break;
        }
        c = Take();
    }
    lastCellCount_ = record.cells.size();
    if (length_ > kMaxRecordLength) {
        record.cells.clear();
        record.error = "the row is longer than " + std::to_string(kMaxRecordLength) + " characters";
    }
    return record;
}

// The rest of a cell after its opening quote; returns the character after the closing quote.
int CsvReader::ReadQuoted(CsvRecord& record, std::string& cell) {
    for (;;) {
        int c = Take();
        if (c == kEnd) {
            record.error = "a quote opened in this row is not closed";
            return c;
        }
        if (c == '"') {
            c = Take();
            if (c != '"') {
                if (!EndsCell(c)) {
                    record.error = "text after the closing quote of a cell";
                    SkipRestOfLine();
                }
                return c;
            }
        }
        Append(cell, c);
    }
}

void CsvReader::SkipRestOfLine() {
    int c = Take();
    while (c != '\n' && c != kEnd) {
        c = Take();
    }
}

// Cells stop growing once the record is too long; the record is still read to its end.
void CsvReader::Append(std::string& cell, int c) {
    if (++length_ <= kMaxRecordLength) {
        cell += static_cast<char>(c);
    }
}

} // namespace korvanta::cli
