#include "cli/pair_output.h"

#include <vector>

#include "cli/batch_output.h"
#include "cli/json_writer.h"
#include "cli/table_writer.h"
#include "logic/unit_texts.h"

namespace korvanta::cli {

std::string ResultText(const PairRunResult& result, OutputFormat format, bool measure) {
    switch (format) {
    case OutputFormat::Json: {
        std::vector<JsonMember> units;
        if (result.unit == LengthUnit::Millimetre) {
            units.push_back({kUnitsMember, JsonString(UnitSymbol(result.unit))});
        }
        return ResultJson(result, JsonLayout::Pretty, units);
    }
    case OutputFormat::Csv: {
        BatchRow row;
        row.line = 1;
        row.withUnits = true;
        row.unit = result.unit;
        row.status = RowStatusOf(result.status);
        row.result = result;
        return BatchCsvHeader(false, measure, true) + BatchCsvLine(row, measure);
    }
    case OutputFormat::Table:
        break;
    }
    return result.status == RunStatus::Rejected ? std::string() : ResultTable(result);
}

} // namespace korvanta::cli
