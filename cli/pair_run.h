#pragma once

#include <array>
#include <optional>
#include <string>
#include <vector>

#include "core/input_field.h"
#include "core/inspection_measurements.h"
#include "core/iso_tolerances.h"
#include "core/length_unit.h"
#include "core/measurement_texts.h"
#include "core/message.h"
#include "core/pair_kind.h"
#include "logic/output_table.h"

namespace korvanta::cli {

// One pair as the command line gives it: the texts typed into the input fields (absent: the field is
// not touched), the diameters typed into the diagram window and the member they belong to, and
// whether the inspection measurements are wanted, with the tools chosen for them. A metric pair types
// its module into the pitch field and every length in millimetres.
struct ToleranceChoice {
    int accuracyClass = 0;
    double faceWidth = 0.0;
};

// The tolerances of both members of a produced pair.
struct PairTolerances {
    int accuracyClass = 0;
    PerMember<Tolerances> members;
};

struct PairInputs {
    PairKind type = PairKind::External;
    LengthUnit unit = LengthUnit::Inch;
    std::array<std::optional<std::string>, 8> fields; // indexed by InputField
    // The number of a field's text, where the check that accepted the text has read it: the text is
    // typed in without being checked and read again.
    std::array<std::optional<double>, 8> checkedNumbers;
    std::vector<std::string> diameters;
    std::optional<Member> member; // default: pinion of an external pair, gear of an internal pair
    bool measure = false;
    PerMember<MeasurementChoice> measurementChoices; // the table's columns
    // The ISO 1328-1 accuracy class and the face width (in the pair's length unit) for the tolerances.
    std::optional<ToleranceChoice> tolerances;
};

// Exit statuses of the command.
enum class RunStatus { Produced = 0, Rejected = 1, Fault = 3 };

// The angles at one diameter: the two sentences, or an error in their place.
struct AngleEntry {
    Member member = Member::Pinion;
    std::string diameter; // as the diameter box shows it
    std::string pressure;
    std::string roll;
    std::optional<std::string> error;
};

struct PairRunResult {
    RunStatus status = RunStatus::Produced;
    PairKind type = PairKind::External;
    LengthUnit unit = LengthUnit::Inch;
    std::optional<Message> rejection; // Calculate's message
    std::optional<InputField> rejectedField;
    OutputTable table;                 // filled as far as the calculation got
    std::vector<std::string> warnings; // every message and question shown, in order
    std::vector<AngleEntry> angles;
    std::optional<MeasuredPair> measurements; // with `measure`, when the table was produced
    std::optional<PairTolerances> tolerances; // with a class and face width, when the table was produced
};

// A freshly started program, in the inputs' units: choose the gear type, type and leave each given field in
// tab order, press Calculate, activate the output window once, then calculate the angles at each diameter
// (questions answered Yes). With `measure`, chosen teeth spanned that do not fit the pair are a
// rejection after Calculate's own checks, and a produced table brings the measurements.
PairRunResult RunPair(const PairInputs& inputs);

// The same into `result`, whatever it held: its texts keep their storage, which spares a batch the
// allocation of every caption and cell of every row.
void RunPair(const PairInputs& inputs, PairRunResult& result);

} // namespace korvanta::cli
