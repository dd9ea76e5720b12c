#include "cli/json_writer.h"

#include <array>
#include <cstdio>
#include <span>

#include "cli/batch_columns.h"
#include "logic/measurement_rows.h"
#include "cli/visible_text.h"
#include "core/input_field.h"

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

void AppendField(std::string& out, std::string_view name, std::string_view value) {
    AppendString(out, name);
    out += ": ";
    AppendString(out, value);
}

template <class Item, class Append>
void AppendList(std::string& out, std::span<const Item> items, Append append) {
    out += '[';
    for (std::size_t i = 0; i < items.size(); ++i) {
        if (i != 0) {
            out += ",\n  ";
        }
        append(out, items[i]);
    }
    out += ']';
}

void AppendStrings(std::string& out, const std::vector<std::string>& texts) {
    AppendList(out, std::span<const std::string>(texts), AppendString);
}

// The rows of the table (with `filledOnly`, those a fault left empty are skipped). A row's key is the
// name its columns carry in the batch CSV: unlike the caption, it does not change with the helix angle.
void AppendRows(std::string& out, const std::array<OutputCell, kOutputRowCount>& rows, bool filledOnly) {
    out += '[';
    bool first = true;
    for (std::size_t i = 0; i < rows.size(); ++i) {
        const OutputCell& cell = rows[i];
        if (filledOnly && cell.pinion.empty() && cell.gear.empty()) {
            continue;
        }
        if (!first) {
            out += ",\n  ";
        }
        first = false;
        out += '{';
        AppendField(out, "key", kOutputRowNames[i]);
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

void AppendAngle(std::string& out, const AngleEntry& entry) {
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

// A flag as JSON: "Yes" true, "No" false, "NA" (nothing measured) null.
void AppendFlag(std::string& out, std::string_view text) {
    out += text == "Yes" ? "true" : text == "No" ? "false" : "null";
}

void AppendMember(std::string& out, std::string_view member, const MemberMeasurementTexts& texts) {
    out += '{';
    AppendField(out, "member", member);
    for (const MeasurementKey& key : kMeasurementKeys) {
        out += ", ";
        if (key.flag) {
            AppendString(out, key.key);
            out += ": ";
            AppendFlag(out, texts.*key.text);
        } else {
            AppendField(out, key.key, texts.*key.text);
        }
    }
    out += '}';
}

void AppendMeasurements(std::string& out, const PairMeasurementTexts& measured) {
    out += '{';
    AppendField(out, "contact_ratio", measured.contactRatio);
    out += ", \"interference\": [";
    const std::vector<std::string_view> interfering = InterferingMembers(measured);
    for (std::size_t i = 0; i < interfering.size(); ++i) {
        out += i == 0 ? "" : ", ";
        AppendString(out, interfering[i]);
    }
    out += "],\n  \"members\": [";
    AppendMember(out, kMeasurementMemberNames[0], measured.members[0]);
    out += ",\n   ";
    AppendMember(out, kMeasurementMemberNames[1], measured.members[1]);
    out += "]}";
}

void AppendRejected(std::string& out, const PairRunResult& result) {
    out += "{\"error\": {";
    AppendField(out, "title", result.rejection->title);
    out += ", ";
    AppendField(out, "message", result.rejection->text);
    out += ", ";
    AppendField(out, "field", result.rejectedField ? FieldControlName(*result.rejectedField) : "");
    out += "},\n \"warnings\": ";
    AppendStrings(out, result.warnings);
    out += "}\n";
}

void AppendFaulted(std::string& out, const PairRunResult& result) {
    const CalculationFault& fault = *result.table.fault;
    out += "{\"error\": {";
    AppendField(out, "title", fault.message.title);
    out += ", ";
    AppendField(out, "message", fault.message.text);
    out += ", ";
    AppendField(out, "step", fault.step);
    out += "},\n \"rows\": ";
    AppendRows(out, result.table.rows, true);
    out += ",\n \"warnings\": ";
    AppendStrings(out, result.warnings);
    out += "}\n";
}

void AppendProduced(std::string& out, const PairRunResult& result) {
    const OutputTable& table = result.table;
    out += '{';
    AppendField(out, "type", result.type == PairType::Internal ? "internal" : "external");
    out += ",\n ";
    AppendField(out, "title", table.title);
    out += ",\n \"columns\": [";
    AppendString(out, table.columns[0]);
    out += ", ";
    AppendString(out, table.columns[1]);
    out += "],\n \"rows\": ";
    AppendRows(out, table.rows, false);
    out += ",\n \"warnings\": ";
    AppendStrings(out, result.warnings);
    out += ",\n \"angles\": ";
    AppendList(out, std::span<const AngleEntry>(result.angles), AppendAngle);
    if (result.measurements) {
        out += ",\n \"measurements\": ";
        AppendMeasurements(out, *result.measurements);
    }
    out += "}\n";
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string quoted;
    AppendString(quoted, text);
    return quoted;
}

std::string ResultJson(const PairRunResult& result) {
    // Room for the object of a calculated pair, so that it is not moved while it grows.
    constexpr std::size_t kTypicalLength = 2048;
    std::string out;
    out.reserve(kTypicalLength);
    switch (result.status) {
    case RunStatus::Rejected:
        AppendRejected(out, result);
        break;
    case RunStatus::Fault:
        AppendFaulted(out, result);
        break;
    case RunStatus::Produced:
        AppendProduced(out, result);
        break;
    }
    return out;
}

} // namespace korvanta::cli
