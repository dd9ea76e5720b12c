#include "logic/inspection_sheet.h"

#include "core/line_of_action.h"
#include "core/number_text.h"
#include "logic/design_checks.h"
#include "logic/gear_data_block.h"
#include "logic/profile_chart.h"
#include "logic/profile_stations.h"
#include "logic/sheet_tolerances.h"

namespace korvanta {

namespace {

constexpr int kContactRatioDecimals = 3;

// Without a single tooth contact zone the B and D stations do not exist: one pair of teeth leaves
// before the next takes over, or two pairs or more are always in mesh.
std::optional<std::string> SingleContactNotice(const LineOfAction& line) {
    const std::string ratio = PatternValue(line.contactRatio, kContactRatioDecimals);
    if (line.contactRatio < 1.0) {
        return "No single tooth contact zone: the contact ratio " + ratio +
               " is below 1, so the teeth lose contact before the next pair takes over.";
    }
    if (line.contactRatio >= 2.0) {
        return "No single tooth contact zone: with a contact ratio of " + ratio +
               " two pairs of teeth or more are always in contact.";
    }
    return std::nullopt;
}

} // namespace

InspectionSheet SheetOf(const PairSolution& solution, const SheetEntries& entries,
                        const SheetHeader& header) {
    InspectionSheet sheet;
    sheet.header = header;
    if (!solution.Complete()) {
        return sheet;
    }
    const LineOfAction line = LineOfActionOf(solution);
    const LengthUnit unit = solution.calculated.Unit;
    sheet.dataBlock = GearDataBlockOf(solution, entries, line);
    sheet.singleContactNotice = SingleContactNotice(line);
    const std::optional<SheetTolerances> tolerances = SheetTolerancesOf(solution, entries);
    if (tolerances) {
        sheet.tolerances = tolerances->rows;
        sheet.toleranceNotes = tolerances->notes;
    }
    for (Member member : kMembers) {
        const std::optional<TipRelief>& relief = entries.tipRelief[member];
        const std::vector<ProfileStation> stations = ProfileStationsOf(solution, line, member, relief);
        for (const ProfileStation& station : stations) {
            sheet.stations[member].push_back(SheetStationOf(station, unit));
        }
        const std::optional<Tolerances> memberTolerances =
            tolerances ? std::optional<Tolerances>(tolerances->values[member]) : std::nullopt;
        sheet.charts[member] = ProfileChartOf(solution, member, stations, memberTolerances, relief);
    }
    sheet.checks = DesignChecksOf(solution);
    return sheet;
}

} // namespace korvanta
