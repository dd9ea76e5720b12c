#include <gtest/gtest.h>

#include <string>

#include "run_command.h"

namespace {

// A refused cell is quoted back in the row's message with its control characters other than the tab
// made visible (\x1B); the JSON line escapes the message's quotes, backslashes and tab, and keeps the
// characters between them as they are.
TEST(BatchJsonEscapes, RefusedCellIsEscapedInTheMessage) {
    const std::string file = "type,nt1\n\"a\"\"b\\c\td\x1b\re\",20\n";
    const CommandRun run = RunCalc({"--batch", "-", "--json"}, file);
    EXPECT_EQ(run.status, 1);
    EXPECT_EQ(run.out, "{\"line\": 2, \"error\": {\"title\": \"korvanta-calc\", \"message\": \"type takes "
                       "external or internal, not 'a\\\"b\\\\c\\td\\\\x1B\\\\x0De'\", \"field\": \"\"}, "
                       "\"warnings\": []}\n");
}

// The tooth exchange warning holds a carriage return between its two sentences.
TEST(BatchJsonEscapes, WarningWithACarriageReturn) {
    const CommandRun run = RunCalc({"--batch", "-", "--json"}, "nt1,nt2,dp\n40,20,10\n");
    EXPECT_NE(
        run.out.find("\"warnings\": [\"The pinion must have equal or fewer teeth than the gear.\\rPinion "
                     "and gear teeth will be swapped.\"]"),
        std::string::npos)
        << run.out;
}

} // namespace
