#include "logic/sheet_texts.h"

#include "core/number_text.h"
#include "logic/unit_texts.h"

namespace korvanta {

namespace {

// The measurements' rule: a tenth of a thousandth of an inch, or a tenth of a micrometre.
constexpr int kInchDecimals = 5;
constexpr int kMillimetreDecimals = 4;

} // namespace

std::string WithLengthUnit(std::string text, LengthUnit unit) {
    text += ' ';
    text += UnitSymbol(unit);
    return text;
}

std::string SheetLength(double length, LengthUnit unit) {
    return WithLengthUnit(
        PatternValue(length, unit == LengthUnit::Millimetre ? kMillimetreDecimals : kInchDecimals), unit);
}

std::string SheetEnteredLength(Single length, LengthUnit unit) {
    return WithLengthUnit(PatternOfSingleGeneral(length, kEnteredValueDecimals), unit);
}

std::string SheetDegrees(double degrees, int decimals) {
    std::string text = PatternValue(degrees, decimals);
    text += kDegreeSign;
    return text;
}

std::string SheetEnteredDegrees(Single degrees) {
    std::string text = PatternOfSingleGeneral(degrees, kEnteredValueDecimals);
    text += kDegreeSign;
    return text;
}

std::string SheetMemberName(PairKind kind, Member member) {
    if (member == Member::Pinion) {
        return "Pinion";
    }
    return kind == PairKind::Internal ? "Internal gear" : "Gear";
}

} // namespace korvanta
