#include "core/pair_solution.h"

#include <cmath>

#include "core/arithmetic.h"
#include "core/external_pair.h"
#include "core/internal_pair.h"
#include "core/normal_pitch.h"
#include "core/pair_kind.h"
#include "core/transverse_values.h"

namespace korvanta {

namespace {

// The state's entered and derived values in its present orientation.
PairValues ValuesOf(const GearPairState& state) {
    PairValues values;
    values.teeth = {state.NT1, state.NT2};
    values.pitchDiameter = {state.PD1, state.PD2};
    values.baseDiameter = {state.DB1, state.DB2};
    values.outsideDiameter = {state.OD1, state.OD2};
    values.normalPitch = TypedNormalPitch(state);
    values.transversePitch = TransversePitch(state);
    values.pressureAngle = state.PA;
    values.transversePressureAngle = state.TPA;
    values.helixAngle = state.HA;
    values.centerDistance = state.CD;
    return values;
}

// The stages in the order the output table shows them: the entered values once the pair is oriented,
// the geometry's diameters, then the roll angles.
void SolveExternal(PairSolution& solution) {
    PairStage stage = PairStage::Orientation;
    try {
        ExternalPairCalculation calculation(solution.calculated);
        calculation.Orient();
        solution.values = ValuesOf(solution.calculated);
        stage = PairStage::Geometry;
        calculation.Geometry();
        solution.result = calculation.Result();
        stage = PairStage::RollAngles;
        calculation.RollAngles();
        solution.result = calculation.Result();
        calculation.Restore();
    } catch (const ArithmeticError&) {
        solution.fault = stage;
    }
}

void SolveInternal(PairSolution& solution) {
    GearPairState& state = solution.calculated;
    // The angle the base diameters are refreshed with, the one Calculate derived.
    const Single derivedTPA = TransversePressureAngle(state);
    try {
        solution.result = CalcInternalPair(state);
        solution.values = ValuesOf(state);
    } catch (const ArithmeticError&) {
        solution.fault = PairStage::InternalPair;
        return;
    }
    solution.values.transversePressureAngle = derivedTPA;
    if (Single(state.DB2) > state.OD2) {
        solution.warnings.push_back(PairWarning::InsideDiameterWithinBaseCircle);
    }
}

} // namespace

PairSolution SolvePair(const GearPairState& entered,
                       const std::optional<PerMember<MeasurementChoice>>& choices) {
    PairSolution solution;
    solution.kind = KindOf(entered);
    solution.calculated = entered;
    if (solution.kind == PairKind::Internal) {
        SolveInternal(solution);
    } else {
        SolveExternal(solution);
    }
    if (choices && solution.Complete()) {
        solution.choices = FittingChoices(solution, *choices);
        solution.measurements = Remeasure(solution, solution.choices);
    }
    return solution;
}

PerMember<MeasurementChoice> FittingChoices(const PairSolution& solution,
                                            PerMember<MeasurementChoice> choices) {
    for (Member member : kMembers) {
        std::optional<int>& span = choices[member].spanTeeth;
        const bool internalGear = solution.kind == PairKind::Internal && member == Member::Gear;
        const long teeth = std::lround(solution.values.teeth[member]);
        if (span && (internalGear || *span > teeth - 1)) {
            span.reset();
        }
    }
    return choices;
}

PairMeasurements Remeasure(const PairSolution& solution, const PerMember<MeasurementChoice>& choices) {
    return MeasurePair(solution.calculated, solution.result, choices);
}

void KeepCalculatedValues(GearPairState& state, const PairSolution& solution) {
    const GearPairState& calculated = solution.calculated;
    state.TDP = calculated.TDP;
    state.PD1 = calculated.PD1;
    state.PD2 = calculated.PD2;
    state.DB1 = calculated.DB1;
    state.DB2 = calculated.DB2;
    state.TPA = calculated.TPA;
    state.SAP1 = calculated.SAP1;
    state.SAP2 = calculated.SAP2;
    state.Pi = calculated.Pi;
    state.DegToRad = calculated.DegToRad;
    state.RadToDeg = calculated.RadToDeg;
}

} // namespace korvanta
