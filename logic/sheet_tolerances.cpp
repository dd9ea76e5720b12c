#include "logic/sheet_tolerances.h"

#include <array>

#include "core/number_text.h"
#include "logic/sheet_texts.h"

namespace korvanta {

namespace {

constexpr const char* kMicrometres = " \xC2\xB5m";
constexpr double kMicrometresPerInch = 25400.0;

struct ToleranceRow {
    const char* caption;
    double Tolerances::*value;
};

constexpr std::array<ToleranceRow, 8> kToleranceRows = {{
    {"Single Pitch f_pT", &Tolerances::singlePitch},
    {"Total Cumulative Pitch F_pT", &Tolerances::totalCumulativePitch},
    {"Profile Slope f_H\xCE\xB1T", &Tolerances::profileSlope},
    {"Profile Form f_f\xCE\xB1T", &Tolerances::profileForm},
    {"Total Profile F_\xCE\xB1T", &Tolerances::totalProfile},
    {"Helix Slope f_H\xCE\xB2T", &Tolerances::helixSlope},
    {"Helix Form f_f\xCE\xB2T", &Tolerances::helixForm},
    {"Total Helix F_\xCE\xB2T", &Tolerances::totalHelix},
}};

// The micrometres as the standard shows them; an inch pair's inspector reads the inches beside them,
// to the five decimals of its lengths.
std::string ToleranceCell(double micrometres, LengthUnit unit) {
    std::string text = ToleranceText(micrometres) + kMicrometres;
    if (unit == LengthUnit::Inch) {
        text += " (" + SheetLength(micrometres / kMicrometresPerInch, LengthUnit::Inch) + ")";
    }
    return text;
}

std::string Millimetres(double value) {
    return SheetLength(value, LengthUnit::Millimetre);
}

// The entries of a member outside the range the formulas were made for, each with the range.
std::vector<std::string> OutsideEntries(const ToleranceEntries& e, const Tolerances& t) {
    std::vector<std::string> outside;
    if (t.teethOutsideRange) {
        outside.push_back("number of teeth " + DoubleGeneralText(e.teeth) + " (5 to 1000)");
    }
    if (t.diameterOutsideRange) {
        outside.push_back("reference diameter " + Millimetres(e.referenceDiameter) + " (5 to 15000 mm)");
    }
    if (t.moduleOutsideRange) {
        outside.push_back("normal module " + Millimetres(e.normalModule) + " (0.5 to 70 mm)");
    }
    if (t.faceWidthOutsideRange) {
        outside.push_back("face width " + Millimetres(e.faceWidth) + " (4 to 1200 mm)");
    }
    if (t.helixOutsideRange) {
        outside.push_back("helix angle " + SheetDegrees(e.helixAngle, kEnteredValueDecimals) +
                          " (up to 45\xC2\xB0)");
    }
    return outside;
}

std::string OutsideNote(const std::string& member, const std::vector<std::string>& outside) {
    std::string note = member + ": outside the range of " + kToleranceStandard + " in its ";
    for (std::size_t i = 0; i < outside.size(); ++i) {
        note += (i == 0 ? "" : i + 1 == outside.size() ? " and " : ", ") + outside[i];
    }
    return note + "; the tolerances are given all the same.";
}

std::string EditionNote(const SheetEntries& entries, LengthUnit unit) {
    std::string note = std::string("Tolerances to ") + kToleranceStandard + ", accuracy class " +
                       std::to_string(*entries.accuracyClass) + ", face width " +
                       SheetLength(*entries.faceWidth, unit);
    if (unit == LengthUnit::Inch) {
        note += " (" + Millimetres(ConvertedLength(*entries.faceWidth, unit, LengthUnit::Millimetre)) + ")";
    }
    return note + ".";
}

} // namespace

std::optional<SheetTolerances> SheetTolerancesOf(const PairSolution& solution, const SheetEntries& entries) {
    if (!entries.accuracyClass || !entries.faceWidth) {
        return std::nullopt;
    }
    const LengthUnit unit = solution.calculated.Unit;
    SheetTolerances sheet;
    sheet.notes.push_back(EditionNote(entries, unit));
    for (Member member : kMembers) {
        const ToleranceEntries e =
            ToleranceEntriesOf(solution, member, *entries.accuracyClass, *entries.faceWidth);
        sheet.values[member] = TolerancesOf(e);
        const std::vector<std::string> outside = OutsideEntries(e, sheet.values[member]);
        if (!outside.empty()) {
            sheet.notes.push_back(OutsideNote(SheetMemberName(solution.kind, member), outside));
        }
    }
    for (const ToleranceRow& row : kToleranceRows) {
        sheet.rows.push_back({row.caption,
                              {ToleranceCell(sheet.values.pinion.*row.value, unit),
                               ToleranceCell(sheet.values.gear.*row.value, unit)}});
    }
    return sheet;
}

} // namespace korvanta
