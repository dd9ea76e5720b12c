#pragma once

#include <optional>
#include <string>

#include "cli/batch_input.h"
#include "cli/pair_run.h"

namespace korvanta::cli {

enum class RowStatus { Ok, Rejected, Fault, Invalid, Malformed };

// The row status of a pair the command ran.
RowStatus RowStatusOf(RunStatus status);

// The outcome of one row of a batch file.
struct BatchRow {
    LineNumber line = 0;
    std::optional<std::string> id; // the row's id cell, when the file has an id column
    // Whether the file names a module column, so that every row tells its units: those of its pair
    // (`unit`), or none when the row cannot tell them.
    bool withUnits = false;
    // Whether the file names the class and face_width columns, so that every row has the tolerance
    // cells (empty but for a produced table with a class).
    bool withTolerances = false;
    std::optional<LengthUnit> unit;
    RowStatus status = RowStatus::Ok;
    PairRunResult result; // Ok, Rejected and Fault
    RowError error;       // Invalid and Malformed
};

// The rejection, fault or error message of a bad row; empty for a good one.
std::string RowMessage(const BatchRow& row);

// The first line of the CSV output: line, id (when the file has an id column), status, type, with
// `withUnits` units, the two cells of every output row (named in kOutputRowNames; with `withUnits`
// each pitch row has also the two cells of its module, named in kModuleRowNames, after its own), with
// `measure` contact_ratio, interference and the two cells of every member measurement (named in
// kMeasurementKeys), then warnings, message.
// With `tolerances`, the two cells of every tolerance (named in kToleranceKeys) and outside_range
// come after the measurements.
std::string BatchCsvHeader(bool withId, bool measure, bool withUnits, bool tolerances = false);

// One CSV line: the cells as the output window shows them (those a fault left unfilled are empty; an
// inch pair leaves the module cells empty, a metric pair the diametral pitch cells), with `measure`
// the measurements (empty but for a produced table; interference names the flagged members separated
// by a blank), the warnings separated by line feeds, the rejection, fault or error message.
std::string BatchCsvLine(const BatchRow& row, bool measure);
// The same line appended to `line`: a batch writes every row into one text, which keeps its storage.
void AppendBatchCsvLine(const BatchRow& row, bool measure, std::string& line);

// One JSON line: the single-pair command's object with "line" (and "id", and "units": "in", "mm" or null
// when the row cannot tell them) first; an invalid or malformed row gives an error object of the same
// shape as a rejection.
std::string BatchJsonLine(const BatchRow& row);

} // namespace korvanta::cli
