#pragma once

#include "core/single.h"

namespace korvanta {

// Results of one pair calculation; suffix 1 is the pinion column, suffix 2 the gear column.
struct PairResult {
    bool Swapped = false;
    Single X1, X2;
    Single SAP1, SAP2;
    Single TIF1, TIF2;
    Single RollTIF1, RollTIF2;
    Single RollSAP1, RollSAP2;
    Single RollPD1, RollPD2;
    Single RollOD1, RollOD2;
    Single OperatingPA;
    Single ProfileOverlap;
};

} // namespace korvanta
