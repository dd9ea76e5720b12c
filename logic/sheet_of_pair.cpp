#include "logic/sheet_of_pair.h"

#include <utility>

#include "logic/sheet_header.h"

namespace korvanta {

SheetHeader SheetHeaderOf(const JobData& job, LengthUnit unit, PairKind kind, std::string date,
                          std::string fileName) {
    return {job,
            std::move(date),
            SheetProgramText(),
            SheetUnitsText(unit),
            SheetPairKindText(kind),
            std::move(fileName)};
}

InspectionSheet SheetOfPair(PairSolution solution, const PerMember<MeasurementChoice>& choices,
                            const SheetEntries& entries, const SheetHeader& header, bool stale) {
    if (solution.Complete()) {
        solution.choices = FittingChoices(solution, choices);
        solution.measurements = Remeasure(solution, solution.choices);
    }
    InspectionSheet sheet = SheetOf(solution, entries, header);
    if (stale) {
        sheet.staleNotice = std::string(kSheetEntriesChangedNotice);
    }
    return sheet;
}

} // namespace korvanta
