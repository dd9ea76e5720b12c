#include "cli/value_check.h"

#include <charconv>
#include <utility>

#include "cli/visible_text.h"
#include "core/number_text.h"
#include "logic/key_filter.h"

namespace korvanta::cli {

namespace {

std::variant<double, std::string> CheckedNumber(std::string_view name, std::string_view value,
                                                std::string_view keys) {
    if (!OnlyAllowed(keys, value)) {
        const bool tooth = keys == kToothKeys;
        return std::string(name) + " takes " +
               (tooth ? "a whole number (digits only)" : "a number (digits and points only)") + ", not '" +
               VisibleText(value) + "'";
    }
    const double number = LeadingNumber(value);
    if (!NumberFitsSingle(number)) {
        return std::string(name) + " " + VisibleText(value) + " is too large";
    }
    return number;
}

} // namespace

std::variant<double, std::string> CheckedFieldNumber(std::string_view name, std::string_view value,
                                                     InputField field) {
    return CheckedNumber(name, value, AllowedKeys(field));
}

std::optional<std::string> DiameterValueError(std::string_view name, std::string_view value) {
    auto checked = CheckedNumber(name, value, kNumberKeys);
    if (auto* error = std::get_if<std::string>(&checked)) {
        return std::move(*error);
    }
    return std::nullopt;
}

std::optional<PairKind> PairKindNamed(std::string_view text) {
    if (text == "external") {
        return PairKind::External;
    }
    if (text == "internal") {
        return PairKind::Internal;
    }
    return std::nullopt;
}

std::variant<ToleranceChoice, std::string> ToleranceChoiceOf(std::string_view accuracyClass,
                                                             std::string_view faceWidth,
                                                             std::string_view className,
                                                             std::string_view faceWidthName) {
    ToleranceChoice choice;
    const char* const end = accuracyClass.data() + accuracyClass.size();
    const auto [last, error] = std::from_chars(accuracyClass.data(), end, choice.accuracyClass);
    if (error != std::errc() || last != end || choice.accuracyClass < 1 || choice.accuracyClass > 11) {
        return std::string(className) + " takes an ISO 1328-1 accuracy class from 1 to 11, not '" +
               VisibleText(accuracyClass) + "'";
    }
    if (auto widthError = DiameterValueError(faceWidthName, faceWidth)) {
        return *widthError;
    }
    choice.faceWidth = LeadingNumber(faceWidth);
    if (!(choice.faceWidth > 0.0)) {
        return std::string(faceWidthName) + " takes a width greater than 0, not '" + VisibleText(faceWidth) +
               "'";
    }
    return choice;
}

} // namespace korvanta::cli
