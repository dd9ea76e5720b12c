#pragma once

#include <QWidget>
#include <functional>

#include "core/pair_solution.h"
#include "ui/common/window_placement.h"
#include "ui/program_windows.h"

namespace korvanta {

// Hands `show` the pair a window of the pair opens with: the session's solution while the entries are
// those it was calculated from (the output window's, measured already), else the pair calculated here
// for that window alone. A calculation stopped by a fault shows nothing: the user is told why.
void WithSolutionToShow(ProgramWindows& windows, const std::function<void(const PairSolution&)>& show);

// Opens a window that shows the pair (the measurements, the sheet, the mesh) beside the window it is
// opened from, unless it is open already, and shows the pair in it.
template <class Window>
void OpenPairWindow(ProgramWindows& windows, const QWidget& openedFrom, Window& (ProgramWindows::*window)()) {
    WithSolutionToShow(windows, [&](const PairSolution& solution) {
        Window& opened = (windows.*window)();
        if (!opened.isVisible()) {
            PlaceBeside(opened, openedFrom);
        }
        opened.ShowPair(solution);
    });
}

// An open window of the pair after the pair is calculated again: it shows the new solution, or, when
// the entries no longer give a complete one, says that they have changed since.
template <class Window>
void FollowPairInWindow(ProgramWindows& windows, Window* (ProgramWindows::*loaded)() const) {
    Window* open = (windows.*loaded)();
    if (open == nullptr) {
        return;
    }
    const PairSolution* solution = windows.session().SolutionOfEntries();
    if (solution != nullptr && solution->Complete()) {
        open->FollowPair(*solution);
    } else {
        open->FollowEntries(windows.State());
    }
}

} // namespace korvanta
