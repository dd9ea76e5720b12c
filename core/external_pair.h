#pragma once

#include "core/gear_pair_state.h"
#include "core/pair_result.h"

namespace korvanta {

// The external pair calculation in the stages the output window interleaves with filling its cells:
// Orient takes the member with the smaller outside diameter as the pinion; Geometry finds the operating
// pressure angle, the profile overlap, the modification coefficients and the SAP and TIF diameters;
// RollAngles finds the roll angles to those diameters and to the pitch and outside diameters; Restore
// gives the members back their entered places. Like every pair calculation it starts from the start-up
// angle constants (put in force by the constructor) and switches at its first roll angle.
// Each stage may raise ArithmeticError. The destructor restores the entered orientation if Restore
// has not run, so the state is never left exchanged, fault or not.
class ExternalPairCalculation {
public:
    explicit ExternalPairCalculation(GearPairState& state);
    ~ExternalPairCalculation();
    ExternalPairCalculation(const ExternalPairCalculation&) = delete;
    ExternalPairCalculation& operator=(const ExternalPairCalculation&) = delete;

    void Orient();
    void Geometry();
    void RollAngles();
    void Restore();

    const PairResult& Result() const { return result_; }

private:
    void ExchangeMembers();

    GearPairState& state_;
    PairResult result_;
    bool exchanged_ = false;
    // Working values kept between Geometry and RollAngles.
    Single d1_, d2_;
};

// All four stages.
PairResult CalcExternalPair(GearPairState& state);

} // namespace korvanta
