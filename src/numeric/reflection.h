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
// SWR of a reflection magnitude; 0 when rho is not below 1.
double SwrFromRho(double rho);
// Resistance and reactance of a reflection coefficient (re, im) on a line of
// impedance z, normalised to ref [ohm / ohm].
double GammaToR(double z, double re, double im, double ref);
double GammaToX(double z, double re, double im, double ref);
// Reflection coefficient of a normalised impedance r + jx.
double GammaReFromZ(double r, double x);
double GammaImFromZ(double r, double x);
// Normalised impedance r + jx of a reflection coefficient, with the
// denominator written out as (re² + 1) − 2·re + im²: the SWR and tuner
// calculators' arithmetic. GammaToR/GammaToX, which the line computation uses,
// square (1 − re) instead and may differ in the last bit.
Complex ImpedanceOfReflection(Complex gamma);
// sqrt(a^2 + b^2).
double Magnitude(double a, double b);
// The angle in degrees, in [0, 180], whose cosine is a / b.
double PhaseFromCos(double a, double b);

}  // namespace tolvar::numeric
