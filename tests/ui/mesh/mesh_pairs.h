#pragma once

#include "core/pair_solution.h"
#include "output/pair_setup.h"

namespace korvanta::testing {

// The standard helical pair of 20 and 40 teeth, normal diametral pitch 10 at 30 degrees: transverse
// pitch 10 cos 30° = 8.66025, pitch diameters 2.30940 and 4.61880, outside diameters 0.2 larger.
inline const FieldTexts kHelicalPair = {"20", "40", "10", "20", "30", "2.5094", "4.8188", "3.4641"};

// The pair as an output window calculates it, measured with the default tools.
inline PairSolution SolvedPair(bool external, const FieldTexts& texts) {
    CalculatePair(external, texts);
    return SolvePair(State(), PerMember<MeasurementChoice>{});
}

} // namespace korvanta::testing
