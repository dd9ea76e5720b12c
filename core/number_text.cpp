#include "core/number_text.h"

#include <algorithm>
#include <array>
#include <bit>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <optional>

#include "core/decimal_digits.h"
#include "core/short_copy.h"

namespace korvanta {

namespace {

constexpr int kSingleDigits = 7;
constexpr int kDoubleDigits = 15;
// Decimal exponents below this use the exponent form, as C's %G does.
constexpr int kSmallestPlainExponent = -4;

// The general text of a rounded number that is written without an exponent, from its integer
// digits: the digit string of the full path is not made. Nothing for the exponent form.
std::optional<std::string> PlainGeneral(decimal::Scaled number, int precision) {
    if (number.significand == 0) {
        return "0";
    }
    while (number.significand % 10 == 0) {
        number.significand /= 10;
        ++number.exponent;
    }
    std::array<char, 20> digits; // filled from the end
    char* const digitsEnd = digits.data() + digits.size();
    char* first = digitsEnd;
    for (std::uint64_t rest = number.significand; rest != 0; rest /= 10) {
        *--first = static_cast<char>('0' + rest % 10);
    }
    const int count = static_cast<int>(digitsEnd - first);
    const int pointPosition = count + number.exponent;
    const int exponent = pointPosition - 1;
    if (exponent < kSmallestPlainExponent || exponent >= precision) {
        return std::nullopt;
    }
    std::string text;
    if (number.negative) {
        text += '-';
    }
    if (pointPosition <= 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-pointPosition), '0');
        text.append(first, digitsEnd);
    } else if (count <= pointPosition) {
        text.append(first, digitsEnd);
        text.append(static_cast<std::size_t>(pointPosition - count), '0');
    } else {
        text.append(first, first + pointPosition);
        text += '.';
        text.append(first + pointPosition, digitsEnd);
    }
    return text;
}

// C's %.<precision>G without the trailing zeros: plain decimals while the decimal exponent of the
// rounded value lies in [-4, precision), otherwise d.ddddddE+XX with at least two exponent digits.
std::string General(double value, int precision) {
    // A whole number of at most `precision` digits is exact at that precision: its text is the
    // integer's (the tooth counts).
    static_assert(kSingleDigits == 7 && kDoubleDigits == 15);
    const double wholeLimit = precision == kSingleDigits ? 1e7 : 1e15;
    if (std::fabs(value) < wholeLimit && value == std::trunc(value)) {
        std::array<char, 24> digits;
        const auto written =
            std::to_chars(digits.data(), digits.data() + digits.size(), static_cast<std::int64_t>(value));
        return std::string(digits.data(), written.ptr);
    }
    if (const auto scaled = decimal::ScaledSignificant(value, precision)) {
        if (auto text = PlainGeneral(*scaled, precision)) {
            return std::move(*text);
        }
    }
    const decimal::Digits number = decimal::SignificantDigits(value, precision);
    if (number.digits.empty()) {
        return "0";
    }
    const int exponent = number.pointPosition - 1;
    const std::string& d = number.digits;
    constexpr std::size_t kLongestFrame = 8; // sign, "0.", point, "E+", exponent digits
    std::string text;
    text.reserve(d.size() + kLongestFrame);
    if (number.negative) {
        text += '-';
    }
    if (exponent < kSmallestPlainExponent || exponent >= precision) {
        text += d.front();
        if (d.size() > 1) {
            text += '.';
            text.append(d, 1);
        }
        const int magnitude = exponent < 0 ? -exponent : exponent;
        text += exponent < 0 ? "E-" : "E+";
        if (magnitude < 10) {
            text += '0';
        }
        text += std::to_string(magnitude);
        return text;
    }
    if (number.pointPosition <= 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-number.pointPosition), '0');
        text += d;
        return text;
    }
    const auto integerDigits = static_cast<std::size_t>(number.pointPosition);
    if (d.size() <= integerDigits) {
        text += d;
        text.append(integerDigits - d.size(), '0');
        return text;
    }
    text.append(d, 0, integerDigits);
    text += '.';
    text.append(d, integerDigits);
    return text;
}

