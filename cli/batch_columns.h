#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/input_field.h"
#include "core/length_unit.h"
#include "logic/output_table.h"

namespace korvanta::cli {

// A column a batch file may name: an input field, or (no field) the kind of pair.
struct BatchInputColumn {
    std::string_view name;
    std::optional<InputField> field;
};

// The column of a metric pair's module, typed into the pitch field as --module does.
inline constexpr std::string_view kModuleColumn = "module";

inline constexpr std::array<BatchInputColumn, 10> kBatchInputColumns = {{
    {"type", std::nullopt},
    {"nt1", InputField::NT1},
    {"nt2", InputField::NT2},
    {"dp", InputField::DP},
    {kModuleColumn, InputField::DP},
    {"pa", InputField::PA},
    {"ha", InputField::HA},
    {"od1", InputField::OD1},
    {"od2", InputField::OD2},
    {"cd", InputField::CD},
}};

// The result columns of the batch CSV, one pair per output row in row order: "<name>_pinion" and
// "<name>_gear". outside_diameter of an internal gear is its inside diameter.
inline constexpr std::array<std::string_view, kOutputRowCount> kOutputRowNames = {
    "teeth",                    // Number of Teeth
    "normal_dp",                // Normal Diametral Pitch
    "transverse_dp",            // Transverse Diametral Pitch
    "normal_pa",                // Normal Pressure Angle
    "transverse_pa",            // Transverse Pressure Angle
    "operating_pa",             // Operating Pressure Angle
    "helix_angle",              // Helix Angle
    "base_diameter",            // Base Diameter
    "pitch_diameter",           // Pitch Diameter
    "outside_diameter",         // Outside Diameter
    "center_distance",          // Center Distance
    "modification_coefficient", // Addendum Modification Coefficient (x)
    "sap",                      // Dia. to Start of Active Profile (SAP)
    "tif",                      // True Involute Form Diameter (TIF)
    "profile_overlap",          // Profile Overlap
    "roll_tif",                 // Roll Angle to TIF Diameter
    "roll_sap",                 // Roll Angle to SAP Diameter
    "roll_pitch",               // Roll Angle to Pitch Diameter
    "roll_outside",             // Roll Angle to Outside Diameter
};

// The names of a metric pair's pitch rows, which hold modules in place of diametral pitches.
inline constexpr std::array<std::string_view, 2> kModuleRowNames = {"normal_module", "transverse_module"};

// Whether the row holds the pair's pitch: its name and its value change with the units.
constexpr bool IsPitchRow(std::size_t row) {
    return row == static_cast<std::size_t>(OutputRow::DiametralPitch) ||
           row == static_cast<std::size_t>(OutputRow::TransverseDiametralPitch);
}

// The name of an output row of a pair in `unit`.
constexpr std::string_view OutputRowName(std::size_t row, LengthUnit unit) {
    if (unit == LengthUnit::Millimetre && IsPitchRow(row)) {
        return kModuleRowNames[row - static_cast<std::size_t>(OutputRow::DiametralPitch)];
    }
    return kOutputRowNames[row];
}

} // namespace korvanta::cli
