#include "logic/diameter_command.h"

#include "core/angles_at_diameter.h"
#include "core/arithmetic.h"
#include "core/normal_pitch.h"
#include "core/number_text.h"
#include "core/pair_kind.h"
#include "logic/key_filter.h"

namespace korvanta {

namespace {

Message Question(const char* text) {
    return Message{text, std::string(kMessageTitle), MessageIcon::None, true};
}

DiameterCommandOutcome Failed(const char* text) {
    DiameterCommandOutcome outcome;
    outcome.error = Message{text, std::string(kMessageTitle), MessageIcon::Stop};
    return outcome;
}

} // namespace

DiameterCommandOutcome RunDiameterCommand(const GearPairState& state, std::string_view T,
                                          const std::function<bool(const Message&)>& ask) {
    if (T.empty()) {
        return {};
    }
    if (!FitsSingle(T)) {
        return Failed("This diameter is too large to be calculated. Please enter a smaller diameter.");
    }
    const double V = LeadingNumber(T);
    const Single D = V;
    const Member member = DiagramMemberOf(state);
    const bool pinion = member == Member::Pinion;
    // An internal gear's flank lies outside its inside diameter: no upper limit there.
    const bool upperCheck = pinion || !IsInternal(state);
    const Single OD = pinion ? state.OD1 : state.OD2;
    const double DB = pinion ? state.DB1 : state.DB2;

    if (upperCheck && D > OD &&
        !ask(Question("You entered a diameter that is larger than the outside diameter. Is this OK?"))) {
        return {};
    }
    if (V < DB &&
        !ask(Question("You entered a diameter that is smaller than the Base diameter. Is this OK?"))) {
        return {};
    }
    if (D == 0) {
        return Failed(
            "The angles cannot be calculated at a diameter of 0. Please enter a diameter greater than 0.");
    }
    AnglesAt angles;
    try {
        angles = AnglesAtDiameter(state, member, D);
    } catch (const ArithmeticError&) {
        return Failed(
            "The angles cannot be calculated at this diameter. Please check the diameter and the gear data.");
    }
    DiameterCommandOutcome outcome;
    outcome.computed = true;
    // A metric pair's diameter is named with its unit; an inch pair's stands alone.
    const std::string diameter = std::string(T) + (IsMetric(state) ? " mm" : "");
    outcome.pressureSentence = PressureAngleSentence(diameter, angles.pressure);
    outcome.rollSentence = RollAngleSentence(diameter, angles.roll);
    return outcome;
}

} // namespace korvanta
