#pragma once

#include <string>

#include "core/member.h"
#include "core/pair_solution.h"

namespace korvanta {

// The edition whose formulas these are.
inline constexpr const char* kToleranceStandard = "ISO 1328-1:2013";

// One member as the tolerances see it; lengths in millimetres (an inch pair converted).
struct ToleranceEntries {
    int accuracyClass = 5; // 1 (finest) to 11
    double teeth = 0.0;
    double referenceDiameter = 0.0; // d
    double normalModule = 0.0;      // m_n
    double faceWidth = 0.0;         // b
    double helixAngle = 0.0;        // ψ, degrees
};

// The tolerances of a member in micrometres, each rounded as the standard shows them, and which
// entries lie outside the range the formulas were made for (the values are given all the same).
struct Tolerances {
    double singlePitch = 0.0;          // f_pT
    double totalCumulativePitch = 0.0; // F_pT
    double profileSlope = 0.0;         // f_HαT
    double profileForm = 0.0;          // f_fαT
    double totalProfile = 0.0;         // F_αT
    double helixSlope = 0.0;           // f_HβT
    double helixForm = 0.0;            // f_fβT
    double totalHelix = 0.0;           // F_βT

    bool teethOutsideRange = false;     // 5 ≤ z ≤ 1000
    bool diameterOutsideRange = false;  // 5 ≤ d ≤ 15 000 mm
    bool moduleOutsideRange = false;    // 0.5 ≤ m_n ≤ 70 mm
    bool faceWidthOutsideRange = false; // 4 ≤ b ≤ 1200 mm
    bool helixOutsideRange = false;     // ψ ≤ 45°

    bool OutsideRange() const {
        return teethOutsideRange || diameterOutsideRange || moduleOutsideRange || faceWidthOutsideRange ||
               helixOutsideRange;
    }
};

// The class-5 values times (√2)^(A − 5); the totals from the unrounded parts.
Tolerances TolerancesOf(const ToleranceEntries& entries);

// A tolerance as shown: above 10 µm to a whole micrometre, from 5 to 10 µm to half a micrometre, below
// 5 µm to a tenth.
double RoundedTolerance(double micrometres);

// A tolerance in micrometres as shown: whole micrometres above 10, one decimal up to 10.
std::string ToleranceText(double micrometres);

// The member of a solved pair with the accuracy class and the face width in the pair's length unit;
// an inch pair's lengths are converted to millimetres (the module is 25.4 / DP).
ToleranceEntries ToleranceEntriesOf(const PairSolution& solution, Member member, int accuracyClass,
                                    double faceWidth);

} // namespace korvanta
