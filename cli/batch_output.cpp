#include "cli/batch_output.h"
#include "cli/tolerance_keys.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cstdint>
#include <cstring>
#include <vector>

#include "cli/batch_columns.h"
#include "cli/command_name.h"
#include "cli/json_writer.h"
#include "cli/visible_text.h"
#include "core/short_copy.h"
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

// The characters that put a cell in quotes: a comma, a quote and the line breaks.
constexpr std::array<bool, 256> kQuotedCharacters = [] {
    std::array<bool, 256> quoted{};
    for (const unsigned char c : {',', '"', '\r', '\n'}) {
        quoted[c] = true;
    }
    return quoted;
}();

// RFC 4180: the cell in quotes, its quotes doubled.
void AppendQuotedCell(std::string& line, std::string_view cell) {
    line += '"';
    for (char c : cell) {
        line += c;
        if (c == '"') {
            line += '"';
        }
    }
    line += '"';
}

// A cell holding a comma, a quote or a line break goes in quotes. Looked at without a branch per
// character: the cells are mostly short numbers, which hold none of them.
void AppendCell(std::string& line, std::string_view cell) {
    bool quoted = false;
    for (const char c : cell) {
        quoted |= kQuotedCharacters[static_cast<unsigned char>(c)];
    }
    if (quoted) {
        AppendQuotedCell(line, cell);
    } else {
        line += cell;
    }
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

// Calls `visit` with each cell of the output table in the order of the columns: the two of every row,
// and in a file with a module column the diametral pitch pair then the module pair of each pitch row,
// the row's cells in the pair of its units, the other pair empty.
template <class Visit> void ForEachTableCell(const BatchRow& row, Visit&& visit) {
    const bool metric = row.unit == LengthUnit::Millimetre;
    const auto& cells = row.result.table.rows;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        const bool withModule = row.withUnits && IsPitchRow(i);
        if (withModule && metric) {
            visit(std::string_view());
            visit(std::string_view());
        }
        visit(std::string_view(cells[i].pinion));
        visit(std::string_view(cells[i].gear));
        if (withModule && !metric) {
            visit(std::string_view());
            visit(std::string_view());
        }
    }
}

// Whether a word of characters may hold one that needs quotes: one up to the comma (the quote and the
// line breaks among them). All the bytes of the word are looked at at once; a character that only
// looks suspect costs the cell by cell writing, never a wrong line.
template <class Word> bool MayNeedQuotes(Word word) {
    constexpr Word kOnes = static_cast<Word>(~Word{0}) / 0xFF;
    constexpr Word kHighBits = kOnes * 0x80;
    constexpr unsigned char kAboveComma = ',' + 1;
    // A byte below kAboveComma sets its high bit here (bytes of 128 and above never do).
    return ((word - kOnes * kAboveComma) & ~word & kHighBits) != 0;
}

// Copies each cell after a comma and looks at its characters while they are moved. Inlined at each
// call, so that the end of the copy and the finding stay in registers.
struct CellCopy {
    char* out;
    bool suspect = false;

    [[gnu::always_inline]] void operator()(std::string_view cell) {
        *out++ = ',';
        out = CopyShort(cell.data(), cell.size(), out, [this](auto word) { suspect |= MayNeedQuotes(word); });
    }
};

// Each cell of the output table after a comma. The cells are numbers and short words, which need no
// quotes: they are copied into the line in one pass and looked at while they are moved; should one
// need quotes, the cells are written one by one instead.
void AppendTableCells(const BatchRow& row, std::string& line) {
    std::size_t length = 0;
    ForEachTableCell(row, [&length](std::string_view cell) { length += 1 + cell.size(); });
    const std::size_t start = line.size();
    line.resize(start + length);
    CellCopy copy{line.data() + start};
    ForEachTableCell(row, copy);
    if (!copy.suspect) {
        return;
    }
    line.resize(start);
    ForEachTableCell(row, [&line](std::string_view cell) {
        line += ',';
        AppendCell(line, cell);
    });
}

} // namespace

RowStatus RowStatusOf(RunStatus status) {
    switch (status) {
    case RunStatus::Rejected:
        return RowStatus::Rejected;
    case RunStatus::Fault:
        return RowStatus::Fault;
    case RunStatus::Produced:
        break;
    }
    return RowStatus::Ok;
}

namespace {

// The tolerance cells in micrometres, outside_range naming the entries separated by a blank: empty
// when the row asked for none or produced no table.
void AppendToleranceCells(std::string& line, const std::optional<PairTolerances>& tolerances) {
    if (!tolerances) {
        line.append(2 * (kToleranceKeys.size() + 1), ',');
        return;
    }
    for (const ToleranceKey& key : kToleranceKeys) {
        for (Member member : kMembers) {
            line += ',';
            line += ToleranceText(tolerances->members[member].*key.value);
        }
    }
    for (Member member : kMembers) {
        line += ',';
        const std::vector<std::string_view> outside = OutsideRange(tolerances->members[member]);
        for (std::size_t i = 0; i < outside.size(); ++i) {
            line += i == 0 ? "" : " ";
            line += outside[i];
        }
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

std::string BatchCsvHeader(bool withId, bool measure, bool withUnits, bool tolerances) {
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
    if (tolerances) {
        for (const ToleranceKey& key : kToleranceKeys) {
            appendPair(key.key);
        }
        appendPair("outside_range");
    }
    return line + ",warnings,message\n";
}

std::string BatchCsvLine(const BatchRow& row, bool measure) {
    // Room for a line of a calculated pair, so that it is not moved while it grows.
    constexpr std::size_t kTypicalLength = 512;
    std::string line;
    line.reserve(kTypicalLength);
    AppendBatchCsvLine(row, measure, line);
    return line;
}

void AppendBatchCsvLine(const BatchRow& row, bool measure, std::string& line) {
    std::array<char, 24> number{};
    line.append(number.data(), std::to_chars(number.data(), number.data() + number.size(), row.line).ptr);
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
    AppendTableCells(row, line);
    if (measure) {
        AppendMeasurementCells(line, row.result.measurements);
    }
    if (row.withTolerances) {
        AppendToleranceCells(line, row.result.tolerances);
    }
    line += ',';
    AppendCell(line, Joined(row.result.warnings));
    line += ',';
    AppendCell(line, RowMessage(row));
    line += '\n';
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
