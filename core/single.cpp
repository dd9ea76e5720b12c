#include "core/single.h"

#include <cmath>

#include "core/arithmetic.h"

namespace korvanta {

namespace {

// Halfway between the largest float and the next power of two: from here on a value rounds to
// infinity when it is stored with single-precision width.
constexpr double kSingleOverflowLimit = 0x1.ffffffp127;

} // namespace

Single::Single(double value) {
    if (!(std::fabs(value) < kSingleOverflowLimit)) {
        throw ArithmeticError("value out of the range of a Single");
    }
    value_ = static_cast<float>(value);
}

} // namespace korvanta
