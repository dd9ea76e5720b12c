#include "logic/diagram_boxes.h"

#include "core/number_text.h"

namespace korvanta {

namespace {

const std::string kDiameterSuffix = " DIA.";

} // namespace

Integer DefaultDiagramMember(Integer gearType) {
    return gearType == 2 ? 2 : 1;
}

std::string DiagramSingleText(Single value) {
    return PatternOfSingleGeneral(value, kPreciseDecimals);
}

std::string DiagramDoubleText(double value) {
    return PatternOfDoubleGeneral(value, kPreciseDecimals);
}

DiagramBoxes FillDiagramBoxes(const GearPairState& state, Integer member) {
    const bool gear = member == 2;
    const bool internalGear = gear && state.GearType == 2;

    DiagramBoxes boxes;
    boxes.Text5 = DiagramSingleText(state.TPA);
    boxes.Text3 = DiagramSingleText(gear ? state.PD2 : state.PD1) + kDiameterSuffix;
    boxes.Text4 = DiagramDoubleText(gear ? state.DB2 : state.DB1) + kDiameterSuffix;
    boxes.Text6 = SignedSingleGeneralText(gear ? state.NT2 : state.NT1);
    boxes.Text7 = DiagramSingleText(state.TDP);
    boxes.Text8 = DiagramSingleText(state.TPA);
    boxes.Text9 = DiagramSingleText(state.HA);
    boxes.Text10 =
        internalGear ? "Unknown Dia." : DiagramSingleText(gear ? state.OD2 : state.OD1) + kDiameterSuffix;
    boxes.Label6Visible = internalGear;
    return boxes;
}

} // namespace korvanta
