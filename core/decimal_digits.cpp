#include "core/decimal_digits.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

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

// Significant digits that surely hold the whole decimal expansion of a finite non-zero value: the
// integer digits (below 2^e is below 10^(e log10 2)) plus one decimal per binary place of its last bit.
int ExpansionDigits(double value) {
    constexpr double kLog10Of2 = 0.30103;
    constexpr int kMantissaBits = std::numeric_limits<double>::digits;
    int binaryExponent = 0;
    std::frexp(value, &binaryExponent);
    const int integerDigits = static_cast<int>(std::ceil(binaryExponent * kLog10Of2)) + 1;
    const int fractionDigits = std::max(0, kMantissaBits - binaryExponent);
    return std::clamp(integerDigits + fractionDigits + 1, 1, kExactPrecision);
}

// The value written with `count` significant digits, rounded to nearest by the library, without its
// trailing zeros; the whole expansion when `count` covers it.
Digits WrittenDigits(double value, int count) {
    Digits number;
    number.negative = std::signbit(value);
    if (value == 0.0) {
        return number;
    }
    std::array<char, kExactPrecision + 16> buffer{};
    const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), std::fabs(value),
                                      std::chars_format::scientific, count - 1);
    const std::string_view text(buffer.data(), static_cast<std::size_t>(result.ptr - buffer.data()));
    const auto exponentMark = text.find('e');
    int exponent = 0;
    std::from_chars(text.data() + exponentMark + 1 + (text[exponentMark + 1] == '+' ? 1 : 0),
                    text.data() + text.size(), exponent);
    // "d.ddd...": the first digit is not zero, the digits after the point may end in zeros.
    const std::string_view mantissa = text.substr(0, exponentMark);
    number.digits.push_back(mantissa.front());
    const auto lastSignificant = mantissa.find_last_not_of('0');
    if (lastSignificant != std::string_view::npos && lastSignificant >= 2) {
        number.digits.append(mantissa.substr(2, lastSignificant - 1));
    }
    number.pointPosition = exponent + 1;
    return number;
}

} // namespace

Digits ExactDigits(double value) {
    return WrittenDigits(value, value == 0.0 ? 1 : ExpansionDigits(value));
}

Digits SignificantDigits(double value, int count) {
    const std::optional<Scaled> scaled = ScaledSignificant(value, count);
    if (!scaled) {
        return RoundAt(ExactDigits(value), count);
    }
    std::array<char, 20> written{};
    std::size_t start = written.size();
    for (std::uint64_t rest = scaled->significand; rest != 0; rest /= 10) {
        written[--start] = static_cast<char>('0' + rest % 10);
    }
    Digits number;
    number.negative = scaled->negative;
    number.digits.assign(written.data() + start, written.size() - start);
    number.pointPosition = static_cast<int>(number.digits.size()) + scaled->exponent;
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
    const auto digitRun = [&text](std::size_t from) {
        std::size_t end = from;
        while (end < text.size() && IsDigit(text[end])) {
            ++end;
        }
        return end;
    };
    const std::size_t integerEnd = digitRun(i);
    const int integerDigits = static_cast<int>(integerEnd - i);
    number.digits.assign(text.substr(i, integerEnd - i));
    i = integerEnd;
    if (i < text.size() && text[i] == '.') {
        const std::size_t fractionEnd = digitRun(i + 1);
        number.digits.append(text.substr(i + 1, fractionEnd - i - 1));
        i = fractionEnd;
    }
    if (number.digits.empty()) {
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