// The rounded number written with at least one integer digit and exactly `decimals` decimals.
std::string Fixed(const decimal::Digits& number, int decimals) {
    const std::string& d = number.digits;
    const int size = static_cast<int>(d.size());
    const auto digitAt = [&d, size](int index) {
        return index >= 0 && index < size ? d[static_cast<std::size_t>(index)] : '0';
    };
    const int integerDigits = number.pointPosition > 0 ? number.pointPosition : 1;
    std::string text;
    text.reserve(static_cast<std::size_t>(integerDigits + decimals + 2));
    if (number.negative) {
        text += '-';
    }
    if (number.pointPosition <= 0) {
        text += '0';
    }
    for (int position = 0; position < number.pointPosition; ++position) {
        text += digitAt(position);
    }
    text += '.';
    for (int place = 0; place < decimals; ++place) {
        text += digitAt(number.pointPosition + place);
    }
    return text;
}

// The pattern of a number read back from its general text: the digits the text holds, without the
// sign of a zero.
std::string PatternOfDigits(decimal::Digits number, int decimals) {
    if (number.digits.empty()) {
        number.negative = false;
    }
    return Fixed(decimal::RoundDecimals(std::move(number), decimals), decimals);
}

// "00" to "99": the digits of a number are written two at a time.
constexpr std::array<char, 200> kDigitPairs = [] {
    std::array<char, 200> pairs{};
    for (std::size_t i = 0; i < 100; ++i) {
        pairs[2 * i] = static_cast<char>('0' + i / 10);
        pairs[2 * i + 1] = static_cast<char>('0' + i % 10);
    }
    return pairs;
}();

// Writes the last two digits of `rest` before `end` and drops them from it.
char* WriteDigitPair(char* end, std::uint64_t& rest) {
    const std::size_t pair = 2 * static_cast<std::size_t>(rest % 100);
    rest /= 100;
    end[-2] = kDigitPairs[pair];
    end[-1] = kDigitPairs[pair + 1];
    return end - 2;
}

// The units of 10^-decimals written as Fixed writes the same digits, ending before `end`; returns
// where they start.
char* WriteAnyFixedUnits(char* const end, bool negative, std::uint64_t units, int decimals) {
    char* start = end;
    int place = decimals;
    for (; place >= 2; place -= 2) {
        start = WriteDigitPair(start, units);
    }
    if (place == 1) {
        *--start = static_cast<char>('0' + units % 10);
        units /= 10;
    }
    *--start = '.';
    while (units >= 100) {
        start = WriteDigitPair(start, units);
    }
    if (units >= 10) {
        start = WriteDigitPair(start, units);
    } else {
        *--start = static_cast<char>('0' + units);
    }
    if (negative) {
        *--start = '-';
    }
    return start;
}

// The same for a number of decimals known when compiled: the decimals are split off by one division
// by a constant and written two at a time in 32 bits.
template <int Decimals> char* WriteFixedUnits(char* const end, bool negative, std::uint64_t units) {
    constexpr auto scale = static_cast<std::uint64_t>(decimal::detail::kPowersOfTen[Decimals]);
    std::uint64_t whole = units / scale;
    auto fraction = static_cast<std::uint32_t>(units % scale);
    char* start = end;
    for (int place = Decimals; place >= 2; place -= 2) {
        const std::size_t pair = 2 * static_cast<std::size_t>(fraction % 100);
        fraction /= 100;
        *--start = kDigitPairs[pair + 1];
        *--start = kDigitPairs[pair];
    }
    if constexpr (Decimals % 2 == 1) {
        *--start = static_cast<char>('0' + fraction);
    }
    *--start = '.';
    while (whole >= 100) {
        start = WriteDigitPair(start, whole);
    }
    if (whole >= 10) {
        start = WriteDigitPair(start, whole);
    } else {
        *--start = static_cast<char>('0' + whole);
    }
    if (negative) {
        *--start = '-';
    }
    return start;
}

