#pragma once

#include <QWidget>
#include <array>
#include <optional>

#include "core/gear_pair_state.h"
#include "core/pair_kind.h"
#include "logic/output_table.h"

namespace korvanta {

// The Designer names of one table row's controls: caption label, pinion cell, gear cell.
struct OutputRowNames {
    const char* caption;
    const char* pinion;
    const char* gear;
};

// What makes the output window of one kind of pair: its form, its table, its rows and the few ways in
// which the two windows differ.
struct OutputWindowDescription {
    PairKind kind;
    void (*buildForm)(QWidget& window); // the Designer form of the kind's window
    const OutputTable& (*newTable)();
    std::array<OutputRowNames, kOutputRowCount> rows; // in the table's row order
    std::optional<double> headingPointSize;           // the column headings' size, if not the window's
    // The internal pair's Close gives the input window back before the window goes, so that the
    // window system hands the focus straight to an enabled input window; closing by any route then
    // gives it back once more, which changes nothing.
    bool closeEnablesInputFirst;
};

const OutputWindowDescription& DescriptionOf(PairKind kind);

// The cells and captions that keep the button-face colour on a printout; every other caption and cell
// of the table is whitened with the window.
inline constexpr std::array<const char*, 11> kKeptGreyOnPrintout = {
    "LabelDP", "TextTDP1",          "TextTDP2",          "TextTPA1", "TextTPA2", "TextPD1",
    "TextPD2", "TextProfileshift1", "TextProfileshift2", "Text_15",  "Text_16"};

} // namespace korvanta
