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
    // NOLINTNEXTLINE(google-explicit-constructor): storing rounds, as a variable of that width
    Single(double value) {
        // Halfway between the largest float and the next power of two: from here on a value rounds
        // to infinity when it is stored with single-precision width. Negated so that NaN fails too.
        constexpr double kOverflowLimit = 0x1.ffffffp127;
        if (!(value < kOverflowLimit && value > -kOverflowLimit)) [[unlikely]] {
            RaiseOutOfRange();
        }
        value_ = static_cast<float>(value);
    }
    constexpr operator double() const { return value_; } // NOLINT(google-explicit-constructor)
    constexpr float Value() const { return value_; }

private:
    // Out of line: every store of a Single is inlined, the throw is not.
    [[noreturn]] static void RaiseOutOfRange();

    float value_ = 0.0f;
};

} // namespace korvanta
