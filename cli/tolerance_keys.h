#pragma once

#include <array>
#include <string_view>
#include <vector>

#include "core/iso_tolerances.h"

namespace korvanta::cli {

// A tolerance as JSON and the batch CSV name it ("<key>_pinion", "<key>_gear" in the CSV).
struct ToleranceKey {
    std::string_view key;
    double Tolerances::*value;
};

inline constexpr std::array<ToleranceKey, 8> kToleranceKeys = {{
    {"single_pitch", &Tolerances::singlePitch},
    {"total_cumulative_pitch", &Tolerances::totalCumulativePitch},
    {"profile_slope", &Tolerances::profileSlope},
    {"profile_form", &Tolerances::profileForm},
    {"total_profile", &Tolerances::totalProfile},
    {"helix_slope", &Tolerances::helixSlope},
    {"helix_form", &Tolerances::helixForm},
    {"total_helix", &Tolerances::totalHelix},
}};

// The entries of a member outside the range the formulas were made for.
inline std::vector<std::string_view> OutsideRange(const Tolerances& t) {
    std::vector<std::string_view> names;
    const std::pair<bool, std::string_view> marks[] = {{t.teethOutsideRange, "teeth"},
                                                       {t.diameterOutsideRange, "reference_diameter"},
                                                       {t.moduleOutsideRange, "normal_module"},
                                                       {t.faceWidthOutsideRange, "face_width"},
                                                       {t.helixOutsideRange, "helix_angle"}};
    for (const auto& [outside, name] : marks) {
        if (outside) {
            names.push_back(name);
        }
    }
    return names;
}

} // namespace korvanta::cli
