#include <gtest/gtest.h>

#include <string>

#include "run_command.h"

namespace {

// A metric 20/40 pair of module 2: d = 40 mm for the pinion, 80 mm for the gear; class 7 doubles
// the class-5 values. f_pT = (0.04 + 0.8 + 5) × 2 = 11.7 → 12; F_pT = (0.08 + 0.55√40 + 1.4 + 12) × 2 =
// 33.9 → 34 for the pinion.
TEST(Tolerances, TheJsonCarriesEachMembersTolerancesOfTheClass) {
    const CommandRun run = RunCalc(
        {"--nt1", "20", "--nt2", "40", "--module", "2", "--class", "7", "--face-width", "20", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_NE(run.out.find(R"("tolerances": {"standard": "ISO 1328-1:2013", "class": 7, "unit": "µm",)"),
              std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find(R"({"member": "pinion", "single_pitch": "12", "total_cumulative_pitch": "34",)"),
              std::string::npos);
    EXPECT_EQ(run.out.find("_in\""), std::string::npos);
}

TEST(Tolerances, AnInchPairHasThemInInchesToo) {
    const CommandRun run =
        RunCalc({"--nt1", "20", "--nt2", "40", "--dp", "10", "--class", "7", "--face-width", "1", "--json"});
    ASSERT_EQ(run.status, 0) << run.err;
    // f_pT of the 50.8 mm pinion: (0.0508 + 1.016 + 5) × 2 = 12.1 → 12 µm = 0.00047 in.
    EXPECT_NE(run.out.find(R"("single_pitch": "12", "single_pitch_in": "0.00047")"), std::string::npos);
}

TEST(Tolerances, AClassOrFaceWidthThatCannotBeIsAUsageError) {
    const char* const bad[][6] = {
        {"--class", "12", "--face-width", "20", "--json", nullptr},
        {"--class", "7", "--json", nullptr, nullptr, nullptr},
        {"--class", "7", "--face-width", "0", "--json", nullptr},
        {"--class", "7", "--face-width", "20", nullptr, nullptr},
    };
    for (const auto& arguments : bad) {
        std::vector<std::string> line = {"--nt1", "20", "--nt2", "40", "--dp", "10"};
        for (const char* argument : arguments) {
            if (argument != nullptr) {
                line.emplace_back(argument);
            }
        }
        const CommandRun run = RunCalc(line);
        EXPECT_EQ(run.status, 2) << line.back();
        EXPECT_EQ(run.out, "");
    }
}

} // namespace

namespace {

TEST(Tolerances, ABatchWithClassAndFaceWidthColumnsHasTheirCellsPerRow) {
    const CommandRun run = RunCalc({"--batch", "-"}, "nt1,nt2,module,class,face_width\n"
                                                     "20,40,2,7,20\n"
                                                     "20,40,2,,\n"
                                                     "20,40,2,7,\n");
    EXPECT_EQ(run.status, 1); // the third row is invalid
    EXPECT_NE(run.out.find(",single_pitch_pinion,single_pitch_gear,total_cumulative_pitch_pinion,"),
              std::string::npos);
    EXPECT_NE(run.out.find(",outside_range_pinion,outside_range_gear,warnings,message\n"), std::string::npos);
    EXPECT_NE(run.out.find(",12,12,34,37,9.5,10.0,12,12,16,16,12,12,13,13,17,18,,,,\n"), std::string::npos)
        << run.out;
    EXPECT_NE(run.out.find("\n3,ok,"), std::string::npos);
    EXPECT_NE(run.out.find("class and face_width go together"), std::string::npos);

    const CommandRun json =
        RunCalc({"--batch", "-", "--json"}, "nt1,nt2,dp,class,face_width\n20,40,10,7,1\n");
    EXPECT_EQ(json.status, 0);
    EXPECT_NE(json.out.find(R"("tolerances": {"standard": "ISO 1328-1:2013", "class": 7,)"),
              std::string::npos);
}

TEST(Tolerances, ABatchNamingOnlyOneOfTheColumnsIsAUsageError) {
    const CommandRun run = RunCalc({"--batch", "-"}, "nt1,nt2,dp,class\n20,40,10,7\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_NE(run.err.find("class and face_width go together"), std::string::npos);
}

} // namespace
