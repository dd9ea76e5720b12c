#pragma once

#include <string>

#include "core/gear_pair_state.h"
#include "core/pair_kind.h"
#include "core/single.h"

namespace korvanta {

// The data boxes of the roll angle diagram for one member of the pair.
struct DiagramBoxes {
    std::string pitchDiameter;           // Text3
    std::string baseDiameter;            // Text4
    std::string picturePressureAngle;    // Text5: the transverse pressure angle beside the picture
    std::string teeth;                   // Text6
    std::string pitchCaption;            // Label3: "Diametral Pitch", or "Module" for a metric pair
    std::string transversePitch;         // Text7: transverse diametral pitch, or transverse module
    std::string transversePressureAngle; // Text8
    std::string helixAngle;              // Text9
    std::string outsideDiameter;         // Text10: unknown for an internal gear
    bool rootCircleCaption = false;      // Label6: "Root Circle" over the outside circle's caption

    bool operator==(const DiagramBoxes&) const = default;
};

// The member the diagram starts with: the pinion of an external pair, the gear of an internal one.
Member DefaultDiagramMember(PairKind kind);

// A value of the diagram's boxes: its general decimal text (7 significant digits for a Single, 15 for
// a double), then the pattern "0.000000".
std::string DiagramSingleText(Single value);
std::string DiagramDoubleText(double value);

// The boxes for `member` of the pair in `state`.
DiagramBoxes FillDiagramBoxes(const GearPairState& state, Member member);

} // namespace korvanta
