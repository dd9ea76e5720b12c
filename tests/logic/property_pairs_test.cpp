#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "activated_table.h"
#include "core/gear_pair_state.h"
#include "core/pair_kind.h"
#include "logic/calculate.h"
#include "logic/diameter_command.h"
#include "logic/input_form.h"
#include "logic/output_table.h"
#include "property_pair_generator.h"
#include "property_texts.h"

namespace korvanta {
namespace {

constexpr std::uint32_t kSeed = 1989;
constexpr int kReplayedPairs = 4000;
constexpr int kDirectPairs = 2000;
constexpr int kFailuresShown = 10;

using property::IsFixedPattern;
using property::NamesInfinityOrNaN;

std::string Describe(const RandomPair& pair) {
    std::string text = pair.external ? "external" : "internal";
    for (InputField field : kInputFields) {
        const auto& typed = pair.fields[static_cast<int>(field)];
        text += " " + std::string(FieldControlName(field)) + "=" + (typed ? "'" + *typed + "'" : "-");
    }
    return text + " diameter='" + pair.diameter + "'";
}

testing::AssertionResult ShowsNoInfinityOrNaN(const std::string& where, const std::string& text) {
    if (NamesInfinityOrNaN(text)) {
        return testing::AssertionFailure() << where << " shows '" << text << "'";
    }
    return testing::AssertionSuccess();
}

testing::AssertionResult ChecksMessage(const Message& message) {
    if (message.text.empty()) {
        return testing::AssertionFailure() << "an empty message";
    }
    return ShowsNoInfinityOrNaN("a message", message.text);
}

// Every cell but the tooth counts is a fixed pattern, a dash line or "NA"; a cell the calculation did
// not reach before a fault stays empty.
testing::AssertionResult ChecksTable(const OutputTable& table) {
    for (int row = 0; row < kOutputRowCount; ++row) {
        const OutputCell& cell = table.rows[row];
        for (const std::string* text : {&cell.pinion, &cell.gear}) {
            if (auto shown = ShowsNoInfinityOrNaN(cell.caption, *text); !shown) {
                return shown;
            }
            const bool fixed = IsFixedPattern(*text) || *text == "----------" || *text == "NA" ||
                               (table.fault && text->empty());
            if (row != static_cast<int>(OutputRow::Teeth) && !fixed) {
                return testing::AssertionFailure() << cell.caption << " shows '" << *text << "'";
            }
        }
    }
    for (const Message& warning : table.warnings) {
        if (auto checked = ChecksMessage(warning); !checked) {
            return checked;
        }
    }
    if (table.fault) {
        return ChecksMessage(table.fault->message);
    }
    return testing::AssertionSuccess();
}

struct Orientation {
    float OD1, OD2, NT1, NT2, PD1, PD2;
    double DB1, DB2;
    bool operator==(const Orientation&) const = default;
};

Orientation OrientationOf(const GearPairState& state) {
    return {state.OD1.Value(), state.OD2.Value(), state.NT1.Value(), state.NT2.Value(),
            state.PD1.Value(), state.PD2.Value(), state.DB1,         state.DB2};
}

// The ratio of the pinion's to the gear's value, kept to a few units of the last Single digit.
bool SameRatio(double pinion, double gear, double pinionBefore, double gearBefore) {
    const double ratio = pinion / gear;
    const double before = pinionBefore / gearBefore;
    return std::fabs(ratio - before) <= 1e-6 * std::fabs(before);
}

// The external calculation exchanges the members for its duration only. The internal one refreshes
// the pitch and base diameters with the angle constants then in force, so those may move (most near a
// right helix angle), but each stays in proportion to its member's tooth count.
testing::AssertionResult KeepsOrientation(bool external, const Orientation& before,
                                          const GearPairState& state) {
    const Orientation after = OrientationOf(state);
    const bool kept = external ? after == before
                               : after.OD1 == before.OD1 && after.OD2 == before.OD2 &&
                                     after.NT1 == before.NT1 && after.NT2 == before.NT2 &&
                                     SameRatio(after.PD1, after.PD2, before.PD1, before.PD2) &&
                                     SameRatio(after.DB1, after.DB2, before.DB1, before.DB2);
    if (!kept) {
        return testing::AssertionFailure() << "orientation lost: OD " << after.OD1 << "/" << after.OD2
                                           << " NT " << after.NT1 << "/" << after.NT2 << " PD " << after.PD1
                                           << "/" << after.PD2 << " DB " << after.DB1 << "/" << after.DB2;
    }
    return testing::AssertionSuccess();
}

// The sentence ends with the angle in a fixed pattern and a degree sign.
testing::AssertionResult ChecksSentence(const std::string& sentence, int decimals) {
    const std::size_t is = sentence.rfind(" is ");
    if (is == std::string::npos || !IsFixedPattern(sentence.substr(is + 4), decimals) ||
        !sentence.ends_with(property::kDegree)) {
        return testing::AssertionFailure() << "sentence '" << sentence << "'";
    }
    return ShowsNoInfinityOrNaN("a sentence", sentence);
}

testing::AssertionResult ChecksDiagram(const GearPairState& state, const std::string& diameter) {
    std::vector<Message> questions;
    const DiameterCommandOutcome outcome =
        RunDiameterCommand(state, diameter, [&questions](const Message& m) {
            questions.push_back(m);
            return true;
        });
    for (const Message& question : questions) {
        if (auto checked = ChecksMessage(question); !checked) {
            return checked;
        }
    }
    if (outcome.error) {
        return ChecksMessage(*outcome.error);
    }
    if (!outcome.computed) {
        return diameter.empty() ? testing::AssertionSuccess()
                                : testing::AssertionFailure() << "a Yes answered diameter computed nothing";
    }
    if (auto checked = ChecksSentence(outcome.pressureSentence, 4); !checked) {
        return checked;
    }
    return ChecksSentence(outcome.rollSentence, 3);
}

// One output window activation after another on the state Calculate left: each fills the table or
// stops at an orderly fault, and hands the state back in its entered orientation.
testing::AssertionResult ChecksOutputWindow(GearPairState& state, std::optional<PairKind> window,
                                            const std::string& diameter, Member member) {
    const bool external = window == PairKind::External;
    OutputTable table = external ? NewExternalTable() : NewInternalTable();
    for (int activation = 0; activation < 2; ++activation) {
        const Orientation before = OrientationOf(state);
        if (external) {
            ActivateTable(state, table);
        } else {
            ActivateTable(state, table);
        }
        if (auto checked = ChecksTable(table); !checked) {
            return checked;
        }
        if (auto kept = KeepsOrientation(external, before, state); !kept) {
            return kept;
        }
    }
    if (table.fault) {
        return testing::AssertionSuccess();
    }
    state.DiagramMember = member;
    return ChecksDiagram(state, diameter);
}

testing::AssertionResult ChecksCalculateOutcome(const CalculateOutcome& outcome) {
    if (outcome.rejection.has_value() == (outcome.opens != std::nullopt)) {
        return testing::AssertionFailure() << "Calculate neither rejected nor opened a window, or both";
    }
    if (outcome.rejection) {
        if (!outcome.focus) {
            return testing::AssertionFailure() << "a rejection without a field to correct";
        }
        return ChecksMessage(*outcome.rejection);
    }
    return testing::AssertionSuccess();
}

// The input window's own texts: tooth counts as typed, every other field empty or in five decimals.
testing::AssertionResult ChecksFieldTexts(const InputForm& form) {
    for (InputField field : kInputFields) {
        const std::string& text = form.Text(field);
        if (auto shown = ShowsNoInfinityOrNaN(std::string(FieldControlName(field)), text); !shown) {
            return shown;
        }
        const bool teeth = field == InputField::NT1 || field == InputField::NT2;
        if (!teeth && !text.empty() && !IsFixedPattern(text, 5)) {
            return testing::AssertionFailure() << FieldControlName(field) << " shows '" << text << "'";
        }
    }
    return testing::AssertionSuccess();
}

// A freshly started input window: each typed field is entered, typed into and left in tab order,
// then Calculate is pressed.
testing::AssertionResult ReplaysThroughTheInputWindow(const RandomPair& pair, Member member) {
    GearPairState state;
    SetStartUpConstants(state);
    InputForm form(state);
    std::vector<Message> shown;
    InputForm::Observer observer;
    observer.showMessage = [&shown](const Message& message) { shown.push_back(message); };
    form.SetObserver(observer);
    form.Activated();
    form.Enter(InputField::NT1);
    if (!pair.external) {
        form.ChooseKind(PairKind::Internal);
    }
    for (InputField field : kInputFields) {
        if (const auto& typed = pair.fields[static_cast<int>(field)]) {
            form.Enter(field);
            form.SetText(field, *typed);
            form.Leave(field);
        }
    }
    if (auto texts = ChecksFieldTexts(form); !texts) {
        return texts;
    }
    const CalculateOutcome outcome = form.CalculatePair();
    for (const Message& message : shown) {
        if (auto checked = ChecksMessage(message); !checked) {
            return checked;
        }
    }
    if (auto checked = ChecksCalculateOutcome(outcome); !checked) {
        return checked;
    }
    if (outcome.rejection) {
        return testing::AssertionSuccess();
    }
    return ChecksOutputWindow(state, outcome.opens, pair.diameter, member);
}

// Calculate straight on the typed texts, without the rewriting of the fields when they are left.
testing::AssertionResult CalculatesTheTypedTexts(const RandomPair& pair, Member member) {
    GearPairState state;
    SetStartUpConstants(state);
    FieldTexts texts;
    texts[static_cast<int>(InputField::PA)] = "20";
    for (InputField field : kInputFields) {
        if (const auto& typed = pair.fields[static_cast<int>(field)]) {
            texts[static_cast<int>(field)] = *typed;
        }
    }
    const CalculateOutcome outcome =
        Calculate(state, pair.external ? PairKind::External : PairKind::Internal, texts);
    if (auto checked = ChecksCalculateOutcome(outcome); !checked) {
        return checked;
    }
    if (outcome.rejection) {
        return testing::AssertionSuccess();
    }
    return ChecksOutputWindow(state, outcome.opens, pair.diameter, member);
}

TEST(PropertyPairs, AnyTypedPairEndsInATableAMessageOrAnOrderlyFault) {
    PairGenerator generator(kSeed);
    int failures = 0;
    for (int i = 0; i < kReplayedPairs && failures < kFailuresShown; ++i) {
        const RandomPair pair = generator.Next();
        const testing::AssertionResult checked =
            ReplaysThroughTheInputWindow(pair, i % 2 == 0 ? Member::Pinion : Member::Gear);
        EXPECT_TRUE(checked) << Describe(pair);
        failures += checked ? 0 : 1;
    }
}

TEST(PropertyPairs, CalculateOnRawTextsEndsInATableAMessageOrAnOrderlyFault) {
    PairGenerator generator(kSeed + 1);
    int failures = 0;
    for (int i = 0; i < kDirectPairs && failures < kFailuresShown; ++i) {
        RandomPair pair = generator.Next();
        // Now and then a number no input field would take: beyond the range of a Single.
        if (i % 7 == 0) {
            pair.fields[static_cast<std::size_t>(i / 7 % 8)] = std::string(45, '9') + ".5";
        }
        const testing::AssertionResult checked =
            CalculatesTheTypedTexts(pair, i % 2 == 0 ? Member::Gear : Member::Pinion);
        EXPECT_TRUE(checked) << Describe(pair);
        failures += checked ? 0 : 1;
    }
}

} // namespace
} // namespace korvanta