char* WriteFixedUnits(char* const end, bool negative, std::uint64_t units, int decimals) {
    switch (decimals) {
    case kRollAngleDecimals:
        return WriteFixedUnits<kRollAngleDecimals>(end, negative, units);
    case kResultDecimals:
        return WriteFixedUnits<kResultDecimals>(end, negative, units);
    case kEnteredValueDecimals:
        return WriteFixedUnits<kEnteredValueDecimals>(end, negative, units);
    case kPreciseDecimals:
        return WriteFixedUnits<kPreciseDecimals>(end, negative, units);
    default:
        break;
    }
    return WriteAnyFixedUnits(end, negative, units, decimals);
}

// Room for the digits of 64-bit units, a point and a sign.
using FixedBuffer = std::array<char, 24>;

// How many characters WriteFixedUnits writes: the sign, the integer digits (at least one), the point
// and the decimals.
std::size_t FixedUnitsLength(bool negative, std::uint64_t units, int decimals) {
    constexpr std::size_t kMostDigits = 20; // of a 64-bit integer
    auto digits = static_cast<std::size_t>(decimals) + 1;
    while (digits < kMostDigits &&
           units >= static_cast<std::uint64_t>(decimal::detail::kPowersOfTen[digits])) {
        ++digits;
    }
    return (negative ? 1 : 0) + digits + 1;
}

// The pattern of a value's general text from its digit string, then `unit`, into `text`: for values
// beyond the integer arithmetic.
void AssignPatternFromDigits(std::string& text, double value, int significant, int decimals,
                             std::string_view unit) {
    text = PatternOfDigits(decimal::SignificantDigits(value, significant), decimals);
    text += unit;
}

// A value a Single holds exactly: |value| = mantissa × 2^-shift with a mantissa of 24 bits, the
// double's 53 less its 29 low zeros. Nonzero and below 10^7.
struct SingleBits {
    std::uint64_t mantissa = 0;
    int shift = 0;
};

bool HoldsSingleBelow(double value, double limit) {
    return std::fabs(value) < limit && static_cast<double>(static_cast<float>(value)) == value;
}

SingleBits BitsOfSingle(double value) {
    constexpr int kStoredBits = std::numeric_limits<double>::digits - 1;
    constexpr int kFloatZeros = std::numeric_limits<double>::digits - std::numeric_limits<float>::digits;
    constexpr int kExponentBias = 1023;
    const auto bits = std::bit_cast<std::uint64_t>(value);
    const int biasedExponent = static_cast<int>((bits >> kStoredBits) & 0x7FF);
    const std::uint64_t mantissa =
        ((bits & ((std::uint64_t{1} << kStoredBits) - 1)) | (std::uint64_t{1} << kStoredBits)) >> kFloatZeros;
    return {mantissa, kStoredBits - kFloatZeros - (biasedExponent - kExponentBias)};
}

// |value| × 10^Decimals rounded half away from zero, exactly, for up to seven decimals.
template <int Decimals> std::uint64_t RoundedUnits(const SingleBits& single) {
    static_assert(Decimals <= 7);
    constexpr auto scale = static_cast<std::uint64_t>(decimal::detail::kPowersOfTen[Decimals]);
    const std::uint64_t scaled = single.mantissa * scale; // below 2^24 × 10^7 < 2^48
    if (single.shift <= 0) {
        return scaled << -single.shift; // a whole number below 10^7
    }
    constexpr int kWordBits = 64;
    if (single.shift >= kWordBits) {
        return 0; // below half a unit
    }
    return (scaled + (std::uint64_t{1} << (single.shift - 1))) >> single.shift;
}

// The units of 10^-Decimals of a value a Single holds exactly, below 10^7, rounded half away from zero
// straight from its binary digits: nothing for other values. For such a value the pattern of its
// 15-digit general text has these units. Its mantissa has at most 24 bits, so unless it lies on a half
// unit it lies at least |value| / 2^24 from one, more than the half of a 15th significant digit by
// which the general text moves it (for up to seven decimals): the two roundings end on the same side
// of every half unit, and on a half unit itself both round away from zero.
template <int Decimals> std::optional<std::uint64_t> SingleValueUnits(double value) {
    constexpr double kLimit = 1e7;
    if (!HoldsSingleBelow(value, kLimit)) {
        return std::nullopt;
    }
    if (value == 0.0) {
        return 0;
    }
    return RoundedUnits<Decimals>(BitsOfSingle(value));
}

