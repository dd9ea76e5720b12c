#include <gtest/gtest.h>

#include <string>

#include "core/gear_pair_state.h"
#include "core/number_text.h"
#include "logic/calculate.h"
#include "logic/measurement_form.h"
#include "logic/measurement_rows.h"

namespace korvanta {
namespace {

constexpr MeasurementField kPinionPin{MeasurementEntry::PinDiameter, Member::Pinion};
constexpr MeasurementField kGearPin{MeasurementEntry::PinDiameter, Member::Gear};
constexpr MeasurementField kPinionSpan{MeasurementEntry::SpanTeeth, Member::Pinion};
constexpr MeasurementField kGearSpan{MeasurementEntry::SpanTeeth, Member::Gear};

const FieldTexts kExternal20To40 = {"20", "40", "10", "20", "0", "2.2", "4.2", "3"};
const FieldTexts kInternal20To60 = {"20", "60", "10", "20", "0", "2.2", "5.8", "2"};

// The pair as the input window's Calculate passes it on, calculated as the output window does.
PairSolution Calculated(bool external, const FieldTexts& texts) {
    GearPairState state;
    SetStartUpConstants(state);
    Single* const fields[] = {&state.NT1, &state.NT2, &state.DP,  &state.PA,
                              &state.HA,  &state.OD1, &state.OD2, &state.CD};
    for (std::size_t field = 0; field < texts.size(); ++field) {
        *fields[field] = LeadingNumber(texts[field]);
    }
    EXPECT_FALSE(
        Calculate(state, external ? PairKind::External : PairKind::Internal, texts).rejection.has_value());
    PairSolution solution = SolvePair(state);
    EXPECT_TRUE(solution.Complete());
    return solution;
}

MeasurementForm FormOf(bool external, const FieldTexts& texts) {
    const PairSolution pair = Calculated(external, texts);
    return MeasurementForm(pair);
}

PairMeasurementTexts MeasuredWith(bool external, const FieldTexts& texts,
                                  const PerMember<MeasurementChoice>& choices) {
    const PairSolution pair = Calculated(external, texts);
    return MeasurementTexts(Remeasure(pair, choices));
}

TEST(MeasurementForm, RowsShowTheMeasuredTextsUnderTheirCaptions) {
    for (const bool external : {true, false}) {
        const FieldTexts& texts = external ? kExternal20To40 : kInternal20To60;
        const MeasurementForm form = FormOf(external, texts);
        const PairMeasurementTexts expected = MeasuredWith(external, texts, {});
        const auto rows = form.Rows();
        EXPECT_EQ(rows[0].caption, kContactRatioCaption);
        EXPECT_EQ(rows[0].gear, expected.contactRatio);
        EXPECT_EQ(rows[1].pinion, expected.members.pinion.interference);
        for (const MeasurementKey& key : kMeasurementKeys) {
            const auto row = std::find_if(rows.begin(), rows.end(), [&](const MeasurementRow& shown) {
                return shown.caption == key.caption || shown.caption == key.internalCaption;
            });
            ASSERT_NE(row, rows.end()) << key.key;
            EXPECT_EQ(row->pinion, expected.members.pinion.*key.text) << key.key;
            EXPECT_EQ(row->gear, expected.members.gear.*key.text) << key.key;
        }
        EXPECT_EQ(form.Columns()[1], external ? "GEAR" : "INTERNAL GEAR");
    }
}

TEST(MeasurementForm, InterferenceIsSaidInWords) {
    EXPECT_EQ(FormOf(true, kExternal20To40).InterferenceSentence(),
              "No interference: contact starts on the involute of both members.");
    EXPECT_EQ(FormOf(false, kInternal20To60).InterferenceSentence(),
              "Interference on the pinion: the gear's tip meets the pinion below its base circle, so the "
              "pinion's SAP shown does not lie on the involute.");
}

TEST(MeasurementForm, InternalGearHasNoSpanToChoose) {
    MeasurementForm form = FormOf(false, kInternal20To60);
    EXPECT_FALSE(form.Editable(kGearSpan));
    EXPECT_FALSE(form.KeyAccepted(kGearSpan, '3'));
    EXPECT_FALSE(form.SetText(kGearSpan, "3"));
    EXPECT_EQ(form.Text(kGearSpan), "NA");
    EXPECT_TRUE(form.Editable(kGearPin));
    EXPECT_TRUE(form.Editable(kPinionSpan));
}

TEST(MeasurementForm, FieldsTakeTheKeysOfTheInputFieldsOfTheirKind) {
    struct KeyCase {
        MeasurementField field;
        int key;
        bool accepted;
    };
    const KeyCase cases[] = {
        {kPinionPin, '7', true},   {kPinionPin, '.', true},  {kGearPin, 8, true},      {kGearPin, 'a', false},
        {kPinionPin, '-', false},  {kPinionPin, ' ', false}, {kPinionSpan, '3', true}, {kPinionSpan, 8, true},
        {kPinionSpan, '.', false}, {kGearSpan, 'e', false},
    };
    const MeasurementForm form = FormOf(true, kExternal20To40);
    for (const KeyCase& test : cases) {
        EXPECT_EQ(form.KeyAccepted(test.field, test.key), test.accepted) << test.key;
    }
}

TEST(MeasurementForm, EditedTextWithCharactersTheKeysRefuseOrANumberTooLargeIsRefused) {
    MeasurementForm form = FormOf(true, kExternal20To40);
    EXPECT_TRUE(form.SetText(kPinionPin, "0.25"));
    EXPECT_EQ(form.Text(kPinionPin), "0.25");
    EXPECT_FALSE(form.SetText(kPinionPin, "0.2a5 "));
    EXPECT_EQ(form.Text(kPinionPin), "0.25");
    EXPECT_FALSE(form.SetText(kPinionSpan, "4.5"));
    EXPECT_TRUE(form.SetText(kPinionSpan, "45"));
    EXPECT_EQ(form.Text(kPinionSpan), "45");
    EXPECT_FALSE(form.SetText(kGearPin, std::string(40, '9')));
    EXPECT_EQ(form.Text(kGearPin), MeasuredWith(true, kExternal20To40, {}).members.gear.pinDiameter);
}

struct LeaveCase {
    const char* name;
    MeasurementField field;
    const char* typed;
    MeasurementChoice pinion; // the choices the form then measures with
    MeasurementChoice gear;
    bool refused;
};

class MeasurementFormLeave : public ::testing::TestWithParam<LeaveCase> {};

TEST_P(MeasurementFormLeave, MeasuresAgainWithTheValueOrRefusesIt) {
    const LeaveCase& test = GetParam();
    MeasurementForm form = FormOf(true, kExternal20To40);
    // An earlier choice, to see that an empty field gives the default back.
    ASSERT_TRUE(form.SetText(kGearSpan, "7"));
    ASSERT_FALSE(form.Leave(kGearSpan).has_value());
    const std::string before = form.Text(test.field);
    ASSERT_TRUE(form.SetText(test.field, test.typed));
    const std::optional<Message> refusal = form.Leave(test.field);
    EXPECT_EQ(refusal.has_value(), test.refused);
    const PairMeasurementTexts expected = MeasuredWith(true, kExternal20To40, {test.pinion, test.gear});
    EXPECT_EQ(form.Texts(), expected);
    if (refusal) {
        EXPECT_EQ(refusal->icon, MessageIcon::Exclamation);
        EXPECT_EQ(form.Text(test.field), before);
    }
}

const LeaveCase kLeaveCases[] = {
    {"PinDiameter", kPinionPin, "0.2", {0.2, {}}, {{}, 7}, false},
    {"GearPinDiameter", kGearPin, "0.1728", {}, {0.1728, 7}, false},
    {"PinOfZero", kPinionPin, "0", {}, {{}, 7}, true},
    {"PinOfAPointOnly", kGearPin, ".", {}, {{}, 7}, true},
    {"SpanTeeth", kPinionSpan, "2", {{}, 2}, {{}, 7}, false},
    {"MostTeethSpanned", kPinionSpan, "19", {{}, 19}, {{}, 7}, false},
    {"SpanOverEveryTooth", kPinionSpan, "20", {}, {{}, 7}, true},
    {"SpanOfNoTeeth", kPinionSpan, "0", {}, {{}, 7}, true},
    {"EmptySpanIsTheDefault", kGearSpan, "", {}, {}, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, MeasurementFormLeave, ::testing::ValuesIn(kLeaveCases),
                         [](const ::testing::TestParamInfo<LeaveCase>& leaveCase) {
                             return leaveCase.param.name;
                         });

// Leaving the ideal pin diameter as shown keeps the ideal one, not its five-decimal text.
TEST(MeasurementForm, LeavingAFieldUnchangedKeepsItsChoice) {
    MeasurementForm form = FormOf(true, kExternal20To40);
    const PairMeasurementTexts before = form.Texts();
    EXPECT_FALSE(form.Leave(kPinionPin).has_value());
    EXPECT_EQ(form.Texts(), before);
}

TEST(MeasurementForm, FaultOfThePairCalculationMeasuresNothing) {
    GearPairState state;
    SetStartUpConstants(state);
    state.GearType = PairKind::External;
    const PairSolution solution = SolvePair(state, PerMember<MeasurementChoice>{});
    EXPECT_FALSE(solution.Complete());
    EXPECT_FALSE(solution.measurements.has_value());
    EXPECT_EQ(MeasurementFault().icon, MessageIcon::Stop);
}

} // namespace
} // namespace korvanta

namespace korvanta {
namespace {

TEST(MeasurementForm, ToolsTypedBeforeAreMeasuredWithAndASpanThePairCannotTakeGivesWay) {
    const PairSolution pair = Calculated(true, kExternal20To40);
    PerMember<MeasurementChoice> choices{};
    choices.pinion.pinDiameter = 0.2;
    choices.pinion.spanTeeth = 25; // more than the 20-tooth pinion has
    choices.gear.spanTeeth = 6;
    const MeasurementForm form(pair, choices);
    EXPECT_EQ(form.Choices().pinion.pinDiameter, 0.2);
    EXPECT_FALSE(form.Choices().pinion.spanTeeth.has_value());
    EXPECT_EQ(form.Choices().gear.spanTeeth, 6);
    PerMember<MeasurementChoice> fitting = choices;
    fitting.pinion.spanTeeth.reset();
    const PairMeasurementTexts expected = MeasuredWith(true, kExternal20To40, fitting);
    EXPECT_EQ(form.Text(kPinionPin), expected.members.pinion.pinDiameter);
    EXPECT_EQ(form.Text(kPinionSpan), expected.members.pinion.spanTeeth);
    EXPECT_EQ(form.Text(kGearSpan), "6");

    // The internal gear is measured between pins, over no span.
    const PairSolution internal = Calculated(false, kInternal20To60);
    EXPECT_FALSE(MeasurementForm(internal, choices).Choices().gear.spanTeeth.has_value());
}

TEST(MeasurementForm, KnowsWhetherTheEntriesAreStillThoseOfThePairMeasured) {
    const PairSolution pair = Calculated(true, kExternal20To40);
    const MeasurementForm form(pair);
    GearPairState now = pair.calculated;
    EXPECT_TRUE(form.Measures(now));
    now.TPA = 19.5; // a value a calculation leaves, no entry
    now.SAP1 = 1.0;
    EXPECT_TRUE(form.Measures(now));
    now.OD1 = 2.25;
    EXPECT_FALSE(form.Measures(now));
    now = pair.calculated;
    now.Unit = LengthUnit::Millimetre;
    EXPECT_FALSE(form.Measures(now));
}

} // namespace
} // namespace korvanta
