#include "core/pair_roll_angles.h"

#include "core/angle_functions.h"

namespace korvanta {

void FillRollAngles(GearPairState& state, PairResult& result, Single pitchDiameter1, Single pitchDiameter2) {
    result.RollSAP.pinion = RollAngle(state.DB1, result.SAP.pinion);
    SwitchToRollAngleConstants(state);
    result.RollSAP.gear = RollAngle(state.DB2, result.SAP.gear);
    result.RollTIF.pinion = RollAngle(state.DB1, result.TIF.pinion);
    result.RollTIF.gear = RollAngle(state.DB2, result.TIF.gear);
    result.RollPD.pinion = RollAngle(state.DB1, pitchDiameter1);
    result.RollPD.gear = RollAngle(state.DB2, pitchDiameter2);
    result.RollOD.pinion = RollAngle(state.DB1, state.OD1);
    result.RollOD.gear = RollAngle(state.DB2, state.OD2);
}

} // namespace korvanta
