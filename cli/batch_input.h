#pragma once

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "cli/batch_columns.h"
#include "cli/csv_reader.h"
#include "cli/measurement_inputs.h"
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
    // Unknown, repeated or empty column names and a malformed header are errors of the whole file. The
    // columns pin1, pin2, span1 and span2 are known with `measure` only.
    static std::variant<BatchHeader, std::string> Parse(const CsvRecord& header, bool measure);

    // The pair of one row: every non-empty cell typed into its field, as the single-pair options do,
    // and its measuring tools, with `measure` set as the header was parsed. A row with another number
    // of cells than the header, a value the field's keys would refuse, or both a dp and a module
    // gives no pair. The inputs are assigned, whatever they held, so that a batch reuses one for
    // every row; they are not for use after an error.
    std::optional<RowError> Inputs(const CsvRecord& row, PairInputs& inputs) const;

    // Whether the file names the column "module": its rows may be metric pairs.
    bool HasModule() const { return moduleColumn_.has_value(); }

    // The units of the row's pair: millimetres when its module cell is filled, inches otherwise; none
    // for a malformed row or one that fills both dp and module.
    std::optional<LengthUnit> Unit(const CsvRecord& row) const;

    // Whether the file names the columns "class" and "face_width": its rows may ask for tolerances.
    bool HasTolerances() const { return classColumn_.has_value(); }
    // Whether the file names the column "id", which is not calculated but copied into the output.
    bool HasId() const { return idColumn_.has_value(); }

    // The row's id cell, unchanged; empty for a malformed row, whose cells cannot be matched to the
    // columns.
    std::string Id(const CsvRecord& row) const;

private:
    // What a column holds: an input, a measuring tool, or (neither) the id.
    struct Column {
        const BatchInputColumn* input = nullptr;
        const MeasurementInput* measurement = nullptr;
    };

    std::vector<Column> columns_;
    std::optional<std::size_t> idColumn_;
    std::optional<std::size_t> dpColumn_;
    std::optional<std::size_t> moduleColumn_;
    std::optional<std::size_t> classColumn_;
    std::optional<std::size_t> faceWidthColumn_;
    bool measure_ = false;
};

} // namespace korvanta::cli
