#pragma once

#include <string>

#include "core/gear_pair_state.h"
#include "core/single.h"

namespace korvanta {

// The data boxes of the roll angle diagram for one member of the pair.
struct DiagramBoxes {
    std::string Text3;          // pitch diameter
    std::string Text4;          // base diameter
    std::string Text5;          // transverse pressure angle, beside the picture
    std::string Text6;          // number of teeth
    std::string Text7;          // transverse diametral pitch
    std::string Text8;          // transverse pressure angle
    std::string Text9;          // helix angle
    std::string Text10;         // outside diameter, unknown for an internal gear
    bool Label6Visible = false; // "Root Circle" over the outside circle's caption

    bool operator==(const DiagramBoxes&) const = default;
};

// The member the diagram starts with: the pinion of an external pair, the gear of an internal one.
Integer DefaultDiagramMember(Integer gearType);

// A value of the diagram's boxes: its general decimal text (7 significant digits for a Single, 15 for
// a Double), then the pattern "0.000000".
std::string DiagramSingleText(Single value);
std::string DiagramDoubleText(double value);

// The boxes for `member` (1 pinion, 2 gear) of the pair in `state`.
DiagramBoxes FillDiagramBoxes(const GearPairState& state, Integer member);

} // namespace korvanta
