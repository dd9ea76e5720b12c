#pragma once

#include <array>
#include <optional>

#include "core/gear_pair_state.h"
#include "core/pair_result.h"

namespace korvanta {

// The measuring tools chosen for one member; an empty entry takes the default: the ideal pin or ball
// diameter (its contact on the diameter d + 2x/Pn) and the teeth spanned nearest to the same contact.
struct MeasurementChoice {
    std::optional<double> pinDiameter;
    std::optional<int> spanTeeth;

    bool operator==(const MeasurementChoice&) const = default;
};

// A measurement with the diameter where the pin, ball or anvil touches the flank, and whether that
// point lies on the active profile (external teeth: from the TIF to the outside diameter; the
// internal gear: from its inside diameter to its TIF).
struct ContactMeasurement {
    double value = 0.0;
    double contactDiameter = 0.0;
    bool onActiveProfile = false;
};

struct MemberMeasurements {
    // The mate's tip circle meets the line of action beyond this member's interference point (the
    // point of tangency with its base circle): contact would start below the base circle, so the SAP
    // diameter shown for this member is not on the involute.
    bool interference = false;
    // Normal tooth thickness at the pitch diameter; for the internal gear its space width.
    double toothThickness = 0.0;
    // The chosen or ideal pin (ball) diameter; empty when no ideal diameter exists.
    std::optional<double> pinDiameter;
    // Over two pins or balls (the internal gear: between two pins); empty when the pin cannot rest on
    // both flanks (no pin diameter, or one outside the range the tooth space allows).
    std::optional<ContactMeasurement> overPins;
    // Teeth spanned and the span; both empty for the internal gear, the span also when the teeth
    // spanned lie outside 1 to N − 1.
    std::optional<int> spanTeeth;
    std::optional<ContactMeasurement> span;
};

struct PairMeasurements {
    double contactRatio = 0.0;             // transverse contact ratio
    PerMember<MemberMeasurements> members; // the pinion and gear columns of the output table
    LengthUnit unit = LengthUnit::Inch;    // the pair's: every length above is in it
};

// Inspection measurements of a pair after its calculation: `state` as the calculation left it (the
// entered orientation restored) and `result` its results. The members, and the choices, follow the
// result's columns: after an exchange of an external pair the pinion is the member with the smaller
// outside diameter. The coefficients x are the result's, those of the pair meshing without backlash at
// the entered center distance. All arithmetic is in double precision with the exact constant π.
PairMeasurements MeasurePair(const GearPairState& state, const PairResult& result,
                             const PerMember<MeasurementChoice>& choices = {});

} // namespace korvanta
