#pragma once

#include "logic/inspection_sheet.h"

namespace korvanta::testing {

// A sheet filled by hand as a 20/40 tooth pair of 10 DP at 20° would fill it, with a class and tip
// relief on the pinion: every part of the page has something to draw.
inline InspectionSheet HandFilledSheet() {
    InspectionSheet sheet;
    sheet.header.job = {"P-1020", "G-1040", "D-77", "C", "A. Inspector", "Hardened and ground."};
    sheet.header.date = "2026-12-09";
    sheet.header.program = "Korvanta 2.0";
    sheet.header.units = "Units: in (diametral pitch)";
    sheet.header.pairKind = "External pair";
    sheet.header.fileName = "spur-20-40.korvanta";
    sheet.dataBlock = {
        {"Number of teeth", {"20", "40"}},        {"Normal diametral pitch", {"10", "10"}},
        {"Normal module (mm)", {"2.54", "2.54"}}, {"Normal pressure angle (°)", {"20", "20"}},
        {"Base diameter", {"1.8794", "3.7588"}},  {"Outside diameter", {"2.2000", "4.2000"}},
    };
    sheet.stations.pinion = {{"TIF", "1.9200", "11.78", "0.1931"}, {"SAP", "1.9400", "14.13", "0.2318"},
                             {"B", "2.0412", "23.86", "0.3914"},   {"P", "2.0000", "20.84", "0.3420"},
                             {"D", "2.1000", "29.21", "0.4791"},   {"OD", "2.2000", "33.98", "0.5573"}};
    sheet.stations.gear = {{"TIF", "3.9200", "16.21", "0.5318"},
                           {"SAP", "3.9300", "16.84", "0.5523"},
                           {"P", "4.0000", "20.84", "0.6840"},
                           {"OD", "4.2000", "27.71", "0.9090"}};
    sheet.tolerances = {{"Single pitch f_pT (µm)", {"8.5", "9.5"}},
                        {"Total profile F_αT (µm)", {"10", "11"}}};
    sheet.toleranceNotes = {"ISO 1328-1:2013, class 6."};
    sheet.checks = {"The pinion's top land is 0.0012 in: nearly pointed."};
    for (Member member : kMembers) {
        ProfileChart& chart = sheet.charts[member];
        chart.member = member;
        chart.title = member == Member::Pinion ? "Pinion profile" : "Gear profile";
        chart.deviationUnit = "µm";
        chart.rollFrom = 10.0;
        chart.rollTo = 30.0;
        chart.deviationFrom = -20.0;
        chart.deviationTo = 10.0;
        chart.stations = {{"SAP Ø 1.9400 14.13°", 14.0}, {"OD Ø 2.2000 30.00°", 30.0}};
        chart.upperLimit = {{14.0, 5.0}, {24.0, 5.0}, {30.0, -4.0}};
        chart.lowerLimit = {{14.0, -5.0}, {24.0, -5.0}, {30.0, -12.0}};
    }
    return sheet;
}

} // namespace korvanta::testing
