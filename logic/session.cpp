#include "logic/session.h"

#include <utility>

namespace korvanta {

SessionWindow OutputWindowOf(PairKind kind) {
    return kind == PairKind::Internal ? SessionWindow::InternalOutput : SessionWindow::ExternalOutput;
}

Session::Session() {
    SetStartUpConstants(state_);
}

void Session::Solved(PairSolution solution) {
    KeepCalculatedValues(state_, solution);
    solution_ = std::move(solution);
}

const PairSolution* Session::SolutionOfEntries() const {
    return solution_ && SameEntries(solution_->calculated, state_) ? &*solution_ : nullptr;
}

void Session::SetEnableWindow(EnableWindow enable) {
    enable_ = std::move(enable);
}

// Help and the form-diameter note are read before going on. The internal pair's output window waits
// for the diagram to close: its calculation refreshes the pitch and base diameters the diagram reads,
// and nothing must recalculate the pair under the diagram. The external pair's diagram opens beside
// its output window; the diagram's activation holds that window and the input window while it is open.
bool Session::OpensModally(SessionWindow opener, OpenedWindow opened) {
    switch (opened) {
    case OpenedWindow::Help:
    case OpenedWindow::FormDiameterNote:
        return true;
    case OpenedWindow::Diagram:
        return opener == SessionWindow::InternalOutput;
    case OpenedWindow::Output:
    case OpenedWindow::License:
    case OpenedWindow::Limitations:
    case OpenedWindow::About:
        return false;
    }
    return false;
}

void Session::Created(SessionWindow window) {
    Of(window) = WindowState{true, false, true};
}

void Session::Shown(SessionWindow window, bool shown) {
    WindowState& state = Of(window);
    if (state.exists) {
        state.shown = shown;
    }
}

void Session::Activated(SessionWindow window) {
    switch (window) {
    case SessionWindow::Input:
        // The input window coming to the front after an unusual order of activations and closes.
        EnableWindowsNoLongerHeld();
        break;
    case SessionWindow::ExternalOutput:
    case SessionWindow::InternalOutput:
    case SessionWindow::Limitations:
        SetEnabled(SessionWindow::Input, false);
        break;
    case SessionWindow::Diagram:
        SetEnabled(SessionWindow::Input, false);
        SetEnabled(OutputWindowOf(KindOf(state_)), false);
        break;
    }
}

void Session::Closing(SessionWindow window) {
    Of(window) = WindowState{};
    switch (window) {
    case SessionWindow::Input:
        break;
    case SessionWindow::ExternalOutput:
    case SessionWindow::InternalOutput:
    case SessionWindow::Limitations:
        SetEnabled(SessionWindow::Input, true);
        break;
    case SessionWindow::Diagram:
        SetEnabled(SessionWindow::Input, true);
        SetEnabled(OutputWindowOf(KindOf(state_)), true);
        break;
    }
    EnableWindowsNoLongerHeld();
}

void Session::Enable(SessionWindow window) {
    SetEnabled(window, true);
}

bool Session::Exists(SessionWindow window) const {
    return Of(window).exists;
}

bool Session::IsOpen(SessionWindow window) const {
    return Of(window).exists && Of(window).shown;
}

bool Session::IsEnabled(SessionWindow window) const {
    return Of(window).enabled;
}

// Only windows that exist are enabled or disabled: none is created for it.
void Session::SetEnabled(SessionWindow window, bool enabled) {
    WindowState& state = Of(window);
    if (!state.exists) {
        return;
    }
    state.enabled = enabled;
    if (enable_) {
        enable_(window, enabled);
    }
}

// Only enables (the windows that hold others disable them when they are activated).
void Session::EnableWindowsNoLongerHeld() {
    const bool diagramOpen = IsOpen(SessionWindow::Diagram);
    if (!diagramOpen) {
        SetEnabled(SessionWindow::ExternalOutput, true);
        SetEnabled(SessionWindow::InternalOutput, true);
    }
    if (!diagramOpen && !IsOpen(SessionWindow::ExternalOutput) && !IsOpen(SessionWindow::InternalOutput) &&
        !IsOpen(SessionWindow::Limitations)) {
        SetEnabled(SessionWindow::Input, true);
    }
}

Session::WindowState& Session::Of(SessionWindow window) {
    return windows_[static_cast<std::size_t>(window)];
}

const Session::WindowState& Session::Of(SessionWindow window) const {
    return windows_[static_cast<std::size_t>(window)];
}

} // namespace korvanta
