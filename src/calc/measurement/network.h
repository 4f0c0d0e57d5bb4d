#pragma once

// Network-parameter conversions at one frequency, for real references. Z and
// Y are normalised (Z / R, Y R) to one reference at every port. None checks
// its result: the callers test it for finiteness. Internal to the measurement
// library.

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
// S-parameters renormalised by that step: (s - r) / (1 - r s) for a 1-port.
Complex ReflectionOnReference(Complex s, double r);
// A 2-port's S-parameters renormalised by a step per port, r1 and r2 (from
// each port's old reference to its new one): with the power waves of real
// references, S' = A^-1 (S - G)(I - G S)^-1 A, where G = diag(r1, r2) and
// A = diag(sqrt(1 - r1²), sqrt(1 - r2²)). The same as going through
// Z = sqrt(R)(I + S)(I - S)^-1 sqrt(R) and back on the new references, but
// finite where I - S is singular. Equal steps r give (S - r I)(I - r S)^-1.
TwoPortValues SOnReference(const TwoPortValues& s, double r1, double r2);

}  // namespace tolvar::calc::measurement::detail
