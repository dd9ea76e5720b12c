#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "output_text.h"
#include "run_command.h"

namespace {

// The CSV line of a row without its leading line number.
std::string WithoutLineNumber(const std::string& line) {
    return line.substr(line.find(','));
}

// Each row of a batch gives the CSV line it gives alone, whatever the rows before it left: an
// invalid, malformed or rejected row after a calculated pair shows no cell, warning or message of it.
TEST(BatchCsv, EveryRowGivesTheLineItGivesAlone) {
    const std::vector<std::string> rows = {
        "external,20,40,10,,,,,",        // calculated
        "external,20,4x,10,,,,,",        // invalid cell
        "internal,20,60,10,,15,,,",      // calculated, helical internal pair
        "external,20,40",                // malformed: too few cells
        "external,40,20,10,,,,,",        // teeth exchanged, with a warning
        "external,20,40,10,90,,,,",      // rejected
        "external,20,40,10,,,2.2,4.2,0", // rejected: center distance
        "internal,20,60,10,,,2.2,5.8,0",
        "external,20,40,10,,,2.2,4.2,3",
    };
    const std::string header = "type,nt1,nt2,dp,pa,ha,od1,od2,cd\n";
    std::string file = header;
    for (const std::string& row : rows) {
        file += row + "\n";
    }
    const std::vector<std::string> together = Lines(RunCalc({"--batch", "-"}, file).out);
    ASSERT_EQ(together.size(), rows.size() + 1);
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const std::vector<std::string> alone = Lines(RunCalc({"--batch", "-"}, header + rows[i] + "\n").out);
        ASSERT_EQ(alone.size(), 2U) << rows[i];
        EXPECT_EQ(WithoutLineNumber(together[i + 1]), WithoutLineNumber(alone[1])) << rows[i];
    }
}

} // namespace
