#include "core/iso_tolerances.h"

#include <array>
#include <charconv>
#include <cmath>

namespace korvanta {

namespace {

double RoundedTo(double value, double step) {
    return std::round(value / step) * step;
}

} // namespace

std::string ToleranceText(double micrometres) {
    std::array<char, 32> text{};
    const auto written = std::to_chars(text.data(), text.data() + text.size(), micrometres,
                                       std::chars_format::fixed, micrometres > 10.0 ? 0 : 1);
    return std::string(text.data(), written.ptr);
}

ToleranceEntries ToleranceEntriesOf(const PairSolution& solution, Member member, int accuracyClass,
                                    double faceWidth) {
    const PairValues& values = solution.values;
    const bool inch = solution.calculated.Unit == LengthUnit::Inch;
    const double toMillimetres = inch ? kMillimetresPerInch : 1.0;
    ToleranceEntries entries;
    entries.accuracyClass = accuracyClass;
    entries.teeth = values.teeth[member];
    entries.referenceDiameter = values.pitchDiameter[member] * toMillimetres;
    entries.normalModule = inch ? kMillimetresPerInch / values.normalPitch : double(values.normalPitch);
    entries.faceWidth = faceWidth * toMillimetres;
    entries.helixAngle = values.helixAngle;
    return entries;
}

double RoundedTolerance(double micrometres) {
    if (micrometres > 10.0) {
        return RoundedTo(micrometres, 1.0);
    }
    if (micrometres >= 5.0) {
        return RoundedTo(micrometres, 0.5);
    }
    return RoundedTo(micrometres, 0.1);
}

Tolerances TolerancesOf(const ToleranceEntries& e) {
    const double d = e.referenceDiameter;
    const double m = e.normalModule;
    const double b = e.faceWidth;
    const double classFactor = std::pow(std::sqrt(2.0), e.accuracyClass - 5);

    const double singlePitch = (0.001 * d + 0.4 * m + 5.0) * classFactor;
    const double totalPitch = (0.002 * d + 0.55 * std::sqrt(d) + 0.7 * m + 12.0) * classFactor;
    const double profileSlope = (0.4 * m + 0.001 * d + 4.0) * classFactor;
    const double profileForm = (0.55 * m + 5.0) * classFactor;
    const double helixSlope = (0.05 * std::sqrt(d) + 0.35 * std::sqrt(b) + 4.0) * classFactor;
    const double helixForm = (0.07 * std::sqrt(d) + 0.45 * std::sqrt(b) + 4.0) * classFactor;

    Tolerances t;
    t.singlePitch = RoundedTolerance(singlePitch);
    t.totalCumulativePitch = RoundedTolerance(totalPitch);
    t.profileSlope = RoundedTolerance(profileSlope);
    t.profileForm = RoundedTolerance(profileForm);
    t.totalProfile = RoundedTolerance(std::hypot(profileSlope, profileForm));
    t.helixSlope = RoundedTolerance(helixSlope);
    t.helixForm = RoundedTolerance(helixForm);
    t.totalHelix = RoundedTolerance(std::hypot(helixSlope, helixForm));

    t.teethOutsideRange = e.teeth < 5.0 || e.teeth > 1000.0;
    t.diameterOutsideRange = d < 5.0 || d > 15000.0;
    t.moduleOutsideRange = m < 0.5 || m > 70.0;
    t.faceWidthOutsideRange = b < 4.0 || b > 1200.0;
    t.helixOutsideRange = std::abs(e.helixAngle) > 45.0;
    return t;
}

} // namespace korvanta
