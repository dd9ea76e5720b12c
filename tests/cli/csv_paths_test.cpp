#include <gtest/gtest.h>

#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_columns.h"
#include "cli/batch_output.h"
#include "cli/csv_reader.h"

namespace {

using korvanta::LengthUnit;
using korvanta::cli::BatchCsvLine;
using korvanta::cli::BatchRow;
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

// RFC 4180 cell by cell: a cell with a comma, a quote or a line break in quotes, its quotes doubled.
std::string CsvCell(const std::string& cell) {
    if (cell.find_first_of(",\"\r\n") == std::string::npos) {
        return cell;
    }
    std::string quoted = "\"";
    for (const char c : cell) {
        quoted += c == '"' ? "\"\"" : std::string(1, c);
    }
    return quoted + "\"";
}

// The table's cells are copied into the line in one piece unless one needs quotes; the line must be
// that of writing each cell on its own, quoted where it needs it.
TEST(CsvLinePaths, TableCellsWrittenAtOnceGiveTheCellByCellLine) {
    std::mt19937_64 random(1904);
    // Lengths around the word moves of the copy (4, 8 and 16 characters), with and without characters
    // that need quotes at their ends.
    const std::vector<std::string> texts = {"",
                                            "1.2500",
                                            "-0.0001",
                                            "NA",
                                            "----------",
                                            "20.00000\xC2\xB0",
                                            "a,b",
                                            "\"",
                                            "x\ny",
                                            "\r",
                                            "12345678901234567890",
                                            "a b",
                                            "+1",
                                            ",,",
                                            "7",
                                            "1234",
                                            "12,4",
                                            "1234567,",
                                            "123456789012345,",
                                            "1234567890123456",
                                            "12345678901234567",
                                            "\"1234567"};
    std::uniform_int_distribution<std::size_t> pick(0, texts.size() - 1);
    std::uniform_int_distribution<int> plain(0, 3);
    for (int i = 0; i < 20000; ++i) {
        BatchRow row;
        row.line = i + 2;
        row.withUnits = i % 3 != 0;
        row.unit = i % 3 == 1 ? LengthUnit::Millimetre : LengthUnit::Inch;
        std::string expected = std::to_string(row.line) + ",ok,external" + (row.withUnits ? "," : "") +
                               (row.withUnits ? (i % 3 == 1 ? "mm" : "in") : "");
        for (std::size_t r = 0; r < row.result.table.rows.size(); ++r) {
            auto& cell = row.result.table.rows[r];
            // Mostly plain texts, so that whole lines of them are written at once.
            cell.pinion = texts[plain(random) == 0 ? pick(random) : 1];
            cell.gear = texts[plain(random) == 0 ? pick(random) : 2];
            const bool pitch = row.withUnits && korvanta::cli::IsPitchRow(r);
            const std::string pair = "," + CsvCell(cell.pinion) + "," + CsvCell(cell.gear);
            expected += pitch && i % 3 == 1 ? ",," + pair : pitch ? pair + ",," : pair;
        }
        expected += ",,\n";
        EXPECT_EQ(BatchCsvLine(row, false), expected);
    }
}

} // namespace
