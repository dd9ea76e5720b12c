#include "logic/diagram_boxes.h"

#include "core/number_text.h"

namespace korvanta {

namespace {

const std::string kDiameterSuffix = " DIA.";

} // namespace

Integer DefaultDiagramMember(Integer gearType) {
    return gearType == 2 ? 2 : 1;
}

std::string DiagramValueText(Single value) {
    return PatternOfGeneral(value, 6);
}

std::string DiagramValueText(double value) {
    return PatternOfGeneral(value, 6);
}

DiagramBoxes FillDiagramBoxes(const GearPairState& state, Integer member) {
    const bool gear = member == 2;
    const bool internalGear = gear && state.GearType == 2;

    DiagramBoxes boxes;
    boxes.Text5 = DiagramValueText(state.TPA);
    boxes.Text3 = DiagramValueText(gear ? state.PD2 : state.PD1) + kDiameterSuffix;
    boxes.Text4 = DiagramValueText(gear ? state.DB2 : state.DB1) + kDiameterSuffix;
    boxes.Text6 = SignedGeneralText(gear ? state.NT2 : state.NT1);
    boxes.Text7 = DiagramValueText(state.TDP);
    boxes.Text8 = DiagramValueText(state.TPA);
    boxes.Text9 = DiagramValueText(state.HA);
    boxes.Text10 =
        internalGear ? "Unknown Dia." : DiagramValueText(gear ? state.OD2 : state.OD1) + kDiameterSuffix;
    boxes.Label6Visible = internalGear;
    return boxes;
}

} // namespace korvanta
