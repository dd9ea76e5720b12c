#pragma once

#include <optional>
#include <vector>

#include "core/gear_pair_state.h"
#include "core/inspection_measurements.h"
#include "core/member.h"
#include "core/pair_result.h"
#include "core/single.h"

namespace korvanta {

// The entered values of a pair as the output table shows them, in the table's columns (an external
// pair exchanged so that its pinion has the smaller outside diameter).
struct PairValues {
    PerMember<Single> teeth;
    PerMember<Single> pitchDiameter;
    PerMember<double> baseDiameter;
    PerMember<Single> outsideDiameter; // the internal gear's inside diameter
    Single normalPitch;                // as typed: the diametral pitch, or the module of a metric pair
    Single transversePitch;            // TDP, or the transverse module of a metric pair
    Single pressureAngle;
    Single transversePressureAngle; // the one the base diameters were found with
    Single helixAngle;
    Single centerDistance;
};

// The stage of a pair calculation an arithmetic fault stopped: the external pair's orientation,
// geometry or roll angles, or the internal pair's calculation, which is one stage.
enum class PairStage { Orientation, Geometry, RollAngles, InternalPair };

// What a pair calculation finds that the user must be told beside the values.
enum class PairWarning {
    // The internal gear's inside diameter lies within its base circle: contact is taken to start on
    // the base circle.
    InsideDiameterWithinBaseCircle,
};

// One calculation of the entered pair: every number the output table, the measurements, the diagram
// and the command's outputs show. A fault leaves the values of the stages before it: for an external
// pair `values` once it is oriented, the diameters and coefficients of `result` once its geometry is
// found; an internal pair's fault leaves none.
struct PairSolution {
    PairKind kind = PairKind::External;
    // The entered pair as the calculation left it: in its entered orientation, with SAP1, SAP2 and TPA
    // written, the internal pair's transverse values refreshed, and the angle constants in force at the
    // end of the calculation (those the angles at a diameter use).
    GearPairState calculated;
    PairValues values;
    PairResult result;
    std::optional<PairStage> fault;
    std::vector<PairWarning> warnings;
    // With measuring tools asked for, on a pair calculated to the end: the tools used (a choice the
    // pair cannot take has given way to the default) and what they measure.
    PerMember<MeasurementChoice> choices;
    std::optional<PairMeasurements> measurements;

    bool Complete() const { return !fault; }
};

// Calculates the pair the state holds after Calculate, on a copy: the shared state is not touched.
// With `choices`, a complete pair is measured too.
PairSolution SolvePair(const GearPairState& entered,
                       const std::optional<PerMember<MeasurementChoice>>& choices = std::nullopt);

// The choices the pair can take: teeth spanned beyond N − 1, or on the internal gear (measured between
// pins, over no span), give way to the default.
PerMember<MeasurementChoice> FittingChoices(const PairSolution& solution,
                                            PerMember<MeasurementChoice> choices);

// The measurements of the solved pair with other tools; the pair is not calculated again.
PairMeasurements Remeasure(const PairSolution& solution, const PerMember<MeasurementChoice>& choices);

// The values a pair calculation leaves for the windows that come after it: the diagram reads SAP1,
// SAP2 and TPA, the internal pair's refreshed transverse values, and the angle constants in force at
// the end of the calculation from the shared state.
void KeepCalculatedValues(GearPairState& state, const PairSolution& solution);

} // namespace korvanta
