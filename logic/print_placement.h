#pragma once

#include <cstdint>

#include "core/single.h"

namespace korvanta {

// Where a window picture lands on the printed page. Lengths are in 1/1440 inch.
struct PrintPlacement {
    Single ratio;       // picture units to page units
    std::int16_t x = 0; // left edge of the picture on the page
    std::int16_t y = 0; // top edge
    double width = 0.0;
    double height = 0.0;
};

// Scales a picture of pictureWidth x pictureHeight to `sizePercent` of the page in its limiting
// direction, keeping its aspect ratio, and places it at `leftPercent` of the horizontal and
// `topPercent` of the vertical space left over. The shares and the ratio are Singles; x and y are
// rounded to the nearest whole number, a tie to the even one. A picture without area or a position
// outside the range of a 16-bit integer raises ArithmeticError.
PrintPlacement PlaceScaled(double pictureWidth, double pictureHeight, double pageWidth, double pageHeight,
                           std::int16_t sizePercent, std::int16_t leftPercent, std::int16_t topPercent);

} // namespace korvanta
