#include "cli/options.h"

#include <optional>
#include <set>

#include "cli/measurement_inputs.h"
#include "cli/value_check.h"
#include "cli/visible_text.h"

namespace korvanta::cli {

namespace {

struct FieldOption {
    std::string_view name;
    InputField field;
};

constexpr FieldOption kFieldOptions[] = {
    {"--nt1", InputField::NT1},
    {"--nt2", InputField::NT2},
    {"--dp", InputField::DP},
    {"--pa", InputField::PA},
    {"--ha", InputField::HA},
    {"--od1", InputField::OD1},
    {"--od2", InputField::OD2},
    {"--cd", InputField::CD},
    // A metric pair's module goes into the pitch field.
    {"--module", InputField::DP},
};

constexpr std::string_view kModuleOption = "--module";

std::optional<InputField> FieldOf(std::string_view name) {
    for (const FieldOption& option : kFieldOptions) {
        if (option.name == name) {
            return option.field;
        }
    }
    return std::nullopt;
}

// --pin1, --pin2, --span1, --span2.
const MeasurementInput* MeasurementOptionOf(std::string_view name) {
    return name.starts_with("--") ? MeasurementInputNamed(name.substr(2)) : nullptr;
}

class Parser {
public:
    explicit Parser(std::span<const std::string_view> arguments) : arguments_(arguments) {}

    std::variant<CommandLine, UsageError> Parse() {
        CommandLine line;
        for (std::size_t i = 0; i < arguments_.size(); ++i) {
            std::string_view name = arguments_[i];
            std::optional<std::string_view> inlineValue;
            if (const auto equals = name.find('=');
                name.starts_with("--") && equals != std::string_view::npos) {
                inlineValue = name.substr(equals + 1);
                name = name.substr(0, equals);
            }
            if (bool* flag = FlagOf(line, name)) {
                if (inlineValue) {
                    return UsageError{std::string(name) + " takes no value"};
                }
                *flag = true;
                continue;
            }
            if (!IsValueOption(name)) {
                return UsageError{name.starts_with("-") ? "unknown option '" + VisibleText(name) + "'"
                                                        : "unexpected argument '" + VisibleText(name) + "'"};
            }
            std::string_view value;
            if (inlineValue) {
                value = *inlineValue;
            } else if (i + 1 < arguments_.size()) {
                value = arguments_[++i];
            } else {
                return UsageError{std::string(name) + " needs a value"};
            }
            if (auto error = Apply(line, name, value)) {
                return UsageError{*error};
            }
        }
        if (line.batch && pairOption_) {
            return UsageError{"--batch reads the pairs from its file and takes no " + *pairOption_};
        }
        if (line.pairFile && pairOption_) {
            return UsageError{"--pair reads the pair from its file and takes no " + *pairOption_};
        }
        if (int(line.batch.has_value()) + int(line.pairFile.has_value()) + int(line.writePair.has_value()) >
            1) {
            return UsageError{"--batch, --pair and --write-pair cannot go together"};
        }
        if (line.writePair && (line.json || line.csv || line.inputs.measure)) {
            return UsageError{"--write-pair writes the file and prints no results: it takes no --json, --csv "
                              "or --measure"};
        }
        if (classText_.has_value() != faceWidthText_.has_value()) {
            return UsageError{"--class and --face-width go together: the tolerances need both"};
        }
        if (classText_) {
            auto choice = ToleranceChoiceOf(*classText_, *faceWidthText_, "--class", "--face-width");
            if (auto* error = std::get_if<std::string>(&choice)) {
                return UsageError{*error};
            }
            line.inputs.tolerances = std::get<ToleranceChoice>(choice);
        }
        if (line.batch && line.inputs.tolerances) {
            return UsageError{"--batch takes no --class or --face-width"};
        }
        if (line.inputs.tolerances && !line.json) {
            return UsageError{"--class and --face-width add the tolerances to the JSON: they need --json"};
        }
        if (line.json && line.csv) {
            return UsageError{"--json and --csv cannot go together"};
        }
        if (line.csv && line.batch) {
            return UsageError{"--batch writes CSV unless --json is given: it takes no --csv"};
        }
        if (measurementOption_ && !line.inputs.measure && !line.writePair) {
            return UsageError{*measurementOption_ +
                              " chooses a tool for the measurements and needs --measure"};
        }
        return line;
    }

private:
    static bool* FlagOf(CommandLine& line, std::string_view name) {
        if (name == "--help" || name == "-h") {
            return &line.help;
        }
        if (name == "--version") {
            return &line.version;
        }
        if (name == "--measure") {
            return &line.inputs.measure;
        }
        if (name == "--csv") {
            return &line.csv;
        }
        return name == "--json" ? &line.json : nullptr;
    }

