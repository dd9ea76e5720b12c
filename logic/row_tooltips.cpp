#include "logic/row_tooltips.h"

#include <array>

namespace korvanta {

namespace {

constexpr std::array<std::string_view, kOutputRowCount> kTooltips = {
    // Teeth
    "Teeth of each member; count them on the part before anything else.",
    // DiametralPitch
    "Teeth per inch of pitch diameter in the normal plane; the pitch of the hob, cutter or master gear.",
    // TransverseDiametralPitch
    "Teeth per inch of pitch diameter in the plane of rotation; the pitch of a helical gear's transverse "
    "profile.",
    // PressureAngle
    "Pressure angle of the tool in the normal plane; the angle the profile checker's base is set for.",
    // TransversePressureAngle
    "Pressure angle in the plane of rotation; the base diameter and roll angles follow from it.",
    // OperatingPressureAngle
    "Pressure angle at which the pair runs at the entered center distance; check it against the "
    "mounting.",
    // HelixAngle
    "Helix angle at the pitch diameter, 0 for spur gears; set the lead checker for it.",
    // BaseDiameter
    "Diameter of the circle the involute unwinds from; set the involute checker's base disc to it.",
    // PitchDiameter
    "Teeth divided by the transverse pitch; tooth thickness, pins and runout are referred to it.",
    // OutsideDiameter
    "Tip diameter of each member (the internal gear's inside diameter); measure the blank against it.",
    // CenterDistance
    "Distance between the axes as entered; the pair is calculated meshing there without backlash.",
    // ModificationCoefficient
    "Profile shift x in units of 1/DP that makes the pair mesh at the center distance; it sets the "
    "tooth thickness.",
    // SAPDiameter
    "Diameter where the mate first touches the flank; the profile must be true involute from here out.",
    // TIFDiameter
    "Smallest diameter the tool cuts as true involute; it must lie below the SAP, or the flank is "
    "undercut.",
    // ProfileOverlap
    "Working depth in units of 1/DP, not the contact ratio; for that see \"Inspection Measurements\".",
    // RollTIF
    "Roll angle from the base circle to the TIF diameter; where the involute check must start.",
    // RollSAP
    "Roll angle from the base circle to the SAP diameter; the start of the active profile on the "
    "chart.",
    // RollPitch
    "Roll angle from the base circle to the pitch diameter; a reference mark on the involute chart.",
    // RollOutside
    "Roll angle from the base circle to the outside diameter; where the involute check ends.",
};

} // namespace

std::string_view RowTooltip(OutputRow row) {
    return kTooltips[static_cast<int>(row)];
}

} // namespace korvanta
