#include "logic/gear_data_block.h"

#include <algorithm>
#include <cmath>
#include <functional>
#include <numbers>

#include "core/number_text.h"
#include "core/top_land.h"
#include "logic/measurement_rows.h"
#include "logic/sheet_texts.h"
#include "logic/unit_texts.h"

namespace korvanta {

namespace {

using std::numbers::pi;

// The contact ratio to the measurements' three decimals.
constexpr int kContactRatioDecimals = 3;
constexpr const char* kPerInch = " 1/in";

double Radians(double degrees) {
    return degrees * pi / 180.0;
}

double Degrees(double radians) {
    return radians * 180.0 / pi;
}

class Block {
public:
    explicit Block(const PairSolution& solution) : solution_(solution), unit_(solution.calculated.Unit) {}

    void Each(std::string caption, const std::function<std::string(Member)>& text) {
        rows_.push_back({std::move(caption), {text(Member::Pinion), text(Member::Gear)}});
    }
    void Both(std::string caption, const std::string& text) {
        rows_.push_back({std::move(caption), {text, text}});
    }

    LengthUnit Unit() const { return unit_; }
    bool Metric() const { return unit_ == LengthUnit::Millimetre; }
    bool Internal() const { return solution_.kind == PairKind::Internal; }
    const PairValues& Values() const { return solution_.values; }
    const PairSolution& Solution() const { return solution_; }
    std::vector<SheetRow> Rows() && { return std::move(rows_); }

private:
    const PairSolution& solution_;
    LengthUnit unit_;
    std::vector<SheetRow> rows_;
};

// Both pitches, the pair's own first: the module in millimetres is 25.4 / DP.
void AddPitches(Block& block) {
    const PairValues& v = block.Values();
    const std::string typed = PatternOfSingleGeneral(v.normalPitch, kEnteredValueDecimals);
    const LengthUnit other = block.Metric() ? LengthUnit::Inch : LengthUnit::Millimetre;
    const std::string converted =
        PatternValue(ConvertedTypedPitch(v.normalPitch, block.Unit(), other), kEnteredValueDecimals);
    const std::string module = (block.Metric() ? typed : converted) + " mm";
    const std::string diametralPitch = (block.Metric() ? converted : typed) + kPerInch;
    if (block.Metric()) {
        block.Both(NormalPitchCaption(LengthUnit::Millimetre), module);
        block.Both(NormalPitchCaption(LengthUnit::Inch), diametralPitch);
    } else {
        block.Both(NormalPitchCaption(LengthUnit::Inch), diametralPitch);
        block.Both(NormalPitchCaption(LengthUnit::Millimetre), module);
    }
}

// The hand of the pinion as entered; the external gear runs the other hand, the internal gear the same.
std::string HandText(const SheetEntries& entries, Member member, bool internal) {
    if (!entries.helixHand) {
        return kSheetNoValue;
    }
    const bool sameAsPinion = member == Member::Pinion || internal;
    const bool right = (*entries.helixHand == HelixHand::Right) == sameAsPinion;
    return right ? "Right" : "Left";
}

// Lead π d / tan ψ and base helix angle tan ψ_b = tan ψ cos φ_t.
void AddHelix(Block& block, const SheetEntries& entries) {
    const PairValues& v = block.Values();
    const bool spur = v.helixAngle == 0;
    const double helix = Radians(v.helixAngle);
    block.Both("Helix Angle", SheetEnteredDegrees(v.helixAngle));
    block.Each("Helix Hand", [&](Member m) {
        return spur ? std::string(kSheetNoValue) : HandText(entries, m, block.Internal());
    });
    block.Each("Lead", [&](Member m) {
        return spur ? std::string(kSheetNoValue)
                    : SheetLength(pi * v.pitchDiameter[m] / std::tan(helix), block.Unit());
    });
    const double baseHelix = std::atan(std::tan(helix) * std::cos(Radians(v.transversePressureAngle)));
    block.Both("Base Helix Angle", SheetDegrees(Degrees(baseHelix), kResultDecimals));
}

// The base pitches π m cos φ: the pair's pitch is teeth per inch (the circular pitch π / P) or the
// module in millimetres (π m).
void AddBasePitches(Block& block) {
    const PairValues& v = block.Values();
    const auto circularPitch = [&](Single pitch) { return block.Metric() ? pi * pitch : pi / pitch; };
    block.Both("Normal Base Pitch",
               SheetLength(circularPitch(v.normalPitch) * std::cos(Radians(v.pressureAngle)), block.Unit()));
    block.Both("Transverse Base Pitch",
               SheetLength(circularPitch(v.transversePitch) * std::cos(Radians(v.transversePressureAngle)),
                           block.Unit()));
}

std::optional<double> ValueOf(const std::optional<ContactMeasurement>& measurement) {
    return measurement ? std::optional<double>(measurement->value) : std::nullopt;
}

// The measurements of each member under the measurements window's captions, "—" where there are none.
void AddMeasurements(Block& block) {
    const std::optional<PairMeasurements>& measured = block.Solution().measurements;
    const LengthUnit unit = block.Unit();
    const auto length = [unit](const std::optional<double>& value) {
        return value ? SheetLength(*value, unit) : std::string(kSheetNoValue);
    };
    const auto add = [&](std::string_view key,
                         const std::function<std::string(const MemberMeasurements&)>& text) {
        const MeasurementKey& found = *std::ranges::find(kMeasurementKeys, key, &MeasurementKey::key);
        const bool internalCaption = block.Internal() && !found.internalCaption.empty();
        block.Each(std::string(internalCaption ? found.internalCaption : found.caption), [&](Member m) {
            return measured ? text(measured->members[m]) : std::string(kSheetNoValue);
        });
    };
    add("tooth_thickness", [&](const MemberMeasurements& m) { return SheetLength(m.toothThickness, unit); });
    add("pin_diameter", [&](const MemberMeasurements& m) { return length(m.pinDiameter); });
    add("over_pins", [&](const MemberMeasurements& m) { return length(ValueOf(m.overPins)); });
    add("span_teeth", [&](const MemberMeasurements& m) {
        return m.spanTeeth ? std::to_string(*m.spanTeeth) : std::string(kSheetNoValue);
    });
    add("span", [&](const MemberMeasurements& m) { return length(ValueOf(m.span)); });
}

} // namespace

std::vector<SheetRow> GearDataBlockOf(const PairSolution& solution, const SheetEntries& entries,
                                      const LineOfAction& line) {
    Block block(solution);
    const PairValues& v = solution.values;
    const PairResult& r = solution.result;
    const LengthUnit unit = block.Unit();
    const bool spur = v.helixAngle == 0;

    block.Each("Number of Teeth", [&](Member m) { return SingleGeneralText(v.teeth[m]); });
    AddPitches(block);
    block.Both("Normal Pressure Angle", SheetEnteredDegrees(v.pressureAngle));
    block.Both("Transverse Pressure Angle", SheetEnteredDegrees(v.transversePressureAngle));
    AddHelix(block, entries);
    block.Each("Reference Pitch Diameter",
               [&](Member m) { return SheetEnteredLength(v.pitchDiameter[m], unit); });
    block.Each("Base Diameter", [&](Member m) {
        return WithLengthUnit(PatternOfDoubleGeneral(v.baseDiameter[m], kPreciseDecimals), unit);
    });
    AddBasePitches(block);
    block.Each(block.Internal() ? "Outside Diameter (Internal Gear: Inside)" : "Outside Diameter",
               [&](Member m) { return SheetEnteredLength(v.outsideDiameter[m], unit); });
    block.Each("True Involute Form Diameter (TIF)", [&](Member m) { return SheetLength(r.TIF[m], unit); });
    block.Each("Start of Active Profile (SAP)", [&](Member m) { return SheetLength(r.SAP[m], unit); });
    // Contact ends on the pinion at E and starts on the gear at A.
    block.Each("End of Active Profile (EAP)", [&](Member m) {
        return SheetLength(m == Member::Pinion ? line.end.diameter.pinion : line.start.diameter.gear, unit);
    });
    block.Each("Profile Shift Coefficient (x)",
               [&](Member m) { return PatternValue(r.X[m], kResultDecimals); });
    AddMeasurements(block);
    // The normal tooth thickness at the tip: the outside diameter, the internal gear's inside diameter.
    block.Each("Top Land (Normal)", [&](Member m) {
        const std::optional<double> topLand = TopLandOf(solution, m);
        return topLand ? SheetLength(*topLand, unit) : std::string(kSheetNoValue);
    });
    block.Both("Center Distance", SheetEnteredLength(v.centerDistance, unit));
    block.Both(spur ? "Operating Pressure Angle" : "Operating Pressure Angle (Transverse)",
               SheetDegrees(r.OperatingPA, kResultDecimals));
    const double contactRatio =
        solution.measurements ? solution.measurements->contactRatio : line.contactRatio;
    block.Both(std::string(kContactRatioCaption), PatternValue(contactRatio, kContactRatioDecimals));
    return std::move(block).Rows();
}

} // namespace korvanta
