#include <gtest/gtest.h>

#include <string>

#include "../core/pair_fixtures.h"
#include "logic/sheet_of_pair.h"

namespace korvanta {
namespace {

using testing::PairEntry;

const PairEntry kExternal20To40 = {20, 40, 10, 20, 0, 2.2, 4.2, 3.0};

PairSolution Solved() {
    PairSolution solution =
        SolvePair(testing::EnteredPair(PairKind::External, kExternal20To40), PerMember<MeasurementChoice>{});
    EXPECT_TRUE(solution.Complete());
    return solution;
}

const std::string* TextOf(const InspectionSheet& sheet, const std::string& caption, Member member) {
    for (const SheetRow& row : sheet.dataBlock) {
        if (row.caption == caption) {
            return &row.texts[member];
        }
    }
    return nullptr;
}

TEST(SheetHeaderOfTest, NamesThePairsUnitsKindAndFile) {
    const JobData job{"P-20", "G-40", "D-1", "A", "J. Smith", ""};
    const SheetHeader header =
        SheetHeaderOf(job, LengthUnit::Millimetre, PairKind::Internal, "2026-01-02", "ring.korvanta");
    EXPECT_EQ(header.job, job);
    EXPECT_EQ(header.date, "2026-01-02");
    EXPECT_EQ(header.units, "Units: mm (module)");
    EXPECT_EQ(header.pairKind, "Internal pair");
    EXPECT_EQ(header.fileName, "ring.korvanta");
    EXPECT_TRUE(header.program.starts_with("Korvanta "));
}

TEST(SheetOfPairTest, AStaleSheetSaysThatTheEntriesHaveChanged) {
    const SheetHeader header = SheetHeaderOf({}, LengthUnit::Inch, PairKind::External, "2026-01-02", "");
    EXPECT_FALSE(SheetOfPair(Solved(), {}, {}, header, false).staleNotice.has_value());
    const InspectionSheet stale = SheetOfPair(Solved(), {}, {}, header, true);
    ASSERT_TRUE(stale.staleNotice.has_value());
    EXPECT_EQ(*stale.staleNotice, kSheetEntriesChangedNotice);
}

// The tools typed in the measurements window measure the sheet's pair: a pin of 0.2 in on the pinion.
TEST(SheetOfPairTest, MeasuresWithTheToolsChosen) {
    const SheetHeader header = SheetHeaderOf({}, LengthUnit::Inch, PairKind::External, "2026-01-02", "");
    PerMember<MeasurementChoice> choices;
    choices.pinion.pinDiameter = 0.2;
    const InspectionSheet sheet = SheetOfPair(Solved(), choices, {}, header, false);
    const std::string* pin = TextOf(sheet, "Pin or Ball Diameter", Member::Pinion);
    ASSERT_NE(pin, nullptr);
    EXPECT_EQ(*pin, "0.20000 in");
}

} // namespace
} // namespace korvanta
