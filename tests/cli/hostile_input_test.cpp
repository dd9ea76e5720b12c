#include <sys/resource.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

#include "cli/batch_output.h"
#include "cli/csv_reader.h"
#include "json_check.h"
#include "output_text.h"
#include "run_command.h"

namespace {

using korvanta::cli::BatchCsvLine;
using korvanta::cli::BatchJsonLine;
using korvanta::cli::BatchRow;
using korvanta::cli::CsvReader;
using korvanta::cli::CsvRecord;
using korvanta::cli::LineNumber;
using korvanta::cli::RowStatus;

std::string Repeated(const std::string& line, int count) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        text += line;
    }
    return text;
}

// What the reader makes of each record: its line, then its cells joined by '|' or "error".
std::vector<std::string> Records(const std::string& text) {
    std::stringbuf input(text);
    CsvReader reader(input);
    std::vector<std::string> records;
    while (const std::optional<CsvRecord> record = reader.Next()) {
        std::string cells;
        for (std::size_t i = 0; i < record->cells.size(); ++i) {
            cells += (i == 0 ? "" : "|") + record->cells[i];
        }
        records.push_back(std::to_string(record->line) + ":" + (record->error ? "error" : cells));
    }
    return records;
}

struct RecoveryCase {
    std::string name;
    std::string text;
    std::vector<std::string> records;
};

// A malformed record costs only the line it began on: reading goes on at the next line, also when
// the record took further lines before it turned out malformed.
TEST(CsvReaderRecovery, MalformedRecordCostsOnlyItsFirstLine) {
    const std::vector<RecoveryCase> cases = {
        {"quoted line break", "a,b\n\"x\ny\",z\nc,d\n", {"1:a|b", "2:x\ny|z", "4:c|d"}},
        {"quote never closed", "\"open\nb,c\nd,e\n", {"1:error", "2:b|c", "3:d|e"}},
        {"quote inside a cell", "a\"b\nc\n", {"1:error", "2:c"}},
        {"text after a closing quote", "\"a\"x\nb\n", {"1:error", "2:b"}},
        {"closed by a later line's quote", "\"a\n\"x,y\nz\n", {"1:error", "2:error", "3:z"}},
        {"line ends in CRLF", "a,b\r\nc,d\r\n", {"1:a|b", "2:c|d"}},
        {"too many cells", std::string(1024, ',') + "\nc\n", {"1:error", "2:c"}},
        {"as many cells as allowed",
         std::string(1023, ',') + "\nc\n",
         {"1:" + std::string(1023, '|'), "2:c"}},
        {"line too long", std::string(70000, 'x') + "\nc\n", {"1:error", "2:c"}},
        {"line one byte too long", std::string(65537, 'x') + "\nc\n", {"1:error", "2:c"}},
        {"line as long as allowed",
         std::string(65536, 'x') + "\nc\n",
         {"1:" + std::string(65536, 'x'), "2:c"}},
        {"quoted line as long as allowed",
         "\"" + std::string(65534, 'x') + "\"\nc\n",
         {"1:" + std::string(65534, 'x'), "2:c"}},
        {"quote open past the limit", "\"a\n" + Repeated("b,c\n", 20000),
         [] {
             std::vector<std::string> records = {"1:error"};
             for (int line = 2; line <= 20001; ++line) {
                 records.push_back(std::to_string(line) + ":b|c");
             }
             return records;
         }()},
    };
    for (const RecoveryCase& test : cases) {
        EXPECT_EQ(Records(test.text), test.records) << test.name;
    }
}

// AddressSanitizer reserves terabytes of address space for itself: no limit can be set under it.
#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSpaceCanBeLimited = false;
#else
constexpr bool kAddressSpaceCanBeLimited = true;
#endif

// A line of 10 MB of commas is one malformed row, read within 16 MB of address space.
TEST(HostileInput, TenMegabytesOfCommasFitASixteenMegabyteLimit) {
    const std::string file = "nt1,nt2,dp\n" + std::string(10'000'000, ',') + "\n20,40,10\n";
    const CommandRun run = RunCalc({"--batch", "-"}, file, [] {
        constexpr rlim_t kLimit = 16 << 20;
        const rlimit limit{kLimit, kLimit};
        if (kAddressSpaceCanBeLimited) {
            setrlimit(RLIMIT_AS, &limit);
        }
    });
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 3U);
    EXPECT_EQ(lines[1].rfind("2,malformed,", 0), 0U);
    EXPECT_EQ(lines[2].rfind("3,ok,", 0), 0U);
    EXPECT_EQ(run.err, "line 2: the row has more than 1024 cells\n");
}

