#include "core/basic_values.h"

#include <cmath>
#include <utility>

#include "core/angle_constants.h"
#include "core/arithmetic.h"
#include "core/number_text.h"
#include "core/pair_kind.h"

namespace korvanta {

namespace {

void Add(BasicValuesWrites& outcome, InputField field, Single value,
         std::optional<double> number = std::nullopt) {
    outcome.writes[outcome.count++] = FieldValueWrite{field, value, number};
}

// Transverse diametral pitch and the pitch diameters of the members whose teeth are known.
void PitchValues(GearPairState& s) {
    s.TDP = s.DP * std::cos(kStartUpAngleConstants.DegToRad * s.HA);
    if (s.NT1 != 0.0) {
        s.PD1 = Divide(s.NT1, s.TDP);
    }
    if (s.NT2 != 0.0) {
        s.PD2 = Divide(s.NT2, s.TDP);
    }
}

// A gear outside diameter of standard proportions: one addendum of 1 / TDP on each side.
Single StandardOutsideDiameter(Single teeth, Single tdp) {
    return Divide(teeth + 2.0, tdp);
}

// The pinion's outside diameter, estimated when it is not entered, shown in either case. Both pair
// kinds estimate it the same way: the pinion always has external teeth.
void PinionOutsideDiameter(GearPairState& s, BasicValuesWrites& outcome) {
    if (s.NT1 != 0.0) {
        if (s.OD1 == 0.0) {
            s.OD1 = StandardOutsideDiameter(s.NT1, s.TDP);
        }
        Add(outcome, InputField::OD1, s.OD1);
    }
}

void ExternalPair(GearPairState& s, double typedNT1, double typedNT2, BasicValuesWrites& outcome) {
    if (s.NT1 != 0.0 && s.NT2 != 0.0 && typedNT2 < typedNT1) {
        outcome.toothExchangeWarning = true;
        std::swap(s.NT1, s.NT2);
        Add(outcome, InputField::NT1, s.NT1);
        Add(outcome, InputField::NT2, s.NT2);
        return;
    }
    if (s.DP == 0.0) {
        return;
    }
    PitchValues(s);
    PinionOutsideDiameter(s, outcome);
    if (s.NT2 != 0.0) {
        if (s.OD2 == 0.0) {
            s.OD2 = StandardOutsideDiameter(s.NT2, s.TDP);
        }
        Add(outcome, InputField::OD2, s.OD2);
    }
    if (s.NT1 != 0.0 && s.NT2 != 0.0 && s.CD == 0.0) {
        // The estimate is the number of its five-decimal text.
        const Single standardDistance = (s.PD2 + s.PD1) / 2.0;
        const double number = FiveDecimalNumber(standardDistance);
        Add(outcome, InputField::CD, standardDistance, number);
        s.CD = number;
    }
}

void InternalPair(GearPairState& s, BasicValuesWrites& outcome) {
    if (s.DP == 0.0) {
        return;
    }
    PitchValues(s);
    PinionOutsideDiameter(s, outcome);
    if (s.NT2 != 0.0) {
        if (s.OD2 == 0.0) {
            // The internal gear's teeth point inwards: its inside diameter lies one addendum inside
            // the pitch circle on each side.
            s.OD2 = s.PD2 - 2.0 * Divide(1.0, s.DP);
        }
        Add(outcome, InputField::OD2, s.OD2);
    }
    if (s.NT1 != 0.0 && s.NT2 != 0.0 && s.CD == 0.0) {
        s.PD1 = Divide(s.NT1, s.TDP);
        s.PD2 = Divide(s.NT2, s.TDP);
        s.CD = (s.PD2 - s.PD1) / 2.0;
        Add(outcome, InputField::CD, s.CD);
    }
}

} // namespace

Message ToothExchangeWarning() {
    Message message;
    message.text =
        "The pinion must have equal or fewer teeth than the gear.\rPinion and gear teeth will be swapped.";
    message.icon = MessageIcon::Exclamation;
    return message;
}

BasicValuesOutcome GetBasicValues(GearPairState& state, std::string_view textNT1, std::string_view textNT2) {
    return GetBasicValues(state, LeadingNumber(textNT1), LeadingNumber(textNT2));
}

std::string FieldValueText(const FieldValueWrite& write) {
    const bool teeth = write.field == InputField::NT1 || write.field == InputField::NT2;
    return teeth ? SingleGeneralText(write.value) : FiveDecimalText(write.value);
}

BasicValuesOutcome GetBasicValues(GearPairState& state, double typedNT1, double typedNT2) {
    const BasicValuesWrites values = GetBasicValueWrites(state, typedNT1, typedNT2);
    BasicValuesOutcome outcome;
    outcome.toothExchangeWarning = values.toothExchangeWarning;
    for (const FieldValueWrite& write : values.Writes()) {
        outcome.writes.push_back({write.field, FieldValueText(write)});
    }
    return outcome;
}

BasicValuesWrites GetBasicValueWrites(GearPairState& state, double typedNT1, double typedNT2) {
    // Worked on a copy: entries so extreme that a value leaves the range of its variable leave the
    // state and the fields as they were.
    GearPairState work = state;
    BasicValuesWrites outcome;
    try {
        // Nothing is estimated before a kind of pair has been chosen.
        if (work.GearType.has_value()) {
            if (KindOf(work) == PairKind::External) {
                ExternalPair(work, typedNT1, typedNT2, outcome);
            } else {
                InternalPair(work, outcome);
            }
        }
    } catch (const ArithmeticError&) {
        return {};
    }
    state = work;
    return outcome;
}

} // namespace korvanta
