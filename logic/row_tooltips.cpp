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
    "Pressure angle of the tool in the normal plane; with the pitch it sets the base diameter.",
    // TransversePressureAngle
    "Pressure angle in the plane of rotation; the base diameter and roll angles follow from it.",
    // OperatingPressureAngle
    "Pressure angle at which the pair runs at the entered center distance; the line of action lies at it.",
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
    "Profile shift coefficient x (the shift is x/DP) that meshes the pair at the center distance without "
    "backlash; it sets the tooth thickness.",
    // SAPDiameter
    "Diameter where the mate first touches the flank; the profile must be true involute from here out.",
    // TIFDiameter
    "Diameter where the true involute ends toward the root; the SAP must lie on the involute side of it.",
    // ProfileOverlap
    "Working depth in units of 1/DP, not the contact ratio; for that see \"Inspection Measurements\".",
    // RollTIF
    "Roll angle to the TIF diameter; the root end of the involute chart.",
    // RollSAP
    "Roll angle to the SAP diameter; the profile must be in tolerance from here to the tip on the chart.",
    // RollPitch
    "Roll angle to the pitch diameter; a reference mark on the involute chart.",
    // RollOutside
    "Roll angle to the tip diameter (the internal gear's inside diameter); the tip end of the involute "
    "chart.",
};

// The rows whose words change for a metric pair, entered by its module.
struct MetricTooltip {
    OutputRow row;
    std::string_view tooltip;
};

constexpr std::array<MetricTooltip, 4> kMetricTooltips = {{
    {OutputRow::DiametralPitch,
     "Millimetres of pitch diameter per tooth in the normal plane; the module of the hob, cutter or master "
     "gear."},
    {OutputRow::TransverseDiametralPitch,
     "Millimetres of pitch diameter per tooth in the plane of rotation; the module of a helical gear's "
     "transverse profile."},
    {OutputRow::ModificationCoefficient,
     "Profile shift coefficient x (the shift is x times the module) that meshes the pair at the center "
     "distance without backlash; it sets the tooth thickness."},
    {OutputRow::ProfileOverlap,
     "Working depth in units of the module, not the contact ratio; for that see \"Inspection "
     "Measurements\"."},
}};

} // namespace

std::string_view RowTooltip(OutputRow row, LengthUnit unit) {
    if (unit == LengthUnit::Millimetre) {
        for (const MetricTooltip& metric : kMetricTooltips) {
            if (metric.row == row) {
                return metric.tooltip;
            }
        }
    }
    return kTooltips[static_cast<int>(row)];
}

} // namespace korvanta
