#include "cli/csv_reader.h"

namespace korvanta::cli {

namespace {

constexpr int kEnd = std::char_traits<char>::eof();
// The record has reached kMaxRecordLength.
constexpr int kFull = kEnd - 1;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool EndsCell(int c) {
    return c == ',' || c == '\n' || c == kEnd;
}

std::string TooLong() {
    return "the row is longer than " + std::to_string(CsvReader::kMaxRecordLength) + " bytes";
}

} // namespace

// The next character, with CRLF taken as one LF.
int CsvReader::TakeCharacter() {
    int c = kEnd;
    if (replayed_ < replay_.size()) {
        c = static_cast<unsigned char>(replay_[replayed_++]);
        if (replayed_ == replay_.size()) {
            replay_.clear();
            replayed_ = 0;
        }
    } else {
        c = input_.sbumpc();
    }
    if (c == '\r' && replay_.empty() && input_.sgetc() == '\n') {
        c = input_.sbumpc();
    }
    if (c == '\n') {
        ++line_;
    }
    return c;
}

// The next character of the record being read, kFull once it holds kMaxRecordLength characters and
// its line end.
int CsvReader::Take() {
    if (record_.size() > kMaxRecordLength) {
        return kFull;
    }
    const int c = TakeCharacter();
    if (c != kEnd) {
        record_ += static_cast<char>(c);
    }
    return c;
}

void CsvReader::SkipByteOrderMark() {
    for (char expected : kByteOrderMark) {
        if (input_.sgetc() != static_cast<unsigned char>(expected)) {
            return;
        }
        replay_ += static_cast<char>(input_.sbumpc());
    }
    replay_.clear();
}

std::optional<CsvRecord> CsvReader::Next() {
    if (!started_) {
        started_ = true;
        SkipByteOrderMark();
    }
    int c = TakeCharacter();
    while (c == '\n') {
        c = TakeCharacter();
    }
    if (c == kEnd) {
        return std::nullopt;
    }
    return Read(c);
}

CsvRecord CsvReader::Read(int first) {
    CsvRecord record;
    record.line = line_;
    record_.assign(1, static_cast<char>(first));
    if (auto error = Parse(first, record)) {
        record.cells.clear();
        record.error = std::move(error);
        ResumeAfterFirstLine(record.line);
    }
    return record;
}

// The cells from the first character on; what is wrong when the record is malformed.
std::optional<std::string> CsvReader::Parse(int first, CsvRecord& record) {
    std::string cell;
    int c = first;
    for (;;) {
        if (c == '"') {
            // Up to the closing quote; a doubled quote is one quote of the cell.
            for (c = Take(); c != '"' || (c = Take()) == '"'; c = Take()) {
                if (c == kEnd) {
                    return "a quote opened in this row is not closed";
                }
                if (c == kFull) {
                    return "a quote opened in this row is not closed within " +
                           std::to_string(kMaxRecordLength) + " bytes";
                }
                cell += static_cast<char>(c);
            }
            if (c == kFull) {
                return TooLong();
            }
            if (!EndsCell(c)) {
                return "text after the closing quote of a cell";
            }
        } else {
            for (; !EndsCell(c); c = Take()) {
                if (c == kFull) {
                    return TooLong();
                }
                if (c == '"') {
                    return "a quote inside a cell that does not start with one";
                }
                cell += static_cast<char>(c);
            }
        }
        if (record.cells.size() == kMaxRecordCells) {
            return "the row has more than " + std::to_string(kMaxRecordCells) + " cells";
        }
        record.cells.push_back(std::move(cell));
        cell.clear();
        if (c != ',') {
            return std::nullopt;
        }
        c = Take();
    }
}

// The lines a malformed record took after its first are read again; when its first line is not yet
// read to its end, the rest of that line is skipped without keeping it.
void CsvReader::ResumeAfterFirstLine(LineNumber first) {
    const std::size_t lineBreak = record_.find('\n');
    if (lineBreak == std::string::npos) {
        for (int c = TakeCharacter(); c != '\n' && c != kEnd; c = TakeCharacter()) {
        }
    } else {
        replay_ = record_.substr(lineBreak + 1) + replay_.substr(replayed_);
        replayed_ = 0;
    }
    record_.clear();
    line_ = first + 1;
}

} // namespace korvanta::cli
