#pragma once

#include <optional>
#include <string>
#include <vector>

#include "core/length_unit.h"
#include "core/member.h"
#include "core/pair_solution.h"
#include "logic/pair_file.h"
#include "logic/sheet_entries.h"

namespace korvanta {

// One line of a table of the sheet: a caption and a text per member (empty where the member has none).
struct SheetRow {
    std::string caption;
    PerMember<std::string> texts;
};

// One station of a member's profile: where the inspector reads the trace.
struct SheetStation {
    std::string name;       // "TIF", "SAP", "EAP", ...
    std::string diameter;   // in the pair's length unit, as the measurements show lengths
    std::string rollAngle;  // degrees
    std::string rollLength; // ½√(d² − d_b²)
};

// What the header of every page says: who and what the pair belongs to, when and by what it was made.
struct SheetHeader {
    JobData job;
    std::string date;     // the day the sheet was made, as YYYY-MM-DD
    std::string program;  // the program and its version
    std::string units;    // "Units: in" or "Units: mm" with the pitch it is given by
    std::string pairKind; // "External pair" or "Internal pair"
    std::string fileName; // the pair file's name, empty for a pair never saved
};

// The profile chart of one member, in its own numbers: the roll angle in degrees runs along, the
// deviation from the design involute across (in `deviationUnit`: µm for a metric pair, 0.0001 in for
// an inch pair; plus is material added). The internal gear's runs from its inside diameter outward.
struct ProfileChart {
    struct Point {
        double rollAngle = 0.0;
        double deviation = 0.0;
    };
    struct StationLine {
        std::string label; // name, diameter and roll angle
        double rollAngle = 0.0;
    };

    Member member = Member::Pinion;
    std::string title;
    std::string deviationUnit;
    double rollFrom = 0.0; // the range drawn, in degrees: the lowest station to the highest
    double rollTo = 0.0;
    // Where the tip lies along the roll angle: an external member's tip (its outside diameter) at
    // rollTo, the internal gear's (its inside diameter) at rollFrom, its trace running outward to the root.
    bool tipAtRollFrom = false;
    double deviationFrom = 0.0; // the range drawn across
    double deviationTo = 0.0;
    std::vector<StationLine> stations;
    // The tolerance band: empty without an accuracy class. Over the evaluation range the two lines lie
    // F_αT apart about the design involute; from a start of tip relief each runs straight to the least
    // and the most relief at the outside diameter, on the minus side (the "K"). Each runs from the SAP
    // towards the tip.
    std::vector<Point> upperLimit;
    std::vector<Point> lowerLimit;
};

// How a chart is printed: fitted to its place on the page, or at a scale that lays over a checker's
// trace.
struct ChartScale {
    std::optional<double> millimetresPerDegree; // of chart along the roll angle; empty: fitted
    std::optional<double> magnification;        // of the deviation across; empty: fitted
};

// Everything an inspection sheet shows, as texts and chart values made from one solution.
struct InspectionSheet {
    SheetHeader header;
    std::vector<SheetRow> dataBlock;                // a column per member
    PerMember<std::vector<SheetStation>> stations;  // from the root up
    std::optional<std::string> singleContactNotice; // why a pair has no single tooth contact zone
    std::vector<SheetRow> tolerances;               // µm (an inch pair also in inches); empty: no class
    std::vector<std::string> toleranceNotes;        // the edition, and the entries outside its range
    PerMember<ProfileChart> charts;
    std::vector<std::string> checks;        // the designer's checks, each a sentence
    std::optional<std::string> staleNotice; // the entries have changed since the pair was calculated
};

// The sheet of a complete solution with the sheet's entries, the job data and the header's context.
InspectionSheet SheetOf(const PairSolution& solution, const SheetEntries& entries, const SheetHeader& header);

} // namespace korvanta
