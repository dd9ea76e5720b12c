#include "logic/pair_file_solution.h"

#include "logic/input_form.h"
#include "logic/output_table.h"
#include "logic/pair_document.h"
#include "logic/session.h"

namespace korvanta {

std::variant<PairSolution, std::string> SolvePairFile(const PairFile& pair) {
    Session session;
    StartAfresh(session.State());
    InputForm form(session.State());
    ApplyPair(form, session, pair);
    const CalculateOutcome outcome = form.CalculatePair();
    if (outcome.rejection) {
        return outcome.rejection->text;
    }
    PairSolution solution = SolvePair(session.State(), session.MeasurementChoices());
    if (!solution.Complete()) {
        // The message the output window shows for the fault.
        OutputTable table;
        FillFreshTable(solution, table);
        return table.fault->message.text;
    }
    return solution;
}

} // namespace korvanta
