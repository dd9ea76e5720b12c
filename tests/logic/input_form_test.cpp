#include <gtest/gtest.h>

#include <optional>
#include <random>
#include <string>
#include <utility>
#include <vector>

#include "core/gear_pair_state.h"
#include "core/normal_pitch.h"
#include "core/number_text.h"
#include "logic/calculate.h"
#include "logic/field_tooltips.h"
#include "logic/input_form.h"
#include "logic/key_filter.h"
#include "logic/unit_texts.h"

namespace korvanta {
namespace {

using F = InputField;

class InputFormTest : public ::testing::Test {
protected:
    InputFormTest() : form(state) {
        SetStartUpConstants(state);
        InputForm::Observer observer;
        observer.textChanged = [this](InputField field, const std::string& text) {
            changes.push_back({field, text});
        };
        observer.showMessage = [this](const Message& message) { messages.push_back(message); };
        observer.focusField = [this](InputField field) { focus.push_back(field); };
        observer.labelODChanged = [this](const std::string& caption) { labels.push_back(caption); };
        form.SetObserver(observer);
    }

    // The program starts with the focus in the pinion teeth.
    void Start() {
        form.Activated();
        form.Enter(F::NT1);
    }

    void Type(InputField field, const std::string& text) {
        form.Enter(field);
        ASSERT_TRUE(form.SetText(field, text));
        form.Leave(field);
    }

    struct Change {
        InputField field;
        std::string text;
    };

