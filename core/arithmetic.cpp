#include "core/arithmetic.h"

namespace korvanta::arithmetic_detail {

void RaiseDivisionByZero() {
    throw ArithmeticError("division by zero");
}

void RaiseNegativeRoot() {
    throw ArithmeticError("square root of a negative number");
}

void RaiseNotFinite() {
    throw ArithmeticError("value out of the range of a double");
}

} // namespace korvanta::arithmetic_detail
