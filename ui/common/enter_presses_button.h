#pragma once

namespace korvanta {

// Enter on a focused command button presses it, in every window of the program, as in the message
// boxes (whose buttons press themselves). The focus stays on the button; a window the button opens
// or closes takes it from there.
void InstallEnterPressesButtons();

} // namespace korvanta
