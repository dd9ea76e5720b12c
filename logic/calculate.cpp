#include "logic/calculate.h"

#include <array>
#include <cmath>
#include <string_view>
#include <tuple>

#include "core/arithmetic.h"
#include "core/normal_pitch.h"
#include "core/number_text.h"
#include "core/transverse_values.h"
#include "logic/unit_texts.h"

namespace korvanta {

namespace {

constexpr std::string_view kBrenmark = "Brenmark";

// The value of every field's text, read once: the checks compare them over and over.
class FieldValues {
public:
    explicit FieldValues(const FieldNumbers& numbers) : values_(numbers) {}

    double operator[](InputField field) const { return values_[static_cast<std::size_t>(field)]; }

private:
    FieldNumbers values_;
};

CalculateOutcome Reject(std::string_view text, std::string_view title, InputField focus) {
    CalculateOutcome outcome;
    outcome.rejection = Message{std::string(text), std::string(title), MessageIcon::Stop};
    outcome.focus = focus;
    return outcome;
}

CalculateOutcome Accept(PairKind kind) {
    CalculateOutcome outcome;
    outcome.opens = kind;
    return outcome;
}

// Every field into the state, in the order the command reads them.
void StoreFields(GearPairState& state, const FieldValues& values) {
    state.PA = values[InputField::PA];
    StoreNormalPitch(state, values[InputField::DP]);
    state.NT1 = values[InputField::NT1];
    state.NT2 = values[InputField::NT2];
    state.OD1 = values[InputField::OD1];
    state.OD2 = values[InputField::OD2];
    state.CD = values[InputField::CD];
    state.HA = values[InputField::HA];
}

std::optional<CalculateOutcome> PresenceCheck(const FieldValues& values, LengthUnit unit) {
    // The message of the pitch names it in the pair's units: it is written only when it is shown.
    struct Presence {
        InputField field;
        std::string_view message;
    };
    static constexpr Presence kPresences[] = {
        {InputField::NT1, "Enter the number of teeth for Pinion"},
        {InputField::NT2, "Enter the number of teeth for Gear"},
        {InputField::DP, {}},
        {InputField::PA, "Enter the Normal Pressure Angle"},
        {InputField::OD1, "Enter the OD for gear 1"},
        {InputField::OD2, "Enter the OD for gear 2"},
    };
    for (const Presence& presence : kPresences) {
        if (values[presence.field] == 0) {
            return presence.field == InputField::DP
                       ? Reject("Enter the " + NormalPitchCaption(unit), kMessageTitle, presence.field)
                       : Reject(presence.message, kMessageTitle, presence.field);
        }
    }
    return std::nullopt;
}

// A right angle or more makes the tangent of the pressure angle, or the cosine of the helix angle,
// meaningless for an involute tooth.
std::optional<CalculateOutcome> AngleCheck(const FieldValues& values) {
    if (Single(values[InputField::PA]) >= 90) {
        return Reject("The Normal Pressure Angle must be less than 90° !", kMessageTitle, InputField::PA);
    }
    if (Single(values[InputField::HA]) >= 90) {
        return Reject("The Helix Angle must be less than 90° !", kMessageTitle, InputField::HA);
    }
    return std::nullopt;
}

CalculateOutcome CalculateInternal(GearPairState& state, const FieldValues& values) {
    StoreFields(state, values);
    DeriveTransverseValues(state);
    if (values[InputField::NT2] > values[InputField::NT1]) {
        return Accept(PairKind::Internal);
    }
    return Reject("Pinion must have fewer teeth than internal gear.", kBrenmark, InputField::NT1);
}

CalculateOutcome CalculateExternal(GearPairState& state, const FieldValues& values) {
    if (values[InputField::NT2] < values[InputField::NT1]) {
        return Reject("The number of pinion teeth cannot be greator than the number of gear teeth !",
                      kMessageTitle, InputField::NT1);
    }
    if (values[InputField::OD2] < values[InputField::OD1]) {
        return Reject("The Pinion O.D. must not be larger than the gear O.D. !", kMessageTitle,
                      InputField::OD1);
    }
    // The smallest outside diameter a tooth count allows: the root of a full-depth tooth.
    if (Single(Divide(state.NT1 - 1, state.DP)) > Single(values[InputField::OD1])) {
        return Reject("Outside Diameter for gear 1 is too small !", kMessageTitle, InputField::OD1);
    }
    if (Single(Divide(state.NT2 - 1, state.DP)) > Single(values[InputField::OD2])) {
        return Reject("Outside Diameter for gear 2 is too small !", kMessageTitle, InputField::OD2);
    }
    StoreFields(state, values);
    DeriveTransverseValues(state);
    if (Single((state.DB2 + state.DB1) / 2) > state.CD) {
        return Reject("Center Distance is too small !, Please check your input data", kBrenmark,
                      InputField::CD);
    }
    if (Single((state.OD2 + state.OD1) / 2) > state.CD) {
        return Accept(PairKind::External);
    }
    return Reject("Outside diameter of one or both gears is too small !, Please check your input data",
                  kBrenmark, InputField::OD1);
}

} // namespace

CalculateOutcome Calculate(GearPairState& state, PairKind chosen, const FieldTexts& texts) {
    static_assert(std::tuple_size_v<FieldTexts> == std::tuple_size_v<FieldNumbers>);
    FieldNumbers numbers{};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        numbers[i] = LeadingNumber(texts[i]);
    }
    return Calculate(state, chosen, numbers);
}

CalculateOutcome Calculate(GearPairState& state, PairKind chosen, const FieldNumbers& numbers) {
    const FieldValues values(numbers);
    state.GearType = chosen;
    if (auto rejection = PresenceCheck(values, state.Unit)) {
        return *rejection;
    }
    try {
        if (auto rejection = AngleCheck(values)) {
            return *rejection;
        }
        return chosen == PairKind::Internal ? CalculateInternal(state, values)
                                            : CalculateExternal(state, values);
    } catch (const ArithmeticError&) {
        return Reject("These entries cannot be calculated: a value is out of range. Please check the " +
                          PitchCaption(state.Unit) + " and the other input data.",
                      kMessageTitle, InputField::DP);
    }
}

} // namespace korvanta
