#include "ui/common/program_state.h"

namespace korvanta {

GearPairState& ProgramState() {
    static GearPairState state;
    return state;
}

} // namespace korvanta
