#include <gtest/gtest.h>

#include "logic/diagram_boxes.h"

namespace korvanta {
namespace {

GearPairState ExternalPair() {
    GearPairState state;
    state.GearType = 1;
    state.NT1 = 25;
    state.NT2 = 40;
    state.DP = 10;
    state.PA = 20;
    state.HA = 0;
    state.TDP = 10;
    state.TPA = 20;
    state.PD1 = 2.5;
    state.PD2 = 4;
    state.DB1 = 2.3492315519647713;
    state.DB2 = 3.758770483143634;
    state.OD1 = 2.7;
    state.OD2 = 4.2;
    return state;
}

TEST(DiagramBoxes, DefaultMemberIsThePinionOfAnExternalPairAndTheInternalGear) {
    EXPECT_EQ(DefaultDiagramMember(1), 1);
    EXPECT_EQ(DefaultDiagramMember(2), 2);
}

TEST(DiagramBoxes, PinionOfAnExternalPair) {
    const DiagramBoxes boxes = FillDiagramBoxes(ExternalPair(), 1);
    EXPECT_EQ(boxes.Text3, "2.500000 DIA.");
    EXPECT_EQ(boxes.Text4, "2.349232 DIA.");
    EXPECT_EQ(boxes.Text5, "20.000000");
    EXPECT_EQ(boxes.Text6, " 25");
    EXPECT_EQ(boxes.Text7, "10.000000");
    EXPECT_EQ(boxes.Text8, "20.000000");
    EXPECT_EQ(boxes.Text9, "0.000000");
    EXPECT_EQ(boxes.Text10, "2.700000 DIA.");
    EXPECT_FALSE(boxes.Label6Visible);
}

TEST(DiagramBoxes, GearOfAnExternalPairShowsItsOutsideDiameter) {
    const DiagramBoxes boxes = FillDiagramBoxes(ExternalPair(), 2);
    EXPECT_EQ(boxes.Text3, "4.000000 DIA.");
    EXPECT_EQ(boxes.Text4, "3.758770 DIA.");
    EXPECT_EQ(boxes.Text6, " 40");
    EXPECT_EQ(boxes.Text10, "4.200000 DIA.");
    EXPECT_FALSE(boxes.Label6Visible);
}

TEST(DiagramBoxes, GearOfAnInternalPairHasAnUnknownDiameterAndARootCircle) {
    GearPairState state = ExternalPair();
    state.GearType = 2;
    const DiagramBoxes boxes = FillDiagramBoxes(state, 2);
    EXPECT_EQ(boxes.Text10, "Unknown Dia.");
    EXPECT_TRUE(boxes.Label6Visible);
    EXPECT_EQ(boxes.Text3, "4.000000 DIA.");
}

TEST(DiagramBoxes, PinionOfAnInternalPairShowsItsOutsideDiameter) {
    GearPairState state = ExternalPair();
    state.GearType = 2;
    const DiagramBoxes boxes = FillDiagramBoxes(state, 1);
    EXPECT_EQ(boxes.Text10, "2.700000 DIA.");
    EXPECT_FALSE(boxes.Label6Visible);
}

TEST(DiagramBoxes, SingleValuesAreRoundedToSevenDigitsBeforeThePattern) {
    GearPairState state = ExternalPair();
    state.PD1 = 12.3456789;
    EXPECT_EQ(FillDiagramBoxes(state, 1).Text3, "12.345680 DIA.");
}

TEST(DiagramBoxes, BaseDiameterKeepsTheDigitsOfADouble) {
    GearPairState state = ExternalPair();
    state.DB1 = 1.8793852415718;
    EXPECT_EQ(FillDiagramBoxes(state, 1).Text4, "1.879385 DIA.");
}

TEST(DiagramBoxes, HelixAngleAndTransverseValuesOfAHelicalPair) {
    GearPairState state = ExternalPair();
    state.HA = 15;
    state.TDP = 9.659258;
    state.TPA = 20.64689;
    const DiagramBoxes boxes = FillDiagramBoxes(state, 1);
    EXPECT_EQ(boxes.Text7, "9.659258");
    EXPECT_EQ(boxes.Text8, "20.646890");
    EXPECT_EQ(boxes.Text5, boxes.Text8);
    EXPECT_EQ(boxes.Text9, "15.000000");
}

} // namespace
} // namespace korvanta
