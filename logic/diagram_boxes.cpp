#include "logic/diagram_boxes.h"

#include "core/normal_pitch.h"
#include "core/number_text.h"
#include "logic/unit_texts.h"

namespace korvanta {

namespace {

const std::string kDiameterSuffix = " DIA.";

} // namespace

Member DefaultDiagramMember(PairKind kind) {
    return kind == PairKind::Internal ? Member::Gear : Member::Pinion;
}

std::string DiagramSingleText(Single value) {
    return PatternOfSingleGeneral(value, kPreciseDecimals);
}

std::string DiagramDoubleText(double value) {
    return PatternOfDoubleGeneral(value, kPreciseDecimals);
}

DiagramBoxes FillDiagramBoxes(const GearPairState& state, Member member) {
    const bool gear = member == Member::Gear;
    const bool internalGear = gear && IsInternal(state);

    DiagramBoxes boxes;
    boxes.picturePressureAngle = DiagramSingleText(state.TPA);
    boxes.pitchDiameter = DiagramSingleText(gear ? state.PD2 : state.PD1) + kDiameterSuffix;
    boxes.baseDiameter = DiagramDoubleText(gear ? state.DB2 : state.DB1) + kDiameterSuffix;
    boxes.teeth = SignedSingleGeneralText(gear ? state.NT2 : state.NT1);
    boxes.pitchCaption = PitchCaption(state.Unit);
    boxes.transversePitch = DiagramSingleText(TransversePitch(state));
    boxes.transversePressureAngle = DiagramSingleText(state.TPA);
    boxes.helixAngle = DiagramSingleText(state.HA);
    boxes.outsideDiameter =
        internalGear ? "Unknown Dia." : DiagramSingleText(gear ? state.OD2 : state.OD1) + kDiameterSuffix;
    boxes.rootCircleCaption = internalGear;
    return boxes;
}

} // namespace korvanta