// The units of 10^-5 of the pattern of a Single's 7-digit general text, for a value from 1 to below
// 1000, as most pitches, diameters and distances are: nothing for others. The general text rounds the
// exact binary value once, at its seventh significant digit, here the sixth, fifth or fourth
// decimal, which is done straight from the mantissa; the pattern rounds the sixth decimal once more,
// or pads the fourth.
std::optional<std::uint64_t> SingleTextFiveDecimalUnits(double value) {
    constexpr double kLimit = 1000;
    const double magnitude = std::fabs(value);
    if (!HoldsSingleBelow(value, kLimit) || magnitude < 1.0) {
        return std::nullopt;
    }
    const SingleBits single = BitsOfSingle(value);
    constexpr double kTwoWholeDigits = 10;
    constexpr double kThreeWholeDigits = 100;
    if (magnitude >= kThreeWholeDigits) {
        return RoundedUnits<4>(single) * 10;
    }
    if (magnitude >= kTwoWholeDigits) {
        return RoundedUnits<5>(single);
    }
    const std::uint64_t millionths = RoundedUnits<6>(single);
    return millionths / 10 + (millionths % 10 >= 5 ? 1 : 0);
}

// Whether the value is a whole number or one of quarters below 10^5, as pitches and angles mostly
// are: it has at most seven significant digits and two decimals, all exact in a Single, so that its
// general text is exact and its pattern of five decimals is the value itself.
bool IsShortQuarter(double value) {
    constexpr double kQuarters = 4;
    constexpr double kExactLimit = 1e5;
    const double quarters = value * kQuarters;
    return std::fabs(value) < kExactLimit && quarters == std::trunc(quarters);
}

// The units of the pattern straight from the value where a quick path has them: a Single's value for
// the 15-digit patterns; a short quarter, or a value from 1 to 1000, for the 7-digit one of five
// decimals.
template <int Significant, int Decimals> std::optional<std::uint64_t> QuickUnits(double value) {
    if constexpr (Significant == kDoubleDigits && Decimals <= 7) {
        return SingleValueUnits<Decimals>(value);
    } else if constexpr (Significant == kSingleDigits && Decimals == kEnteredValueDecimals) {
        if (IsShortQuarter(value)) {
            constexpr double kScale = 1e5;
            return static_cast<std::uint64_t>(std::fabs(value) * kScale); // exact: below 2^34
        }
        return SingleTextFiveDecimalUnits(value);
    }
    return std::nullopt;
}

// The pattern of a value's general text with `Significant` digits, then `unit`, into `text`: from
// integers where they hold it, else from the digit string. The digits are written into the text's
// own storage, which a text rewritten with one of the same length, as a table's cell mostly is from
// pair to pair, keeps as it is. The digits and decimals are known when compiled, so that the integer
// arithmetic takes its powers of ten as constants.
template <int Significant, int Decimals>
void AssignPatternOf(std::string& text, double value, std::string_view unit) {
    std::optional<std::uint64_t> units = QuickUnits<Significant, Decimals>(value);
    if (!units) {
        if (const auto scaled = decimal::ScaledSignificant(value, Significant)) {
            units = decimal::DecimalUnits(*scaled, Decimals);
        }
    }
    if (!units) {
        AssignPatternFromDigits(text, value, Significant, Decimals, unit);
        return;
    }
    // A zero is written without its sign, as read back from its text "0".
    const bool negative = value < 0.0;
    const std::size_t length = FixedUnitsLength(negative, *units, Decimals);
    text.resize(length + unit.size());
    WriteFixedUnits<Decimals>(text.data() + length, negative, *units);
    CopyShort(unit.data(), unit.size(), text.data() + length);
}

