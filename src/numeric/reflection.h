#pragma once

#include "numeric/complex.h"

namespace tolvar::numeric {

// The value of pi used throughout, fifteen significant digits as the
// calculators have always shown it; degrees become radians as a * kPi / 180.
inline constexpr double kPi = 3.14159265358979;

// Angles are in degrees except ArcCos's result (radians). None of these tests
// its inputs: a division by zero in them is an arithmetic fault of the caller.

// angle reduced to [0, 360).
double AngleMod360(double angle);
// arc cosine of c in radians; 0 outside [-1, 1].
double ArcCos(double c);
// Folds angle into (-180, 180], stores it back into angle and returns it.
double AngleWrap180(double& angle);
// The angle in degrees, in [0, 180], whose cosine is a / b.
double PhaseFromCos(double a, double b);

}  // namespace tolvar::numeric