    static bool IsValueOption(std::string_view name) {
        return FieldOf(name) || MeasurementOptionOf(name) || name == "--type" || name == "--at" ||
               name == "--member" || name == "--batch" || name == "--pair" || name == "--write-pair" ||
               name == "--class" || name == "--face-width";
    }

    std::optional<std::string> Apply(CommandLine& line, std::string_view name, std::string_view value) {
        // The files and the tolerances' class and face width say nothing of the pair's entries.
        const bool fileOption = name == "--batch" || name == "--pair" || name == "--write-pair" ||
                                name == "--class" || name == "--face-width";
        if (!fileOption && !pairOption_) {
            pairOption_ = std::string(name);
        }
        PairInputs& inputs = line.inputs;
        if (name == "--at") {
            if (auto error = DiameterValueError(name, value)) {
                return error;
            }
            inputs.diameters.emplace_back(value);
            return std::nullopt;
        }
        if (!seen_.insert(std::string(name)).second) {
            return std::string(name) + " is given more than once";
        }
        if (name == "--batch") {
            line.batch = std::string(value);
            return std::nullopt;
        }
        if (name == "--class") {
            classText_ = std::string(value);
            return std::nullopt;
        }
        if (name == "--face-width") {
            faceWidthText_ = std::string(value);
            return std::nullopt;
        }
        if (name == "--pair") {
            line.pairFile = std::string(value);
            return std::nullopt;
        }
        if (name == "--write-pair") {
            line.writePair = std::string(value);
            return std::nullopt;
        }
        if (name == "--type") {
            const std::optional<PairKind> type = PairKindNamed(value);
            if (!type) {
                return "--type takes external or internal, not '" + VisibleText(value) + "'";
            }
            inputs.type = *type;
            return std::nullopt;
        }
        if (name == "--member") {
            if (value != "pinion" && value != "gear") {
                return "--member takes pinion or gear, not '" + VisibleText(value) + "'";
            }
            inputs.member = value == "gear" ? Member::Gear : Member::Pinion;
            return std::nullopt;
        }
        if (const MeasurementInput* measurement = MeasurementOptionOf(name)) {
            if (!measurementOption_) {
                measurementOption_ = std::string(name);
            }
            return ApplyMeasurementInput(*measurement, name, value, inputs);
        }
        const InputField field = *FieldOf(name);
        if (field == InputField::DP && seen_.contains("--dp") && seen_.contains(std::string(kModuleOption))) {
            return "--dp and --module cannot go together: --dp gives the diametral pitch of an inch pair, "
                   "--module the module of a metric pair";
        }
        auto checked = CheckedFieldNumber(name, value, field);
        if (auto* error = std::get_if<std::string>(&checked)) {
            return std::move(*error);
        }
        if (name == kModuleOption) {
            inputs.unit = LengthUnit::Millimetre;
        }
        const auto index = static_cast<std::size_t>(field);
        inputs.fields[index] = std::string(value);
        inputs.checkedNumbers[index] = std::get<double>(checked);
        return std::nullopt;
    }

    std::span<const std::string_view> arguments_;
    std::set<std::string> seen_;
    std::optional<std::string> pairOption_;        // the first option that describes a single pair
    std::optional<std::string> measurementOption_; // the first that chooses a measuring tool
    std::optional<std::string> classText_;
    std::optional<std::string> faceWidthText_;
};

} // namespace

std::variant<CommandLine, UsageError> ParseCommandLine(std::span<const std::string_view> arguments) {
    return Parser(arguments).Parse();
}

} // namespace korvanta::cli
