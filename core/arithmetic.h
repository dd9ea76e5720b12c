#pragma once

#include <stdexcept>
#include <string>

namespace korvanta {

// Raised by a calculation step that divides by zero, takes the square root of a negative number or
// stores a value outside the range of its variable. Nothing after the faulting step runs or is stored.
class ArithmeticError : public std::runtime_error {
public:
    explicit ArithmeticError(const std::string& what) : std::runtime_error(what) {}
};

// a / b in double precision; a zero divisor or a result that is not finite raises ArithmeticError.
double Divide(double a, double b);

// Square root in double precision; a negative operand raises ArithmeticError.
double SquareRoot(double x);

// A double-precision value about to be stored: raises ArithmeticError when it is not finite.
double CheckedDouble(double x);

} // namespace korvanta
