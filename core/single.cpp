#include "core/single.h"

#include "core/arithmetic.h"

namespace korvanta {

void Single::RaiseOutOfRange() {
    throw ArithmeticError("value out of the range of a Single");
}

} // namespace korvanta
