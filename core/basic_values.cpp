#include "core/basic_values.h"

#include <cmath>
#include <utility>

#include "core/angle_constants.h"
#include "core/arithmetic.h"
#include "core/number_text.h"
#include "core/pair_kind.h"

namespace korvanta {

namespace {

// Room for what the basic values write, at most the two diameters and the center distance, or the
// two tooth counts, taken once when there is something to write.
void ReserveWrites(BasicValuesOutcome& outcome) {
    constexpr std::size_t kMostWrites = 3;
    outcome.writes.reserve(kMostWrites);
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
void PinionOutsideDiameter(GearPairState& s, BasicValuesOutcome& outcome) {
    if (s.NT1 != 0.0) {
        if (s.OD1 == 0.0) {
            s.OD1 = StandardOutsideDiameter(s.NT1, s.TDP);
        }
        outcome.writes.push_back({InputField::OD1, FiveDecimalText(s.OD1)});
    }
}

void ExternalPair(GearPairState& s, double typedNT1, double typedNT2, BasicValuesOutcome& outcome) {
    if (s.NT1 != 0.0 && s.NT2 != 0.0 && typedNT2 < typedNT1) {
        outcome.toothExchangeWarning = true;
        std::swap(s.NT1, s.NT2);
        ReserveWrites(outcome);
        outcome.writes.push_back({InputField::NT1, SingleGeneralText(s.NT1)});
        outcome.writes.push_back({InputField::NT2, SingleGeneralText(s.NT2)});
        return;
    }
    if (s.DP == 0.0) {
        return;
    }
    ReserveWrites(outcome);
    PitchValues(s);
    PinionOutsideDiameter(s, outcome);
    if (s.NT2 != 0.0) {
        if (s.OD2 == 0.0) {
            s.OD2 = StandardOutsideDiameter(s.NT2, s.TDP);
        }
        outcome.writes.push_back({InputField::OD2, FiveDecimalText(s.OD2)});
    }
    if (s.NT1 != 0.0 && s.NT2 != 0.0 && s.CD == 0.0) {
        const Single standardDistance = (s.PD2 + s.PD1) / 2.0;
        const std::string text = FiveDecimalText(standardDistance);
        outcome.writes.push_back({InputField::CD, text});
        s.CD = LeadingNumber(text);
    }
}

void InternalPair(GearPairState& s, BasicValuesOutcome& outcome) {
    if (s.DP == 0.0) {
        return;
    }
    ReserveWrites(outcome);
    PitchValues(s);
    PinionOutsideDiameter(s, outcome);
    if (s.NT2 != 0.0) {
        if (s.OD2 == 0.0) {
            // The internal gear's teeth point inwards: its inside diameter lies one addendum inside
            // the pitch circle on each side.
            s.OD2 = s.PD2 - 2.0 * Divide(1.0, s.DP);
        }
        outcome.writes.push_back({InputField::OD2, FiveDecimalText(s.OD2)});
    }
    if (s.NT1 != 0.0 && s.NT2 != 0.0 && s.CD == 0.0) {
        s.PD1 = Divide(s.NT1, s.TDP);
        s.PD2 = Divide(s.NT2, s.TDP);
        s.CD = (s.PD2 - s.PD1) / 2.0;
        outcome.writes.push_back({InputField::CD, FiveDecimalText(s.CD)});
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

BasicValuesOutcome GetBasicValues(GearPairState& state, double typedNT1, double typedNT2) {
    // Worked on a copy: entries so extreme that a value leaves the range of its variable leave the
    // state and the fields as they were.
    GearPairState work = state;
    BasicValuesOutcome outcome;
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
