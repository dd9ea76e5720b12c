#include "cli/json_writer.h"

#include <array>
#include <cstdio>
#include <span>
#include <utility>

#include "cli/batch_columns.h"
#include "cli/tolerance_keys.h"
#include "cli/visible_text.h"
#include "core/input_field.h"
#include "core/number_text.h"
#include "logic/measurement_rows.h"

namespace korvanta::cli {

namespace {

bool NeedsEscape(char c) {
    return c == '"' || c == '\\' || static_cast<unsigned char>(c) < 0x20;
}

void AppendEscaped(std::string& out, char c) {
    switch (c) {
    case '"':
        out += "\\\"";
        break;
    case '\\':
        out += "\\\\";
        break;
    case '\b':
        out += "\\b";
        break;
    case '\f':
        out += "\\f";
        break;
    case '\n':
        out += "\\n";
        break;
    case '\r':
        out += "\\r";
        break;
    case '\t':
        out += "\\t";
        break;
    default:
        char escaped[8];
        std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
        out += escaped;
    }
}

// The object is written by appending to one text (a result has some hundred strings), the characters
// between two escapes at once. A byte that is not part of well-formed UTF-8 becomes U+FFFD, so that the
// text is valid JSON whatever a refused cell held.
void AppendString(std::string& out, std::string_view text) {
    out += '"';
    std::size_t plainStart = 0;
    std::size_t i = 0;
    while (i < text.size()) {
        const std::size_t length =
            static_cast<unsigned char>(text[i]) < 0x80 ? 1 : Utf8SequenceLength(text, i);
        if (length == 1 && !NeedsEscape(text[i])) {
            ++i;
            continue;
        }
        if (length > 1) {
            i += length;
            continue;
        }
        out.append(text.substr(plainStart, i - plainStart));
        if (length == 0) {
            out += kReplacementCharacter;
        } else {
            AppendEscaped(out, text[i]);
        }
        plainStart = ++i;
    }
    out.append(text.substr(plainStart));
    out += '"';
}

// The object being written and its layout: where Pretty starts a new line with an indent, Compact
// writes one blank.
struct JsonText {
    std::string text;
    JsonLayout layout;

    JsonText& operator+=(std::string_view part) {
        text += part;
        return *this;
    }
    JsonText& operator+=(char c) {
        text += c;
        return *this;
    }
    void Break(std::string_view indent) {
        if (layout == JsonLayout::Compact) {
            text += ' ';
            return;
        }
        text += '\n';
        text += indent;
    }
};

// Indents of the pretty layout: the object's members, the items of its lists and the members of a
// measurement.
constexpr std::string_view kMemberIndent = " ";
constexpr std::string_view kItemIndent = "  ";
constexpr std::string_view kMeasuredMemberIndent = "   ";

void AppendString(JsonText& out, std::string_view text) {
    AppendString(out.text, text);
}

void AppendField(JsonText& out, std::string_view name, std::string_view value) {
    AppendString(out, name);
    out += ": ";
    AppendString(out, value);
}

// The name of a member, ready for its value: on a new line of the pretty layout.
void AppendMemberName(JsonText& out, std::string_view name) {
    out += ',';
    out.Break(kMemberIndent);
    AppendString(out, name);
    out += ": ";
}

template <class Item, class Append>
void AppendList(JsonText& out, std::span<const Item> items, Append append) {
    out += '[';
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i != 0) {
            out += ',';
            out.Break(kItemIndent);
        }
        append(out, items[i]);
    }
    out += ']';
}

void AppendStrings(JsonText& out, const std::vector<std::string>& texts) {
    AppendList(out, std::span<const std::string>(texts),
               [](JsonText& list, const std::string& text) { AppendString(list, text); });
}