    GearPairState state;
    InputForm form;
    std::vector<Change> changes;
    std::vector<Message> messages;
    std::vector<InputField> focus;
    std::vector<std::string> labels;
};

TEST_F(InputFormTest, ActivationShowsTheSpurHelixAngleAndTheStandardPressureAngle) {
    form.Activated();
    EXPECT_EQ(form.Text(F::HA), "0.00000");
    EXPECT_EQ(form.Text(F::PA), "20.00000");
    EXPECT_EQ(state.PA, Single(20.0));
    // A second activation finds both set and rewrites nothing.
    changes.clear();
    form.Activated();
    EXPECT_TRUE(changes.empty());
}

TEST_F(InputFormTest, FirstEntryOfThePinionTeethChoosesAnExternalPair) {
    EXPECT_FALSE(state.GearType.has_value());
    form.Enter(F::NT1);
    EXPECT_EQ(state.GearType, PairKind::External);
    EXPECT_EQ(form.LabelODCaption(), "Outside Diameter");
    EXPECT_TRUE(labels.empty());
}

TEST_F(InputFormTest, KeysOutsideTheFieldSetAreRefused) {
    for (InputField field : kInputFields) {
        for (int code : {int{'a'}, int{'-'}, int{' '}, int{','}, 13}) {
            EXPECT_FALSE(form.KeyPress(field, code)) << FieldControlName(field) << " " << code;
        }
        EXPECT_TRUE(form.KeyPress(field, '7'));
        EXPECT_TRUE(form.KeyPress(field, 8));
    }
    EXPECT_FALSE(form.KeyPress(F::NT1, '.'));
    EXPECT_FALSE(form.KeyPress(F::NT2, '.'));
    EXPECT_TRUE(form.KeyPress(F::DP, '.'));
}

// A paste holding a character the keys would not type changes nothing and says so: "4,25" must not
// become 425.
TEST_F(InputFormTest, TextWithCharactersTheKeysRefuseIsRefusedWholeWithAMessage) {
    ASSERT_TRUE(form.SetText(F::OD2, "4"));
    ASSERT_TRUE(form.SetText(F::NT1, "2"));
    changes.clear();
    const std::pair<InputField, const char*> refused[] = {
        {F::OD2, "4,25"}, {F::DP, "12ab"}, {F::CD, "1e3"}, {F::NT1, "2.0"}, {F::DP, "-1.2"}};
    for (const auto& [field, text] : refused) {
        const std::string before = form.Text(field);
        messages.clear();
        EXPECT_FALSE(form.SetText(field, text)) << text;
        EXPECT_EQ(form.Text(field), before) << text;
        ASSERT_EQ(messages.size(), 1u) << text;
        EXPECT_EQ(messages[0].icon, MessageIcon::Exclamation);
    }
    EXPECT_TRUE(changes.empty());
    EXPECT_FALSE(form.Paste(F::OD2, ",25"));
    EXPECT_EQ(form.Text(F::OD2), "4");
}

TEST_F(InputFormTest, PasteIsInsertedAtTheCaret) {
    ASSERT_TRUE(form.SetText(F::DP, "15"));
    EXPECT_TRUE(form.Paste(F::DP, "0.5", 1, 0));
    EXPECT_EQ(form.Text(F::DP), "10.55");
    EXPECT_TRUE(form.Paste(F::NT1, "40"));
    EXPECT_EQ(form.Text(F::NT1), "40");
    // Replacing a selection.
    EXPECT_TRUE(form.Paste(F::NT1, "2", 0, 1));
    EXPECT_EQ(form.Text(F::NT1), "20");
    EXPECT_TRUE(messages.empty());
}

TEST_F(InputFormTest, NumbersTooLargeForASingleAreRefused) {
    const std::string largest = "34028234" + std::string(31, '0');
    ASSERT_TRUE(form.SetText(F::CD, largest));
    EXPECT_FALSE(form.KeyPress(F::CD, '0'));
    EXPECT_TRUE(form.KeyPress(F::CD, '.'));
    EXPECT_FALSE(form.KeyPress(F::CD, '9', 0, 0));
    EXPECT_TRUE(form.KeyPress(F::CD, '1', 0, 1));
    EXPECT_FALSE(form.Paste(F::CD, "00"));
    EXPECT_FALSE(form.SetText(F::CD, largest + "0"));
    EXPECT_EQ(form.Text(F::CD), largest);
    // Backspace over the point of 1.000...0 would leave 1E+39.
    ASSERT_TRUE(form.SetText(F::OD1, "1." + std::string(39, '0')));
    EXPECT_FALSE(form.KeyPress(F::OD1, 8, 2, 0));
    EXPECT_TRUE(form.KeyPress(F::OD1, 8));
}

TEST_F(InputFormTest, PressureAngleIsShownWithFiveDecimals) {
    Start();
    Type(F::PA, "20");
    EXPECT_EQ(form.Text(F::PA), "20.00000");
    EXPECT_EQ(state.PA, Single(20.0));
    Type(F::PA, "14.5");
    EXPECT_EQ(form.Text(F::PA), "14.50000");
}

TEST_F(InputFormTest, ZeroPitchEmptiesTheField) {
    Start();
    for (const char* text : {"0", ".", "0.000"}) {
        Type(F::DP, text);
        EXPECT_EQ(state.DP, Single(0.0));
        EXPECT_EQ(form.Text(F::DP), "") << text;
    }
}

TEST_F(InputFormTest, ZeroHelixAngleStaysVisible) {
    Start();
    Type(F::HA, "0");
    EXPECT_EQ(form.Text(F::HA), "0.00000");
}

TEST_F(InputFormTest, ZeroTeethKeepTheirTextAndEstimateNothing) {
    Start();
    Type(F::NT2, "40");
    Type(F::DP, "10");
    Type(F::NT1, "0");
    EXPECT_EQ(form.Text(F::NT1), "0");
    EXPECT_EQ(state.NT1, Single(0.0));
    EXPECT_EQ(form.Text(F::CD), "");
}

TEST_F(InputFormTest, TeethAndPitchFillTheEstimates) {
    Start();
    Type(F::NT1, "20");
    Type(F::NT2, "40");
    EXPECT_EQ(form.Text(F::OD1), "");
    Type(F::DP, "10");
    EXPECT_EQ(form.Text(F::DP), "10.00000");
    EXPECT_EQ(form.Text(F::OD1), "2.20000");
    EXPECT_EQ(form.Text(F::OD2), "4.20000");
    EXPECT_EQ(form.Text(F::CD), "3.00000");
    EXPECT_EQ(state.OD1, Single(2.2));
    EXPECT_EQ(state.OD2, Single(4.2));
    EXPECT_EQ(state.CD, Single(3.0));
    EXPECT_EQ(state.TDP, Single(10.0));
    EXPECT_TRUE(messages.empty());
}

TEST_F(InputFormTest, TypedDiameterSurvivesUntilTheHelixAngleIsEdited) {
    Start();
    Type(F::NT1, "20");
    Type(F::NT2, "40");
    Type(F::DP, "10");
    Type(F::OD1, "2.3");
    EXPECT_EQ(form.Text(F::OD1), "2.30000");
    Type(F::PA, "25");
    Type(F::CD, "3.05");
    EXPECT_EQ(form.Text(F::OD1), "2.30000");
    EXPECT_EQ(form.Text(F::CD), "3.05000");

    form.Enter(F::HA);
    ASSERT_TRUE(form.SetText(F::HA, "0"));
    EXPECT_EQ(form.Text(F::OD1), "");
    EXPECT_EQ(form.Text(F::OD2), "");
    EXPECT_EQ(form.Text(F::CD), "");
    EXPECT_EQ(state.OD1, Single(0.0));
    form.Leave(F::HA);
    EXPECT_EQ(form.Text(F::OD1), "2.20000");
    EXPECT_EQ(form.Text(F::OD2), "4.20000");
    EXPECT_EQ(form.Text(F::CD), "3.00000");
}

TEST_F(InputFormTest, MorePinionTeethAreExchangedWithAWarning) {
    Start();
    Type(F::NT1, "40");
    Type(F::DP, "10");
    Type(F::NT2, "20");
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(
        messages[0].text,
        "The pinion must have equal or fewer teeth than the gear.\rPinion and gear teeth will be swapped.");
    EXPECT_EQ(messages[0].title, "Korvanta");
    EXPECT_EQ(messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(form.Text(F::NT1), "20");
    EXPECT_EQ(form.Text(F::NT2), "40");
    EXPECT_EQ(state.NT1, Single(20.0));
    EXPECT_EQ(state.NT2, Single(40.0));
    // The rewritten teeth discard the diameters, and that call estimates nothing.
    EXPECT_EQ(form.Text(F::OD1), "");
    EXPECT_EQ(form.Text(F::OD2), "");
    EXPECT_EQ(form.Text(F::CD), "");
    EXPECT_EQ(state.OD1, Single(0.0));
    EXPECT_EQ(state.CD, Single(0.0));
    Type(F::DP, "10");
    EXPECT_EQ(form.Text(F::OD1), "2.20000");
    EXPECT_EQ(form.Text(F::CD), "3.00000");
}

TEST_F(InputFormTest, EqualTeethNeedNoWarning) {
    Start();
    Type(F::NT1, "30");
    Type(F::NT2, "30");
    EXPECT_TRUE(messages.empty());
}

TEST_F(InputFormTest, InternalReEstimatesAndRelabels) {
    Start();
    Type(F::NT1, "20");
    Type(F::NT2, "60");
    Type(F::DP, "10");
    EXPECT_EQ(form.Text(F::CD), "4.00000");
    focus.clear();
    form.ChooseKind(PairKind::Internal);
    EXPECT_EQ(form.ChosenKind(), PairKind::Internal);
    EXPECT_EQ(state.GearType, PairKind::Internal);
    EXPECT_EQ(state.LastGearType, PairKind::Internal);
    EXPECT_EQ(form.Text(F::OD1), "2.20000");
    EXPECT_EQ(form.Text(F::OD2), "5.80000");
    EXPECT_EQ(form.Text(F::CD), "2.00000");
    EXPECT_EQ(state.CD, Single(2.0));
    EXPECT_EQ(focus, std::vector<InputField>{F::NT1});
    EXPECT_EQ(form.LabelODCaption(), "O.D. Pinion and I.D. Gear");
    EXPECT_EQ(labels, std::vector<std::string>{"O.D. Pinion and I.D. Gear"});

    // Again: only the focus moves.
    Type(F::OD2, "5.9");
    changes.clear();
    form.ChooseKind(PairKind::Internal);
    EXPECT_TRUE(changes.empty());
    EXPECT_EQ(form.Text(F::OD2), "5.90000");
    EXPECT_EQ(focus.size(), 2U);

    form.ChooseKind(PairKind::External);
    EXPECT_EQ(form.ChosenKind(), PairKind::External);
    EXPECT_EQ(form.Text(F::OD2), "6.20000");
    EXPECT_EQ(form.Text(F::CD), "4.00000");
    EXPECT_EQ(form.LabelODCaption(), "Outside Diameter");
}

TEST_F(InputFormTest, FirstOptionClickAlwaysResetsTheDiameters) {
    Start();
    Type(F::NT1, "20");
    Type(F::NT2, "40");
    Type(F::DP, "10");
    Type(F::OD1, "2.3");
    form.ChooseKind(PairKind::External);
    EXPECT_EQ(form.Text(F::OD1), "2.20000");
    EXPECT_EQ(state.LastGearType, PairKind::External);
}

TEST_F(InputFormTest, OwnRewritesAreReportedInOrder) {
    Start();
    Type(F::NT1, "20");
    Type(F::NT2, "40");
    changes.clear();
    Type(F::DP, "10");
    std::vector<std::string> written;
    for (const Change& change : changes) {
        written.push_back(std::string(FieldControlName(change.field)) + "=" + change.text);
    }
    EXPECT_EQ(written, (std::vector<std::string>{"TextDP=10", "TextDP=10.00000", "TextOD1=2.20000",
                                                 "TextOD2=4.20000", "TextCD=3.00000"}));
}

class InputFormCalculateTest : public InputFormTest {
protected:
    void Pair(const char* nt1, const char* nt2, const char* dp) {
        Start();
        Type(F::NT1, nt1);
        Type(F::NT2, nt2);
        Type(F::DP, dp);
    }

    void ExpectRejected(const char* text, InputField field) {
        focus.clear();
        messages.clear();
        const CalculateOutcome outcome = form.CalculatePair();
        ASSERT_EQ(messages.size(), 1U);
        EXPECT_EQ(messages[0].text, text);
        EXPECT_EQ(messages[0].icon, MessageIcon::Stop);
        EXPECT_EQ(focus, std::vector<InputField>{field});
        EXPECT_EQ(outcome.opens, std::nullopt);
    }
};

TEST_F(InputFormCalculateTest, AllFieldsEmpty) {
    form.Enter(F::NT1);
    ExpectRejected("Enter the number of teeth for Pinion", F::NT1);
}

TEST_F(InputFormCalculateTest, EmptyCenterDistanceOfAnExternalPair) {
    Pair("20", "40", "10");
    Type(F::CD, "0");
    EXPECT_EQ(form.Text(F::CD), "");
    ExpectRejected("Center Distance is too small !, Please check your input data", F::CD);
}

TEST_F(InputFormCalculateTest, CenterDistanceChecks) {
    Pair("20", "40", "10");
    Type(F::CD, "2.8");
    ExpectRejected("Center Distance is too small !, Please check your input data", F::CD);
    Type(F::CD, "3.3");
    ExpectRejected("Outside diameter of one or both gears is too small !, Please check your input data",
                   F::OD1);
    Type(F::CD, "3");
    messages.clear();
    EXPECT_EQ(form.CalculatePair().opens, PairKind::External);
    EXPECT_TRUE(messages.empty());
}

TEST_F(InputFormCalculateTest, PinionOutsideDiameterAtTheRootLimit) {
    Pair("20", "40", "10");
    Type(F::OD1, "1.9");
    EXPECT_EQ(form.CalculatePair().opens, PairKind::External);
    Type(F::OD1, "1.8");
    ExpectRejected("Outside Diameter for gear 1 is too small !", F::OD1);
}

TEST_F(InputFormCalculateTest, InternalEqualTeeth) {
    Start();
    form.ChooseKind(PairKind::Internal);
    Type(F::NT1, "30");
    Type(F::NT2, "30");
    Type(F::DP, "10");
    ExpectRejected("Pinion must have fewer teeth than internal gear.", F::NT1);
    EXPECT_EQ(form.LabelODCaption(), "O.D. Pinion and I.D. Gear");
}

TEST_F(InputFormCalculateTest, InternalWithoutCenterDistanceIsAccepted) {
    Start();
    form.ChooseKind(PairKind::Internal);
    Pair("20", "60", "10");
    Type(F::CD, "0");
    EXPECT_EQ(form.CalculatePair().opens, PairKind::Internal);
    EXPECT_EQ(state.CD, Single(0.0));
}

TEST_F(InputFormCalculateTest, RightAngles) {
    Pair("20", "40", "10");
    Type(F::PA, "90");
    ExpectRejected("The Normal Pressure Angle must be less than 90° !", F::PA);
    Type(F::PA, "20");
    Type(F::HA, "90");
    ExpectRejected("The Helix Angle must be less than 90° !", F::HA);
}

TEST_F(InputFormTest, AModuleTooSmallForItsPitchIsRefusedAndTheFieldEmptied) {
    Start();
    form.ChooseUnit(LengthUnit::Millimetre);
    Type(F::DP, "0.000000000000000000000000000000000000000001");
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].text, "This module is too small to be calculated. Please enter a larger module.");
    EXPECT_EQ(form.Text(F::DP), "");
    EXPECT_EQ(state.DP, Single(0.0));
    EXPECT_EQ(state.Module, Single(0.0));
}

TEST_F(InputFormTest, TheFormKnowsWhichLengthsItEstimated) {
    Start();
    Type(F::NT1, "20");
    Type(F::NT2, "40");
    for (InputField field : {F::OD1, F::OD2, F::CD}) {
        EXPECT_FALSE(form.IsEstimate(field)) << FieldControlName(field);
    }
    Type(F::DP, "10");
    for (InputField field : {F::OD1, F::OD2, F::CD}) {
        EXPECT_TRUE(form.IsEstimate(field)) << FieldControlName(field);
    }
    // Passing through a field with Tab is no edit of it.
    form.Enter(F::OD1);
    form.Leave(F::OD1);
    EXPECT_TRUE(form.IsEstimate(F::OD1));
    // A typed value is the user's, even one equal to the estimate.
    Type(F::OD1, "2.2");
    EXPECT_FALSE(form.IsEstimate(F::OD1));
    Type(F::CD, "0");
    EXPECT_EQ(form.Text(F::CD), "");
    EXPECT_FALSE(form.IsEstimate(F::CD));
    // New teeth discard the pinion's diameter and the center distance, which are estimated again.
    Type(F::NT1, "21");
    EXPECT_TRUE(form.IsEstimate(F::OD1));
    EXPECT_TRUE(form.IsEstimate(F::CD));
    Type(F::OD2, "4.3");
    form.ChooseKind(PairKind::Internal);
    for (InputField field : {F::OD1, F::OD2, F::CD}) {
        EXPECT_TRUE(form.IsEstimate(field)) << FieldControlName(field);
    }
    EXPECT_FALSE(form.IsEstimate(F::DP));
}

// A field's text and the unit switch: what it reads in inches and in millimetres.
struct FieldTextPair {
    InputField field;
    const char* text;
};

// A pair typed in full in inches: the pitch, both diameters and the center distance, with what the
// four read in millimetres (module = 25.4 / DP, lengths × 25.4).
struct TypedPair {
    const char* name;
    PairKind kind;
    std::vector<FieldTextPair> typed;  // in tab order, as typed in inches
    std::vector<FieldTextPair> metric; // the pitch and the lengths after File › Metric
};

class InputFormTypedPairSwitch : public InputFormTest, public ::testing::WithParamInterface<TypedPair> {};

TEST_P(InputFormTypedPairSwitch, IsConvertedToMillimetresAndBackToTheSameTexts) {
    const TypedPair& pair = GetParam();
    Start();
    form.ChooseKind(pair.kind);
    for (const FieldTextPair& entry : pair.typed) {
        Type(entry.field, entry.text);
    }
    std::vector<std::string> inch;
    for (InputField field : kInputFields) {
        inch.push_back(form.Text(field));
    }
    const GearPairState inchState = state;
    for (InputField field : {F::OD1, F::OD2, F::CD}) {
        ASSERT_FALSE(form.IsEstimate(field)) << FieldControlName(field);
    }

    form.ChooseUnit(LengthUnit::Millimetre);
    EXPECT_EQ(form.Unit(), LengthUnit::Millimetre);
    for (const FieldTextPair& entry : pair.metric) {
        EXPECT_EQ(form.Text(entry.field), entry.text) << FieldControlName(entry.field);
        EXPECT_FALSE(form.IsEstimate(entry.field)) << FieldControlName(entry.field);
    }
    // Stored as if typed: the value of the text shown.
    EXPECT_EQ(state.Module, Single(LeadingNumber(form.Text(F::DP))));
    EXPECT_EQ(state.DP, Single(1.0 / state.Module));
    EXPECT_EQ(state.OD1, Single(LeadingNumber(form.Text(F::OD1))));
    EXPECT_EQ(state.OD2, Single(LeadingNumber(form.Text(F::OD2))));
    EXPECT_EQ(state.CD, Single(LeadingNumber(form.Text(F::CD))));
    // Teeth and angles are the same in either unit.
    for (InputField field : {F::NT1, F::NT2, F::PA, F::HA}) {
        EXPECT_EQ(form.Text(field), inch[static_cast<int>(field)]) << FieldControlName(field);
    }
    EXPECT_EQ(state.NT1, inchState.NT1);
    EXPECT_EQ(state.PA, inchState.PA);
    EXPECT_EQ(state.HA, inchState.HA);

    form.ChooseUnit(LengthUnit::Inch);
    for (InputField field : kInputFields) {
        EXPECT_EQ(form.Text(field), inch[static_cast<int>(field)]) << FieldControlName(field);
    }
    EXPECT_TRUE(SameEntries(state, inchState));
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, InputFormTypedPairSwitch,
    ::testing::Values(
        TypedPair{"ExternalSpur",
                  PairKind::External,
                  {{F::NT1, "20"},
                   {F::NT2, "40"},
                   {F::DP, "10"},
                   {F::OD1, "2.3"},
                   {F::OD2, "4.25"},
                   {F::CD, "3.05"}},
                  {{F::DP, "2.54000"}, {F::OD1, "58.42000"}, {F::OD2, "107.95000"}, {F::CD, "77.47000"}}},
        TypedPair{"ExternalHelical",
                  PairKind::External,
                  {{F::NT1, "12"},
                   {F::NT2, "24"},
                   {F::DP, "3"},
                   {F::PA, "25"},
                   {F::HA, "15"},
                   {F::OD1, "4.9"},
                   {F::OD2, "8.9"},
                   {F::CD, "6.25"}},
                  {{F::DP, "8.46667"}, {F::OD1, "124.46000"}, {F::OD2, "226.06000"}, {F::CD, "158.75000"}}},
        TypedPair{"InternalSpur",
                  PairKind::Internal,
                  {{F::NT1, "20"},
                   {F::NT2, "60"},
                   {F::DP, "10"},
                   {F::OD1, "2.2"},
                   {F::OD2, "5.8"},
                   {F::CD, "2.05"}},
                  {{F::DP, "2.54000"}, {F::OD1, "55.88000"}, {F::OD2, "147.32000"}, {F::CD, "52.07000"}}},
        TypedPair{
            "InternalFinePitch",
            PairKind::Internal,
            {{F::NT1, "30"}, {F::NT2, "90"}, {F::DP, "32"}, {F::OD1, "1"}, {F::OD2, "2.75"}, {F::CD, "1.9"}},
            {{F::DP, "0.79375"}, {F::OD1, "25.40000"}, {F::OD2, "69.85000"}, {F::CD, "48.26000"}}}),
    [](const ::testing::TestParamInfo<TypedPair>& pair) { return std::string(pair.param.name); });

// Some lengths typed, the others left to the program: the typed ones are converted, the estimates
// are made again from the module. With DP 10 (module 2.54) the two agree; DP 3 gives the module
// 8.46667, and the center distance of 12 and 24 teeth estimated from it is 152.40010 mm, where the
// inch estimate 6 times 25.4 would be 152.40000.
struct PartlyTypedPair {
    const char* name;
    PairKind kind;
    const char* nt1;
    const char* nt2;
    const char* dp;
    const char* module;
    std::vector<FieldTextPair> typed;  // lengths typed in inches
    std::vector<FieldTextPair> metric; // the three lengths after File › Metric
};

class InputFormEstimatesSwitch : public InputFormTest,
                                 public ::testing::WithParamInterface<PartlyTypedPair> {};

TEST_P(InputFormEstimatesSwitch, StayEstimatesInBothUnits) {
    const PartlyTypedPair& pair = GetParam();
    Start();
    form.ChooseKind(pair.kind);
    Type(F::NT1, pair.nt1);
    Type(F::NT2, pair.nt2);
    Type(F::DP, pair.dp);
    for (const FieldTextPair& entry : pair.typed) {
        Type(entry.field, entry.text);
    }
    std::vector<std::string> inch;
    for (InputField field : kInputFields) {
        inch.push_back(form.Text(field));
    }
    const auto typed = [&pair](InputField field) {
        for (const FieldTextPair& entry : pair.typed) {
            if (entry.field == field) {
                return true;
            }
        }
        return false;
    };

    form.ChooseUnit(LengthUnit::Millimetre);
    EXPECT_EQ(form.Text(F::DP), pair.module);
    for (const FieldTextPair& entry : pair.metric) {
        EXPECT_EQ(form.Text(entry.field), entry.text) << FieldControlName(entry.field);
        EXPECT_EQ(form.IsEstimate(entry.field), !typed(entry.field)) << FieldControlName(entry.field);
    }

    form.ChooseUnit(LengthUnit::Inch);
    for (InputField field : kInputFields) {
        EXPECT_EQ(form.Text(field), inch[static_cast<int>(field)]) << FieldControlName(field);
    }
    for (InputField field : {F::OD1, F::OD2, F::CD}) {
        EXPECT_EQ(form.IsEstimate(field), !typed(field)) << FieldControlName(field);
    }
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Pairs, InputFormEstimatesSwitch,
    ::testing::Values(PartlyTypedPair{"CoarsePitchAllEstimated",
                                      PairKind::External,
                                      "12",
                                      "24",
                                      "3",
                                      "8.46667",
                                      {},
                                      {{F::OD1, "118.53340"}, {F::OD2, "220.13340"}, {F::CD, "152.40010"}}},
                      PartlyTypedPair{"CoarsePitchPinionTyped",
                                      PairKind::External,
                                      "12",
                                      "24",
                                      "3",
                                      "8.46667",
                                      {{F::OD1, "4.7"}},
                                      {{F::OD1, "119.38000"}, {F::OD2, "220.13340"}, {F::CD, "152.40010"}}},
                      PartlyTypedPair{"ExternalAllEstimated",
                                      PairKind::External,
                                      "20",
                                      "40",
                                      "10",
                                      "2.54000",
                                      {},
                                      {{F::OD1, "55.88000"}, {F::OD2, "106.68000"}, {F::CD, "76.20000"}}},
                      PartlyTypedPair{"ExternalPinionTyped",
                                      PairKind::External,
                                      "20",
                                      "40",
                                      "10",
                                      "2.54000",
                                      {{F::OD1, "2.3"}},
                                      {{F::OD1, "58.42000"}, {F::OD2, "106.68000"}, {F::CD, "76.20000"}}},
                      PartlyTypedPair{"ExternalCenterDistanceTyped",
                                      PairKind::External,
                                      "20",
                                      "40",
                                      "10",
                                      "2.54000",
                                      {{F::CD, "3.05"}},
                                      {{F::OD1, "55.88000"}, {F::OD2, "106.68000"}, {F::CD, "77.47000"}}},
                      PartlyTypedPair{"InternalGearTyped",
                                      PairKind::Internal,
                                      "20",
                                      "60",
                                      "10",
                                      "2.54000",
                                      {{F::OD2, "5.9"}},
                                      {{F::OD1, "55.88000"}, {F::OD2, "149.86000"}, {F::CD, "50.80000"}}},
                      PartlyTypedPair{"InternalDiametersTyped",
                                      PairKind::Internal,
                                      "20",
                                      "60",
                                      "10",
                                      "2.54000",
                                      {{F::OD1, "2.2"}, {F::OD2, "5.8"}},
                                      {{F::OD1, "55.88000"}, {F::OD2, "147.32000"}, {F::CD, "50.80000"}}}),
    [](const ::testing::TestParamInfo<PartlyTypedPair>& pair) { return std::string(pair.param.name); });

// Entries typed and left, then the fields that must stay empty through both switches.
struct EmptyFields {
    const char* name;
    std::vector<FieldTextPair> typed;
    std::vector<InputField> empty;
};

class InputFormEmptySwitch : public InputFormTest, public ::testing::WithParamInterface<EmptyFields> {};

TEST_P(InputFormEmptySwitch, StaysEmptyInBothUnits) {
    const EmptyFields& entries = GetParam();
    Start();
    for (const FieldTextPair& entry : entries.typed) {
        Type(entry.field, entry.text);
    }
    for (LengthUnit unit : {LengthUnit::Millimetre, LengthUnit::Inch}) {
        form.ChooseUnit(unit);
        ASSERT_EQ(form.Unit(), unit);
        for (InputField field : entries.empty) {
            EXPECT_EQ(form.Text(field), "") << FieldControlName(field);
            EXPECT_FALSE(form.IsEstimate(field)) << FieldControlName(field);
        }
        EXPECT_EQ(form.Text(F::NT1), "20");
    }
    EXPECT_TRUE(messages.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Entries, InputFormEmptySwitch,
    ::testing::Values(
        EmptyFields{"BeforeThePitch", {{F::NT1, "20"}, {F::NT2, "40"}}, {F::DP, F::OD1, F::OD2, F::CD}},
        EmptyFields{
            "EmptiedGearDiameter", {{F::NT1, "20"}, {F::NT2, "40"}, {F::DP, "10"}, {F::OD2, "0"}}, {F::OD2}},
        EmptyFields{
            "EmptiedCenterDistance", {{F::NT1, "20"}, {F::NT2, "40"}, {F::DP, "10"}, {F::CD, "0"}}, {F::CD}}),
    [](const ::testing::TestParamInfo<EmptyFields>& entries) { return std::string(entries.param.name); });

TEST_F(InputFormTest, AnEmptiedDiameterIsNotEstimatedByTheSwitch) {
    Start();
    Type(F::NT1, "20");
    Type(F::NT2, "40");
    Type(F::DP, "10");
    Type(F::OD2, "0");
    form.ChooseUnit(LengthUnit::Millimetre);
    EXPECT_EQ(state.OD2, Single(0.0));
    EXPECT_EQ(form.Text(F::OD1), "55.88000");
    EXPECT_EQ(form.Text(F::CD), "76.20000");
}

// An entry whose number would not fit the field in the other units keeps the old units and every
// field as it was.
struct UnfitEntry {
    const char* name;
    LengthUnit unit;
    PairKind kind;
    std::vector<FieldTextPair> typed;    // typed and left
    std::optional<FieldTextPair> typing; // typed, and the field not left yet
    InputField refused;
    const char* message;
};

class InputFormUnfitSwitch : public InputFormTest, public ::testing::WithParamInterface<UnfitEntry> {};

TEST_P(InputFormUnfitSwitch, IsRefusedWithAMessageAndTheFocusOnTheEntry) {
    const UnfitEntry& entry = GetParam();
    Start();
    form.ChooseUnit(entry.unit);
    form.ChooseKind(entry.kind);
    for (const FieldTextPair& typed : entry.typed) {
        Type(typed.field, typed.text);
    }
    if (entry.typing) {
        form.Enter(entry.typing->field);
        ASSERT_TRUE(form.SetText(entry.typing->field, entry.typing->text));
    }
    std::vector<std::string> before;
    for (InputField field : kInputFields) {
        before.push_back(form.Text(field));
    }
    const GearPairState stateBefore = state;
    ASSERT_TRUE(messages.empty());
    changes.clear();
    focus.clear();

    const LengthUnit other = entry.unit == LengthUnit::Inch ? LengthUnit::Millimetre : LengthUnit::Inch;
    form.ChooseUnit(other);
    EXPECT_EQ(form.Unit(), entry.unit);
    ASSERT_EQ(messages.size(), 1U);
    EXPECT_EQ(messages[0].text, entry.message);
    EXPECT_EQ(messages[0].title, "Korvanta");
    EXPECT_EQ(messages[0].icon, MessageIcon::Exclamation);
    EXPECT_EQ(focus, std::vector<InputField>{entry.refused});
    EXPECT_TRUE(changes.empty());
    for (InputField field : kInputFields) {
        EXPECT_EQ(form.Text(field), before[static_cast<int>(field)]) << FieldControlName(field);
    }
    EXPECT_TRUE(SameEntries(state, stateBefore));
    EXPECT_EQ(state.Module, stateBefore.Module);
}

INSTANTIATE_TEST_SUITE_P(
    Entries, InputFormUnfitSwitch,
    ::testing::Values(
        UnfitEntry{"PinionDiameterTooLargeInMillimetres",
                   LengthUnit::Inch,
                   PairKind::External,
                   {{F::NT1, "20"},
                    {F::NT2, "40"},
                    {F::DP, "10"},
                    {F::OD1, "20000000000000000000000000000000000000"}},
                   std::nullopt,
                   F::OD1,
                   "The pinion's Outside Diameter would be too large a number in modules and millimetres. "
                   "The units stay diametral pitch and inches: change the value first."},
        UnfitEntry{"InternalGearDiameterTooLargeInMillimetres",
                   LengthUnit::Inch,
                   PairKind::Internal,
                   {{F::NT1, "20"},
                    {F::NT2, "60"},
                    {F::DP, "10"},
                    {F::OD2, "30000000000000000000000000000000000000"}},
                   std::nullopt,
                   F::OD2,
                   "The gear's Inside Diameter would be too large a number in modules and millimetres. "
                   "The units stay diametral pitch and inches: change the value first."},
        UnfitEntry{"DiametralPitchTooFineForAModule",
                   LengthUnit::Inch,
                   PairKind::External,
                   {{F::NT1, "20"}, {F::NT2, "40"}, {F::DP, "6000000"}},
                   std::nullopt,
                   F::DP,
                   "The Normal Diametral Pitch would read 0.00000 in modules and millimetres. "
                   "The units stay diametral pitch and inches: change the value first."},
        UnfitEntry{"CenterDistanceTooSmallInInches",
                   LengthUnit::Millimetre,
                   PairKind::External,
                   {{F::NT1, "20"}, {F::NT2, "40"}, {F::DP, "2.54"}, {F::CD, "0.0001"}},
                   std::nullopt,
                   F::CD,
                   "The Center Distance would read 0.00000 in diametral pitch and inches. "
                   "The units stay modules and millimetres: change the value first."},
        UnfitEntry{"ModuleBeingTypedTooSmallForADiametralPitch",
                   LengthUnit::Millimetre,
                   PairKind::External,
                   {{F::NT1, "20"}, {F::NT2, "40"}},
                   FieldTextPair{F::DP, "0.00000000000000000000000000000000000001"},
                   F::DP,
                   "The Normal Module would be too large a number in diametral pitch and inches. "
                   "The units stay modules and millimetres: change the value first."}),
    [](const ::testing::TestParamInfo<UnfitEntry>& entry) { return std::string(entry.param.name); });

TEST_F(InputFormTest, ThePitchFieldTakesTheModuleAfterTheSwitchAndTheDiametralPitchAfterTheSwitchBack) {
    Start();
    Type(F::NT1, "20");
    Type(F::NT2, "40");
    Type(F::DP, "10");
    EXPECT_EQ(NormalPitchCaption(form.Unit()), "Normal Diametral Pitch");

    form.ChooseUnit(LengthUnit::Millimetre);
    EXPECT_EQ(NormalPitchCaption(form.Unit()), "Normal Module");
    EXPECT_EQ(InLengthUnit("Center Distance", form.Unit()), "Center Distance (mm)");
    EXPECT_EQ(InputFieldTooltip(F::DP, form.Unit()), InputFieldTooltip(F::DP, LengthUnit::Millimetre));
    EXPECT_EQ(TypedNormalPitch(state), Single(2.54));
    // The pitch per millimetre the calculation works with.
    EXPECT_EQ(state.DP, Single(1.0 / Single(2.54)));
    // Typing in the field now gives a module.
    Type(F::DP, "3");
    EXPECT_EQ(state.Module, Single(3.0));
    EXPECT_EQ(form.Text(F::OD1), "66.00000");

    // Choosing the units in force changes nothing.
    changes.clear();
    form.ChooseUnit(LengthUnit::Millimetre);
    EXPECT_TRUE(changes.empty());

    form.ChooseUnit(LengthUnit::Inch);
    EXPECT_EQ(NormalPitchCaption(form.Unit()), "Normal Diametral Pitch");
    EXPECT_EQ(InLengthUnit("Center Distance", form.Unit()), "Center Distance");
    EXPECT_EQ(form.Text(F::DP), "8.46667");
    EXPECT_EQ(TypedNormalPitch(state), Single(8.46667));
    EXPECT_EQ(state.Module, Single(0.0));
}

// The inch field keeps five decimals of an inch, coarser than five decimals of a millimetre: 2.5 mm
// is 0.0984252 in, shown and kept as 0.09843 in, which is 2.500122 mm.
TEST_F(InputFormTest, AMillimetreLengthThroughTheInchFieldKeepsItsFiveDecimalsOfAnInch) {
    Start();
    form.ChooseUnit(LengthUnit::Millimetre);
    Type(F::OD1, "2.5");
    form.ChooseUnit(LengthUnit::Inch);
    EXPECT_EQ(form.Text(F::OD1), "0.09843");
    form.ChooseUnit(LengthUnit::Millimetre);
    EXPECT_EQ(form.Text(F::OD1), "2.50012");
    EXPECT_FALSE(form.IsEstimate(F::OD1));
}

TEST_F(InputFormTest, SwitchingBeforeAnythingIsTypedChangesNoText) {
    form.ChooseUnit(LengthUnit::Millimetre);
    EXPECT_EQ(form.Unit(), LengthUnit::Millimetre);
    EXPECT_TRUE(changes.empty());
    EXPECT_TRUE(messages.empty());
}

// The form reads each text's number once and hands the numbers to Calculate and the basic values;
// pressing Calculate at any point of any editing must do what Calculate does with the texts the
// fields show.
TEST(InputFormNumbers, CalculateFromTheReadNumbersIsCalculateFromTheTexts) {
    std::mt19937_64 random(1969);
    const std::vector<std::string> texts = {"",        "0",
                                            "20",      "40",
                                            "8",       "12",
                                            "2.2",     "4.2",
                                            "3",       "14.5",
                                            "25",      "0.00001",
                                            "123456",  ".",
                                            "3.",      "1e5",
                                            "4,2",     "1" + std::string(40, '0'),
                                            "2.20000", "0.0000000000000000000001"};
    std::uniform_int_distribution<std::size_t> pickText(0, texts.size() - 1);
    std::uniform_int_distribution<int> pickField(0, 7);
    std::uniform_int_distribution<int> pickStep(0, 9);
    int accepted = 0;
    for (int run = 0; run < 5000; ++run) {
        GearPairState state;
        SetStartUpConstants(state);
        InputForm form(state);
        form.Activated();
        form.Enter(F::NT1);
        for (int step = 0; step < 30; ++step) {
            const InputField field = kInputFields[static_cast<std::size_t>(pickField(random))];
            switch (pickStep(random)) {
            case 0:
                form.ChooseKind(random() % 2 == 0 ? PairKind::External : PairKind::Internal);
                break;
            case 1:
                form.ChooseUnit(random() % 2 == 0 ? LengthUnit::Inch : LengthUnit::Millimetre);
                break;
            case 2: {
                FieldTexts shown;
                for (InputField f : kInputFields) {
                    shown[static_cast<std::size_t>(f)] = form.Text(f);
                }
                GearPairState fromTexts = state;
                const CalculateOutcome expected = Calculate(fromTexts, form.ChosenKind(), shown);
                const CalculateOutcome outcome = form.CalculatePair();
                accepted += outcome.opens ? 1 : 0;
                ASSERT_EQ(outcome.rejection.has_value(), expected.rejection.has_value());
                if (outcome.rejection) {
                    EXPECT_EQ(outcome.rejection->text, expected.rejection->text);
                }
                EXPECT_EQ(outcome.focus, expected.focus);
                EXPECT_EQ(outcome.opens, expected.opens);
                EXPECT_TRUE(SameEntries(state, fromTexts));
                for (const auto member : {&GearPairState::TDP, &GearPairState::TPA, &GearPairState::PD1,
                                          &GearPairState::PD2, &GearPairState::DP, &GearPairState::Module}) {
                    EXPECT_EQ((state.*member).Value(), (fromTexts.*member).Value());
                }
                EXPECT_EQ(state.DB1, fromTexts.DB1);
                EXPECT_EQ(state.DB2, fromTexts.DB2);
                break;
            }
            default:
                form.Enter(field);
                form.SetText(field, texts[pickText(random)]);
                form.Leave(field);
                break;
            }
        }
    }
    EXPECT_GT(accepted, 200);
}

// A form whose text changes nobody is told of writes a five-decimal text only when it is read; after
// every step of any editing it must hold the entries, and show the texts and know the estimates, of a
// form whose every change is reported.
TEST(InputFormNumbers, AFormNobodyWatchesShowsWhatAWatchedFormShows) {
    std::mt19937_64 random(2024);
    const std::vector<std::string> texts = {"",      "0",       "20",       "40",      "8",   "12",
                                            "2.2",   "4.2",     "3",        "14.5",    "15",  "0.00001",
                                            "10.5",  "2.20000", "10.00000", "3.14159", "1e5", "-2.5",
                                            "99999", "0.5",     "7.123456", "60",      "4,2", "."};
    std::uniform_int_distribution<std::size_t> pickText(0, texts.size() - 1);
    std::uniform_int_distribution<int> pickField(0, 7);
    std::uniform_int_distribution<int> pickStep(0, 9);
    for (int run = 0; run < 3000; ++run) {
        GearPairState watchedState;
        GearPairState unwatchedState;
        SetStartUpConstants(watchedState);
        SetStartUpConstants(unwatchedState);
        InputForm watched(watchedState);
        InputForm unwatched(unwatchedState);
        InputForm::Observer observer;
        int reported = 0;
        observer.textChanged = [&reported](InputField, const std::string&) { ++reported; };
        watched.SetObserver(observer);
        for (InputForm* form : {&watched, &unwatched}) {
            form->Activated();
            form->Enter(F::NT1);
        }
        for (int step = 0; step < 30; ++step) {
            const InputField field = kInputFields[static_cast<std::size_t>(pickField(random))];
            const int action = pickStep(random);
            const PairKind kind = random() % 2 == 0 ? PairKind::External : PairKind::Internal;
            const LengthUnit unit = random() % 2 == 0 ? LengthUnit::Inch : LengthUnit::Millimetre;
            const std::string& text = texts[pickText(random)];
            for (InputForm* form : {&watched, &unwatched}) {
                switch (action) {
                case 0:
                    form->ChooseKind(kind);
                    break;
                case 1:
                    form->ChooseUnit(unit);
                    break;
                case 2:
                    form->CalculatePair();
                    break;
                default:
                    form->Enter(field);
                    form->SetText(field, text);
                    form->Leave(field);
                    break;
                }
            }
            ASSERT_TRUE(SameEntries(watchedState, unwatchedState)) << "run " << run << " step " << step;
            // Read now and then, so that texts also stay unwritten over several steps.
            if (step % 4 != 3) {
                continue;
            }
            for (InputField f : kInputFields) {
                ASSERT_EQ(unwatched.Text(f), watched.Text(f)) << FieldControlName(f);
                ASSERT_EQ(unwatched.IsEstimate(f), watched.IsEstimate(f)) << FieldControlName(f);
            }
        }
        EXPECT_GT(reported, 0);
    }
}

} // namespace
} // namespace korvanta

