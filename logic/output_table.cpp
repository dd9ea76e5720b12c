#include "logic/output_table.h"

#include "core/number_text.h"
#include "core/short_copy.h"
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

// Every cell's text is written into the cell, which keeps its storage from pair to pair: a batch
// fills the same table for every row.
void SetBothText(OutputCell& cell, const char* text) {
    cell.pinion = text;
    AssignShort(cell.gear, cell.pinion);
}

template <class Value, class Write> void SetBoth(OutputCell& cell, Value value, Write write) {
    write(cell.pinion, value);
    AssignShort(cell.gear, cell.pinion);
}

template <class Value, class Write>
void SetEach(OutputCell& cell, const PerMember<Value>& values, Write write) {
    write(cell.pinion, values.pinion);
    write(cell.gear, values.gear);
}

void Teeth(std::string& cell, Single teeth) {
    cell = SingleGeneralText(teeth);
}

void Entered(std::string& cell, Single value) {
    AssignPatternOfSingleGeneral(cell, value, kEnteredValueDecimals);
}

void EnteredDegrees(std::string& cell, Single angle) {
    AssignPatternOfSingleGeneral(cell, angle, kEnteredValueDecimals, kDegreeSign);
}

void Precise(std::string& cell, double value) {
    AssignPatternOfDoubleGeneral(cell, value, kPreciseDecimals);
}

void Result(std::string& cell, Single value) {
    AssignPatternValue(cell, value, kResultDecimals);
}

void ResultDegrees(std::string& cell, Single angle) {
    AssignPatternValue(cell, angle, kResultDecimals, kDegreeSign);
}

void Roll(std::string& cell, Single angle) {
    AssignPatternValue(cell, angle, kRollAngleDecimals, kDegreeSign);
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
    static const std::string inchTitle = InLengthUnit(kOutputTitle, LengthUnit::Inch);
    static const std::string metricTitle = InLengthUnit(kOutputTitle, LengthUnit::Millimetre);
    table.title = unit == LengthUnit::Millimetre ? metricTitle : inchTitle;
    table[OutputRow::DiametralPitch].caption = NormalPitchCaption(unit);
    table[OutputRow::TransverseDiametralPitch].caption = TransversePitchCaption(unit);
}

// The entered values, as the external window shows them after the orientation step.
void FillExternalValues(const PairValues& values, OutputTable& table) {
    const bool spur = values.helixAngle == 0;
    table[OutputRow::OperatingPressureAngle].caption =
        spur ? "Operating Pressure Angle" : "Operating Pressure Angle (Transverse)";
    SetEach(table[OutputRow::Teeth], values.teeth, Teeth);
    SetBoth(table[OutputRow::DiametralPitch], values.normalPitch, Entered);
    if (spur) {
        SetBothText(table[OutputRow::TransverseDiametralPitch], kNotShown);
        SetBothText(table[OutputRow::TransversePressureAngle], kNotShown);
    } else {
        SetBoth(table[OutputRow::TransverseDiametralPitch], values.transversePitch, Entered);
        SetBoth(table[OutputRow::TransversePressureAngle], values.transversePressureAngle, Entered);
    }
    SetEach(table[OutputRow::PitchDiameter], values.pitchDiameter, Entered);
    SetEach(table[OutputRow::BaseDiameter], values.baseDiameter, Precise);
    SetBoth(table[OutputRow::PressureAngle], values.pressureAngle, EnteredDegrees);
    SetBoth(table[OutputRow::HelixAngle], values.helixAngle, EnteredDegrees);
    SetEach(table[OutputRow::OutsideDiameter], values.outsideDiameter, Entered);
    SetBoth(table[OutputRow::CenterDistance], values.centerDistance, Entered);
}

void FillInternalValues(const PairValues& values, LengthUnit unit, OutputTable& table) {
    const bool spur = values.helixAngle == 0;
    table[OutputRow::DiametralPitch].caption = spur ? PitchCaption(unit) : NormalPitchCaption(unit);
    table[OutputRow::PressureAngle].caption = spur ? "Pressure Angle" : "Normal Pressure Angle";
    table[OutputRow::OperatingPressureAngle].caption =
        spur ? "Operating Pressure Angle" : "Operating Pressure Angle (Transverse)";
    table[OutputRow::OutsideDiameter].caption = "Pinion Outside Dia. / Gear Inside Dia.";

    SetEach(table[OutputRow::Teeth], values.teeth, Teeth);
    SetBoth(table[OutputRow::DiametralPitch], values.normalPitch, Entered);
    if (spur) {
        SetBothText(table[OutputRow::TransverseDiametralPitch], kNotApplicable);
    } else {
        SetBoth(table[OutputRow::TransverseDiametralPitch], values.transversePitch, Entered);
    }
    SetBoth(table[OutputRow::PressureAngle], values.pressureAngle, EnteredDegrees);
    if (spur) {
        SetBothText(table[OutputRow::TransversePressureAngle], kNotApplicable);
    } else {
        SetBoth(table[OutputRow::TransversePressureAngle], values.transversePressureAngle, EnteredDegrees);
    }
    SetBoth(table[OutputRow::HelixAngle], values.helixAngle, EnteredDegrees);
    SetEach(table[OutputRow::BaseDiameter], values.baseDiameter, Precise);
    SetEach(table[OutputRow::PitchDiameter], values.pitchDiameter, Entered);
    SetEach(table[OutputRow::OutsideDiameter], values.outsideDiameter, Entered);
    SetBoth(table[OutputRow::CenterDistance], values.centerDistance, Entered);
}

void FillDiameters(const PairResult& result, OutputTable& table) {
    SetEach(table[OutputRow::ModificationCoefficient], result.X, Result);
    SetEach(table[OutputRow::SAPDiameter], result.SAP, Result);
    SetEach(table[OutputRow::TIFDiameter], result.TIF, Result);
}

void FillAngles(const PairResult& result, OutputTable& table) {
    SetEach(table[OutputRow::RollTIF], result.RollTIF, Roll);
    SetEach(table[OutputRow::RollSAP], result.RollSAP, Roll);
    SetEach(table[OutputRow::RollPitch], result.RollPD, Roll);
    SetEach(table[OutputRow::RollOutside], result.RollOD, Roll);
    SetBoth(table[OutputRow::OperatingPressureAngle], result.OperatingPA, ResultDegrees);
    SetBoth(table[OutputRow::ProfileOverlap], result.ProfileOverlap, Result);
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
    if (!solution.Complete()) {
        table = fresh;
    } else if (table.columns != fresh.columns) {
        // A complete fill writes every cell, the title, the warnings and the fault: only the columns
        // and the captions of the other kind's table have to give way.
        table.columns = fresh.columns;
        for (std::size_t row = 0; row < table.rows.size(); ++row) {
            table.rows[row].caption = fresh.rows[row].caption;
        }
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
