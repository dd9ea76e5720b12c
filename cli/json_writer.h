#pragma once

#include <span>
#include <string>
#include <string_view>

#include "cli/pair_run.h"

namespace korvanta::cli {

// The text as a JSON string literal, quotes included; control characters escaped (\r, \n, \u001b).
std::string JsonString(std::string_view text);

// How an object is laid out: Pretty breaks it over indented lines for a reader, Compact keeps it on one
// line (JSON Lines) with a blank wherever Pretty starts a new line. Either way the object ends its line.
enum class JsonLayout { Pretty, Compact };

// A member written before an object's own members: its name and its value, already written as JSON.
struct JsonMember {
    std::string_view name;
    std::string value;
};

// The member that tells the units of a pair given in millimetres ("mm"), and in a file with metric
// rows of every row ("in" or "mm"); an object without it is in inches.
inline constexpr std::string_view kUnitsMember = "units";

// The texts of an error object: title, message and the control name of the field it concerns (empty
// when none).
struct JsonError {
    std::string_view title;
    std::string_view message;
    std::string_view field;
};

// One JSON object for the result, whatever its status, after the `leading` members.
std::string ResultJson(const PairRunResult& result, JsonLayout layout = JsonLayout::Pretty,
                       std::span<const JsonMember> leading = {});

// An error object of the shape a rejected pair gives, with no warnings, after the `leading` members.
std::string ErrorJson(const JsonError& error, JsonLayout layout, std::span<const JsonMember> leading = {});

} // namespace korvanta::cli
