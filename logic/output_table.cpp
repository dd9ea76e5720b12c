#include "logic/output_table.h"

#include "core/number_text.h"
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
void SetUnitCaptions(LengthUnit unit, OutputTable& table) {
    table.title = InLengthUnit(kOutputTitle, unit);
    table[OutputRow::DiametralPitch].caption = NormalPitchCaption(unit);
    table[OutputRow::TransverseDiametralPitch].caption = TransversePitchCaption(unit);
}

std::string Entered(Single value) {
    return PatternOfSingleGeneral(value, kEnteredValueDecimals);
}

std::string Precise(double value) {
    return PatternOfDoubleGeneral(value, kPreciseDecimals);
}

std::string Result(Single value) {
    return PatternValue(value, kResultDecimals);
}

// The entered values, as the external window shows them after the orientation step.
void FillExternalValues(const PairValues& values, OutputTable& table) {
    const bool spur = values.helixAngle == 0;
    table[OutputRow::OperatingPressureAngle].caption =
        spur ? "Operating Pressure Angle" : "Operating Pressure Angle (Transverse)";
    SetEach(table[OutputRow::Teeth], SingleGeneralText(values.teeth.pinion),
            SingleGeneralText(values.teeth.gear));
    SetBoth(table[OutputRow::DiametralPitch], Entered(values.normalPitch));
    SetBoth(table[OutputRow::TransverseDiametralPitch], spur ? kNotShown : Entered(values.transversePitch));
    SetBoth(table[OutputRow::TransversePressureAngle],
            spur ? kNotShown : Entered(values.transversePressureAngle));
    SetEach(table[OutputRow::PitchDiameter], Entered(values.pitchDiameter.pinion),
            Entered(values.pitchDiameter.gear));
    SetEach(table[OutputRow::BaseDiameter], Precise(values.baseDiameter.pinion),
            Precise(values.baseDiameter.gear));
    SetBoth(table[OutputRow::PressureAngle], Degrees(Entered(values.pressureAngle)));
    SetBoth(table[OutputRow::HelixAngle], Degrees(Entered(values.helixAngle)));
    SetEach(table[OutputRow::OutsideDiameter], Entered(values.outsideDiameter.pinion),
            Entered(values.outsideDiameter.gear));
    SetBoth(table[OutputRow::CenterDistance], Entered(values.centerDistance));
}

void FillInternalValues(const PairValues& values, LengthUnit unit, OutputTable& table) {
    const bool spur = values.helixAngle == 0;
    table[OutputRow::DiametralPitch].caption = spur ? PitchCaption(unit) : NormalPitchCaption(unit);
    table[OutputRow::PressureAngle].caption = spur ? "Pressure Angle" : "Normal Pressure Angle";
    table[OutputRow::OperatingPressureAngle].caption =
        spur ? "Operating Pressure Angle" : "Operating Pressure Angle (Transverse)";
    table[OutputRow::OutsideDiameter].caption = "Pinion Outside Dia. / Gear Inside Dia.";

    SetEach(table[OutputRow::Teeth], SingleGeneralText(values.teeth.pinion),
            SingleGeneralText(values.teeth.gear));
    SetBoth(table[OutputRow::DiametralPitch], Entered(values.normalPitch));
    SetBoth(table[OutputRow::TransverseDiametralPitch],
            spur ? kNotApplicable : Entered(values.transversePitch));
    SetBoth(table[OutputRow::PressureAngle], Degrees(Entered(values.pressureAngle)));
    SetBoth(table[OutputRow::TransversePressureAngle],
            spur ? kNotApplicable : Degrees(Entered(values.transversePressureAngle)));
    SetBoth(table[OutputRow::HelixAngle], Degrees(Entered(values.helixAngle)));
    SetEach(table[OutputRow::BaseDiameter], Precise(values.baseDiameter.pinion),
            Precise(values.baseDiameter.gear));
    SetEach(table[OutputRow::PitchDiameter], Entered(values.pitchDiameter.pinion),
            Entered(values.pitchDiameter.gear));
    SetEach(table[OutputRow::OutsideDiameter], Entered(values.outsideDiameter.pinion),
            Entered(values.outsideDiameter.gear));
    SetBoth(table[OutputRow::CenterDistance], Entered(values.centerDistance));
}

