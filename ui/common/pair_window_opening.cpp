#include "ui/common/pair_window_opening.h"

#include <optional>

#include "logic/measurement_form.h"
#include "ui/common/dialogs.h"

namespace korvanta {

void WithSolutionToShow(ProgramWindows& windows, const std::function<void(const PairSolution&)>& show) {
    Session& session = windows.session();
    std::optional<PairSolution> solvedHere;
    const PairSolution* solution = session.SolutionOfEntries();
    if (solution == nullptr) {
        solution = &solvedHere.emplace(SolvePair(windows.State(), session.MeasurementChoices()));
    }
    if (!solution->Complete()) {
        windows.services().dialogs->Show(MeasurementFault());
        return;
    }
    show(*solution);
}

} // namespace korvanta
