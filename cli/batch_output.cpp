#include "cli/batch_output.h"

#include <algorithm>
#include <vector>

#include "cli/batch_columns.h"
#include "cli/command_name.h"
#include "cli/json_writer.h"
#include "cli/visible_text.h"
#include "logic/measurement_rows.h"
#include "logic/unit_texts.h"

namespace korvanta::cli {

namespace {

std::string_view StatusName(RowStatus status) {
    switch (status) {
    case RowStatus::Rejected:
        return "rejected";
    case RowStatus::Fault:
        return "fault";
    case RowStatus::Invalid:
        return "invalid";
    case RowStatus::Malformed:
        return "malformed";
    case RowStatus::Ok:
        break;
    }
    return "ok";
}

// RFC 4180: a cell holding a comma, a quote or a line break goes in quotes, its quotes doubled.
void AppendCell(std::string& line, std::string_view cell) {
    const bool plain = std::none_of(cell.begin(), cell.end(),
                                    [](char c) { return c == ',' || c == '"' || c == '\r' || c == '\n'; });
    if (plain) {
        line += cell;
        return;
    }
    line += '"';
    for (char c : cell) {
        line += c;
        if (c == '"') {
            line += '"';
        }
    }
    line += '"';
}

std::string Joined(const std::vector<std::string>& texts) {
    std::string joined;
    for (const std::string& text : texts) {
        joined += (joined.empty() ? "" : "\n") + text;
    }
    return joined;
}

bool HasPair(RowStatus status) {
    return status == RowStatus::Ok || status == RowStatus::Rejected || status == RowStatus::Fault;
}

// The members that identify the row in its file: "line" and, when the file has one, "id"; then the
// row's "units" when the file names a module column.
std::vector<JsonMember> RowIdentity(const BatchRow& row) {
    std::vector<JsonMember> identity{{"line", std::to_string(row.line)}};
    if (row.id) {
        identity.push_back({"id", JsonString(*row.id)});
    }
    if (row.withUnits) {
        identity.push_back({kUnitsMember, row.unit ? JsonString(UnitSymbol(*row.unit)) : "null"});
    }
    return identity;
}

// The pitch cells of a file with a module column: the diametral pitch pair, then the module pair; the
// row's cells in the pair of its units, the other pair empty.
void AppendPitchCells(std::string& line, const OutputCell& cell, const std::optional<LengthUnit>& unit) {
    const bool metric = unit == LengthUnit::Millimetre;
    if (metric) {
        line += ",,";
    }
    line += ',';
    AppendCell(line, cell.pinion);
    line += ',';
    AppendCell(line, cell.gear);
    if (!metric) {
        line += ",,";
    }
}

// The measurement cells after the table's: empty when the row produced no table.
void AppendMeasurementCells(std::string& line, const std::optional<MeasuredPair>& measured) {
    if (!measured) {
        line.append(2 + 2 * kMeasurementKeys.size(), ',');
        return;
    }
    line += ',';
    line += measured->texts.contactRatio;
    line += ',';
    const std::vector<std::string_view> interfering = InterferingMembers(measured->values);
    for (std::size_t i = 0; i < interfering.size(); ++i) {
        line += i == 0 ? "" : " ";
        line += interfering[i];
    }
    for (const MeasurementKey& key : kMeasurementKeys) {
        line += ',';
        line += measured->texts.members.pinion.*key.text;
        line += ',';
        line += measured->texts.members.gear.*key.text;
    }
}

} // namespace

std::string RowMessage(const BatchRow& row) {
    switch (row.status) {
    case RowStatus::Rejected:
        return row.result.rejection->text;
    case RowStatus::Fault:
        return row.result.table.fault->message.text;
    case RowStatus::Invalid:
    case RowStatus::Malformed:
        return row.error.message;
    case RowStatus::Ok:
        break;
    }
    return "";
}

std::string BatchCsvHeader(bool withId, bool measure, bool withUnits) {
    std::string line = withId ? "line,id,status,type" : "line,status,type";
    if (withUnits) {
        line += ",units";
    }
    const auto appendPair = [&line](std::string_view name) {
        line += "," + std::string(name) + "_pinion," + std::string(name) + "_gear";
    };
    for (std::size_t row = 0; row < kOutputRowNames.size(); ++row) {
        appendPair(kOutputRowNames[row]);
        if (withUnits && IsPitchRow(row)) {
            appendPair(OutputRowName(row, LengthUnit::Millimetre));
        }
    }
    if (measure) {
        line += ",contact_ratio,interference";
        for (const MeasurementKey& key : kMeasurementKeys) {
            line += "," + std::string(key.key) + "_pinion," + std::string(key.key) + "_gear";
        }
    }
    return line + ",warnings,message\n";
}

std::string BatchCsvLine(const BatchRow& row, bool measure) {
    // Room for a line of a calculated pair, so that it is not moved while it grows.
    constexpr std::size_t kTypicalLength = 512;
    std::string line;
    line.reserve(kTypicalLength);
    line += std::to_string(row.line);
    line += ',';
    if (row.id) {
        AppendCell(line, VisibleText(*row.id));
        line += ',';
    }
    line += StatusName(row.status);
    line += ',';
    if (HasPair(row.status)) {
        line += row.result.type == PairKind::Internal ? "internal" : "external";
    }
    if (row.withUnits) {
        line += ',';
        line += row.unit ? UnitSymbol(*row.unit) : "";
    }
    const auto& cells = row.result.table.rows;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (row.withUnits && IsPitchRow(i)) {
            AppendPitchCells(line, cells[i], row.unit);
            continue;
        }
        line += ',';
        AppendCell(line, cells[i].pinion);
        line += ',';
        AppendCell(line, cells[i].gear);
    }
    if (measure) {
        AppendMeasurementCells(line, row.result.measurements);
    }
    line += ',';
    AppendCell(line, Joined(row.result.warnings));
    line += ',';
    AppendCell(line, RowMessage(row));
    line += '\n';
    return line;
}

std::string BatchJsonLine(const BatchRow& row) {
    const std::vector<JsonMember> identity = RowIdentity(row);
    if (HasPair(row.status)) {
        return ResultJson(row.result, JsonLayout::Compact, identity);
    }
    const std::string_view field = row.error.field ? FieldControlName(*row.error.field) : "";
    return ErrorJson({kCommandName, row.error.message, field}, JsonLayout::Compact, identity);
}

} // namespace korvanta::cli
