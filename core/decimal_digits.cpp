#include "core/decimal_digits.h"

#include <array>
#include <charconv>
#include <cmath>
#include <limits>

namespace korvanta::decimal {

namespace {

// Enough significant digits to write any double exactly.
constexpr int kExactPrecision = 780;

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

void DropTrailingZeros(Digits& number) {
    const auto last = number.digits.find_last_not_of('0');
    number.digits.erase(last == std::string::npos ? 0 : last + 1);
}

void DropLeadingZeros(Digits& number) {
    const auto first = number.digits.find_first_not_of('0');
    if (first == std::string::npos) {
        number.digits.clear();
        return;
    }
    number.digits.erase(0, first);
    number.pointPosition -= static_cast<int>(first);
}

// Keeps the first `kept` digits (kept may be 0 or negative: the rounding position lies before the
// first digit) and rounds half away from zero on the digit after them.
Digits RoundAt(Digits number, int kept) {
    if (kept >= static_cast<int>(number.digits.size())) {
        return number;
    }
    if (kept < 0) {
        number.digits.clear();
        return number;
    }
    const bool up = number.digits[static_cast<std::size_t>(kept)] >= '5';
    number.digits.erase(static_cast<std::size_t>(kept));
    if (up) {
        int i = kept - 1;
        while (i >= 0 && number.digits[static_cast<std::size_t>(i)] == '9') {
            number.digits[static_cast<std::size_t>(i)] = '0';
            --i;
        }
        if (i >= 0) {
            ++number.digits[static_cast<std::size_t>(i)];
        } else {
            number.digits.insert(number.digits.begin(), '1');
            ++number.pointPosition;
        }
    }
    DropTrailingZeros(number);
    return number;
}

} // namespace

Digits ExactDigits(double value) {
    Digits number;
    number.negative = std::signbit(value);
    if (value == 0.0) {
        return number;
    }
    std::array<char, kExactPrecision + 16> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::scientific, kExactPrecision);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto exponentMark = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + exponentMark + 1 + (text[exponentMark + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), exponent);
    for (char c : text.substr(0, exponentMark)) {
        if (IsDigit(c)) {
            number.digits.push_back(c);
        }
    }
    number.pointPosition = exponent + 1;
    DropTrailingZeros(number);
    return number;
}

Digits RoundSignificant(Digits number, int count) {
    return RoundAt(std::move(number), count);
}

Digits RoundDecimals(Digits number, int decimals) {
    if (number.digits.empty()) {
        return number;
    }
    const int kept = number.pointPosition + decimals;
    Digits rounded = RoundAt(std::move(number), kept);
    if (rounded.digits.empty()) {
        rounded.pointPosition = 0;
    }
    return rounded;
}

Scan ScanNumber(std::string_view text) {
    std::size_t i = text.find_first_not_of(' ');
    if (i == std::string_view::npos) {
        return {};
    }
    Digits number;
    if (text[i] == '-' || text[i] == '+') {
        number.negative = text[i] == '-';
        ++i;
    }
    bool anyDigit = false;
    bool point = false;
    int integerDigits = 0;
    for (; i < text.size(); ++i) {
        const char c = text[i];
        if (IsDigit(c)) {
            anyDigit = true;
            number.digits.push_back(c);
            if (!point) {
                ++integerDigits;
            }
        } else if (c == '.' && !point) {
            point = true;
        } else {
            break;
        }
    }
    if (!anyDigit) {
        return {};
    }
    std::size_t length = i;
    long long exponent = 0;
    if (i < text.size() && (text[i] == 'E' || text[i] == 'e')) {
        std::size_t j = i + 1;
        bool negativeExponent = false;
        if (j < text.size() && (text[j] == '-' || text[j] == '+')) {
            negativeExponent = text[j] == '-';
            ++j;
        }
        if (j < text.size() && IsDigit(text[j])) {
            constexpr long long kExponentCap = 100000;
            for (; j < text.size() && IsDigit(text[j]); ++j) {
                if (exponent < kExponentCap) {
                    exponent = exponent * 10 + (text[j] - '0');
                }
            }
            if (negativeExponent) {
                exponent = -exponent;
            }
            length = j;
        }
    }
    number.pointPosition = integerDigits + static_cast<int>(exponent);
    DropLeadingZeros(number);
    DropTrailingZeros(number);
    if (number.digits.empty()) {
        number.pointPosition = 0;
    }
    return {number, length};
}

} // namespace korvanta::decimal
