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

__extension__ using Wide = unsigned __int128;

// Powers of ten up to 10^22: times a 53-bit mantissa they stay below 2^127.
constexpr int kLargestScale = 22;
constexpr std::array<Wide, kLargestScale + 1> kPowersOfTen = [] {
    std::array<Wide, kLargestScale + 1> powers{};
    powers[0] = 1;
    for (int i = 1; i <= kLargestScale; ++i) {
        powers[static_cast<std::size_t>(i)] = powers[static_cast<std::size_t>(i - 1)] * 10;
    }
    return powers;
}();

// The first count + 1 significant digits of |value|, cut off: |value| × 10^scale lies in
// [digits, digits + 1).
struct Leading {
    std::uint64_t digits = 0;
    int scale = 0;
};

// Exact in 128-bit integers: |value| = mantissa / 2^shift, so the cut-off digits are
// (mantissa × 10^scale) >> shift. Nothing for zero, for more than 17 digits, and for values too large
// or too small for that product.
std::optional<Leading> LeadingDigits(double value, int count) {
    constexpr int kMantissaBits = std::numeric_limits<double>::digits;
    constexpr int kWideBits = 127;
    constexpr int kMostDigits = 17;
    if (value == 0.0 || !std::isfinite(value) || count < 1 || count > kMostDigits) {
        return std::nullopt;
    }
    // The bits of a normal double: 52 stored mantissa bits below an 11-bit biased exponent.
    constexpr int kStoredBits = kMantissaBits - 1;
    constexpr int kExponentBias = 1022;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biasedExponent = static_cast<int>((bits >> kStoredBits) & 0x7FF);
    if (biasedExponent == 0) {
        return std::nullopt;
    }
    const std::uint64_t mantissa =
        (bits & ((std::uint64_t{1} << kStoredBits) - 1)) | (std::uint64_t{1} << kStoredBits);
    const int binaryExponent =
        biasedExponent - kExponentBias; // |value| = 0.1mmm... (binary) × 2^binaryExponent
    const int shift = kMantissaBits - binaryExponent;
    if (shift < 0 || shift > kWideBits) {
        return std::nullopt;
    }
    const std::size_t wanted = static_cast<std::size_t>(count);
    // 2^(e-1) <= |value| < 2^e: the decimal exponent is within one of (e - 1) log10 2, taken in
    // integers as (e - 1) × 1233 / 4096 rounded down (the shift of a negative number rounds down too);
    // the digit count corrects it.
    constexpr int kLog10Of2Times4096 = 1233;
    constexpr int kShift4096 = 12;
    int scale = count - (((binaryExponent - 1) * kLog10Of2Times4096) >> kShift4096);
    for (int attempt = 0; attempt < 3; ++attempt) {
        if (scale < 0 || scale > kLargestScale) {
            return std::nullopt;
        }
        const Wide digits = (Wide{mantissa} * kPowersOfTen[static_cast<std::size_t>(scale)]) >> shift;
        if (digits < kPowersOfTen[wanted]) {
            ++scale;
        } else if (digits >= kPowersOfTen[wanted + 1]) {
            --scale;
        } else {
            return Leading{static_cast<std::uint64_t>(digits), scale};
        }
    }
    return std::nullopt;
}

} // namespace

Digits ExactDigits(double value) {
    return WrittenDigits(value, value == 0.0 ? 1 : ExpansionDigits(value));
}

std::optional<Scaled> ScaledSignificant(double value, int count) {
    if (value == 0.0) {
        Scaled zero;
        zero.negative = std::signbit(value);
        return zero;
    }
    const std::optional<Leading> leading = LeadingDigits(value, count);
    if (!leading) {
        return std::nullopt;
    }
    // Half away from zero: up exactly when the first dropped digit is 5 or more, whatever follows it.
    Scaled number;
    number.negative = std::signbit(value);
    number.significand = leading->digits / 10 + (leading->digits % 10 >= 5 ? 1 : 0);
    number.exponent = 1 - leading->scale;
    return number;
}

std::optional<std::uint64_t> DecimalUnits(const Scaled& number, int decimals) {
    const int shift = number.exponent + decimals; // |number| = significand × 10^shift units
    if (shift >= 0) {
        if (shift > kLargestScale) {
            return std::nullopt;
        }
        const Wide units = Wide{number.significand} * kPowersOfTen[static_cast<std::size_t>(shift)];
        if (units > std::numeric_limits<std::uint64_t>::max()) {
            return std::nullopt;
        }
        return static_cast<std::uint64_t>(units);
    }
    constexpr int kLargestPower = 19; // 10^19 is the largest power of ten in 64 bits
    if (-shift > kLargestPower) {
        return 0; // every digit lies past the last decimal, the first dropped one too
    }
    const auto divisor = static_cast<std::uint64_t>(kPowersOfTen[static_cast<std::size_t>(-shift)]);
    return number.significand / divisor + (number.significand % divisor >= divisor / 2 ? 1 : 0);
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
