#include "core/arithmetic.h"

#include <cmath>

namespace korvanta {

double Divide(double a, double b) {
    if (b == 0.0) {
        throw ArithmeticError("division by zero");
    }
    return CheckedDouble(a / b);
}

double SquareRoot(double x) {
    if (x < 0.0 || std::isnan(x)) {
        throw ArithmeticError("square root of a negative number");
    }
    return std::sqrt(x);
}

double CheckedDouble(double x) {
    if (!std::isfinite(x)) {
        throw ArithmeticError("value out of the range of a double");
    }
    return x;
}

} // namespace korvanta
