#pragma once

// Network-parameter conversions at one frequency, for equal real references
// at every port. Z and Y are normalised (Z / R, Y R). None checks its result:
// the callers test it for finiteness. Internal to the measurement library.

#include "numeric/complex.h"

namespace tolvar::calc::measurement::detail {

using numeric::Complex;

// A 2-port's four S-, Z- or Y-parameters at one frequency.
struct TwoPortValues {
  Complex v11, v21, v12, v22;
};

// The reflection coefficient of a normalised impedance z: (z - 1) / (z + 1),
// and of a normalised admittance y: (1 - y) / (1 + y).
Complex ReflectionOfImpedance(Complex z);
Complex ReflectionOfAdmittance(Complex y);

// S = (z - I)(z + I)^-1 and S = (I - y)(I + y)^-1.
TwoPortValues SOfImpedances(const TwoPortValues& z);
TwoPortValues SOfAdmittances(const TwoPortValues& y);

// The reflection coefficient r of the old reference seen from the new one,
// (new - old) / (new + old).
double ReferenceStep(double oldOhm, double newOhm);
// S-parameters renormalised by that step: (s - r) / (1 - r s) for a 1-port,
// S' = (S - r I)(I - r S)^-1 for a 2-port.
Complex ReflectionOnReference(Complex s, double r);
TwoPortValues SOnReference(const TwoPortValues& s, double r);

}  // namespace tolvar::calc::measurement::detail
