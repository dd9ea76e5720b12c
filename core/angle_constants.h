#pragma once

#include "core/single.h"

namespace korvanta {

// The angle constants that the gear-pair state carries: pi, and the factors between degrees and radians
// (RadToDeg is kept with the others, though no calculation reads it).
struct AngleConstants {
    Double Pi;
    Single DegToRad;
    Single RadToDeg;
};

// The program works with two sets, and the difference is kept on purpose, since the last bits of every
// result depend on it. At start-up pi is taken to nine digits, 3.14159265, and the factors are derived
// from it and rounded to Singles. The involute and the roll angle work instead with the decimals
// 3.141592654 and 0.01745329 written out; that DegToRad lies one Single bit below the start-up one.
// Once the first roll angle has been found the second set stays in force for the rest of the run, so
// the transverse values of a later Calculate and the angles at a diameter come from it too.
inline const AngleConstants kStartUpAngleConstants{3.14159265, 3.14159265 / 180.0, 180.0 / 3.14159265};
inline const AngleConstants kRollAngleConstants{3.141592654, 0.01745329, 57.29578};

} // namespace korvanta