void FillDiameters(const PairResult& result, OutputTable& table) {
    SetEach(table[OutputRow::ModificationCoefficient], Result(result.X.pinion), Result(result.X.gear));
    SetEach(table[OutputRow::SAPDiameter], Result(result.SAP.pinion), Result(result.SAP.gear));
    SetEach(table[OutputRow::TIFDiameter], Result(result.TIF.pinion), Result(result.TIF.gear));
}

void FillAngles(const PairResult& result, OutputTable& table) {
    SetEach(table[OutputRow::RollTIF], Roll(result.RollTIF.pinion), Roll(result.RollTIF.gear));
    SetEach(table[OutputRow::RollSAP], Roll(result.RollSAP.pinion), Roll(result.RollSAP.gear));
    SetEach(table[OutputRow::RollPitch], Roll(result.RollPD.pinion), Roll(result.RollPD.gear));
    SetEach(table[OutputRow::RollOutside], Roll(result.RollOD.pinion), Roll(result.RollOD.gear));
    SetBoth(table[OutputRow::OperatingPressureAngle], Degrees(Result(result.OperatingPA)));
    SetBoth(table[OutputRow::ProfileOverlap], Result(result.ProfileOverlap));
}

// The stage the fault met, as the command names it.
const char* StepName(PairStage stage) {
    switch (stage) {
    case PairStage::Orientation:
        return "orientation";
    case PairStage::Geometry:
        return "pair geometry";
    case PairStage::RollAngles:
        return "roll angles";
    case PairStage::InternalPair:
        return "internal pair calculation";
    }
    return "";
}

// The one warning there is: the internal gear's inside diameter within its base circle.
Message WarningMessage(PairWarning) {
    return Message{"Warning the gear inside diameter is smaller than the base diameter. "
                   "Please check your input gear data",
                   std::string(kMessageTitle), MessageIcon::Stop};
}

// The external table fills as its calculation goes: a fault leaves the stages before it shown.
void FillExternal(const PairSolution& solution, OutputTable& table) {
    const std::optional<PairStage> fault = solution.fault;
    if (fault == PairStage::Orientation) {
        return;
    }
    FillExternalValues(solution.values, table);
    if (fault == PairStage::Geometry) {
        return;
    }
    FillDiameters(solution.result, table);
    if (fault == PairStage::RollAngles) {
        return;
    }
    FillAngles(solution.result, table);
}

void FillInternal(const PairSolution& solution, OutputTable& table) {
    if (solution.fault) {
        return;
    }
    FillInternalValues(solution.values, solution.calculated.Unit, table);
    FillDiameters(solution.result, table);
    FillAngles(solution.result, table);
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

const OutputTable& NewTableOf(PairKind kind) {
    return kind == PairKind::Internal ? NewInternalTable() : NewExternalTable();
}

void FillFreshTable(const PairSolution& solution, OutputTable& table) {
    const OutputTable& fresh = NewTableOf(solution.kind);
    if (!solution.Complete() || table.columns != fresh.columns) {
        table = fresh;
    }
    FillTable(solution, table);
}

void FillTable(const PairSolution& solution, OutputTable& table) {
    table.warnings.clear();
    table.fault.reset();
    SetUnitCaptions(solution.calculated.Unit, table);
    if (solution.kind == PairKind::Internal) {
        FillInternal(solution, table);
    } else {
        FillExternal(solution, table);
    }
    for (PairWarning warning : solution.warnings) {
        table.warnings.push_back(WarningMessage(warning));
    }
    if (solution.fault) {
        table.fault = CalculationFault{StepName(*solution.fault), FaultMessage()};
    }
}

} // namespace korvanta
