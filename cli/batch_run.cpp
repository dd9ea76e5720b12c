#include "cli/batch_run.h"

#include "cli/batch_input.h"
#include "cli/batch_output.h"
#include "cli/csv_reader.h"
#include "cli/exit_status.h"
#include "cli/visible_text.h"

namespace korvanta::cli {

namespace {

// The outcome of one record into `row`, whatever it held: every member is assigned, not replaced, so
// that the texts keep their storage from row to row.
void Calculate(const BatchHeader& header, const CsvRecord& record, PairInputs& inputs, BatchRow& row) {
    row.line = record.line;
    if (header.HasId()) {
        row.id = header.Id(record);
    }
    row.withUnits = header.HasModule();
    row.withTolerances = header.HasTolerances();
    row.unit = header.Unit(record);
    if (auto error = header.Inputs(record, inputs)) {
        static const PairRunResult noPair;
        row.result = noPair;
        row.status = error->malformed ? RowStatus::Malformed : RowStatus::Invalid;
        row.error = std::move(*error);
        return;
    }
    row.error = RowError{};
    RunPair(inputs, row.result);
    row.status = RowStatusOf(row.result.status);
}

BatchFileError ReadFailure(const FileInput& input) {
    return {"cannot read '" + VisibleText(input.Name()) + "': " + input.ReadError()->message(),
            kInputOutputStatus};
}

BatchFileError WriteFailure(const OutputChannel& channel, std::string_view what) {
    return {"cannot write the " + std::string(what) + ": " + channel.WriteError()->message(),
            kInputOutputStatus};
}

} // namespace

std::variant<int, BatchFileError> RunBatch(FileInput& input, OutputChannel& output, OutputChannel& errors,
                                           const BatchOptions& options) {
    CsvReader reader(input);
    const std::optional<CsvRecord> headerRecord = reader.Next();
    if (input.ReadError()) {
        return ReadFailure(input);
    }
    if (!headerRecord) {
        return BatchFileError{"the batch file has no header row", kUsageStatus};
    }
    auto parsed = BatchHeader::Parse(*headerRecord, options.measure);
    if (auto* message = std::get_if<std::string>(&parsed)) {
        return BatchFileError{*message, kUsageStatus};
    }
    const BatchHeader& header = std::get<BatchHeader>(parsed);
    if (!options.json && !output.Write(BatchCsvHeader(header.HasId(), options.measure, header.HasModule(),
                                                      header.HasTolerances()))) {
        return WriteFailure(output, "results");
    }
    int status = 0;
    // Reused from row to row, so that their texts keep their storage.
    CsvRecord record;
    PairInputs inputs;
    BatchRow row;
    std::string line;
    for (;;) {
        // What is done is sent on before the input may have to be waited for.
        if (reader.Buffered() == 0 && input.in_avail() <= 0 && !output.Flush()) {
            return WriteFailure(output, "results");
        }
        // A record cut short by a failed read is not the row the file holds.
        if (!reader.Next(record) || input.ReadError()) {
            break;
        }
        Calculate(header, record, inputs, row);
        if (options.json) {
            line = BatchJsonLine(row);
        } else {
            line.clear();
            AppendBatchCsvLine(row, options.measure, line);
        }
        if (!output.Write(line)) {
            return WriteFailure(output, "results");
        }
        if (row.status != RowStatus::Ok) {
            status = 1;
            if (!errors.Write("line " + std::to_string(row.line) + ": " + RowMessage(row) + "\n")) {
                return WriteFailure(errors, "messages");
            }
        }
    }
    if (!output.Flush()) {
        return WriteFailure(output, "results");
    }
    if (input.ReadError()) {
        return ReadFailure(input);
    }
    return status;
}

} // namespace korvanta::cli
