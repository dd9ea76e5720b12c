#include "logic/print_placement.h"

#include <cmath>
#include <limits>

#include "core/arithmetic.h"

namespace korvanta {

namespace {

constexpr double kPercentOfWhole = 100.0;

// Nearest whole number, a tie going to the even one, as a 16-bit integer.
std::int16_t RoundToInteger(double value) {
    const double rounded = std::nearbyint(value);
    if (!(rounded >= std::numeric_limits<std::int16_t>::min() &&
          rounded <= std::numeric_limits<std::int16_t>::max())) {
        throw ArithmeticError("print position out of range");
    }
    return static_cast<std::int16_t>(rounded);
}

} // namespace

PrintPlacement PlaceScaled(double pictureWidth, double pictureHeight, double pageWidth, double pageHeight,
                           std::int16_t sizePercent, std::int16_t leftPercent, std::int16_t topPercent) {
    const Single s = sizePercent / kPercentOfWhole;
    const Single h = leftPercent / kPercentOfWhole;
    const Single v = topPercent / kPercentOfWhole;

    PrintPlacement placement;
    placement.ratio = Divide(pageWidth * s, pictureWidth);
    const Single pageShare = pageHeight * s;
    const Single scaledHeight = pictureHeight * placement.ratio;
    if (pageShare < scaledHeight) {
        placement.ratio = Divide(pageHeight * s, pictureHeight);
    }

    placement.width = pictureWidth * placement.ratio;
    placement.height = pictureHeight * placement.ratio;
    placement.x = RoundToInteger((pageWidth - placement.width) * h);
    placement.y = RoundToInteger((pageHeight - placement.height) * v);
    return placement;
}

} // namespace korvanta
