#pragma once

#include "core/single.h"

namespace korvanta {

// The angle constants that the gear-pair state carries: pi, and the factors between degrees and radians
// (RadToDeg is kept with the others, though no calculation reads it).
struct AngleConstants {
    double Pi;
    Single DegToRad;
    Single RadToDeg;
};

// The program works with two sets, and the difference is kept on purpose, since the last bits of every
// result depend on it. At start-up pi is taken to nine digits, 3.14159265, and the factors are derived
// from it and rounded to Singles. The involute and the roll angle work instead with the decimals
// 3.141592654 and 0.01745329 written out; that DegToRad lies one Single bit below the start-up one.
// The estimates and Calculate's transverse values always use the start-up set. Each pair calculation
// starts from the start-up set and puts the second in force once its first roll angle has been found;
// the angles at a diameter then come from the set the pair's calculation ended with. So the same
// entries give the same digits, however often the pair is calculated.
inline const AngleConstants kStartUpAngleConstants{3.14159265, 3.14159265 / 180.0, 180.0 / 3.14159265};
inline const AngleConstants kRollAngleConstants{3.141592654, 0.01745329, 57.29578};

} // namespace korvanta
