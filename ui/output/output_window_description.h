#pragma once

#include <QPoint>
#include <array>
#include <optional>

#include "core/gear_pair_state.h"
#include "core/pair_kind.h"
#include "logic/output_table.h"

namespace korvanta {

// The Qt object names of one table row's controls: caption label, pinion cell, gear cell.
struct OutputRowNames {
    const char* caption;
    const char* pinion;
    const char* gear;
};

// Where the table of one kind's window lies, in pixels of the window. Both windows rule their table
// alike: a frame with a heading row on top, then one row per table row, each a fixed pitch below the
// one above, the caption on the left and the pinion and gear cells in a column each; the buttons stand
// in a line below the frame. A kind sets where the rows begin and how wide the columns are.
struct OutputTableGeometry {
    int windowWidth;
    int firstCaptionTop;            // the first row's caption; the cells of a row stand a pixel higher
    int captionWidth;               // every caption but the TIF row's
    int formDiameterCaptionWidth;   // the TIF row's, which on the external window stops short of the note
                                    // button
    std::array<int, 2> headingLeft; // the pinion and gear headings
    std::array<int, 2> cellLeft;    // the pinion and gear cells; each column's rule stands to their left
    int frameWidth;
    QPoint noteButton; // the top left corner of the form diameter note's button, on the TIF row
    int firstButtonLeft;
};

// What makes the output window of one kind of pair: its name, its table, its rows and the few ways in
// which the two windows differ.
struct OutputWindowDescription {
    PairKind kind;
    const char* objectName;
    const OutputTable& (*newTable)();
    std::array<OutputRowNames, kOutputRowCount> rows; // in the table's row order
    OutputTableGeometry geometry;
    std::optional<double> headingPointSize; // the column headings' size, if not the window's
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
