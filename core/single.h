#pragma once

namespace korvanta {

// A value stored with single-precision width.
//
// Every expression between two stores is evaluated in double precision: the only arithmetic
// conversion of a Single is to double, so `a + b` of two Singles is a double sum, and assigning a
// double to a Single rounds it to float at that moment. A value outside the range of a float
// (or not a number) raises ArithmeticError when it is stored.
class Single {
public:
    constexpr Single() = default;
    Single(double value); // NOLINT(google-explicit-constructor): storing rounds, as a variable of that width
    constexpr operator double() const { return value_; } // NOLINT(google-explicit-constructor)
    constexpr float Value() const { return value_; }

private:
    float value_ = 0.0f;
};

} // namespace korvanta