// The rows of the table (with `filledOnly`, those a fault left empty are skipped). A row's key is the
// name its columns carry in the batch CSV: unlike the caption, it does not change with the helix angle,
// only the pitch rows' with the units.
void AppendRows(JsonText& out, const std::array<OutputCell, kOutputRowCount>& rows, LengthUnit unit,
                bool filledOnly) {
    out += '[';
    bool first = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const OutputCell& cell = rows[i];
        if (filledOnly && cell.pinion.empty() && cell.gear.empty()) {
            continue;
        }
        if (!first) {
            out += ',';
            out.Break(kItemIndent);
        }
        first = false;
        out += '{';
        AppendField(out, "key", OutputRowName(i, unit));
        out += ", ";
        AppendField(out, "caption", cell.caption);
        out += ", ";
        AppendField(out, "pinion", cell.pinion);
        out += ", ";
        AppendField(out, "gear", cell.gear);
        out += '}';
    }
    out += ']';
}

void AppendAngle(JsonText& out, const AngleEntry& entry) {
    out += '{';
    AppendField(out, "member", entry.member == Member::Gear ? "gear" : "pinion");
    out += ", ";
    AppendField(out, "diameter", entry.diameter);
    out += ", ";
    AppendField(out, "pressure", entry.pressure);
    out += ", ";
    AppendField(out, "roll", entry.roll);
    if (entry.error) {
        out += ", ";
        AppendField(out, "error", *entry.error);
    }
    out += '}';
}

// A flag as JSON: null where nothing was measured.
void AppendFlag(JsonText& out, std::optional<bool> flag) {
    out += !flag ? "null" : *flag ? "true" : "false";
}

void AppendMember(JsonText& out, std::string_view member, const MemberMeasurements& values,
                  const MemberMeasurementTexts& texts) {
    out += '{';
    AppendField(out, "member", member);
    for (const MeasurementKey& key : kMeasurementKeys) {
        out += ", ";
        if (key.flag) {
            AppendString(out, key.key);
            out += ": ";
            AppendFlag(out, key.flag(values));
        } else {
            AppendField(out, key.key, texts.*key.text);
        }
    }
    out += '}';
}

void AppendMeasurements(JsonText& out, const MeasuredPair& measured) {
    out += '{';
    AppendField(out, "contact_ratio", measured.texts.contactRatio);
    out += ", \"interference\": [";
    const std::vector<std::string_view> interfering = InterferingMembers(measured.values);
    for (std::size_t i = 0; i < interfering.size(); ++i) {
        out += i == 0 ? "" : ", ";
        AppendString(out, interfering[i]);
    }
    out += "],";
    out.Break(kItemIndent);
    out += "\"members\": [";
    AppendMember(out, kMeasurementMemberNames[0], measured.values.members.pinion,
                 measured.texts.members.pinion);
    out += ',';
    out.Break(kMeasuredMemberIndent);
    AppendMember(out, kMeasurementMemberNames[1], measured.values.members.gear, measured.texts.members.gear);
    out += "]}";
}

// Each tolerance in micrometres as the standard rounds it; an inch pair's also in inches.
void AppendTolerances(JsonText& out, const PairTolerances& tolerances, LengthUnit unit) {
    out += '{';
    AppendField(out, "standard", kToleranceStandard);
    out += ", \"class\": " + std::to_string(tolerances.accuracyClass) + ", ";
    AppendField(out, "unit", "µm");
    out += ',';
    out.Break(kItemIndent);
    out += "\"members\": [";
    for (Member member : kMembers) {
        const Tolerances& t = tolerances.members[member];
        if (member == Member::Gear) {
            out += ',';
            out.Break(kMeasuredMemberIndent);
        }
        out += '{';
        AppendField(out, "member", kMeasurementMemberNames[IndexOf(member)]);
        for (const ToleranceKey& key : kToleranceKeys) {
            out += ", ";
            AppendField(out, key.key, ToleranceText(t.*key.value));
            if (unit == LengthUnit::Inch) {
                out += ", ";
                AppendField(out, std::string(key.key) + "_in", PatternValue(t.*key.value / 25400.0, 5));
            }
        }
        out += ", \"outside_range\": [";
        const std::vector<std::string_view> outside = OutsideRange(t);
        for (std::size_t i = 0; i < outside.size(); ++i) {
            out += i == 0 ? "" : ", ";
            AppendString(out, outside[i]);
        }
        out += "]}";
    }
    out += "]}";
}

