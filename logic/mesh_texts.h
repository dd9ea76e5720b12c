#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "core/length_unit.h"
#include "core/mesh_geometry.h"
#include "logic/pair_file.h"

namespace korvanta {

// The words of the mesh picture: its legend, the values written beside the drawing, the labels of the
// contact points, the turn and the header of its page.

// The legend's caption of a kind of circle; the internal gear's outside circle is its inside circle.
std::string CircleCaption(MeshCircleKind kind, PairKind pair);

inline constexpr std::string_view kPinionCaption = "Pinion";
inline constexpr std::string_view kGearCaption = "Gear";
inline constexpr std::string_view kAssumedRootLegend = "Assumed root (see below)";
inline constexpr std::string_view kLineOfActionCaption = "Line of action (T1 to T2)";
inline constexpr std::string_view kPathOfContactCaption = "Path of contact (A to E)";
inline constexpr std::string_view kSingleContactCaption = "Single tooth contact (B to D)";
inline constexpr std::string_view kFlankCaption = "Involute flank";
inline constexpr std::string_view kTroubleCaption = "Trouble";

// "Assumed root: " and what the root drawn below the TIF assumes.
std::string AssumedRootCaption(std::string_view assumption);

// "Path of contact: 0.4567 in", four decimals as the table's lengths.
std::string PathLengthText(double length, LengthUnit unit);
// "Contact ratio: 1.6573", four decimals as the table's coefficients.
std::string ContactRatioText(double ratio);

// The label of a point where two teeth touch: its roll angle on each member, three decimals as the
// table's roll angles: "Pinion 21.345°" and "Gear 12.345°".
PerMember<std::string> RollAngleTexts(const MeshContact& contact);

// How far the pinion has turned from the start of the picture: "Pinion turned 4.500°".
std::string TurnText(double basePitches, int pinionTeeth);

// The lines a printed or saved picture begins with, as the sheet's header: the job texts that are typed,
// each as "Label: text" (the note on one line), the kind of pair, the units, then when and by what it
// was made.
std::vector<std::string> MeshHeaderLines(const JobData& job, PairKind kind, LengthUnit unit,
                                         std::string_view date);

// What `korvanta --mesh` takes, said when it is given something else.
inline constexpr std::string_view kMeshCommandUsage =
    "Usage: korvanta --mesh FILE.korvanta --output MESH.svg (or MESH.pdf)";

// The message of a picture that could not be written; nothing was left in the file's place.
std::string UnwritablePictureFile(std::string_view fileName, std::string_view reason);

} // namespace korvanta
