#include <gtest/gtest.h>

#include <string>
#include <utility>

#include "activated_table.h"
#include "core/gear_pair_state.h"
#include "logic/calculate.h"
#include "logic/output_table.h"

namespace korvanta {
namespace {

using R = OutputRow;

// The state as Calculate leaves it for the entered texts (NT1, NT2, DP, PA, HA, OD1, OD2, CD).
GearPairState Calculated(bool external, const FieldTexts& texts) {
    GearPairState state;
    SetStartUpConstants(state);
    state.NT1 = std::stod(texts[0]);
    state.NT2 = std::stod(texts[1]);
    state.DP = std::stod(texts[2]);
    const CalculateOutcome outcome =
        Calculate(state, external ? PairKind::External : PairKind::Internal, texts);
    EXPECT_FALSE(outcome.rejection.has_value()) << outcome.rejection->text;
    return state;
}

void ExpectCells(const OutputTable& table, R row, const std::string& pinion, const std::string& gear) {
    EXPECT_EQ(table[row].pinion, pinion) << table[row].caption;
    EXPECT_EQ(table[row].gear, gear) << table[row].caption;
}

TEST(OutputTable, FreshTablesCarryTheStoredCaptions) {
    const OutputTable external = NewExternalTable();
    EXPECT_EQ(external.title, "Korvanta Output Data");
    EXPECT_EQ(external.columns[0], "PINION");
    EXPECT_EQ(external.columns[1], "GEAR");
    EXPECT_EQ(external[R::OperatingPressureAngle].caption, "Operating Pressure Angle (Transverse)");
    EXPECT_EQ(external[R::RollTIF].caption, "Roll Angle to TIF Diameter");
    EXPECT_EQ(external[R::RollOutside].caption, "Roll Angle to Outside Diameter");
    EXPECT_EQ(external[R::ModificationCoefficient].caption, "Addendum Modification Coefficient (x)");

    const OutputTable internal = NewInternalTable();
    EXPECT_EQ(internal.columns[1], "INTERNAL GEAR");
    EXPECT_EQ(internal[R::OutsideDiameter].caption, "Outside Diameter");
    EXPECT_EQ(internal[R::RollSAP].caption, "Roll Angle at SAP Diameter");
    EXPECT_EQ(internal[R::RollPitch].caption, "Roll Angle at Pitch Diameter");
    for (const OutputCell& cell : internal.rows) {
        EXPECT_TRUE(cell.pinion.empty() && cell.gear.empty());
    }
}

TEST(OutputTable, HelicalExternalPairShowsTransverseValuesWithoutDegreeSign) {
    GearPairState state = Calculated(true, {"20", "40", "10", "20", "15", "2.3", "4.4", "3.2"});
    OutputTable table = NewExternalTable();
    ActivateTable(state, table);
    EXPECT_EQ(table[R::OperatingPressureAngle].caption, "Operating Pressure Angle (Transverse)");
    // 10 cos 15° = 9.659258; atan(tan 20° / cos 15°) = 20.64689°.
    ExpectCells(table, R::TransverseDiametralPitch, "9.65926", "9.65926");
    ExpectCells(table, R::TransversePressureAngle, "20.64689", "20.64689");
    ExpectCells(table, R::HelixAngle, "15.00000°", "15.00000°");
}

// The same entries show the same texts every time: after Close and Calculate again with nothing
// changed (the external 20/40 at DP 10), and after the diagram has been opened and closed over the
// open window (the internal 20/60, which calculates again at its next activation).
TEST(OutputTable, LaterDisplaysOfTheSameEntriesShowTheFirstTexts) {
    const FieldTexts external = {"20", "40", "10", "20", "0", "2.2", "4.2", "3"};
    GearPairState state = Calculated(true, external);
    OutputTable first = NewExternalTable();
    ActivateTable(state, first);
    ExpectCells(first, R::RollOutside, "34.866°", "28.565°");
    ASSERT_FALSE(Calculate(state, PairKind::External, external).rejection.has_value());
    OutputTable again = NewExternalTable();
    ActivateTable(state, again);
    for (int row = 0; row < kOutputRowCount; ++row) {
        EXPECT_EQ(again.rows[row].pinion, first.rows[row].pinion) << first.rows[row].caption;
        EXPECT_EQ(again.rows[row].gear, first.rows[row].gear) << first.rows[row].caption;
    }

    const FieldTexts internalTexts = {"20", "60", "10", "20", "0", "2.2", "5.8", "2"};
    GearPairState internal = Calculated(false, internalTexts);
    OutputTable firstInternal = NewInternalTable();
    ActivateTable(internal, firstInternal);
    ExpectCells(firstInternal, R::RollTIF, "0.229°", "25.649°");
    EXPECT_EQ(firstInternal[R::RollSAP].pinion, "0.229°");
    for (bool calculateAgain : {false, true, false}) {
        if (calculateAgain) {
            ASSERT_FALSE(Calculate(internal, PairKind::Internal, internalTexts).rejection.has_value());
        }
        OutputTable later = NewInternalTable();
        ActivateTable(internal, later);
        for (int row = 0; row < kOutputRowCount; ++row) {
            EXPECT_EQ(later.rows[row].pinion, firstInternal.rows[row].pinion)
                << firstInternal.rows[row].caption;
            EXPECT_EQ(later.rows[row].gear, firstInternal.rows[row].gear) << firstInternal.rows[row].caption;
        }
    }
}

TEST(OutputTable, LargerPinionDiameterShowsTheSmallerMemberAsPinion) {
    // Only reachable around the input window's checks, but the window must cope.
    GearPairState state = Calculated(true, {"20", "40", "10", "20", "0", "2.2", "4.2", "3"});
    std::swap(state.OD1, state.OD2);
    OutputTable table = NewExternalTable();
    ActivateTable(state, table);
    ExpectCells(table, R::Teeth, "40", "20");
    ExpectCells(table, R::OutsideDiameter, "2.20000", "4.20000");
    ExpectCells(table, R::PitchDiameter, "4.00000", "2.00000");
    EXPECT_EQ(state.NT1, Single(20.0));
    EXPECT_EQ(state.OD1, Single(4.2));
    EXPECT_EQ(state.PD1, Single(2.0));
}

TEST(OutputTable, ExternalFaultKeepsTheLaterCellsAndRestoresTheState) {
    GearPairState state = Calculated(true, {"20", "40", "10", "20", "0", "2.2", "4.2", "3"});
    state.CD = 0;
    std::swap(state.OD1, state.OD2);
    OutputTable table = NewExternalTable();
    for (OutputCell& cell : table.rows) {
        cell.pinion = cell.gear = "old";
    }
    ActivateTable(state, table);
    ASSERT_TRUE(table.fault.has_value());
    EXPECT_EQ(table.fault->step, "pair geometry");
    EXPECT_EQ(table.fault->message.title, "Korvanta");
    EXPECT_EQ(table.fault->message.icon, MessageIcon::Stop);
    ExpectCells(table, R::Teeth, "40", "20");
    ExpectCells(table, R::CenterDistance, "0.00000", "0.00000");
    ExpectCells(table, R::SAPDiameter, "old", "old");
    ExpectCells(table, R::OperatingPressureAngle, "old", "old");
    ExpectCells(table, R::RollOutside, "old", "old");
    // Back in the entered orientation.
    EXPECT_EQ(state.NT1, Single(20.0));
    EXPECT_EQ(state.OD1, Single(4.2));
    EXPECT_EQ(state.OD2, Single(2.2));

    // A later successful fill clears the fault.
    state.CD = 3;
    std::swap(state.OD1, state.OD2);
    ActivateTable(state, table);
    EXPECT_FALSE(table.fault.has_value());
}

TEST(OutputTable, HelicalInternalPairWithInsideDiameterBelowTheBaseCircleWarnsAfterTheValues) {
    GearPairState state = Calculated(false, {"18", "50", "8", "20", "15", "2.6", "6.0", "2"});
    const Single entryTPA = state.TPA;
    // The window shows the angle Calculate derived, whatever a previous run left in the state.
    state.TPA = 21;
    OutputTable table = NewInternalTable();
    ActivateTable(state, table);
    EXPECT_EQ(table[R::DiametralPitch].caption, "Normal Diametral Pitch");
    EXPECT_EQ(table[R::PressureAngle].caption, "Normal Pressure Angle");
    EXPECT_EQ(table[R::OperatingPressureAngle].caption, "Operating Pressure Angle (Transverse)");
    EXPECT_EQ(state.TPA, entryTPA);

    ActivateTable(state, table);
    ExpectCells(table, R::TransversePressureAngle, "20.64689°", "20.64689°");
    ExpectCells(table, R::OperatingPressureAngle, "14.3542°", "14.3542°");
    ExpectCells(table, R::SAPDiameter, "2.3947", "6.5165");
    ExpectCells(table, R::TIFDiameter, "2.3883", "6.5230");
    ExpectCells(table, R::RollOutside, "37.253°", "0.000°");
    ASSERT_EQ(table.warnings.size(), 1U);
    EXPECT_EQ(table.warnings[0].text,
              "Warning the gear inside diameter is smaller than the base diameter. Please "
              "check your input gear data");
    EXPECT_EQ(table.warnings[0].title, "Korvanta");
    EXPECT_EQ(table.warnings[0].icon, MessageIcon::Stop);
}

TEST(OutputTable, InternalFaultFillsNothing) {
    GearPairState state = Calculated(false, {"20", "60", "10", "20", "0", "2.2", "5.8", "0"});
    OutputTable table = NewInternalTable();
    table[R::Teeth].pinion = "old";
    ActivateTable(state, table);
    ASSERT_TRUE(table.fault.has_value());
    EXPECT_EQ(table.fault->step, "internal pair calculation");
    EXPECT_EQ(table[R::Teeth].pinion, "old");
    EXPECT_EQ(table[R::OutsideDiameter].caption, "Outside Diameter");
    EXPECT_TRUE(table.warnings.empty());
}

} // namespace
} // namespace korvanta

