#include "cli/batch_run.h"

#include "cli/batch_input.h"
#include "cli/batch_output.h"
#include "cli/csv_reader.h"

namespace korvanta::cli {

namespace {

void Write(std::FILE* stream, const std::string& text) {
    std::fwrite(text.data(), 1, text.size(), stream);
}

RowStatus StatusOf(RunStatus status) {
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

// The outcome of one record into `row`, whatever it held: every member is assigned, not replaced, so
// that the texts keep their storage from row to row.
void Calculate(const BatchHeader& header, const CsvRecord& record, BatchRow& row) {
    row.line = record.line;
    if (header.HasId()) {
        row.id = header.Id(record);
    }
    auto inputs = header.Inputs(record);
    if (auto* error = std::get_if<RowError>(&inputs)) {
        static const PairRunResult noPair;
        row.result = noPair;
        row.status = error->malformed ? RowStatus::Malformed : RowStatus::Invalid;
        row.error = std::move(*error);
        return;
    }
    row.error = RowError{};
    RunPair(std::get<PairInputs>(inputs), row.result);
    row.status = StatusOf(row.result.status);
}

} // namespace

std::variant<int, BatchFileError> RunBatch(std::streambuf& input, std::FILE* output, std::FILE* errors,
                                           const BatchOptions& options) {
    CsvReader reader(input);
    const std::optional<CsvRecord> headerRecord = reader.Next();
    if (!headerRecord) {
        return BatchFileError{"the batch file has no header row"};
    }
    auto parsed = BatchHeader::Parse(*headerRecord);
    if (auto* message = std::get_if<std::string>(&parsed)) {
        return BatchFileError{*message};
    }
    const BatchHeader& header = std::get<BatchHeader>(parsed);
    if (!options.json) {
        Write(output, BatchCsvHeader(header.HasId()));
    }
    int status = 0;
    BatchRow row;
    while (const std::optional<CsvRecord> record = reader.Next()) {
        Calculate(header, *record, row);
        Write(output, options.json ? BatchJsonLine(row) : BatchCsvLine(row));
        if (row.status != RowStatus::Ok) {
            status = 1;
            Write(errors, "line " + std::to_string(row.line) + ": " + RowMessage(row) + "\n");
        }
    }
    return status;
}

} // namespace korvanta::cli
