#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "core/length_unit.h"
#include "core/member.h"

namespace korvanta {

// The unit the deviations from the design involute are given and charted in: micrometres for a metric
// pair, ten-thousandths of an inch for an inch pair.
inline std::string_view DeviationUnitOf(LengthUnit unit) {
    return unit == LengthUnit::Millimetre ? "\xC2\xB5m" : "0.0001 in";
}

enum class HelixHand { Right, Left };

// The accuracy classes of ISO 1328-1:2013.
inline constexpr int kLowestAccuracyClass = 1;
inline constexpr int kHighestAccuracyClass = 11;

// Where a member's tip relief starts, and how much it takes off at the outside diameter. The amounts
// are in the chart's unit of deviation (µm for a metric pair, 0.0001 in for an inch pair).
struct TipRelief {
    enum class StartGiven { Diameter, RollAngle };
    StartGiven startGiven = StartGiven::Diameter;
    double start = 0.0; // the diameter in the pair's length unit, or the roll angle in degrees
    double least = 0.0;
    double most = 0.0;

    bool operator==(const TipRelief&) const = default;
};

// What the inspection sheet needs beyond the pair: kept in the pair file.
struct SheetEntries {
    std::optional<double> faceWidth;    // in the pair's length unit
    std::optional<int> accuracyClass;   // ISO 1328-1:2013, 1 to 11; empty: no tolerances
    std::optional<HelixHand> helixHand; // of the pinion, for a helical pair
    PerMember<std::optional<TipRelief>> tipRelief;

    bool operator==(const SheetEntries&) const = default;
};

} // namespace korvanta