void AppendLeading(JsonText& out, std::span<const JsonMember> leading) {
    for (const JsonMember& member : leading) {
        AppendString(out, member.name);
        out += ": ";
        out += member.value;
        out += ", ";
    }
}

// The error member of a pair the entries or the calculation stopped: title, message, and what stopped
// it as `placeName` (the field, or the calculation step).
void AppendError(JsonText& out, std::string_view title, std::string_view message, std::string_view placeName,
                 std::string_view place) {
    out += "\"error\": {";
    AppendField(out, "title", title);
    out += ", ";
    AppendField(out, "message", message);
    out += ", ";
    AppendField(out, placeName, place);
    out += '}';
}

void AppendRejected(JsonText& out, std::span<const JsonMember> leading, const JsonError& error,
                    const std::vector<std::string>& warnings) {
    AppendLeading(out, leading);
    AppendError(out, error.title, error.message, "field", error.field);
    AppendMemberName(out, "warnings");
    AppendStrings(out, warnings);
}

void AppendFaulted(JsonText& out, std::span<const JsonMember> leading, const PairRunResult& result) {
    const CalculationFault& fault = *result.table.fault;
    AppendLeading(out, leading);
    AppendError(out, fault.message.title, fault.message.text, "step", fault.step);
    AppendMemberName(out, "rows");
    AppendRows(out, result.table.rows, result.unit, true);
    AppendMemberName(out, "warnings");
    AppendStrings(out, result.warnings);
}

void AppendProduced(JsonText& out, std::span<const JsonMember> leading, const PairRunResult& result) {
    const OutputTable& table = result.table;
    AppendLeading(out, leading);
    AppendField(out, "type", result.type == PairKind::Internal ? "internal" : "external");
    AppendMemberName(out, "title");
    AppendString(out, table.title);
    AppendMemberName(out, "columns");
    out += '[';
    AppendString(out, table.columns[0]);
    out += ", ";
    AppendString(out, table.columns[1]);
    out += ']';
    AppendMemberName(out, "rows");
    AppendRows(out, table.rows, result.unit, false);
    AppendMemberName(out, "warnings");
    AppendStrings(out, result.warnings);
    AppendMemberName(out, "angles");
    AppendList(out, std::span<const AngleEntry>(result.angles), AppendAngle);
    if (result.measurements) {
        AppendMemberName(out, "measurements");
        AppendMeasurements(out, *result.measurements);
    }
    if (result.tolerances) {
        AppendMemberName(out, "tolerances");
        AppendTolerances(out, *result.tolerances, result.unit);
    }
}

// Room for the object of a calculated pair, so that it is not moved while it grows.
constexpr std::size_t kTypicalLength = 2048;

JsonText StartObject(JsonLayout layout) {
    JsonText out{std::string(), layout};
    out.text.reserve(kTypicalLength);
    out += '{';
    return out;
}

// The closing brace; every object ends its line, in both layouts.
std::string EndObject(JsonText& out) {
    out += "}\n";
    return std::move(out.text);
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string quoted;
    AppendString(quoted, text);
    return quoted;
}

std::string ResultJson(const PairRunResult& result, JsonLayout layout, std::span<const JsonMember> leading) {
    JsonText out = StartObject(layout);
    switch (result.status) {
    case RunStatus::Rejected: {
        const std::string_view field = result.rejectedField ? FieldControlName(*result.rejectedField) : "";
        AppendRejected(out, leading, {result.rejection->title, result.rejection->text, field},
                       result.warnings);
        break;
    }
    case RunStatus::Fault:
        AppendFaulted(out, leading, result);
        break;
    case RunStatus::Produced:
        AppendProduced(out, leading, result);
        break;
    }
    return EndObject(out);
}

std::string ErrorJson(const JsonError& error, JsonLayout layout, std::span<const JsonMember> leading) {
    JsonText out = StartObject(layout);
    AppendRejected(out, leading, error, {});
    return EndObject(out);
}

} // namespace korvanta::cli