// The same for digits and decimals given when run: the patterns of the table's cells take their own
// instances.
void AssignPatternOfSignificant(std::string& text, double value, int significant, int decimals,
                                std::string_view unit) {
    if (significant == kDoubleDigits) {
        switch (decimals) {
        case kRollAngleDecimals:
            return AssignPatternOf<kDoubleDigits, kRollAngleDecimals>(text, value, unit);
        case kResultDecimals:
            return AssignPatternOf<kDoubleDigits, kResultDecimals>(text, value, unit);
        case kPreciseDecimals:
            return AssignPatternOf<kDoubleDigits, kPreciseDecimals>(text, value, unit);
        default:
            break;
        }
    } else if (significant == kSingleDigits && decimals == kEnteredValueDecimals) {
        return AssignPatternOf<kSingleDigits, kEnteredValueDecimals>(text, value, unit);
    }
    if (const auto scaled = decimal::ScaledSignificant(value, significant)) {
        if (const auto units = decimal::DecimalUnits(*scaled, decimals)) {
            // A zero is written without its sign, as read back from its text "0".
            const bool negative = scaled->negative && scaled->significand != 0;
            const std::size_t length = FixedUnitsLength(negative, *units, decimals);
            text.resize(length + unit.size());
            WriteFixedUnits(text.data() + length, negative, *units, decimals);
            CopyShort(unit.data(), unit.size(), text.data() + length);
            return;
        }
    }
    AssignPatternFromDigits(text, value, significant, decimals, unit);
}

std::string PatternOfSignificant(double value, int significant, int decimals) {
    if (const auto scaled = decimal::ScaledSignificant(value, significant)) {
        if (const auto units = decimal::DecimalUnits(*scaled, decimals)) {
            FixedBuffer written;
            char* const end = written.data() + written.size();
            const char* const start =
                WriteFixedUnits(end, scaled->negative && scaled->significand != 0, *units, decimals);
            return std::string(start, static_cast<std::size_t>(end - start));
        }
    }
    return PatternOfDigits(decimal::SignificantDigits(value, significant), decimals);
}

// The leading number of a text of at most 15 significant digits, at most 22 decimals and no exponent,
// as the fields and most general texts hold: its digits as an integer and the power of ten are both
// exact doubles, so the one division or multiplication rounds to the nearest double, as reading the
// whole text does. Nothing for other texts.
std::optional<double> ShortNumber(std::string_view text) {
    constexpr int kLargestPower = 22;
    static constexpr std::array<double, kLargestPower + 1> kPowers = {
        1e0,  1e1,  1e2,  1e3,  1e4,  1e5,  1e6,  1e7,  1e8,  1e9,  1e10, 1e11,
        1e12, 1e13, 1e14, 1e15, 1e16, 1e17, 1e18, 1e19, 1e20, 1e21, 1e22};
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ') {
        ++i;
    }
    bool negative = false;
    if (i < text.size() && (text[i] == '-' || text[i] == '+')) {
        negative = text[i] == '-';
        ++i;
    }
    // Below 10^15 the digits and their value as a double are the same integer.
    constexpr std::uint64_t kDigitsLimit = 1'000'000'000'000'000;
    std::uint64_t digits = 0;
    const auto readDigitRun = [&text, &i, &digits]() {
        const std::size_t start = i;
        for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
            digits = digits * 10 + static_cast<std::uint64_t>(text[i] - '0');
            if (digits >= kDigitsLimit) {
                return -1;
            }
        }
        return static_cast<int>(i - start);
    };
    if (readDigitRun() < 0) {
        return std::nullopt;
    }
    int decimals = 0;
    if (i < text.size() && text[i] == '.') {
        ++i;
        decimals = readDigitRun();
        if (decimals < 0) {
            return std::nullopt;
        }
    }
    if (digits == 0) {
        return 0.0; // no digit, or only zeros, whatever exponent follows
    }
    if ((i < text.size() && (text[i] == 'E' || text[i] == 'e')) || decimals > kLargestPower) {
        return std::nullopt;
    }
    const double magnitude = static_cast<double>(digits) / kPowers[static_cast<std::size_t>(decimals)];
    return negative ? -magnitude : magnitude;
}

} // namespace

std::string SingleGeneralText(Single value) {
    return General(value, kSingleDigits);
}

std::string DoubleGeneralText(double value) {
    return General(value, kDoubleDigits);
}

std::string SignedSingleGeneralText(Single value) {
    const std::string text = SingleGeneralText(value);
    return text.front() == '-' ? text : " " + text;
}

