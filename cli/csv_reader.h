#pragma once

#include <optional>
#include <streambuf>
#include <string>
#include <vector>

namespace korvanta::cli {

// One record of a CSV text: its cells, or what makes it malformed.
struct CsvRecord {
    int line = 0; // the line the record starts on, counting from 1
    std::vector<std::string> cells;
    std::optional<std::string> error;
};

// Reads RFC 4180 records one at a time: cells separated by commas, a cell in double quotes may hold
// commas, line breaks and doubled quotes; lines end in LF or CRLF. A UTF-8 byte order mark at the start
// is skipped, and so are empty lines. A malformed record (a quote inside an unquoted cell, text after a
// closing quote, a quote not closed before the end, a record longer than kMaxRecordLength) is returned
// with its error; reading goes on at the next line.
class CsvReader {
public:
    static constexpr std::size_t kMaxRecordLength = 65536;

    explicit CsvReader(std::streambuf& input) : input_(input) {}

    // The next record, nothing at the end of the text.
    std::optional<CsvRecord> Next();

private:
    int Take();
    void SkipByteOrderMark();
    CsvRecord Read(int first);
    int ReadQuoted(CsvRecord& record, std::string& cell);
    void SkipRestOfLine();
    void Append(std::string& cell, int c);

    std::streambuf& input_;
    std::string pending_; // characters taken while looking for the byte order mark
    int line_ = 1;
    bool started_ = false;
    std::size_t length_ = 0;
    std::size_t lastCellCount_ = 0;
};

} // namespace korvanta::cli
