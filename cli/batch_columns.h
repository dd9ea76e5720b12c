#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "core/input_field.h"
#include "logic/output_table.h"

namespace korvanta::cli {

// A column a batch file may name: an input field, or (no field) the kind of pair.
struct BatchInputColumn {
    std::string_view name;
    std::optional<InputField> field;
};

inline constexpr std::array<BatchInputColumn, 9> kBatchInputColumns = {{
    {"type", std::nullopt},
    {"nt1", InputField::NT1},
    {"nt2", InputField::NT2},
    {"dp", InputField::DP},
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

} // namespace korvanta::cli
