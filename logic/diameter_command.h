#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/gear_pair_state.h"
#include "core/message.h"

namespace korvanta {

// The diagram window's Calculate on the diameter text T shown in its box, for the member in
// DiagramMember (2 the gear, otherwise the pinion). `ask` shows a Yes/No question (Yes is the default)
// and returns true for Yes; the window puts the focus into its diameter box afterwards.
struct DiameterCommandOutcome {
    bool computed = false;        // both sentences are new
    std::string pressureSentence; // for Text1
    std::string rollSentence;     // for Text2
    std::optional<Message> error; // a diameter of 0 after a Yes, or one too large for a Single
};

DiameterCommandOutcome RunDiameterCommand(const GearPairState& state, std::string_view T,
                                          const std::function<bool(const Message&)>& ask);

} // namespace korvanta
