#include "cli/json_writer.h"

#include <cstdio>

#include "core/input_field.h"

namespace korvanta::cli {

namespace {

std::string Field(std::string_view name, std::string_view value) {
    return JsonString(name) + ": " + JsonString(value);
}

template <class Item, class Write> std::string List(const std::vector<Item>& items, Write write) {
    std::string list = "[";
    for (std::size_t i = 0; i < items.size(); ++i) {
        list += (i == 0 ? "" : ",\n  ") + write(items[i]);
    }
    return list + "]";
}

std::string Strings(const std::vector<std::string>& texts) {
    return List(texts, [](const std::string& text) { return JsonString(text); });
}

std::string Row(const OutputCell& cell) {
    return "{" + Field("caption", cell.caption) + ", " + Field("pinion", cell.pinion) + ", " +
           Field("gear", cell.gear) + "}";
}

std::string Angle(const AngleEntry& entry) {
    std::string object = "{" + Field("member", entry.member == Member::Gear ? "gear" : "pinion") + ", " +
                         Field("diameter", entry.diameter) + ", " + Field("pressure", entry.pressure) + ", " +
                         Field("roll", entry.roll);
    if (entry.error) {
        object += ", " + Field("error", *entry.error);
    }
    return object + "}";
}

std::string Rejected(const PairRunResult& result) {
    return "{\"error\": {" + Field("title", result.rejection->title) + ", " +
           Field("message", result.rejection->text) + ", " +
           Field("field", result.rejectedField ? FieldControlName(*result.rejectedField) : "") +
           "},\n \"warnings\": " + Strings(result.warnings) + "}\n";
}

std::string Faulted(const PairRunResult& result) {
    std::vector<OutputCell> filled;
    for (const OutputCell& cell : result.table.rows) {
        if (!cell.pinion.empty() || !cell.gear.empty()) {
            filled.push_back(cell);
        }
    }
    const CalculationFault& fault = *result.table.fault;
    return "{\"error\": {" + Field("title", fault.message.title) + ", " +
           Field("message", fault.message.text) + ", " + Field("step", fault.step) +
           "},\n \"rows\": " + List(filled, Row) + ",\n \"warnings\": " + Strings(result.warnings) + "}\n";
}

std::string Produced(const PairRunResult& result) {
    const OutputTable& table = result.table;
    return "{" + Field("type", result.type == PairType::Internal ? "internal" : "external") + ",\n " +
           Field("title", table.title) + ",\n \"columns\": [" + JsonString(table.columns[0]) + ", " +
           JsonString(table.columns[1]) +
           "],\n \"rows\": " + List(std::vector<OutputCell>(table.rows.begin(), table.rows.end()), Row) +
           ",\n \"warnings\": " + Strings(result.warnings) + ",\n \"angles\": " + List(result.angles, Angle) +
           "}\n";
}

} // namespace

std::string JsonString(std::string_view text) {
    std::string quoted = "\"";
    for (char c : text) {
        switch (c) {
        case '"':
            quoted += "\\\"";
            break;
        case '\\':
            quoted += "\\\\";
            break;
        case '\b':
            quoted += "\\b";
            break;
        case '\f':
            quoted += "\\f";
            break;
        case '\n':
            quoted += "\\n";
            break;
        case '\r':
            quoted += "\\r";
            break;
        case '\t':
            quoted += "\\t";
            break;
        default:
            if (static_cast<unsigned char>(c) < 0x20) {
                char escaped[8];
                std::snprintf(escaped, sizeof escaped, "\\u%04x", static_cast<unsigned>(c));
                quoted += escaped;
            } else {
                quoted += c;
            }
        }
    }
    return quoted + "\"";
}

std::string ResultJson(const PairRunResult& result) {
    switch (result.status) {
    case RunStatus::Rejected:
        return Rejected(result);
    case RunStatus::Fault:
        return Faulted(result);
    case RunStatus::Produced:
        break;
    }
    return Produced(result);
}

} // namespace korvanta::cli
