#include <gtest/gtest.h>

#include <string>

#include "core/gear_pair_state.h"
#include "core/transverse_values.h"
#include "logic/calculate.h"

namespace korvanta {
namespace {

constexpr const char* kCenterTooSmall = "Center Distance is too small !, Please check your input data";
constexpr const char* kOutsideTooSmall =
    "Outside diameter of one or both gears is too small !, Please check your input data";

// Texts in tab order: NT1, NT2, DP, PA, HA, OD1, OD2, CD.
FieldTexts Texts(std::string nt1, std::string nt2, std::string dp, std::string pa, std::string ha,
                 std::string od1, std::string od2, std::string cd) {
    return {nt1, nt2, dp, pa, ha, od1, od2, cd};
}

// The state as leaving each field would have stored it.
GearPairState Entered(const FieldTexts& texts) {
    GearPairState state;
    SetStartUpConstants(state);
    state.NT1 = std::stod("0" + texts[0]);
    state.NT2 = std::stod("0" + texts[1]);
    state.DP = std::stod("0" + texts[2]);
    return state;
}

// Calculate stored the fields and derived the transverse values from them (their worked values are the
// derivation's own).
void ExpectTransverseValuesDerived(const GearPairState& state) {
    GearPairState derived = state;
    DeriveTransverseValues(derived);
    EXPECT_EQ(state.TDP.Value(), derived.TDP.Value());
    EXPECT_EQ(state.PD1.Value(), derived.PD1.Value());
    EXPECT_EQ(state.PD2.Value(), derived.PD2.Value());
    EXPECT_EQ(state.TPA.Value(), derived.TPA.Value());
    EXPECT_EQ(state.DB1, derived.DB1);
    EXPECT_EQ(state.DB2, derived.DB2);
}

void ExpectRejected(const CalculateOutcome& outcome, const std::string& text, const std::string& title,
                    InputField focus) {
    ASSERT_TRUE(outcome.rejection.has_value());
    EXPECT_EQ(outcome.rejection->text, text);
    EXPECT_EQ(outcome.rejection->title, title);
    EXPECT_EQ(outcome.rejection->icon, MessageIcon::Stop);
    EXPECT_FALSE(outcome.rejection->question);
    EXPECT_EQ(outcome.focus, focus);
    EXPECT_EQ(outcome.opens, std::nullopt);
}

TEST(Calculate, AllFieldsEmptyAsksForThePinionTeeth) {
    GearPairState state;
    SetStartUpConstants(state);
    ExpectRejected(Calculate(state, PairKind::External, FieldTexts{}), "Enter the number of teeth for Pinion",
                   "Korvanta", InputField::NT1);
    EXPECT_EQ(state.GearType, PairKind::External);
}

struct PresenceCase {
    FieldTexts texts;
    const char* message;
    InputField focus;
};

TEST(Calculate, PresenceChecksRunInTheirOrder) {
    const PresenceCase cases[] = {
        {Texts("20", "", "", "", "", "", "", ""), "Enter the number of teeth for Gear", InputField::NT2},
        {Texts("20", "40", "0", "", "", "", "", ""), "Enter the Normal Diametral Pitch", InputField::DP},
        {Texts("20", "40", "10", ".", "", "", "", ""), "Enter the Normal Pressure Angle", InputField::PA},
        {Texts("20", "40", "10", "20", "", "", "", ""), "Enter the OD for gear 1", InputField::OD1},
        {Texts("20", "40", "10", "20", "", "2.2", "", ""), "Enter the OD for gear 2", InputField::OD2},
    };
    for (const PresenceCase& c : cases) {
        for (bool external : {true, false}) {
            GearPairState state = Entered(c.texts);
            ExpectRejected(Calculate(state, external ? PairKind::External : PairKind::Internal, c.texts),
                           c.message, "Korvanta", c.focus);
            EXPECT_EQ(state.GearType, external ? PairKind::External : PairKind::Internal);
        }
    }
}

TEST(Calculate, StandardExternalPairOpensTheExternalWindow) {
    const FieldTexts texts =
        Texts("20", "40", "10.00000", "20.00000", "0.00000", "2.20000", "4.20000", "3.00000");
    GearPairState state = Entered(texts);
    const CalculateOutcome outcome = Calculate(state, PairKind::External, texts);
    EXPECT_FALSE(outcome.rejection.has_value());
    EXPECT_EQ(outcome.opens, PairKind::External);
    EXPECT_EQ(state.PA, Single(20.0));
    EXPECT_EQ(state.HA, Single(0.0));
    ExpectTransverseValuesDerived(state);
    EXPECT_EQ(state.OD1, Single(2.2));
    EXPECT_EQ(state.CD, Single(3.0));
}

TEST(Calculate, EmptyCenterDistanceOfAnExternalPairIsTooSmall) {
    for (const char* cd : {"", "0"}) {
        const FieldTexts texts = Texts("20", "40", "10", "20", "0", "2.2", "4.2", cd);
        GearPairState state = Entered(texts);
        ExpectRejected(Calculate(state, PairKind::External, texts), kCenterTooSmall, "Brenmark",
                       InputField::CD);
        // The fields were stored and the transverse values derived before the check.
        EXPECT_EQ(state.CD, Single(0.0));
        EXPECT_EQ(state.OD2, Single(4.2));
        ExpectTransverseValuesDerived(state);
    }
}

TEST(Calculate, CenterDistanceBelowTheMeanBaseDiameterIsTooSmall) {
    const FieldTexts texts = Texts("20", "40", "10", "20", "0", "2.2", "4.2", "2.8");
    GearPairState state = Entered(texts);
    ExpectRejected(Calculate(state, PairKind::External, texts), kCenterTooSmall, "Brenmark", InputField::CD);
    EXPECT_GT((state.DB1 + state.DB2) / 2, 2.819);
    EXPECT_EQ(state.CD, Single(2.8));
}

TEST(Calculate, CenterDistanceBeyondTheMeanOutsideDiameterLeavesNoOverlap) {
    const FieldTexts texts = Texts("20", "40", "10", "20", "0", "2.2", "4.2", "3.3");
    GearPairState state = Entered(texts);
    ExpectRejected(Calculate(state, PairKind::External, texts), kOutsideTooSmall, "Brenmark",
                   InputField::OD1);
    // The half sum 3.2 equal to the center distance is not enough either.
    const FieldTexts equal = Texts("20", "40", "10", "20", "0", "2.2", "4.2", "3.2");
    state = Entered(equal);
    ExpectRejected(Calculate(state, PairKind::External, equal), kOutsideTooSmall, "Brenmark",
                   InputField::OD1);
}

TEST(Calculate, PinionOutsideDiameterAtTheRootLimitIsAccepted) {
    const FieldTexts texts = Texts("20", "40", "10", "20", "0", "1.9", "4.2", "3");
    GearPairState state = Entered(texts);
    EXPECT_EQ(Calculate(state, PairKind::External, texts).opens, PairKind::External);

    const FieldTexts smaller = Texts("20", "40", "10", "20", "0", "1.89999", "4.2", "3");
    state = Entered(smaller);
    ExpectRejected(Calculate(state, PairKind::External, smaller),
                   "Outside Diameter for gear 1 is too small !", "Korvanta", InputField::OD1);
    // Rejected before the fields are stored.
    EXPECT_EQ(state.OD1, Single(0.0));
}

TEST(Calculate, ExternalOrderChecksComeBeforeTheDiameterLimits) {
    const FieldTexts teeth = Texts("40", "20", "10", "20", "0", "4.2", "2.2", "3");
    GearPairState state = Entered(teeth);
    ExpectRejected(Calculate(state, PairKind::External, teeth),
                   "The number of pinion teeth cannot be greator than the number of gear teeth !", "Korvanta",
                   InputField::NT1);

    const FieldTexts diameters = Texts("20", "40", "10", "20", "0", "4.2", "2.2", "3");
    state = Entered(diameters);
    ExpectRejected(Calculate(state, PairKind::External, diameters),
                   "The Pinion O.D. must not be larger than the gear O.D. !", "Korvanta", InputField::OD1);

    const FieldTexts gear = Texts("20", "40", "10", "20", "0", "2.2", "3.8", "3");
    state = Entered(gear);
    ExpectRejected(Calculate(state, PairKind::External, gear), "Outside Diameter for gear 2 is too small !",
                   "Korvanta", InputField::OD2);
}

TEST(Calculate, EqualTeethAndEqualDiametersPassTheExternalOrderChecks) {
    const FieldTexts texts = Texts("30", "30", "10", "20", "0", "3.2", "3.2", "3.05");
    GearPairState state = Entered(texts);
    EXPECT_EQ(Calculate(state, PairKind::External, texts).opens, PairKind::External);
}

TEST(Calculate, InternalPairNeedsMoreGearTeeth) {
    const FieldTexts texts = Texts("20", "20", "10", "20", "0", "2.2", "1.8", "");
    GearPairState state = Entered(texts);
    ExpectRejected(Calculate(state, PairKind::Internal, texts),
                   "Pinion must have fewer teeth than internal gear.", "Brenmark", InputField::NT1);
    EXPECT_EQ(state.GearType, PairKind::Internal);
    EXPECT_EQ(state.NT2, Single(20.0));
    EXPECT_EQ(state.PD2, Single(2.0));
}

TEST(Calculate, InternalPairWithoutCenterDistanceOpensTheInternalWindow) {
    for (const char* cd : {"", "0"}) {
        const FieldTexts texts = Texts("20", "60", "10", "20", "0", "2.2", "5.8", cd);
        GearPairState state = Entered(texts);
        EXPECT_EQ(Calculate(state, PairKind::Internal, texts).opens, PairKind::Internal);
        EXPECT_EQ(state.CD, Single(0.0));
    }
}

struct AngleCase {
    const char* pa;
    const char* ha;
    bool external;
    const char* message;
    InputField focus;
};

TEST(Calculate, RightAnglesAreRejectedAfterThePresenceChecks) {
    const AngleCase cases[] = {
        {"90", "0", true, "The Normal Pressure Angle must be less than 90° !", InputField::PA},
        {"135.5", "95", false, "The Normal Pressure Angle must be less than 90° !", InputField::PA},
        {"20", "90", true, "The Helix Angle must be less than 90° !", InputField::HA},
        {"20", "90.00000", false, "The Helix Angle must be less than 90° !", InputField::HA},
    };
    for (const AngleCase& c : cases) {
        // Teeth the wrong way round: the angle check still comes first.
        const FieldTexts texts = Texts("40", "20", "10", c.pa, c.ha, "2.2", "4.2", "3");
        GearPairState state = Entered(texts);
        ExpectRejected(Calculate(state, c.external ? PairKind::External : PairKind::Internal, texts),
                       c.message, "Korvanta", c.focus);
        EXPECT_EQ(state.PA, Single(0.0)) << "nothing is stored";
    }
    const FieldTexts missingOD = Texts("20", "40", "10", "90", "0", "", "4.2", "3");
    GearPairState state = Entered(missingOD);
    ExpectRejected(Calculate(state, PairKind::External, missingOD), "Enter the OD for gear 1", "Korvanta",
                   InputField::OD1);
}

TEST(Calculate, AnglesJustBelowARightAngleAreAccepted) {
    const FieldTexts texts = Texts("20", "60", "10", "89.99", "89.99", "2.2", "5.8", "2");
    GearPairState state = Entered(texts);
    EXPECT_EQ(Calculate(state, PairKind::Internal, texts).opens, PairKind::Internal);
}

TEST(Calculate, ValuesBeyondTheSingleRangeAreAnOrderlyRejection) {
    const std::string huge(38, '9');
    const FieldTexts texts = Texts("1" + std::string(37, '0'), huge, "0.001", "20", "0", "2.2", "5.8", "2");
    GearPairState state = Entered(texts);
    const CalculateOutcome outcome = Calculate(state, PairKind::Internal, texts);
    ASSERT_TRUE(outcome.rejection.has_value());
    EXPECT_EQ(outcome.rejection->title, "Korvanta");
    EXPECT_EQ(outcome.rejection->icon, MessageIcon::Stop);
    EXPECT_EQ(outcome.focus, InputField::DP);
    EXPECT_EQ(outcome.opens, std::nullopt);
}

} // namespace
} // namespace korvanta
