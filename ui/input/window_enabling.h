#pragma once

class QWidget;

namespace korvanta {

// Gives back every window that none of the windows keeping it disabled holds any more: an output
// window and the limitations window keep the input window disabled, the diagram keeps the input window
// and the output windows disabled. Only enables (the windows disable the others themselves when they
// are activated), so that no order of activations and closes can leave the user without an enabled
// window to go back to. `closing` is a window being closed, no longer counted as open.
void EnableWindowsNoLongerHeld(const QWidget* closing = nullptr);

} // namespace korvanta
