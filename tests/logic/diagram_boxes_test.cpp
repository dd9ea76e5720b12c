#include <gtest/gtest.h>

#include "logic/diagram_boxes.h"

namespace korvanta {
namespace {

GearPairState ExternalPair() {
    GearPairState state;
    state.GearType = PairKind::External;
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
    EXPECT_EQ(DefaultDiagramMember(PairKind::External), Member::Pinion);
    EXPECT_EQ(DefaultDiagramMember(PairKind::Internal), Member::Gear);
}

TEST(DiagramBoxes, PinionOfAnExternalPair) {
    const DiagramBoxes boxes = FillDiagramBoxes(ExternalPair(), Member::Pinion);
    EXPECT_EQ(boxes.pitchDiameter, "2.500000 DIA.");
    EXPECT_EQ(boxes.baseDiameter, "2.349232 DIA.");
    EXPECT_EQ(boxes.picturePressureAngle, "20.000000");
    EXPECT_EQ(boxes.teeth, " 25");
    EXPECT_EQ(boxes.transversePitch, "10.000000");
    EXPECT_EQ(boxes.transversePressureAngle, "20.000000");
    EXPECT_EQ(boxes.helixAngle, "0.000000");
    EXPECT_EQ(boxes.outsideDiameter, "2.700000 DIA.");
    EXPECT_FALSE(boxes.rootCircleCaption);
}

TEST(DiagramBoxes, GearOfAnExternalPairShowsItsOutsideDiameter) {
    const DiagramBoxes boxes = FillDiagramBoxes(ExternalPair(), Member::Gear);
    EXPECT_EQ(boxes.pitchDiameter, "4.000000 DIA.");
    EXPECT_EQ(boxes.baseDiameter, "3.758770 DIA.");
    EXPECT_EQ(boxes.teeth, " 40");
    EXPECT_EQ(boxes.outsideDiameter, "4.200000 DIA.");
    EXPECT_FALSE(boxes.rootCircleCaption);
}

TEST(DiagramBoxes, GearOfAnInternalPairHasAnUnknownDiameterAndARootCircle) {
    GearPairState state = ExternalPair();
    state.GearType = PairKind::Internal;
    const DiagramBoxes boxes = FillDiagramBoxes(state, Member::Gear);
    EXPECT_EQ(boxes.outsideDiameter, "Unknown Dia.");
    EXPECT_TRUE(boxes.rootCircleCaption);
    EXPECT_EQ(boxes.pitchDiameter, "4.000000 DIA.");
}

TEST(DiagramBoxes, PinionOfAnInternalPairShowsItsOutsideDiameter) {
    GearPairState state = ExternalPair();
    state.GearType = PairKind::Internal;
    const DiagramBoxes boxes = FillDiagramBoxes(state, Member::Pinion);
    EXPECT_EQ(boxes.outsideDiameter, "2.700000 DIA.");
    EXPECT_FALSE(boxes.rootCircleCaption);
}

TEST(DiagramBoxes, SingleValuesAreRoundedToSevenDigitsBeforeThePattern) {
    GearPairState state = ExternalPair();
    state.PD1 = 12.3456789;
    EXPECT_EQ(FillDiagramBoxes(state, Member::Pinion).pitchDiameter, "12.345680 DIA.");
}

TEST(DiagramBoxes, BaseDiameterKeepsTheDigitsOfADouble) {
    GearPairState state = ExternalPair();
    state.DB1 = 1.8793852415718;
    EXPECT_EQ(FillDiagramBoxes(state, Member::Pinion).baseDiameter, "1.879385 DIA.");
}

TEST(DiagramBoxes, HelixAngleAndTransverseValuesOfAHelicalPair) {
    GearPairState state = ExternalPair();
    state.HA = 15;
    state.TDP = 9.659258;
    state.TPA = 20.64689;
    const DiagramBoxes boxes = FillDiagramBoxes(state, Member::Pinion);
    EXPECT_EQ(boxes.transversePitch, "9.659258");
    EXPECT_EQ(boxes.transversePressureAngle, "20.646890");
    EXPECT_EQ(boxes.picturePressureAngle, boxes.transversePressureAngle);
    EXPECT_EQ(boxes.helixAngle, "15.000000");
}

} // namespace
} // namespace korvanta