namespace korvanta {
namespace {

// A pair typed in without a window checks each entry before it types it, and hands the form the
// number the check read: the form must end as when it checks and reads the text itself.
TEST(InputFormNumbers, ACheckedTextWithItsNumberIsTheTextTyped) {
    std::mt19937_64 random(77);
    const std::vector<std::string> texts = {"0",   "20",       "40",    "8",       "12",   "2.2",     "4.2",
                                            "3",   "14.5",     "15",    "0.00001", "10.5", "2.20000", "60",
                                            "0.5", "7.123456", "99999", "25.4",    "."};
    std::uniform_int_distribution<std::size_t> pickText(0, texts.size() - 1);
    std::uniform_int_distribution<int> pickField(0, 7);
    for (int run = 0; run < 2000; ++run) {
        GearPairState typedState;
        GearPairState checkedState;
        SetStartUpConstants(typedState);
        SetStartUpConstants(checkedState);
        InputForm typed(typedState);
        InputForm checked(checkedState);
        for (InputForm* form : {&typed, &checked}) {
            form->Activated();
            form->Enter(F::NT1);
        }
        for (int step = 0; step < 12; ++step) {
            const InputField field = kInputFields[static_cast<std::size_t>(pickField(random))];
            const std::string& text = texts[pickText(random)];
            if (!OnlyAllowed(AllowedKeys(field), text)) {
                continue;
            }
            typed.Enter(field);
            ASSERT_TRUE(typed.SetText(field, text));
            typed.Leave(field);
            checked.Enter(field);
            checked.SetCheckedText(field, text, LeadingNumber(text));
            checked.Leave(field);
            ASSERT_TRUE(SameEntries(typedState, checkedState)) << "run " << run << " step " << step;
        }
        for (InputField f : kInputFields) {
            ASSERT_EQ(checked.Text(f), typed.Text(f)) << FieldControlName(f);
            ASSERT_EQ(checked.IsEstimate(f), typed.IsEstimate(f)) << FieldControlName(f);
        }
        const CalculateOutcome fromTyped = typed.CalculatePair();
        const CalculateOutcome fromChecked = checked.CalculatePair();
        ASSERT_EQ(fromChecked.opens, fromTyped.opens);
        ASSERT_EQ(fromChecked.rejection.has_value(), fromTyped.rejection.has_value());
        ASSERT_TRUE(SameEntries(typedState, checkedState)) << "run " << run;
    }
}

} // namespace
} // namespace korvanta