namespace korvanta {
namespace {

// A table reused from pair to pair, as a batch reuses one, ends as a fresh table filled with the last.
TEST(FreshTable, AReusedTableEndsAsAFreshOneFilledFromTheLastPair) {
    GearPairState complete = Calculated(true, {"20", "40", "10", "20", "15", "2.3", "4.4", "3.2"});
    GearPairState faulting = complete;
    faulting.CD = 0.01f; // the operating pressure angle cannot be found
    GearPairState internal = complete;
    internal.GearType = PairKind::Internal;
    OutputTable reused;
    for (const GearPairState* state : {&faulting, &complete, &internal, &complete, &faulting}) {
        const PairSolution solution = SolvePair(*state);
        FillFreshTable(solution, reused);
        OutputTable fresh = NewTableOf(solution.kind);
        FillTable(solution, fresh);
        EXPECT_EQ(reused.title, fresh.title);
        EXPECT_EQ(reused.columns, fresh.columns);
        for (int row = 0; row < kOutputRowCount; ++row) {
            EXPECT_EQ(reused.rows[row].caption, fresh.rows[row].caption) << row;
            EXPECT_EQ(reused.rows[row].pinion, fresh.rows[row].pinion) << row;
            EXPECT_EQ(reused.rows[row].gear, fresh.rows[row].gear) << row;
        }
    }
}

} // namespace
} // namespace korvanta
