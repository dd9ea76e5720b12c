#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <numbers>

#include "core/external_pair.h"
#include "core/inspection_measurements.h"
#include "core/internal_pair.h"
#include "core/involute.h"
#include "core/measurement_texts.h"
#include "core/number_text.h"
#include "core/pair_kind.h"
#include "pair_fixtures.h"

namespace korvanta {
namespace {

using std::numbers::pi;
using testing::PairEntry;

constexpr double kMillimetresPerInch = 25.4;

struct Calculated {
    GearPairState state;
    PairResult result;
};

// The pair as the output window leaves it after its calculation.
Calculated Calculate(PairKind gearType, const PairEntry& entry) {
    Calculated pair{testing::EnteredPair(gearType, entry), {}};
    pair.result =
        gearType == PairKind::Internal ? CalcInternalPair(pair.state) : CalcExternalPair(pair.state);
    return pair;
}

PairMeasurements Measure(const Calculated& pair, const PerMember<MeasurementChoice>& choices = {}) {
    return MeasurePair(pair.state, pair.result, choices);
}

// The entries as the state holds them, rounded to Singles.
PairEntry Stored(const PairEntry& e) {
    auto single = [](double value) { return static_cast<double>(static_cast<float>(value)); };
    return {single(e.NT1), single(e.NT2), single(e.DP),  single(e.PA),
            single(e.HA),  single(e.OD1), single(e.OD2), single(e.CD)};
}

const PairEntry kHelical17To35{17, 35, 25.4, 20, 15, 0.787390, 1.497428, 1.082677};
const PairEntry kPins32To40{32, 40, 4, 20, 0, 8.5, 10.5, 9};
const PairEntry kSpan20To40{20, 40, 12.7, 20, 0, 22 / 12.7, 42 / 12.7, 30 / 12.7};
const PairEntry kExternal20To40{20, 40, 10, 20, 0, 2.2, 4.2, 3};
const PairEntry kInternal20To60{20, 60, 10, 20, 0, 2.2, 5.8, 2};
const PairEntry kInternalWider20To60{20, 60, 10, 20, 0, 2.2, 5.8, 2.05};

TEST(InvoluteAngle, InvertsTheInvoluteFunction) {
    for (double angle : {0.01, 0.1, 0.349, 0.6, 1.0, 1.3, 1.5}) {
        EXPECT_NEAR(InvoluteAngle(Involute(angle)), angle, 1e-14 * std::max(1.0, 1.0 / angle)) << angle;
    }
}

TEST(InvoluteAngle, HasNoAngleForAnInvoluteOfZeroOrLess) {
    EXPECT_EQ(InvoluteAngle(0.0), 0.0);
    EXPECT_EQ(InvoluteAngle(-0.01), 0.0);
}

TEST(ContactRatio, HelicalPairMatchesThePublishedValue) {
    const PairMeasurements measured = Measure(Calculate(PairKind::External, kHelical17To35));
    EXPECT_EQ(MeasurementTexts(measured).contactRatio, "1.069");
    EXPECT_NEAR(measured.contactRatio, 1.068817, 2e-5);
}

// The path of contact is the pinion's roll from its SAP to its tip times its base radius, and the
// base pitch is 2π/N1 of that radius: ε = N1 (roll to OD1 − roll to SAP1) / 360.
class ContactRatioRollIdentity : public ::testing::TestWithParam<std::pair<PairKind, PairEntry>> {};

TEST_P(ContactRatioRollIdentity, EqualsTheRollFromSAPToTheTipInBasePitches) {
    const auto& [gearType, entry] = GetParam();
    const Calculated pair = Calculate(gearType, entry);
    const PairMeasurements measured = Measure(pair);
    ASSERT_FALSE(measured.members.pinion.interference);
    const double teeth = pair.result.Swapped ? entry.NT2 : entry.NT1;
    const double rolls = teeth * (pair.result.RollOD.pinion - pair.result.RollSAP.pinion) / 360.0;
    EXPECT_NEAR(measured.contactRatio, rolls, 2e-5);
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, ContactRatioRollIdentity,
    ::testing::Values(std::pair<PairKind, PairEntry>{PairKind::External, kHelical17To35},
                      std::pair<PairKind, PairEntry>{PairKind::External, kExternal20To40},
                      std::pair<PairKind, PairEntry>{PairKind::External, {20, 40, 10, 20, 0, 2.3, 4.2, 3.05}},
                      std::pair<PairKind, PairEntry>{PairKind::External, {40, 20, 10, 20, 0, 4.2, 2.2, 3}},
                      std::pair<PairKind, PairEntry>{PairKind::External, {20, 40, 10, 20, 15, 2.3, 4.3, 3.2}},
                      std::pair<PairKind, PairEntry>{PairKind::Internal, {20, 60, 10, 20, 0, 2.2, 6.0, 2.05}},
                      std::pair<PairKind, PairEntry>{PairKind::Internal, {24, 70, 8, 25, 20, 3.4, 8.7, 3}}));

TEST(Interference, InternalPairOfStandardProportionsFlagsThePinion) {
    const PairMeasurements measured = Measure(Calculate(PairKind::Internal, kInternal20To60));
    EXPECT_TRUE(measured.members.pinion.interference);
    EXPECT_FALSE(measured.members.gear.interference);
    EXPECT_EQ(MeasurementTexts(measured).members.pinion.interference, "Yes");
}

TEST(Interference, StandardExternalPairFlagsNeitherMember) {
    const PairMeasurements measured = Measure(Calculate(PairKind::External, kExternal20To40));
    EXPECT_FALSE(measured.members.pinion.interference);
    EXPECT_FALSE(measured.members.gear.interference);
}

TEST(Interference, ShortPinionAgainstAStandardGearIsFlagged) {
    // 12 teeth at 20° undercut against a 40-tooth standard gear: the gear's tip passes the pinion's
    // interference point, the pinion's tip does not pass the gear's.
    const PairMeasurements measured =
        Measure(Calculate(PairKind::External, {12, 40, 10, 20, 0, 1.4, 4.2, 2.6}));
    EXPECT_TRUE(measured.members.pinion.interference);
    EXPECT_FALSE(measured.members.gear.interference);
}

TEST(OverPins, PublishedExampleOf32TeethOverPinsOf0_432) {
    const PairMeasurements measured = Measure(Calculate(PairKind::External, kPins32To40),
                                              {MeasurementChoice{0.432, std::nullopt}, MeasurementChoice{}});
    ASSERT_TRUE(measured.members.pinion.overPins);
    EXPECT_EQ(PatternValue(measured.members.pinion.overPins->value, 4), "8.6032");
    EXPECT_EQ(MeasurementTexts(measured).members.pinion.overPins, "8.60324");
    EXPECT_EQ(MeasurementTexts(measured).members.pinion.pinDiameter, "0.43200");
}

TEST(Span, PublishedExampleOf20TeethAtModule2) {
    const PairMeasurements measured = Measure(Calculate(PairKind::External, kSpan20To40));
    const MemberMeasurements& pinion = measured.members.pinion;
    ASSERT_TRUE(pinion.span);
    EXPECT_EQ(pinion.spanTeeth, 3);
    // 15.321 mm is the published value to three decimals; in inches it is 0.603184.
    EXPECT_EQ(PatternValue(pinion.span->value * kMillimetresPerInch, 3), "15.321");
    EXPECT_EQ(MeasurementTexts(measured).members.pinion.span, "0.60318");
}

// Over pins of one member, evaluated as the balance of angles at the pin centre: the pin centre at
// radius R sits on the middle of the space (external teeth) or of the internal gear's space when the
// flank's half-angle there, widened by the pin, fills the half pitch angle. R is found by bisection.
struct PinCase {
    const char* name;
    PairKind gearType;
    PairEntry entry;
    Member member;
    double pinDiameter;
};

struct Independent {
    double measurement;
    double contactDiameter;
};

Independent IndependentOverPins(const PinCase& c, double x) {
    const PairEntry e = Stored(c.entry);
    const bool internalGear = c.gearType == PairKind::Internal && c.member == Member::Gear;
    const double teeth = c.member == Member::Pinion ? e.NT1 : e.NT2;
    const double helix = e.HA * pi / 180.0;
    const double normalAngle = e.PA * pi / 180.0;
    const double transverseAngle = std::atan(std::tan(normalAngle) / std::cos(helix));
    const double pitchRadius = teeth / (e.DP * std::cos(helix)) / 2.0;
    const double baseRadius = pitchRadius * std::cos(transverseAngle);
    const double baseHelix = std::asin(std::sin(helix) * std::cos(normalAngle));
    const double inv = [](double a) { return std::tan(a) - a; }(transverseAngle);
    // Half the transverse arc of the tooth (external) or space (internal gear) at the pitch circle,
    // as an angle.
    const double halfArc = (pi / 2.0 + 2.0 * x * std::tan(normalAngle)) / e.DP / std::cos(helix) / 2.0;
    const double pinAngle = c.pinDiameter / 2.0 / std::cos(baseHelix) / baseRadius;
    auto gap = [&](double radius) {
        const double angle = std::acos(baseRadius / radius);
        const double flank = halfArc / pitchRadius + inv - (std::tan(angle) - angle);
        return internalGear ? flank - pinAngle : pi / teeth - flank - pinAngle;
    };
    double low = baseRadius;
    double high = 4.0 * pitchRadius;
    const bool rising = gap(high) > gap(low);
    for (int i = 0; i < 200; ++i) {
        const double middle = (low + high) / 2.0;
        ((gap(middle) > 0.0) == rising ? high : low) = middle;
    }
    const double centre = (low + high) / 2.0;
    const double chord = static_cast<int>(teeth) % 2 == 0 ? 1.0 : std::sin((pi - pi / teeth) / 2.0);
    const double side = internalGear ? -1.0 : 1.0;
    const double centreRoll = std::sqrt(centre * centre - baseRadius * baseRadius);
    const double contactRoll = centreRoll - side * c.pinDiameter / 2.0 * std::cos(baseHelix);
    return {2.0 * centre * chord + side * c.pinDiameter, 2.0 * std::hypot(baseRadius, contactRoll)};
}

std::string PinCaseName(const ::testing::TestParamInfo<PinCase>& pinCase) {
    return pinCase.param.name;
}

class OverPinsAgainstIndependentEvaluation : public ::testing::TestWithParam<PinCase> {};

TEST_P(OverPinsAgainstIndependentEvaluation, MeasurementContactAndActiveProfile) {
    const PinCase& c = GetParam();
    const Calculated pair = Calculate(c.gearType, c.entry);
    PerMember<MeasurementChoice> choices{};
    choices[c.member].pinDiameter = c.pinDiameter;
    const MemberMeasurements measured = Measure(pair, choices).members[c.member];
    const double x = c.member == Member::Pinion ? pair.result.X.pinion : pair.result.X.gear;
    const Independent expected = IndependentOverPins(c, x);
    ASSERT_TRUE(measured.overPins);
    EXPECT_NEAR(measured.overPins->value, expected.measurement, 1e-10);
    EXPECT_NEAR(measured.overPins->contactDiameter, expected.contactDiameter, 1e-10);
    const double tip = c.member == Member::Pinion ? Stored(c.entry).OD1 : Stored(c.entry).OD2;
    const double tif = c.member == Member::Pinion ? pair.result.TIF.pinion : pair.result.TIF.gear;
    const double low = c.gearType == PairKind::Internal && c.member == Member::Gear ? tip : tif;
    const double high = c.gearType == PairKind::Internal && c.member == Member::Gear ? tif : tip;
    EXPECT_EQ(measured.overPins->onActiveProfile,
              low <= expected.contactDiameter && expected.contactDiameter <= high);
}

INSTANTIATE_TEST_SUITE_P(
    Members, OverPinsAgainstIndependentEvaluation,
    ::testing::Values(
        PinCase{"EvenSpur", PairKind::External, kPins32To40, Member::Pinion, 0.432},
        PinCase{"EvenSpurGear", PairKind::External, kPins32To40, Member::Gear, 0.45},
        PinCase{"OddSpur", PairKind::External, {31, 41, 4, 20, 0, 8.25, 10.75, 9}, Member::Pinion, 0.432},
        PinCase{"OddSpurGear", PairKind::External, {31, 41, 4, 20, 0, 8.25, 10.75, 9}, Member::Gear, 0.5},
        PinCase{"OddShiftedPinion",
                PairKind::External,
                {19, 41, 10, 20, 0, 2.2, 4.2, 3.05},
                Member::Pinion,
                0.1728},
        PinCase{"PinTouchingAboveTheTip", PairKind::External, kPins32To40, Member::Pinion, 0.8},
        PinCase{"PinTouchingBelowTheTIF", PairKind::External, kPins32To40, Member::Pinion, 0.27},
        PinCase{"InternalGearBetweenPins", PairKind::Internal, kInternal20To60, Member::Gear, 0.144},
        PinCase{"InternalGearOddBetweenPins",
                PairKind::Internal,
                {20, 61, 10, 20, 0, 2.2, 5.9, 2.05},
                Member::Gear,
                0.15},
        PinCase{"ShiftedInternalGearBetweenPins", PairKind::Internal, kInternalWider20To60, Member::Gear,
                0.16},
        PinCase{"PinionOfAnInternalPair", PairKind::Internal, kInternalWider20To60, Member::Pinion, 0.17},
        PinCase{"HelicalEvenOverBalls", PairKind::External, kHelical17To35, Member::Pinion, 0.07},
        PinCase{"HelicalOddOverBalls", PairKind::External, kHelical17To35, Member::Gear, 0.068},
        PinCase{"HelicalInternalGearBetweenBalls",
                PairKind::Internal,
                {24, 70, 8, 25, 20, 3.4, 8.7, 3},
                Member::Gear,
                0.18}),
    PinCaseName);

// The default pin or ball touches the flank on d + 2x/Pn.
class IdealPinDiameter : public ::testing::TestWithParam<PinCase> {};

TEST_P(IdealPinDiameter, TouchesTheFlankOnTheShiftedPitchDiameter) {
    const PinCase& c = GetParam();
    const Calculated pair = Calculate(c.gearType, c.entry);
    const MemberMeasurements measured = Measure(pair).members[c.member];
    ASSERT_TRUE(measured.pinDiameter);
    ASSERT_TRUE(measured.overPins);
    const double x = c.member == Member::Pinion ? pair.result.X.pinion : pair.result.X.gear;
    const PairEntry e = Stored(c.entry);
    const double teeth = c.member == Member::Pinion ? e.NT1 : e.NT2;
    const double target = teeth / (e.DP * std::cos(e.HA * pi / 180.0)) + 2.0 * x / e.DP;
    EXPECT_NEAR(measured.overPins->contactDiameter, target, 1e-12);
    PinCase chosen = c;
    chosen.pinDiameter = *measured.pinDiameter;
    EXPECT_NEAR(measured.overPins->value, IndependentOverPins(chosen, x).measurement, 1e-10);
}

INSTANTIATE_TEST_SUITE_P(
    Members, IdealPinDiameter,
    ::testing::Values(
        PinCase{"EvenSpur", PairKind::External, kPins32To40, Member::Pinion, 0},
        PinCase{
            "OddShiftedPinion", PairKind::External, {19, 41, 10, 20, 0, 2.2, 4.2, 3.05}, Member::Pinion, 0},
        PinCase{"ShiftedInternalGear", PairKind::Internal, kInternalWider20To60, Member::Gear, 0},
        PinCase{"HelicalPinion", PairKind::External, kHelical17To35, Member::Pinion, 0},
        PinCase{
            "HelicalInternalGear", PairKind::Internal, {24, 70, 8, 25, 20, 3.4, 8.7, 3}, Member::Gear, 0}),
    PinCaseName);

// The default number of teeth spanned puts the anvils' contact, √(db² + (W cos ψb)²), on d + 2x/Pn
// for a real-valued k; W is linear in k, so that k is solved directly and rounded half up.
class DefaultSpanTeeth : public ::testing::TestWithParam<PinCase> {};

TEST_P(DefaultSpanTeeth, NearestToTheContactOnTheShiftedPitchDiameter) {
    const PinCase& c = GetParam();
    const Calculated pair = Calculate(c.gearType, c.entry);
    const MemberMeasurements measured = Measure(pair).members[c.member];
    const PairEntry e = Stored(c.entry);
    const double x = c.member == Member::Pinion ? pair.result.X.pinion : pair.result.X.gear;
    const double teeth = c.member == Member::Pinion ? e.NT1 : e.NT2;
    const double helix = e.HA * pi / 180.0;
    const double normalAngle = e.PA * pi / 180.0;
    const double transverseAngle = std::atan(std::tan(normalAngle) / std::cos(helix));
    const double pitch = teeth / (e.DP * std::cos(helix));
    const double base = pitch * std::cos(transverseAngle);
    const double target = pitch + 2.0 * x / e.DP;
    const double cosBaseHelix = std::sqrt(1.0 - std::pow(std::sin(helix) * std::cos(normalAngle), 2));
    const double span = std::sqrt(target * target - base * base) / cosBaseHelix;
    const double k = ((span - 2.0 * x * std::sin(normalAngle) / e.DP) * e.DP / std::cos(normalAngle) -
                      teeth * (std::tan(transverseAngle) - transverseAngle)) /
                         pi +
                     0.5;
    ASSERT_TRUE(measured.spanTeeth);
    EXPECT_EQ(*measured.spanTeeth, static_cast<int>(std::floor(k + 0.5)));
    ASSERT_TRUE(measured.span);
    const double spanned = *measured.spanTeeth;
    EXPECT_NEAR(measured.span->value, span + (spanned - k) * pi * std::cos(normalAngle) / e.DP, 1e-12);
    EXPECT_NEAR(measured.span->contactDiameter, std::hypot(base, measured.span->value * cosBaseHelix), 1e-12);
}

INSTANTIATE_TEST_SUITE_P(
    Members, DefaultSpanTeeth,
    ::testing::Values(
        PinCase{"Spur20", PairKind::External, kSpan20To40, Member::Pinion, 0},
        PinCase{"Spur40", PairKind::External, kSpan20To40, Member::Gear, 0},
        PinCase{"ShiftedPinion", PairKind::External, {20, 40, 10, 20, 0, 2.3, 4.2, 3.05}, Member::Pinion, 0},
        PinCase{"HelicalPinion", PairKind::External, kHelical17To35, Member::Pinion, 0},
        PinCase{"HelicalGear", PairKind::External, kHelical17To35, Member::Gear, 0},
        PinCase{"PinionOfAnInternalPair", PairKind::Internal, kInternalWider20To60, Member::Pinion, 0}),
    PinCaseName);

TEST(Span, ChosenTeethAreKeptAndOutOfRangeTeethGiveNoSpan) {
    const Calculated pair = Calculate(PairKind::External, kSpan20To40);
    const PairMeasurements measured =
        Measure(pair, {MeasurementChoice{std::nullopt, 4}, MeasurementChoice{std::nullopt, 40}});
    EXPECT_EQ(measured.members.pinion.spanTeeth, 4);
    ASSERT_TRUE(measured.members.pinion.span);
    const PairMeasurements byDefault = Measure(pair);
    EXPECT_NEAR(measured.members.pinion.span->value - byDefault.members.pinion.span->value,
                pi * std::cos(20 * pi / 180) / Stored(kSpan20To40).DP, 1e-12);
    EXPECT_FALSE(measured.members.gear.span);
    const MemberMeasurementTexts texts = MeasurementTexts(measured).members.gear;
    EXPECT_EQ(texts.spanTeeth, "40");
    EXPECT_EQ(texts.span, "NA");
    EXPECT_EQ(texts.spanOnActiveProfile, "NA");
}

TEST(Span, InternalGearHasNone) {
    const PairMeasurements measured = Measure(Calculate(PairKind::Internal, kInternal20To60));
    EXPECT_TRUE(measured.members.pinion.span);
    EXPECT_FALSE(measured.members.gear.spanTeeth);
    EXPECT_FALSE(measured.members.gear.span);
    const MemberMeasurementTexts texts = MeasurementTexts(measured).members.gear;
    EXPECT_EQ(texts.spanTeeth, "NA");
    EXPECT_EQ(texts.span, "NA");
    EXPECT_EQ(texts.spanContactDiameter, "NA");
    EXPECT_EQ(texts.spanOnActiveProfile, "NA");
}

TEST(ToothThickness, ShiftWidensTheToothAndTheInternalGearsSpace) {
    const Calculated pair = Calculate(PairKind::Internal, kInternalWider20To60);
    const PairMeasurements measured = Measure(pair);
    const double tan20 = std::tan(20 * pi / 180);
    EXPECT_GT(pair.result.X.gear, 0.27);
    EXPECT_NEAR(measured.members.pinion.toothThickness, (pi / 2 + 2 * pair.result.X.pinion * tan20) / 10,
                1e-15);
    EXPECT_NEAR(measured.members.gear.toothThickness, (pi / 2 + 2 * pair.result.X.gear * tan20) / 10, 1e-15);
    EXPECT_EQ(
        MeasurementTexts(Measure(Calculate(PairKind::External, kPins32To40))).members.pinion.toothThickness,
        "0.39270");
}

TEST(OverPins, ContactAboveTheTipOrBelowTheTIFIsOffTheActiveProfile) {
    const Calculated pair = Calculate(PairKind::External, kPins32To40);
    for (double pin : {0.27, 0.8}) {
        const PairMeasurements measured = Measure(pair, {MeasurementChoice{pin, std::nullopt}, {}});
        ASSERT_TRUE(measured.members.pinion.overPins) << pin;
        EXPECT_EQ(MeasurementTexts(measured).members.pinion.pinsOnActiveProfile, "No") << pin;
    }
}

// A pin of 0.2 would sink below the base circle before touching both flanks.
TEST(OverPins, PinThatCannotRestOnTheFlanksGivesNoMeasurement) {
    const Calculated pair = Calculate(PairKind::External, kPins32To40);
    for (double pin : {0.0, 0.2}) {
        const PairMeasurements measured = Measure(pair, {MeasurementChoice{pin, std::nullopt}, {}});
        EXPECT_FALSE(measured.members.pinion.overPins) << pin;
        const MemberMeasurementTexts texts = MeasurementTexts(measured).members.pinion;
        EXPECT_EQ(texts.pinDiameter, PatternValue(pin, 5));
        EXPECT_EQ(texts.overPins, "NA");
        EXPECT_EQ(texts.pinContactDiameter, "NA");
        EXPECT_EQ(texts.pinsOnActiveProfile, "NA");
    }
}

TEST(MeasurePair, ExchangedExternalPairFollowsTheTableColumns) {
    const PairMeasurementTexts entered =
        MeasurementTexts(Measure(Calculate(PairKind::External, kExternal20To40)));
    const PairMeasurementTexts exchanged =
        MeasurementTexts(Measure(Calculate(PairKind::External, {40, 20, 10, 20, 0, 4.2, 2.2, 3})));
    EXPECT_EQ(exchanged.contactRatio, entered.contactRatio);
    for (Member m : kMembers) {
        EXPECT_EQ(exchanged.members[m].overPins, entered.members[m].overPins);
        EXPECT_EQ(exchanged.members[m].span, entered.members[m].span);
        EXPECT_EQ(exchanged.members[m].spanTeeth, entered.members[m].spanTeeth);
    }
    EXPECT_EQ(entered.members.pinion.spanTeeth, "3");
    EXPECT_EQ(entered.members.gear.spanTeeth, "5");
}

TEST(MeasurementTexts, FiveDecimalLengthsAndThreeDecimalContactRatio) {
    const PairMeasurementTexts texts =
        MeasurementTexts(Measure(Calculate(PairKind::External, kExternal20To40)));
    // (√(1.1² − 0.93969²) + √(2.1² − 1.87939²) − 3 sin 20°) / (π cos 20° / 10) = 1.63519
    EXPECT_EQ(texts.contactRatio, "1.635");
    for (const MemberMeasurementTexts* member : {&texts.members.pinion, &texts.members.gear}) {
        for (const std::string* length :
             {&member->toothThickness, &member->pinDiameter, &member->overPins, &member->pinContactDiameter,
              &member->span, &member->spanContactDiameter}) {
            const auto point = length->find('.');
            ASSERT_NE(point, std::string::npos) << *length;
            EXPECT_EQ(length->size() - point - 1, 5u) << *length;
        }
        EXPECT_EQ(member->interference, "No");
        EXPECT_EQ(member->pinsOnActiveProfile, "Yes");
        EXPECT_EQ(member->spanOnActiveProfile, "Yes");
    }
}

} // namespace
} // namespace korvanta
