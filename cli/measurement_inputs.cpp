#include "cli/measurement_inputs.h"

#include <algorithm>
#include <cmath>

#include "cli/value_check.h"
#include "cli/visible_text.h"
#include "core/number_text.h"
#include "core/pair_kind.h"
#include "logic/key_filter.h"

namespace korvanta::cli {

namespace {

// More teeth than any gear has; a larger count is refused as too large before it is kept as an int.
constexpr double kMostTeethSpanned = 1e6;

std::optional<std::string> ApplyPin(std::string_view name, std::string_view value,
                                    MeasurementChoice& choice) {
    if (auto error = DiameterValueError(name, value)) {
        return error;
    }
    const double diameter = LeadingNumber(value);
    if (!(diameter > 0.0)) {
        return std::string(name) + " takes a pin or ball diameter greater than 0, not '" +
               VisibleText(value) + "'";
    }
    choice.pinDiameter = diameter;
    return std::nullopt;
}

std::optional<std::string> ApplySpan(std::string_view name, std::string_view value,
                                     MeasurementChoice& choice) {
    if (value.find_first_not_of(kToothKeys) != std::string_view::npos) {
        return std::string(name) + " takes a whole number (digits only), not '" + VisibleText(value) + "'";
    }
    const double teeth = LeadingNumber(value);
    if (teeth < 1.0) {
        return std::string(name) + " takes 1 or more teeth spanned, not '" + VisibleText(value) + "'";
    }
    if (teeth > kMostTeethSpanned) {
        return std::string(name) + " " + VisibleText(value) + " is too large";
    }
    choice.spanTeeth = static_cast<int>(teeth);
    return std::nullopt;
}

} // namespace

const MeasurementInput* MeasurementInputNamed(std::string_view name) {
    const auto* input = std::find_if(kMeasurementInputs.begin(), kMeasurementInputs.end(),
                                     [name](const MeasurementInput& known) { return known.name == name; });
    return input == kMeasurementInputs.end() ? nullptr : input;
}

std::optional<std::string> ApplyMeasurementInput(const MeasurementInput& input, std::string_view name,
                                                 std::string_view value, PairInputs& inputs) {
    MeasurementChoice& choice = inputs.measurementChoices[input.member];
    return input.tool == MeasuringTool::Pin ? ApplyPin(name, value, choice) : ApplySpan(name, value, choice);
}

std::optional<std::string> SpanChoiceError(const GearPairState& state, const PairInputs& inputs) {
    const bool internal = IsInternal(state);
    for (const MeasurementInput& input : kMeasurementInputs) {
        const std::optional<int> chosen = inputs.measurementChoices[input.member].spanTeeth;
        if (input.tool != MeasuringTool::Span || !chosen) {
            continue;
        }
        const std::string what = std::string(input.name) + " " + std::to_string(*chosen);
        if (internal && input.member == Member::Gear) {
            return what + " does not apply: the internal gear is measured between pins, over no span";
        }
        const long teeth = std::lround(input.member == Member::Pinion ? state.NT1 : state.NT2);
        if (*chosen >= teeth) {
            return what + " is too many: the " + (input.member == Member::Pinion ? "pinion" : "gear") +
                   " has " + std::to_string(teeth) + " teeth, a span lies over 1 to " +
                   std::to_string(teeth - 1) + " of them";
        }
    }
    return std::nullopt;
}

} // namespace korvanta::cli
