#include "cli/pair_run.h"

#include <utility>

#include "cli/command_name.h"
#include "cli/measurement_inputs.h"
#include "core/gear_pair_state.h"
#include "core/number_text.h"
#include "core/pair_solution.h"
#include "logic/diagram_boxes.h"
#include "logic/diameter_command.h"
#include "logic/entry_replay.h"
#include "logic/input_form.h"

namespace korvanta::cli {

namespace {

CalculateOutcome ReplayInputWindow(GearPairState& state, const PairInputs& inputs, PairRunResult& result) {
    InputForm form(state);
    InputForm::Observer observer;
    observer.showMessage = [&result](const Message& message) { result.warnings.push_back(message.text); };
    form.SetObserver(std::move(observer));
    TypeEntries(form, inputs.type, inputs.fields, inputs.checkedNumbers);
    // Calculate's own message is the rejection, not a warning.
    form.SetObserver({});
    return form.CalculatePair();
}

AngleEntry AnglesAt(const GearPairState& state, Member member, const std::string& typed,
                    PairRunResult& result) {
    AngleEntry entry;
    entry.member = member;
    // The diameter box re-shows a number with five decimals when it is left.
    entry.diameter = PatternText(typed, kEnteredValueDecimals);
    const DiameterCommandOutcome outcome =
        RunDiameterCommand(state, entry.diameter, [&result](const Message& question) {
            result.warnings.push_back(question.text);
            return true;
        });
    if (outcome.error) {
        entry.error = outcome.error->text;
    } else if (!outcome.computed) {
        entry.error = "No diameter was entered.";
    }
    entry.pressure = outcome.pressureSentence;
    entry.roll = outcome.rollSentence;
    return entry;
}

} // namespace

PairRunResult RunPair(const PairInputs& inputs) {
    PairRunResult result;
    RunPair(inputs, result);
    return result;
}

void RunPair(const PairInputs& inputs, PairRunResult& result) {
    // Cleared member by member, not replaced: the texts keep their storage from row to row.
    static const OutputTable noTable;
    result.status = RunStatus::Produced;
    result.rejection.reset();
    result.rejectedField.reset();
    result.warnings.clear();
    result.angles.clear();
    result.measurements.reset();
    result.tolerances.reset();
    GearPairState state;
    SetStartUpConstants(state);
    // The program starts in the units it was last used in: the pitch field then reads a module.
    state.Unit = inputs.unit;
    result.type = inputs.type;
    result.unit = inputs.unit;

    const CalculateOutcome outcome = ReplayInputWindow(state, inputs, result);
    if (outcome.rejection) {
        result.status = RunStatus::Rejected;
        result.rejection = outcome.rejection;
        result.rejectedField = outcome.focus;
        result.table = noTable;
        return;
    }
    if (inputs.measure) {
        if (auto error = SpanChoiceError(state, inputs)) {
            result.status = RunStatus::Rejected;
            result.rejection = Message{*error, std::string(kCommandName)};
            result.table = noTable;
            return;
        }
    }

    result.type = outcome.opens.value_or(PairKind::External);
    const PairSolution solution =
        SolvePair(state, inputs.measure ? std::optional(inputs.measurementChoices) : std::nullopt);
    KeepCalculatedValues(state, solution);
    FillFreshTable(solution, result.table);
    for (const Message& warning : result.table.warnings) {
        result.warnings.push_back(warning.text);
    }
    if (result.table.fault) {
        result.status = RunStatus::Fault;
        return;
    }
    if (solution.measurements) {
        result.measurements = MeasuredPair{*solution.measurements, MeasurementTexts(*solution.measurements)};
    }
    if (const std::optional<ToleranceChoice>& asked = inputs.tolerances) {
        PairTolerances& tolerances = result.tolerances.emplace();
        tolerances.accuracyClass = asked->accuracyClass;
        for (Member member : kMembers) {
            tolerances.members[member] =
                TolerancesOf(ToleranceEntriesOf(solution, member, asked->accuracyClass, asked->faceWidth));
        }
    }

    const Member member = inputs.member.value_or(DefaultDiagramMember(result.type));
    state.DiagramMember = member;
    for (const std::string& diameter : inputs.diameters) {
        result.angles.push_back(AnglesAt(state, member, diameter, result));
    }
}

} // namespace korvanta::cli
