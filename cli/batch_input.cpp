#include "cli/batch_input.h"

#include <algorithm>

#include "cli/value_check.h"
#include "cli/visible_text.h"

namespace korvanta::cli {

namespace {

constexpr std::string_view kIdColumn = "id";
constexpr std::string_view kDpColumn = "dp";
constexpr std::string_view kClassColumn = "class";
constexpr std::string_view kFaceWidthColumn = "face_width";

std::string_view Trimmed(std::string_view text) {
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string_view::npos) {
        return {};
    }
    return text.substr(first, text.find_last_not_of(" \t") - first + 1);
}

const BatchInputColumn* ColumnNamed(std::string_view name) {
    const auto* column = std::find_if(kBatchInputColumns.begin(), kBatchInputColumns.end(),
                                      [name](const BatchInputColumn& known) { return known.name == name; });
    return column == kBatchInputColumns.end() ? nullptr : column;
}

std::string KnownNames(bool measure) {
    std::string names;
    for (const BatchInputColumn& column : kBatchInputColumns) {
        names += (names.empty() ? "" : ",") + std::string(column.name);
    }
    if (measure) {
        for (const MeasurementInput& input : kMeasurementInputs) {
            names += "," + std::string(input.name);
        }
    }
    return names + "," + std::string(kClassColumn) + "," + std::string(kFaceWidthColumn) + "," +
           std::string(kIdColumn);
}

// Whether the row fills the column, when the file names it.
bool Filled(const CsvRecord& row, const std::optional<std::size_t>& column) {
    return column && !row.cells[*column].empty();
}

} // namespace

std::variant<BatchHeader, std::string> BatchHeader::Parse(const CsvRecord& header, bool measure) {
    const std::string where = "header (line " + std::to_string(header.line) + "): ";
    if (header.error) {
        return where + *header.error;
    }
    BatchHeader parsed;
    parsed.measure_ = measure;
    std::vector<std::string_view> names;
    for (const std::string& cell : header.cells) {
        const std::string_view name = Trimmed(cell);
        if (std::find(names.begin(), names.end(), name) != names.end()) {
            return where + "column '" + VisibleText(name) + "' is named more than once";
        }
        names.push_back(name);
        Column column{ColumnNamed(name), MeasurementInputNamed(name)};
        if (name == kDpColumn) {
            parsed.dpColumn_ = parsed.columns_.size();
        } else if (name == kModuleColumn) {
            parsed.moduleColumn_ = parsed.columns_.size();
        }
        if (name == kClassColumn) {
            parsed.classColumn_ = parsed.columns_.size();
        } else if (name == kFaceWidthColumn) {
            parsed.faceWidthColumn_ = parsed.columns_.size();
        } else if (name == kIdColumn) {
            parsed.idColumn_ = parsed.columns_.size();
        } else if (column.measurement && !measure) {
            return where + "column '" + std::string(name) + "' chooses a tool for the measurements and " +
                   "needs --measure";
        } else if (!column.input && !column.measurement) {
            return where + "unknown column '" + VisibleText(cell) + "'; the columns are " +
                   KnownNames(measure);
        }
        parsed.columns_.push_back(column);
    }
    if (parsed.classColumn_.has_value() != parsed.faceWidthColumn_.has_value()) {
        return where + "the columns class and face_width go together: the tolerances need both";
    }
    return parsed;
}

std::optional<RowError> BatchHeader::Inputs(const CsvRecord& row, PairInputs& inputs) const {
    if (row.error) {
        return RowError{*row.error, std::nullopt, true};
    }
    if (row.cells.size() != columns_.size()) {
        return RowError{"the row has " + std::to_string(row.cells.size()) + " cells, the header names " +
                            std::to_string(columns_.size()) + " columns",
                        std::nullopt, true};
    }
    const std::optional<LengthUnit> unit = Unit(row);
    if (!unit) {
        return RowError{"dp and module are both given: a row gives the diametral pitch of an inch pair or "
                        "the module of a metric pair, not both",
                        InputField::DP, false};
    }
    // As a fresh PairInputs, without making one for every row.
    static const PairInputs fresh;
    inputs.type = fresh.type;
    inputs.fields = fresh.fields;
    inputs.checkedNumbers = fresh.checkedNumbers;
    inputs.diameters.clear();
    inputs.member = fresh.member;
    inputs.measurementChoices = fresh.measurementChoices;
    inputs.measure = measure_;
    inputs.unit = *unit;
    inputs.tolerances.reset();
    if (classColumn_) {
        const std::string& accuracyClass = row.cells[*classColumn_];
        const std::string& faceWidth = row.cells[*faceWidthColumn_];
        if (accuracyClass.empty() != faceWidth.empty()) {
            return RowError{"class and face_width go together: the tolerances need both", std::nullopt,
                            false};
        }
        if (!accuracyClass.empty()) {
            auto choice = ToleranceChoiceOf(accuracyClass, faceWidth, kClassColumn, kFaceWidthColumn);
            if (auto* error = std::get_if<std::string>(&choice)) {
                return RowError{*error, std::nullopt, false};
            }
            inputs.tolerances = std::get<ToleranceChoice>(choice);
        }
    }
    for (std::size_t i = 0; i < columns_.size(); ++i) {
        const std::string& value = row.cells[i];
        if (value.empty()) {
            continue;
        }
        if (const MeasurementInput* measurement = columns_[i].measurement) {
            if (auto error = ApplyMeasurementInput(*measurement, measurement->name, value, inputs)) {
                return RowError{*error, std::nullopt, false};
            }
            continue;
        }
        if (columns_[i].input == nullptr) {
            continue;
        }
        const BatchInputColumn& column = *columns_[i].input;
        if (!column.field) {
            const std::optional<PairKind> type = PairKindNamed(value);
            if (!type) {
                return RowError{"type takes external or internal, not '" + VisibleText(value) + "'",
                                std::nullopt, false};
            }
            inputs.type = *type;
            continue;
        }
        auto checked = CheckedFieldNumber(column.name, value, *column.field);
        if (auto* error = std::get_if<std::string>(&checked)) {
            return RowError{std::move(*error), column.field, false};
        }
        const auto index = static_cast<std::size_t>(*column.field);
        inputs.fields[index] = value;
        inputs.checkedNumbers[index] = std::get<double>(checked);
    }
    return std::nullopt;
}

std::optional<LengthUnit> BatchHeader::Unit(const CsvRecord& row) const {
    if (row.error || row.cells.size() != columns_.size() ||
        (Filled(row, dpColumn_) && Filled(row, moduleColumn_))) {
        return std::nullopt;
    }
    return Filled(row, moduleColumn_) ? LengthUnit::Millimetre : LengthUnit::Inch;
}

std::string BatchHeader::Id(const CsvRecord& row) const {
    if (!idColumn_ || row.error || row.cells.size() != columns_.size()) {
        return {};
    }
    return row.cells[*idColumn_];
}

} // namespace korvanta::cli