// A stray quote on line 3 of a 981-line file: line 3 is malformed, the 978 rows after it are
// calculated.
TEST(HostileInput, StrayQuoteCostsOnlyItsOwnRow) {
    const std::string file = "nt1,nt2,dp\n20,40,10\n\"20,40,10\n" + Repeated("18,54,8\n", 978);
    const CommandRun run = RunCalc({"--batch", "-"}, file);
    EXPECT_EQ(run.status, 1);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 981U);
    EXPECT_EQ(lines[2].rfind("3,malformed,", 0), 0U);
    EXPECT_EQ(std::count_if(lines.begin(), lines.end(),
                            [](const std::string& line) { return line.find(",ok,") != std::string::npos; }),
              979);
    EXPECT_EQ(lines.back().rfind("981,ok,", 0), 0U);
    EXPECT_EQ(run.err, "line 3: a quote opened in this row is not closed\n");
}

// Line numbers past 2^31 (a file of some gigabytes) stay positive in both output forms.
TEST(HostileInput, LineNumbersPastTwoToTheThirtyFirst) {
    static_assert(std::numeric_limits<LineNumber>::max() >= std::numeric_limits<std::int64_t>::max());
    BatchRow row;
    row.line = (LineNumber{1} << 31) + 5;
    row.status = RowStatus::Malformed;
    row.error.message = "a quote opened in this row is not closed";
    row.error.malformed = true;
    EXPECT_EQ(BatchCsvLine(row, false).rfind("2147483653,malformed,", 0), 0U);
    EXPECT_EQ(BatchJsonLine(row).rfind("{\"line\": 2147483653, ", 0), 0U);
    CsvRecord record;
    record.line = row.line;
    EXPECT_GT(record.line, 0);
}

// Invalid UTF-8 quoted back from a cell: every JSON line still parses, the bytes become U+FFFD.
TEST(HostileInput, InvalidUtf8GivesValidJsonLines) {
    const std::vector<std::string> cells = {"\xFF",     "\xC0\x80",     "\x80x",
                                            "\xE2\x82", "\xED\xA0\x80", "a\xF5\xBF"};
    std::string file = "type,nt1\n";
    for (const std::string& cell : cells) {
        file += cell + ",20\nexternal," + cell + "\n";
    }
    const CommandRun run = RunCalc({"--batch", "-", "--json"}, file);
    const std::vector<std::string> lines = Lines(run.out);
    ASSERT_EQ(lines.size(), 2 * cells.size());
    for (const std::string& line : lines) {
        EXPECT_TRUE(IsValidJson(line)) << line;
        EXPECT_NE(line.find("\xEF\xBF\xBD"), std::string::npos) << line;
    }
}

struct EchoCase {
    std::string name;
    std::vector<std::string> arguments;
    std::string input;
};

// An escape sequence typed into a value, an option or a cell is written back as visible text.
TEST(HostileInput, EscapeSequencesAreNeverEchoedRaw) {
    const std::string sequence = "\x1B]0;TITLE\x07\x1B[2J";
    const std::string visible = "\\x1B]0;TITLE\\x07\\x1B[2J";
    const std::vector<EchoCase> cases = {
        {"field option", {"--nt1", sequence}, ""},
        {"inline value", {"--dp=" + sequence}, ""},
        {"type option", {"--type", sequence}, ""},
        {"unknown option", {"--" + sequence}, ""},
        {"unexpected argument", {sequence}, ""},
        {"batch file name", {"--batch", "/nonexistent/" + sequence}, ""},
        {"csv cell", {"--batch", "-"}, "nt1,type\n" + sequence + ",\n20,\"" + sequence + "\"\n"},
        {"json cell", {"--batch", "-", "--json"}, "nt1,type\n" + sequence + ",\n20," + sequence + "\n"},
        {"header", {"--batch", "-"}, "nt1," + sequence + "\n"},
    };
    for (const EchoCase& test : cases) {
        const CommandRun run = RunCalc(test.arguments, test.input);
        EXPECT_NE(run.status, 0) << test.name;
        for (const std::string* text : {&run.out, &run.err}) {
            EXPECT_EQ(text->find_first_of("\x1B\x07"), std::string::npos) << test.name << ": " << *text;
        }
        EXPECT_NE((run.out + run.err).find(visible), std::string::npos) << test.name << ": " << run.err;
    }
}

} // namespace
