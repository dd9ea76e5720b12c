#include "logic/output_table.h"

#include "core/arithmetic.h"
#include "core/external_pair.h"
#include "core/internal_pair.h"
#include "core/normal_pitch.h"
#include "core/number_text.h"
#include "core/transverse_values.h"
#include "logic/unit_texts.h"

namespace korvanta {

namespace {

constexpr const char* kNotShown = "----------";
constexpr const char* kNotApplicable = "NA";
constexpr const char* kOutputTitle = "Korvanta Output Data";

// Captions shared by both windows, in row order; the roll-angle rows differ in their preposition.
OutputTable NewTable(const std::string& gearColumn, const std::string& rollPreposition) {
    static constexpr const char* kCaptions[kOutputRowCount] = {
        "Number of Teeth",
        "Normal Diametral Pitch",
        "Transverse Diametral Pitch",
        "Normal Pressure Angle",
        "Transverse Pressure Angle",
        "Operating Pressure Angle (Transverse)",
        "Helix Angle",
        "Base Diameter",
        "Pitch Diameter",
        "Outside Diameter",
        "Center Distance",
        "Addendum Modification Coefficient (x)",
        "Dia. to Start of Active Profile (SAP)",
        "True Involute Form Diameter (TIF)",
        "Profile Overlap",
        "TIF Diameter",
        "SAP Diameter",
        "Pitch Diameter",
        "Outside Diameter",
    };
    OutputTable table;
    table.columns = {"PINION", gearColumn};
    for (int row = 0; row < kOutputRowCount; ++row) {
        table.rows[row].caption = kCaptions[row];
    }
    for (OutputRow row :
         {OutputRow::RollTIF, OutputRow::RollSAP, OutputRow::RollPitch, OutputRow::RollOutside}) {
        table[row].caption = "Roll Angle " + rollPreposition + " " + table[row].caption;
    }
    return table;
}

void SetBoth(OutputCell& cell, const std::string& text) {
    cell.pinion = text;
    cell.gear = cell.pinion;
}

void SetEach(OutputCell& cell, std::string pinion, std::string gear) {
    cell.pinion = std::move(pinion);
    cell.gear = std::move(gear);
}

std::string Degrees(std::string text) {
    text += kDegreeSign;
    return text;
}

std::string Roll(Single angle) {
    return Degrees(PatternValue(angle, kRollAngleDecimals));
}

Message FaultMessage() {
    return Message{"This gear pair cannot be calculated: the calculation met a value it cannot work with (a "
                   "division by zero or the square root of a negative number). Please check the center "
                   "distance, the outside diameters and the numbers of teeth.",
                   std::string(kMessageTitle), MessageIcon::Stop};
}

// The title and the pitch rows' captions in the pair's units: a metric pair is entered by its module
// and its lengths are millimetres.
void SetUnitCaptions(const GearPairState& state, OutputTable& table) {
    table.title = InLengthUnit(kOutputTitle, state.Unit);
    table[OutputRow::DiametralPitch].caption = NormalPitchCaption(state.Unit);
    table[OutputRow::TransverseDiametralPitch].caption = TransversePitchCaption(state.Unit);
}

std::string NormalPitchText(const GearPairState& state) {
    return PatternOfSingleGeneral(TypedNormalPitch(state), kEnteredValueDecimals);
}

std::string TransversePitchText(const GearPairState& state) {
    return PatternOfSingleGeneral(TransversePitch(state), kEnteredValueDecimals);
}

// The entered values, as the external window shows them after the orientation step.
void FillExternalInputs(const GearPairState& state, OutputTable& table) {
    const bool spur = state.HA == 0;
    table[OutputRow::OperatingPressureAngle].caption =
        spur ? "Operating Pressure Angle" : "Operating Pressure Angle (Transverse)";
    SetEach(table[OutputRow::Teeth], SingleGeneralText(state.NT1), SingleGeneralText(state.NT2));
    SetBoth(table[OutputRow::DiametralPitch], NormalPitchText(state));
    SetBoth(table[OutputRow::TransverseDiametralPitch], spur ? kNotShown : TransversePitchText(state));
    SetBoth(table[OutputRow::TransversePressureAngle],
            spur ? kNotShown : PatternOfSingleGeneral(state.TPA, kEnteredValueDecimals));
    SetEach(table[OutputRow::PitchDiameter], PatternOfSingleGeneral(state.PD1, kEnteredValueDecimals),
            PatternOfSingleGeneral(state.PD2, kEnteredValueDecimals));
    SetEach(table[OutputRow::BaseDiameter], PatternOfDoubleGeneral(state.DB1, kPreciseDecimals),
            PatternOfDoubleGeneral(state.DB2, kPreciseDecimals));
    SetBoth(table[OutputRow::PressureAngle],
            Degrees(PatternOfSingleGeneral(state.PA, kEnteredValueDecimals)));
    SetBoth(table[OutputRow::HelixAngle], Degrees(PatternOfSingleGeneral(state.HA, kEnteredValueDecimals)));
    SetEach(table[OutputRow::OutsideDiameter], PatternOfSingleGeneral(state.OD1, kEnteredValueDecimals),
            PatternOfSingleGeneral(state.OD2, kEnteredValueDecimals));
    SetBoth(table[OutputRow::CenterDistance], PatternOfSingleGeneral(state.CD, kEnteredValueDecimals));
}

void FillDiameters(const PairResult& result, OutputTable& table) {
    SetEach(table[OutputRow::ModificationCoefficient], PatternValue(result.X1, kResultDecimals),
            PatternValue(result.X2, kResultDecimals));
    SetEach(table[OutputRow::SAPDiameter], PatternValue(result.SAP1, kResultDecimals),
            PatternValue(result.SAP2, kResultDecimals));
    SetEach(table[OutputRow::TIFDiameter], PatternValue(result.TIF1, kResultDecimals),
            PatternValue(result.TIF2, kResultDecimals));
}

void FillAngles(const PairResult& result, OutputTable& table) {
    SetEach(table[OutputRow::RollTIF], Roll(result.RollTIF1), Roll(result.RollTIF2));
    SetEach(table[OutputRow::RollSAP], Roll(result.RollSAP1), Roll(result.RollSAP2));
    SetEach(table[OutputRow::RollPitch], Roll(result.RollPD1), Roll(result.RollPD2));
    SetEach(table[OutputRow::RollOutside], Roll(result.RollOD1), Roll(result.RollOD2));
    SetBoth(table[OutputRow::OperatingPressureAngle],
            Degrees(PatternValue(result.OperatingPA, kResultDecimals)));
    SetBoth(table[OutputRow::ProfileOverlap], PatternValue(result.ProfileOverlap, kResultDecimals));
}

void StartFill(OutputTable& table) {
    table.warnings.clear();
    table.fault.reset();
}

} // namespace

const OutputTable& NewExternalTable() {
    static const OutputTable fresh = NewTable("GEAR", "to");
    return fresh;
}

const OutputTable& NewInternalTable() {
    static const OutputTable fresh = NewTable("INTERNAL GEAR", "at");
    return fresh;
}

void FillExternalTable(GearPairState& state, OutputTable& table) {
    StartFill(table);
    SetUnitCaptions(state, table);
    const char* step = "orientation";
    try {
        ExternalPairCalculation calculation(state);
        calculation.Orient();
        FillExternalInputs(state, table);
        step = "pair geometry";
        calculation.Geometry();
        FillDiameters(calculation.Result(), table);
        step = "roll angles";
        calculation.RollAngles();
        FillAngles(calculation.Result(), table);
        calculation.Restore();
    } catch (const ArithmeticError&) {
        table.fault = CalculationFault{step, FaultMessage()};
    }
}

void FillInternalTable(GearPairState& state, OutputTable& table) {
    StartFill(table);
    SetUnitCaptions(state, table);
    const Single entryTPA = TransversePressureAngle(state);
    PairResult result;
    std::string transversePitch;
    try {
        result = CalcInternalPair(state);
        transversePitch = TransversePitchText(state);
    } catch (const ArithmeticError&) {
        table.fault = CalculationFault{"internal pair calculation", FaultMessage()};
        return;
    }
    const bool spur = state.HA == 0;
    table[OutputRow::DiametralPitch].caption =
        spur ? PitchCaption(state.Unit) : NormalPitchCaption(state.Unit);
    table[OutputRow::PressureAngle].caption = spur ? "Pressure Angle" : "Normal Pressure Angle";
    table[OutputRow::OperatingPressureAngle].caption =
        spur ? "Operating Pressure Angle" : "Operating Pressure Angle (Transverse)";
    table[OutputRow::OutsideDiameter].caption = "Pinion Outside Dia. / Gear Inside Dia.";

    SetEach(table[OutputRow::Teeth], SingleGeneralText(state.NT1), SingleGeneralText(state.NT2));
    SetBoth(table[OutputRow::DiametralPitch], NormalPitchText(state));
    SetBoth(table[OutputRow::TransverseDiametralPitch], spur ? kNotApplicable : transversePitch);
    SetBoth(table[OutputRow::PressureAngle],
            Degrees(PatternOfSingleGeneral(state.PA, kEnteredValueDecimals)));
    // The angle the base diameters were refreshed with, the one the input window derived.
    SetBoth(table[OutputRow::TransversePressureAngle],
            spur ? kNotApplicable : Degrees(PatternOfSingleGeneral(entryTPA, kEnteredValueDecimals)));
    SetBoth(table[OutputRow::HelixAngle], Degrees(PatternOfSingleGeneral(state.HA, kEnteredValueDecimals)));
    SetEach(table[OutputRow::BaseDiameter], PatternOfDoubleGeneral(state.DB1, kPreciseDecimals),
            PatternOfDoubleGeneral(state.DB2, kPreciseDecimals));
    SetEach(table[OutputRow::PitchDiameter], PatternOfSingleGeneral(state.PD1, kEnteredValueDecimals),
            PatternOfSingleGeneral(state.PD2, kEnteredValueDecimals));
    SetEach(table[OutputRow::OutsideDiameter], PatternOfSingleGeneral(state.OD1, kEnteredValueDecimals),
            PatternOfSingleGeneral(state.OD2, kEnteredValueDecimals));
    SetBoth(table[OutputRow::CenterDistance], PatternOfSingleGeneral(state.CD, kEnteredValueDecimals));
    FillDiameters(result, table);
    FillAngles(result, table);

    // Contact on the internal gear starts at its base circle when the inside diameter lies inside it.
    if (Single(state.DB2) > state.OD2) {
        table.warnings.push_back(
            Message{"Warning the gear inside diameter is smaller than the base diameter. "
                    "Please check your input gear data",
                    std::string(kMessageTitle), MessageIcon::Stop});
    }
}

} // namespace korvanta
