#include "cli/value_check.h"

#include "cli/visible_text.h"
#include "logic/key_filter.h"

namespace korvanta::cli {

namespace {

std::optional<std::string> NumberError(std::string_view name, std::string_view value, std::string_view keys) {
    if (!OnlyAllowed(keys, value)) {
        const bool tooth = keys == kToothKeys;
        return std::string(name) + " takes " +
               (tooth ? "a whole number (digits only)" : "a number (digits and points only)") + ", not '" +
               VisibleText(value) + "'";
    }
    if (!FitsSingle(value)) {
        return std::string(name) + " " + VisibleText(value) + " is too large";
    }
    return std::nullopt;
}

} // namespace

std::optional<std::string> FieldValueError(std::string_view name, std::string_view value, InputField field) {
    return NumberError(name, value, AllowedKeys(field));
}

std::optional<std::string> DiameterValueError(std::string_view name, std::string_view value) {
    return NumberError(name, value, kNumberKeys);
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

} // namespace korvanta::cli
