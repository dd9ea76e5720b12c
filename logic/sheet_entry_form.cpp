#include "logic/sheet_entry_form.h"

#include <charconv>
#include <cmath>

#include "core/number_text.h"
#include "logic/key_filter.h"
#include "logic/unit_texts.h"

namespace korvanta {

namespace {

// A text the form cannot keep; thrown from the reading of one field to the caller.
struct Refused {
    SheetEntryRefusal refusal;
};

std::string Quoted(std::string_view text) {
    return "\"" + std::string(text) + "\"";
}

std::string_view Trimmed(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The number of a whole text of digits with at most one decimal point; none for anything else.
std::optional<double> DecimalNumber(std::string_view text) {
    if (text.empty() || !OnlyAllowed(kNumberKeys, text) || text == ".") {
        return std::nullopt;
    }
    double value = 0.0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
    if (error != std::errc() || last != end || !std::isfinite(value)) {
        return std::nullopt;
    }
    return value;
}

std::string MemberName(Member member) {
    return member == Member::Gear ? "gear" : "pinion";
}

[[noreturn]] void Refuse(SheetEntryField field, std::string message) {
    throw Refused{{field, std::move(message)}};
}

std::optional<double> FaceWidthOf(std::string_view typed, LengthUnit unit) {
    const std::string_view text = Trimmed(typed);
    if (text.empty()) {
        return std::nullopt;
    }
    const std::optional<double> value = DecimalNumber(text);
    if (!value || *value <= 0.0) {
        Refuse({SheetEntryItem::FaceWidth}, "The face width takes a number above 0 (in " +
                                                std::string(UnitSymbol(unit)) + "), not " + Quoted(typed) +
                                                ".");
    }
    return value;
}

std::optional<int> AccuracyClassOf(std::string_view typed) {
    const std::string_view text = Trimmed(typed);
    if (text.empty()) {
        return std::nullopt;
    }
    int value = 0;
    const char* end = text.data() + text.size();
    const auto [last, error] = std::from_chars(text.data(), end, value);
    if (!OnlyAllowed(kToothKeys, text) || error != std::errc() || last != end ||
        value < kLowestAccuracyClass || value > kHighestAccuracyClass) {
        Refuse({SheetEntryItem::AccuracyClass},
               "The accuracy class takes a whole number from 1 to 11 (ISO 1328-1:2013), or nothing for no "
               "tolerances, not " +
                   Quoted(typed) + ".");
    }
    return value;
}

std::optional<TipRelief> TipReliefOf(const TipReliefTexts& texts, Member member, LengthUnit unit) {
    const std::string_view start = Trimmed(texts.start);
    const std::string_view least = Trimmed(texts.least);
    const std::string_view most = Trimmed(texts.most);
    if (start.empty() && least.empty() && most.empty()) {
        return std::nullopt;
    }
    const std::string owner = "The " + MemberName(member) + "'s";
    const auto field = [member](SheetEntryItem item) { return SheetEntryField{item, member}; };
    const std::pair<SheetEntryItem, std::string_view> parts[] = {{SheetEntryItem::ReliefStart, start},
                                                                 {SheetEntryItem::ReliefLeast, least},
                                                                 {SheetEntryItem::ReliefMost, most}};
    for (const auto& [item, text] : parts) {
        if (text.empty()) {
            Refuse(field(item), owner +
                                    " tip relief needs its start, its least and its most relief: give all "
                                    "three, or none for no tip relief.");
        }
    }
    const bool byDiameter = texts.startGiven == TipRelief::StartGiven::Diameter;
    TipRelief relief;
    relief.startGiven = texts.startGiven;
    const std::optional<double> startValue = DecimalNumber(start);
    if (!startValue || *startValue <= 0.0) {
        Refuse(field(SheetEntryItem::ReliefStart),
               owner + " start of tip relief takes " +
                   (byDiameter ? "a diameter above 0 (in " + std::string(UnitSymbol(unit)) + ")"
                               : std::string("a roll angle above 0 (in degrees)")) +
                   ", not " + Quoted(texts.start) + ".");
    }
    relief.start = *startValue;
    const std::string amount = "an amount of 0 or more (in " + std::string(DeviationUnitOf(unit)) + ")";
    const std::optional<double> leastValue = DecimalNumber(least);
    if (!leastValue) {
        Refuse(field(SheetEntryItem::ReliefLeast),
               owner + " least tip relief takes " + amount + ", not " + Quoted(texts.least) + ".");
    }
    const std::optional<double> mostValue = DecimalNumber(most);
    if (!mostValue) {
        Refuse(field(SheetEntryItem::ReliefMost),
               owner + " most tip relief takes " + amount + ", not " + Quoted(texts.most) + ".");
    }
    relief.least = *leastValue;
    relief.most = *mostValue;
    if (relief.least > relief.most) {
        Refuse(field(SheetEntryItem::ReliefLeast), owner + " least tip relief (" + std::string(least) +
                                                       ") is more than its most (" + std::string(most) +
                                                       ").");
    }
    return relief;
}

TipReliefTexts TextsOf(const std::optional<TipRelief>& relief) {
    if (!relief) {
        return {};
    }
    return {relief->startGiven, ShortestFixedText(relief->start), ShortestFixedText(relief->least),
            ShortestFixedText(relief->most)};
}

} // namespace

std::variant<SheetEntries, SheetEntryRefusal> SheetEntriesOf(const SheetEntryTexts& texts, LengthUnit unit) {
    try {
        SheetEntries entries;
        entries.faceWidth = FaceWidthOf(texts.faceWidth, unit);
        entries.accuracyClass = AccuracyClassOf(texts.accuracyClass);
        entries.helixHand = texts.helixHand;
        for (Member member : kMembers) {
            entries.tipRelief[member] = TipReliefOf(texts.tipRelief[member], member, unit);
        }
        return entries;
    } catch (const Refused& refused) {
        return refused.refusal;
    }
}

SheetEntryTexts TextsOf(const SheetEntries& entries) {
    SheetEntryTexts texts;
    if (entries.faceWidth) {
        texts.faceWidth = ShortestFixedText(*entries.faceWidth);
    }
    if (entries.accuracyClass) {
        texts.accuracyClass = std::to_string(*entries.accuracyClass);
    }
    texts.helixHand = entries.helixHand;
    for (Member member : kMembers) {
        texts.tipRelief[member] = TextsOf(entries.tipRelief[member]);
    }
    return texts;
}

} // namespace korvanta
