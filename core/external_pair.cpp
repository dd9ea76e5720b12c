#include "core/external_pair.h"

#include <cmath>
#include <utility>

#include "core/angle_functions.h"
#include "core/arithmetic.h"
#include "core/number_text.h"
#include "core/pair_roll_angles.h"

namespace korvanta {

namespace {

// Form clearances for radial runout, in units of 1 / TDP, tried from the largest down.
constexpr double kClearances[] = {0.05, 0.025, 0.0125};

double Square(double x) {
    return x * x;
}

} // namespace

ExternalPairCalculation::ExternalPairCalculation(GearPairState& state) : state_(state) {
    SetStartUpConstants(state_);
}

ExternalPairCalculation::~ExternalPairCalculation() {
    if (exchanged_) {
        ExchangeMembers();
    }
}

void ExternalPairCalculation::ExchangeMembers() {
    std::swap(state_.OD1, state_.OD2);
    std::swap(state_.NT1, state_.NT2);
    std::swap(state_.PD1, state_.PD2);
    std::swap(state_.DB1, state_.DB2);
}

void ExternalPairCalculation::Orient() {
    // The member with the smaller outside diameter is taken as the pinion.
    result_.Swapped = state_.OD1 > state_.OD2;
    if (result_.Swapped) {
        ExchangeMembers();
        exchanged_ = true;
    }
}

void ExternalPairCalculation::Geometry() {
    GearPairState& s = state_;
    PairResult& r = result_;

    // One cosine of the helix angle for the transverse pitch and the transverse pressure angle.
    const double cosHelix = std::cos(Radians(s.HA));
    const Single tdp = s.DP * cosHelix;
    const Single transversePA = Degrees(std::atan(Divide(std::tan(Radians(s.PA)), cosHelix)));
    r.OperatingPA = Degrees(ArcCos(Divide(s.DB2 + s.DB1, s.CD + s.CD)));
    d1_ = Divide(s.NT1, s.TDP);
    d2_ = Divide(s.NT2, tdp);
    r.ProfileOverlap = ((s.OD2 + s.OD1) / 2.0 - s.CD) * s.DP;

    // Sum of the addendum modification coefficients from the involute of the operating and the
    // transverse pressure angle.
    const Single standardDistance = (d2_ + d1_) * s.DP / 2.0;
    const double operating = Radians(r.OperatingPA);
    const double transverse = Radians(transversePA);
    const double tanTransverse = std::tan(transverse);
    Single sumX = standardDistance *
                  Divide(((std::tan(operating) - operating) - tanTransverse) + transverse, tanTransverse);
    sumX = RoundToFiveDecimals(sumX);
    // The part of the sum that the center-distance modification does not take up.
    Single k = sumX - (s.CD - (s.PD2 + s.PD1) / 2.0) * s.DP;
    k = RoundToFiveDecimals(k);
    r.X.pinion = ((s.OD1 - s.PD1) / 2.0 * s.DP + k / 2.0) - r.ProfileOverlap / 2.0;
    r.X.gear = ((s.OD2 - d2_) / 2.0 * s.DP + k / 2.0) - r.ProfileOverlap / 2.0;

    // Operating pitch diameters and the path of contact along the line of action.
    const Single operatingPD1 = Divide(s.CD + s.CD, Divide(s.NT2, s.NT1) + 1.0);
    const Single operatingPD2 = (s.CD - operatingPD1 / 2.0) * 2.0;
    const double pitchPoint1 = SquareRoot(Square(operatingPD1) - Square(s.DB1)) / 2.0;
    const double pitchPoint2 = SquareRoot(Square(operatingPD2) - Square(s.DB2)) / 2.0;
    const double tip1 = SquareRoot(Square(s.OD1) - Square(s.DB1)) / 2.0;
    const double tip2 = SquareRoot(Square(s.OD2) - Square(s.DB2)) / 2.0;
    const double contactLength = ((tip1 + tip2) - pitchPoint1) - pitchPoint2;

    r.SAP.pinion = 2.0 * SquareRoot(Square(tip1 - contactLength) + Square(s.DB1 / 2.0));
    s.SAP1 = r.SAP.pinion;
    r.SAP.gear = 2.0 * SquareRoot(Square(tip2 - contactLength) + Square(s.DB2 / 2.0));
    s.SAP2 = r.SAP.gear;

    r.TIF.pinion = r.SAP.pinion - Divide(kClearances[0], s.TDP);
    r.TIF.gear = r.SAP.gear - Divide(kClearances[0], s.TDP);
    for (double clearance : {kClearances[1], kClearances[2], 0.0}) {
        if (Single(s.DB1) >= r.TIF.pinion) {
            r.TIF.pinion = r.SAP.pinion - Divide(clearance, s.TDP);
        }
        if (Single(s.DB2) >= r.TIF.gear) {
            r.TIF.gear = r.SAP.gear - Divide(clearance, s.TDP);
        }
    }

    if (s.HA == 0.0) {
        s.TPA = s.PA;
    }
}

void ExternalPairCalculation::RollAngles() {
    FillRollAngles(state_, result_, d1_, d2_);
}

void ExternalPairCalculation::Restore() {
    if (exchanged_) {
        ExchangeMembers();
        exchanged_ = false;
    }
}

PairResult CalcExternalPair(GearPairState& state) {
    ExternalPairCalculation calculation(state);
    calculation.Orient();
    calculation.Geometry();
    calculation.RollAngles();
    calculation.Restore();
    return calculation.Result();
}

} // namespace korvanta
