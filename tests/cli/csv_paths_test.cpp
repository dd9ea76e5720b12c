#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/csv_reader.h"

namespace {

using korvanta::cli::CsvReader;
using korvanta::cli::CsvRecord;

// An input that holds one character at a time: the reader can never take a whole line at once, so
// every record goes through the character-by-character reading.
class OneCharacterInput : public std::streambuf {
public:
    explicit OneCharacterInput(std::string text) : text_(std::move(text)) {}

protected:
    int_type underflow() override {
        if (next_ == text_.size()) {
            return traits_type::eof();
        }
        char* const at = text_.data() + next_++;
        setg(at, at, at + 1);
        return traits_type::to_int_type(*at);
    }

private:
    std::string text_;
    std::size_t next_ = 0;
};

// Each record as its line, then its cells joined by '|', or its error.
std::string Described(const CsvRecord& record) {
    std::string text = std::to_string(record.line) + ":";
    if (record.error) {
        return text + "error " + *record.error;
    }
    for (std::size_t i = 0; i < record.cells.size(); ++i) {
        text += (i == 0 ? "" : "|") + record.cells[i];
    }
    return text;
}

// Read a character at a time into a fresh record each time.
std::vector<std::string> ReadByCharacter(const std::string& text) {
    OneCharacterInput input(text);
    CsvReader reader(input);
    std::vector<std::string> records;
    while (const std::optional<CsvRecord> record = reader.Next()) {
        records.push_back(Described(*record));
    }
    return records;
}

// Read with the whole text available at once, into one record reused from row to row.
std::vector<std::string> ReadAtOnce(const std::string& text) {
    std::stringbuf input(text);
    CsvReader reader(input);
    std::vector<std::string> records;
    CsvRecord record;
    while (reader.Next(record)) {
        records.push_back(Described(record));
    }
    return records;
}

// Plain lines are split at their commas at once; the records must be those of the reading one
// character at a time, around quotes, CRs, empty lines and cells, and the length limits too.
TEST(CsvReaderPaths, LinesTakenAtOnceGiveTheRecordsOfTheCharacterReading) {
    std::mt19937_64 random(4180);
    const std::string alphabet = "a1.,,,\"\r\n\n ";
    std::uniform_int_distribution<std::size_t> pick(0, alphabet.size() - 1);
    std::uniform_int_distribution<int> length(0, 60);
    for (int i = 0; i < 20000; ++i) {
        std::string text = i % 7 == 0 ? "\xEF\xBB\xBF" : "";
        for (int n = length(random); n > 0; --n) {
            text += alphabet[pick(random)];
        }
        EXPECT_EQ(ReadAtOnce(text), ReadByCharacter(text)) << text;
    }
    for (std::size_t commas : {1021U, 1022U, 1023U, 1024U, 1025U}) {
        for (const char* end : {"\n", "\r\n", "x\n", ""}) {
            const std::string text = "a\n" + std::string(commas, ',') + end + "b,c\n";
            EXPECT_EQ(ReadAtOnce(text), ReadByCharacter(text)) << commas << " commas";
            const std::string quoted = "a\n\"" + std::string(commas, ',') + "\"" + end + "b,c\n";
            EXPECT_EQ(ReadAtOnce(quoted), ReadByCharacter(quoted)) << commas << " quoted commas";
        }
    }
    const std::string rows = "id,nt1,nt2,dp\r\n7,20,40,10\r\n\r\n8,18,54,8\n9,,,\n,\n";
    EXPECT_EQ(ReadAtOnce(rows), ReadByCharacter(rows));
}

} // namespace
