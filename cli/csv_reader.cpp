#include "cli/csv_reader.h"

#include <algorithm>
#include <cstring>

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

// The next character of the input: from what was taken of its buffer, taking the rest of the
// buffer when that is used up, or else waiting for the input.
int CsvReader::Bump() {
    if (takenRead_ == taken_.size()) {
        const std::streamsize available = input_.in_avail();
        if (available <= 0) {
            return input_.sbumpc();
        }
        taken_.resize(static_cast<std::size_t>(available));
        taken_.resize(static_cast<std::size_t>(input_.sgetn(taken_.data(), available)));
        takenRead_ = 0;
        if (taken_.empty()) {
            return input_.sbumpc();
        }
    }
    return static_cast<unsigned char>(taken_[takenRead_++]);
}

// The character Bump would give, left to be taken.
int CsvReader::PeekTaken() {
    if (takenRead_ < taken_.size()) {
        return static_cast<unsigned char>(taken_[takenRead_]);
    }
    return input_.sgetc();
}

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
        c = Bump();
    }
    if (c == '\r' && replay_.empty() && PeekTaken() == '\n') {
        c = Bump();
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
        if (PeekTaken() != static_cast<unsigned char>(expected)) {
            return;
        }
        replay_ += static_cast<char>(Bump());
    }
    replay_.clear();
}

std::optional<CsvRecord> CsvReader::Next() {
    CsvRecord record;
    if (!Next(record)) {
        return std::nullopt;
    }
    return record;
}

bool CsvReader::Next(CsvRecord& record) {
    if (!started_) {
        started_ = true;
        SkipByteOrderMark();
    }
    int c = TakeCharacter();
    while (c == '\n') {
        c = TakeCharacter();
    }
    if (c == kEnd) {
        return false;
    }
    Read(c, record);
    return true;
}

void CsvReader::Read(int first, CsvRecord& record) {
    record.line = line_;
    record.error.reset();
    if (ReadPlainLine(first, record)) {
        return;
    }
    record.cells.clear();
    record_.assign(1, static_cast<char>(first));
    if (auto error = Parse(first, record)) {
        record.cells.clear();
        record.error = std::move(error);
        ResumeAfterFirstLine(record.line);
    }
}

// Most records are one short line without quotes, already taken from the input: its cells are the
// text between its commas, which Parse would read character by character to the same cells. Such a
// line is too short to reach kMaxRecordLength or kMaxRecordCells, so it is never malformed. False,
// and nothing is read, for any other record.
bool CsvReader::ReadPlainLine(int first, CsvRecord& record) {
    // A line of at most this many characters has at most kMaxRecordCells cells.
    constexpr std::size_t kLongestPlainRest = kMaxRecordCells - 2;
    if (first == '"' || !replay_.empty()) {
        return false;
    }
    const char* const rest = taken_.data() + takenRead_;
    const std::size_t available = std::min(taken_.size() - takenRead_, kLongestPlainRest + 1);
    const auto* lineEnd = static_cast<const char*>(std::memchr(rest, '\n', available));
    if (lineEnd == nullptr) {
        return false;
    }
    std::string_view text(rest, static_cast<std::size_t>(lineEnd - rest));
    if (text.find('"') != std::string_view::npos) {
        return false;
    }
    takenRead_ += text.size() + 1;
    ++line_;
    // CRLF ends the line as LF does; a CR anywhere else is a character of its cell.
    if (!text.empty() && text.back() == '\r') {
        text.remove_suffix(1);
    }
    std::size_t count = 0;
    const auto nextCell = [&record, &count]() -> std::string& {
        if (count == record.cells.size()) {
            record.cells.emplace_back();
        }
        std::string& cell = record.cells[count++];
        cell.clear();
        return cell;
    };
    std::string* cell = &nextCell();
    if (first == ',') {
        cell = &nextCell();
    } else {
        cell->push_back(static_cast<char>(first));
    }
    for (;;) {
        const std::size_t comma = text.find(',');
        cell->append(text.substr(0, comma));
        if (comma == std::string_view::npos) {
            break;
        }
        text.remove_prefix(comma + 1);
        cell = &nextCell();
    }
    record.cells.resize(count);
    return true;
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
