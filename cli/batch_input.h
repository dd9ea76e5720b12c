#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/batch_columns.h"
#include "cli/csv_reader.h"
#include "cli/pair_run.h"

namespace korvanta::cli {

// Why a row gives no pair: a cell's value, or the row's CSV form.
struct RowError {
    std::string message;
    std::optional<InputField> field; // the field whose cell holds the value
    bool malformed = false;          // the row is not a CSV row of the header's shape
};

// The header row of a batch file: which input each column holds.
class BatchHeader {
public:
    // Unknown, repeated or empty column names and a malformed header are errors of the whole file.
    static std::variant<BatchHeader, std::string> Parse(const CsvRecord& header);

    // The pair of one row: every non-empty cell typed into its field, as the single-pair options do.
    // A row with another number of cells than the header, or a value the field's keys would refuse,
    // gives no pair.
    std::variant<PairInputs, RowError> Inputs(const CsvRecord& row) const;

    // Whether the file names the column "id", which is not calculated but copied into the output.
    bool HasId() const { return idColumn_.has_value(); }

    // The row's id cell, unchanged; empty for a malformed row, whose cells cannot be matched to the
    // columns.
    std::string Id(const CsvRecord& row) const;

private:
    std::vector<const BatchInputColumn*> columns_; // none at the id column
    std::optional<std::size_t> idColumn_;
};

} // namespace korvanta::cli
