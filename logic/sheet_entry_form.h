#pragma once

#include <optional>
#include <string>
#include <variant>

#include "core/length_unit.h"
#include "core/member.h"
#include "logic/sheet_entries.h"

namespace korvanta {

// The sheet's small form without its widgets. A Qt form shows the texts of TextsOf in line edits (the
// accuracy class may be a combo box of "" and "1" to "11", the hand and each member's kind of start
// radio buttons or combo boxes), and on OK hands what is shown to SheetEntriesOf: either the entries to
// keep in the session, or the refusal to show with the focus on the field it names.

// A member's tip relief as typed: all three texts empty for none.
struct TipReliefTexts {
    TipRelief::StartGiven startGiven = TipRelief::StartGiven::Diameter;
    std::string start; // the diameter in the pair's length unit, or the roll angle in degrees
    std::string least; // the relief at the outside diameter, in the chart's unit of deviation
    std::string most;

    bool operator==(const TipReliefTexts&) const = default;
};

struct SheetEntryTexts {
    std::string faceWidth;     // empty: none
    std::string accuracyClass; // empty: no class, no tolerances
    std::optional<HelixHand> helixHand;
    PerMember<TipReliefTexts> tipRelief; // the output table's columns

    bool operator==(const SheetEntryTexts&) const = default;
};

// The fields of the form a refusal can name; the member only for the tip relief's fields.
enum class SheetEntryItem { FaceWidth, AccuracyClass, ReliefStart, ReliefLeast, ReliefMost };

struct SheetEntryField {
    SheetEntryItem item = SheetEntryItem::FaceWidth;
    Member member = Member::Pinion;

    bool operator==(const SheetEntryField&) const = default;
};

// Why the form's texts cannot be kept: the field, and a sentence naming it and what it takes.
struct SheetEntryRefusal {
    SheetEntryField field;
    std::string message;
};

// The entries the texts give, for a pair in `unit`: a number is the whole text, digits with at most
// one decimal point (blanks around it aside). The face width is above 0, the class a whole number from
// 1 to 11, a tip relief's start above 0 and its amounts 0 or more with the least not above the most;
// a tip relief is given whole or not at all. The first field in the form's order that does not hold
// what it takes is refused.
std::variant<SheetEntries, SheetEntryRefusal> SheetEntriesOf(const SheetEntryTexts& texts, LengthUnit unit);

// The texts that show the entries, which SheetEntriesOf reads back as the same entries.
SheetEntryTexts TextsOf(const SheetEntries& entries);

} // namespace korvanta