std::string PatternText(std::string_view numberText, int decimals) {
    const decimal::Scan scan = decimal::ScanNumber(numberText);
    if (scan.length == 0 || scan.length != numberText.size()) {
        return std::string(numberText);
    }
    return PatternOfDigits(scan.number, decimals);
}

// The general text reads back as exactly the digits it was written from, so the patterns of a value
// start from those digits.
std::string PatternValue(double value, int decimals) {
    return PatternOfSignificant(value, kDoubleDigits, decimals);
}

std::string PatternOfSingleGeneral(Single value, int decimals) {
    return PatternOfSignificant(value, kSingleDigits, decimals);
}

std::string PatternOfDoubleGeneral(double value, int decimals) {
    return PatternValue(value, decimals);
}

void AssignPatternValue(std::string& text, double value, int decimals, std::string_view unit) {
    AssignPatternOfSignificant(text, value, kDoubleDigits, decimals, unit);
}

void AssignPatternOfSingleGeneral(std::string& text, Single value, int decimals, std::string_view unit) {
    AssignPatternOfSignificant(text, value, kSingleDigits, decimals, unit);
}

void AssignPatternOfDoubleGeneral(std::string& text, double value, int decimals) {
    AssignPatternValue(text, value, decimals);
}

std::string FiveDecimalText(Single value) {
    return PatternOfSingleGeneral(value, kEnteredValueDecimals);
}

double LeadingNumber(std::string_view text) {
    if (const std::optional<double> value = ShortNumber(text)) {
        return *value;
    }
    const decimal::Scan scan = decimal::ScanNumber(text);
    if (scan.number.digits.empty()) {
        return 0.0;
    }
    const std::string_view part = text.substr(0, scan.length);
    const std::size_t start = part.find_first_not_of(" +");
    double value = 0.0;
    const auto result = std::from_chars(part.data() + start, part.data() + part.size(), value);
    if (result.ec == std::errc::result_out_of_range) {
        const bool huge = scan.number.pointPosition > 0;
        value = huge ? std::numeric_limits<double>::infinity() : 0.0;
        return scan.number.negative ? -value : value;
    }
    return value;
}

namespace {

// The five-decimal units of a value's general text with `Significant` digits, read back as the
// quick reading of a short text does (one division of the units; see ShortNumber); its zero reads
// unsigned. Nothing where the units are too many for that reading. The digits are known when
// compiled, as for the table's patterns.
template <int Significant> std::optional<double> FiveDecimalUnitsNumber(double value) {
    constexpr double kUnitsPerOne = 1e5;
    constexpr std::uint64_t kShortDigitsLimit = 1'000'000'000'000'000;
    std::optional<std::uint64_t> units = QuickUnits<Significant, kEnteredValueDecimals>(value);
    if (!units) {
        if (const auto scaled = decimal::ScaledSignificant(value, Significant)) {
            units = decimal::DecimalUnits(*scaled, kEnteredValueDecimals);
        }
    }
    if (!units || *units >= kShortDigitsLimit) {
        return std::nullopt;
    }
    const double magnitude = static_cast<double>(*units) / kUnitsPerOne;
    return value < 0.0 && *units != 0 ? -magnitude : magnitude;
}

} // namespace

Single RoundToFiveDecimals(Single value) {
    // The pattern's digits are its units of 10^-5: the text itself is not needed.
    if (const std::optional<double> rounded = FiveDecimalUnitsNumber<kDoubleDigits>(value)) {
        return *rounded;
    }
    return LeadingNumber(PatternValue(value, kEnteredValueDecimals));
}

std::string ShortestFixedText(double value) {
    std::array<char, 400> digits{};
    const auto written =
        std::to_chars(digits.data(), digits.data() + digits.size(), value, std::chars_format::fixed);
    return {digits.data(), written.ptr};
}

double FiveDecimalNumber(Single value) {
    if (const std::optional<double> number = FiveDecimalUnitsNumber<kSingleDigits>(value)) {
        return *number;
    }
    return LeadingNumber(FiveDecimalText(value));
}

} // namespace korvanta
