#include "logic/diagram_boxes.h"

#include "core/number_text.h"

namespace korvanta {

namespace {

const std::string kDiameterSuffix = " DIA.";

} // namespace

Member DefaultDiagramMember(PairKind kind) {
    return kind == PairKind::Internal ? Member::Gear : Member::Pinion;
}

std::string DiagramValueText(Single value) {
    return PatternOfGeneral(value, 6);
}

std::string DiagramValueText(double value) {
    return PatternOfGeneral(value, 6);
}

DiagramBoxes FillDiagramBoxes(const GearPairState& state, Member member) {
    const bool gear = member == Member::Gear;
    const bool internalGear = gear && IsInternal(state);

    DiagramBoxes boxes;
    boxes.picturePressureAngle = DiagramValueText(state.TPA);
    boxes.pitchDiameter = DiagramValueText(gear ? state.PD2 : state.PD1) + kDiameterSuffix;
    boxes.baseDiameter = DiagramValueText(gear ? state.DB2 : state.DB1) + kDiameterSuffix;
    boxes.teeth = SignedGeneralText(gear ? state.NT2 : state.NT1);
    boxes.transverseDiametralPitch = DiagramValueText(state.TDP);
    boxes.transversePressureAngle = DiagramValueText(state.TPA);
    boxes.helixAngle = DiagramValueText(state.HA);
    boxes.outsideDiameter =
        internalGear ? "Unknown Dia." : DiagramValueText(gear ? state.OD2 : state.OD1) + kDiameterSuffix;
    boxes.rootCircleCaption = internalGear;
    return boxes;
}

} // namespace korvanta
