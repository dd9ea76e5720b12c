#pragma once

#include <cmath>
#include <stdexcept>
#include <string>

namespace korvanta {

// Raised by a calculation step that divides by zero, takes the square root of a negative number or
// stores a value outside the range of its variable. Nothing after the faulting step runs or is stored.
class ArithmeticError : public std::runtime_error {
public:
    explicit ArithmeticError(const std::string& what) : std::runtime_error(what) {}
};

namespace arithmetic_detail {

// Out of line: the checks are inlined into every calculation step, the throws are not.
[[noreturn]] void RaiseDivisionByZero();
[[noreturn]] void RaiseNegativeRoot();
[[noreturn]] void RaiseNotFinite();

} // namespace arithmetic_detail

// A double-precision value about to be stored: raises ArithmeticError when it is not finite.
inline double CheckedDouble(double x) {
    if (!std::isfinite(x)) [[unlikely]] {
        arithmetic_detail::RaiseNotFinite();
    }
    return x;
}

// a / b in double precision; a zero divisor or a result that is not finite raises ArithmeticError.
inline double Divide(double a, double b) {
    if (b == 0.0) [[unlikely]] {
        arithmetic_detail::RaiseDivisionByZero();
    }
    return CheckedDouble(a / b);
}

// Square root in double precision; a negative operand raises ArithmeticError.
inline double SquareRoot(double x) {
    if (x < 0.0 || std::isnan(x)) [[unlikely]] {
        arithmetic_detail::RaiseNegativeRoot();
    }
    return std::sqrt(x);
}

} // namespace korvanta
