#include <gtest/gtest.h>

#include <cstdint>

#include "core/basic_values.h"
#include "core/number_text.h"

namespace korvanta {
namespace {

GearPairState Entered(std::optional<PairKind> gearType, double nt1, double nt2, double dp) {
    GearPairState s;
    SetStartUpConstants(s);
    s.GearType = gearType;
    s.NT1 = nt1;
    s.NT2 = nt2;
    s.DP = dp;
    return s;
}

TEST(ToothExchangeWarning, IsAnExclamationWithTwoLinesSplitByACarriageReturn) {
    const Message m = ToothExchangeWarning();
    EXPECT_EQ(
        m.text,
        "The pinion must have equal or fewer teeth than the gear.\rPinion and gear teeth will be swapped.");
    EXPECT_EQ(m.title, "Korvanta");
    EXPECT_EQ(m.icon, MessageIcon::Exclamation);
    EXPECT_FALSE(m.question);
}

TEST(GetBasicValues, EstimatesAStandardExternalPair) {
    GearPairState s = Entered(PairKind::External, 20, 40, 10);
    const BasicValuesOutcome out = GetBasicValues(s, "20", "40");
    EXPECT_FALSE(out.toothExchangeWarning);
    EXPECT_EQ(out.writes,
              (std::vector<FieldWrite>{
                  {InputField::OD1, "2.20000"}, {InputField::OD2, "4.20000"}, {InputField::CD, "3.00000"}}));
    EXPECT_EQ(s.TDP.Value(), 10.0f);
    EXPECT_EQ(s.PD1.Value(), 2.0f);
    EXPECT_EQ(s.PD2.Value(), 4.0f);
    EXPECT_EQ(s.OD1.Value(), 2.2f);
    EXPECT_EQ(s.OD2.Value(), 4.2f);
    EXPECT_EQ(s.CD.Value(), 3.0f);
}

TEST(GetBasicValues, EstimatesAStandardInternalPair) {
    GearPairState s = Entered(PairKind::Internal, 20, 60, 10);
    const BasicValuesOutcome out = GetBasicValues(s, "20", "60");
    EXPECT_EQ(out.writes,
              (std::vector<FieldWrite>{
                  {InputField::OD1, "2.20000"}, {InputField::OD2, "5.80000"}, {InputField::CD, "2.00000"}}));
    EXPECT_EQ(s.OD1.Value(), 2.2f);
    EXPECT_EQ(s.OD2.Value(), 5.8f);
    EXPECT_EQ(s.CD.Value(), 2.0f);
}

TEST(GetBasicValues, ExchangesMoreTypedPinionTeethAndEstimatesNothingElse) {
    GearPairState s = Entered(PairKind::External, 40, 20, 10);
    const BasicValuesOutcome out = GetBasicValues(s, "40", "20");
    EXPECT_TRUE(out.toothExchangeWarning);
    EXPECT_EQ(out.writes, (std::vector<FieldWrite>{{InputField::NT1, "20"}, {InputField::NT2, "40"}}));
    EXPECT_EQ(s.NT1.Value(), 20.0f);
    EXPECT_EQ(s.NT2.Value(), 40.0f);
    EXPECT_EQ(s.TDP.Value(), 0.0f);
    EXPECT_EQ(s.OD1.Value(), 0.0f);
}

TEST(GetBasicValues, ComparesTheTypedTextsForTheExchange) {
    GearPairState s = Entered(PairKind::External, 20, 40, 10);
    EXPECT_TRUE(GetBasicValues(s, "50", "40").toothExchangeWarning);
    EXPECT_EQ(s.NT1.Value(), 40.0f);
}

TEST(GetBasicValues, AcceptsEqualToothCountsWithoutWarning) {
    GearPairState s = Entered(PairKind::External, 30, 30, 10);
    EXPECT_FALSE(GetBasicValues(s, "30", "30").toothExchangeWarning);
    EXPECT_EQ(s.CD.Value(), 3.0f);
}

TEST(GetBasicValues, WithoutPitchOnlyChecksTheTeeth) {
    GearPairState s = Entered(PairKind::External, 20, 40, 0);
    EXPECT_TRUE(GetBasicValues(s, "20", "40").writes.empty());
    EXPECT_EQ(s.PD1.Value(), 0.0f);

    GearPairState swapped = Entered(PairKind::External, 40, 20, 0);
    EXPECT_TRUE(GetBasicValues(swapped, "40", "20").toothExchangeWarning);

    GearPairState internal = Entered(PairKind::Internal, 20, 60, 0);
    EXPECT_TRUE(GetBasicValues(internal, "20", "60").writes.empty());
}

TEST(GetBasicValues, WithOneToothCountEstimatesOnlyThatMember) {
    GearPairState s = Entered(PairKind::External, 20, 0, 10);
    const BasicValuesOutcome out = GetBasicValues(s, "20", "");
    EXPECT_EQ(out.writes, (std::vector<FieldWrite>{{InputField::OD1, "2.20000"}}));
    EXPECT_EQ(s.PD1.Value(), 2.0f);
    EXPECT_EQ(s.CD.Value(), 0.0f);
}

TEST(GetBasicValues, KeepsEnteredDiametersAndCenterDistance) {
    GearPairState s = Entered(PairKind::External, 20, 40, 10);
    s.OD1 = 2.5;
    s.CD = 3.1;
    const BasicValuesOutcome out = GetBasicValues(s, "20", "40");
    EXPECT_EQ(out.writes,
              (std::vector<FieldWrite>{{InputField::OD1, "2.50000"}, {InputField::OD2, "4.20000"}}));
    EXPECT_EQ(s.OD1.Value(), 2.5f);
    EXPECT_EQ(s.CD.Value(), 3.1f);
}

TEST(GetBasicValues, ExternalCenterDistanceEqualsItsFiveDecimalText) {
    GearPairState s = Entered(PairKind::External, 7, 13, 7);
    const BasicValuesOutcome out = GetBasicValues(s, "7", "13");
    ASSERT_EQ(out.writes.size(), 3u);
    EXPECT_EQ(out.writes[1], (FieldWrite{InputField::OD2, "2.14286"}));
    EXPECT_EQ(out.writes[2], (FieldWrite{InputField::CD, "1.42857"}));
    EXPECT_EQ(s.CD.Value(), 1.42857f);
}

TEST(GetBasicValues, InternalCenterDistanceKeepsItsSingleValue) {
    GearPairState s = Entered(PairKind::Internal, 7, 20, 7);
    const BasicValuesOutcome out = GetBasicValues(s, "7", "20");
    EXPECT_EQ(out.writes.back(), (FieldWrite{InputField::CD, "0.92857"}));
    EXPECT_EQ(s.CD.Value(), static_cast<float>((20.0f / 7.0f - 1.0f) / 2.0));
}

TEST(GetBasicValues, HelixAngleWidensThePitchDiameters) {
    GearPairState s = Entered(PairKind::External, 20, 40, 10);
    s.HA = 30;
    GetBasicValues(s, "20", "40");
    EXPECT_EQ(PatternValue(s.TDP, 4), "8.6603");
    EXPECT_EQ(PatternValue(s.PD1, 4), "2.3094");
}

TEST(GetBasicValues, LeavesEverythingUnchangedWhenAValueLeavesTheSingleRange) {
    GearPairState s = Entered(PairKind::External, 20, 40, 1e-38);
    const GearPairState before = s;
    const BasicValuesOutcome out = GetBasicValues(s, "20", "40");
    EXPECT_FALSE(out.toothExchangeWarning);
    EXPECT_TRUE(out.writes.empty());
    EXPECT_EQ(s.TDP.Value(), before.TDP.Value());
    EXPECT_EQ(s.PD1.Value(), 0.0f);
    EXPECT_EQ(s.OD1.Value(), 0.0f);
}

TEST(GetBasicValues, DoesNothingBeforeAGearTypeIsChosen) {
    GearPairState s = Entered(std::nullopt, 40, 20, 10);
    const BasicValuesOutcome out = GetBasicValues(s, "40", "20");
    EXPECT_FALSE(out.toothExchangeWarning);
    EXPECT_TRUE(out.writes.empty());
    EXPECT_EQ(s.NT1.Value(), 40.0f);
}

} // namespace
} // namespace korvanta
