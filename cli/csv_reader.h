#pragma once

#include <cstdint>
#include <optional>
#include <streambuf>
#include <string>
#include <vector>

namespace korvanta::cli {

// A line of the input, counting from 1; wide enough for any file a disk holds.
using LineNumber = std::int64_t;

// One record of a CSV text: its cells, or what makes it malformed.
struct CsvRecord {
    LineNumber line = 0; // the line the record starts on
    std::vector<std::string> cells;
    std::optional<std::string> error;
};

// Reads RFC 4180 records one at a time: cells separated by commas, a cell in double quotes may hold
// commas, line breaks and doubled quotes; lines end in LF or CRLF. A UTF-8 byte order mark at the start
// is skipped, and so are empty lines. A malformed record (a quote inside an unquoted cell, text after a
// closing quote, a quote not closed before the end, more than kMaxRecordLength bytes or kMaxRecordCells
// cells) is returned with its error, and reading goes on at the line after the line it began on: a
// stray quote costs only its own line. A record never holds more than kMaxRecordLength bytes, so any
// input is read in bounded memory.
//
// The reader takes at once what the input holds in its buffer, never more: it waits for the input
// only when nothing it has taken is left (Buffered() is 0) and the input's buffer is empty.
class CsvReader {
public:
    static constexpr std::size_t kMaxRecordLength = 65536;
    static constexpr std::size_t kMaxRecordCells = 1024;

    explicit CsvReader(std::streambuf& input) : input_(input) {}

    // The next record, nothing at the end of the text.
    std::optional<CsvRecord> Next();
    // The same into `record`, whatever it held (its cells keep their storage); false at the end.
    bool Next(CsvRecord& record);

    // Characters taken from the input and not yet read: while there are any, a record may be read
    // without waiting for the input.
    std::size_t Buffered() const { return (taken_.size() - takenRead_) + (replay_.size() - replayed_); }

private:
    int Bump();
    int PeekTaken();
    int TakeCharacter();
    bool ReadPlainLine(int first, CsvRecord& record);
    int Take();
    void SkipByteOrderMark();
    void Read(int first, CsvRecord& record);
    std::optional<std::string> Parse(int first, CsvRecord& record);
    void ResumeAfterFirstLine(LineNumber first);

    std::streambuf& input_;
    // Characters moved from the input's buffer in one piece, read from `takenRead_` on.
    std::string taken_;
    std::size_t takenRead_ = 0;
    // Characters taken once and to be read again: a malformed record's lines after its first, or
    // what looked like the start of a byte order mark.
    std::string replay_;
    std::size_t replayed_ = 0;
    std::string record_; // the characters of the record being read, as far as the limit
    LineNumber line_ = 1;
    bool started_ = false;
};

} // namespace korvanta::cli
