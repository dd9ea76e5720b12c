#include "core/pair_roll_angles.h"

#include "core/angle_functions.h"

namespace korvanta {

void FillRollAngles(GearPairState& state, PairResult& result, Single pitchDiameter1, Single pitchDiameter2) {
    result.RollSAP1 = RollAngle(state.DB1, result.SAP1);
    SwitchToRollAngleConstants(state);
    result.RollSAP2 = RollAngle(state.DB2, result.SAP2);
    result.RollTIF1 = RollAngle(state.DB1, result.TIF1);
    result.RollTIF2 = RollAngle(state.DB2, result.TIF2);
    result.RollPD1 = RollAngle(state.DB1, pitchDiameter1);
    result.RollPD2 = RollAngle(state.DB2, pitchDiameter2);
    result.RollOD1 = RollAngle(state.DB1, state.OD1);
    result.RollOD2 = RollAngle(state.DB2, state.OD2);
}

} // namespace korvanta
