#include "core/internal_pair.h"

#include <cmath>

#include "core/angle_functions.h"
#include "core/arithmetic.h"
#include "core/number_text.h"
#include "core/pair_roll_angles.h"
#include "core/transverse_values.h"

namespace korvanta {

namespace {

constexpr double kFormClearance = 0.05;
constexpr double kSmallFormClearance = 0.025;

double Square(double x) {
    return x * x;
}

} // namespace

PairResult CalcInternalPair(GearPairState& state) {
    GearPairState& s = state;
    PairResult r;
    SetStartUpConstants(s);

    s.TDP = s.DP * std::cos(s.DegToRad * s.HA);
    s.PD1 = Divide(s.NT1, s.TDP);
    s.PD2 = Divide(s.NT2, s.TDP);
    // The base diameters from the transverse pressure angle Calculate derived, not from the one a
    // previous calculation of the pair left in the state.
    const Single derivedTPA = TransversePressureAngle(s);
    s.DB1 = CheckedDouble(s.PD1 * std::cos(derivedTPA * s.DegToRad));
    s.DB2 = CheckedDouble(s.PD2 * std::cos(derivedTPA * s.DegToRad));

    const Single pitch = s.DP * std::cos(Radians(s.HA));
    // For a pinion inside the gear the operating pressure angle follows from the difference of the
    // base diameters.
    r.OperatingPA = Degrees(ArcCos(Divide(s.DB1 - s.DB2, -2.0 * s.CD)));
    const Single pitchDiameter1 = Divide(s.NT1, s.TDP);
    const Single pitchDiameter2 = Divide(s.NT2, pitch);
    // The transverse pressure angle of the entered angles, the one the base diameters were found with.
    s.TPA = derivedTPA;

    r.ProfileOverlap = ((s.OD1 - s.OD2) / 2.0 + s.CD) * s.DP;

    // Difference of the addendum modification coefficients (gear minus pinion), then the part of the
    // center-distance increase it does not take up.
    const Single standardDistance = (pitchDiameter2 - pitchDiameter1) * s.DP / 2.0;
    const double tanTransverse = std::tan(Radians(s.TPA));
    Single difference = Divide(
        standardDistance *
            (((std::tan(Radians(r.OperatingPA)) - Radians(r.OperatingPA)) - tanTransverse) + Radians(s.TPA)),
        tanTransverse);
    difference = RoundToFiveDecimals(difference);
    Single k = ((pitchDiameter1 - pitchDiameter2) / 2.0 + s.CD) * s.DP - difference;
    k = RoundToFiveDecimals(k);
    r.X.pinion = (s.OD1 - pitchDiameter1) / 2.0 * s.DP + k / 2.0 - r.ProfileOverlap / 2.0;
    r.X.gear = (s.OD2 - pitchDiameter2) / 2.0 * s.DP - k / 2.0 + r.ProfileOverlap / 2.0;

    if (s.HA == 0.0) {
        s.TPA = s.PA;
    }

    // Operating pitch diameters and lengths along the line of action, measured from the base
    // tangent points T1 and T2, which lie on the same side of the pitch point.
    const Single operatingPD1 = Divide(2.0 * s.CD, Divide(s.NT2, s.NT1) - 1.0);
    const Single operatingPD2 = 2.0 * (s.CD + operatingPD1 / 2.0);
    const double pitchPoint1 = SquareRoot(Square(operatingPD1) - Square(s.DB1)) / 2.0;
    const double pitchPoint2 = SquareRoot(Square(operatingPD2) - Square(s.DB2)) / 2.0;
    const double tip1 = SquareRoot(Square(s.OD1) - Square(s.DB1)) / 2.0;
    // An inside circle within the gear's base circle (as Singles, or only in double precision) has no
    // involute to cross: the contact is taken to begin at the base circle.
    const double insideSquare = Square(s.OD2) - Square(s.DB2);
    double tip2 = 0.0;
    if (!(Single(s.DB2) > s.OD2) && insideSquare >= 0.0) {
        tip2 = SquareRoot(insideSquare) / 2.0;
    }
    const double contactLength = tip1 - tip2 - pitchPoint1 + pitchPoint2;

    r.SAP.pinion = 2.0 * SquareRoot(Square(s.DB1 / 2.0) + Square(tip1 - contactLength));
    s.SAP1 = r.SAP.pinion;
    r.SAP.gear = 2.0 * SquareRoot(Square(s.DB2 / 2.0) + Square(tip2 + contactLength));
    s.SAP2 = r.SAP.gear;

    r.TIF.pinion = r.SAP.pinion - Divide(kFormClearance, s.TDP);
    if (!(r.TIF.pinion > Single(s.DB1))) {
        r.TIF.pinion = r.SAP.pinion - Divide(kSmallFormClearance, s.TDP);
    }
    if (r.TIF.pinion < Single(s.DB1)) {
        r.TIF.pinion = r.SAP.pinion;
    }
    r.TIF.gear = r.SAP.gear + Divide(kFormClearance, s.TDP);

    FillRollAngles(s, r, pitchDiameter1, pitchDiameter2);
    r.Swapped = false;
    return r;
}

} // namespace korvanta
