#pragma once

// The words of the trade on plain values: the reflection of an impedance on a
// reference, the impedance of a reflection, the SWR of a reflection's
// magnitude. Impedances are [ohm] (or ohm / ohm on a reference of 1), the
// reference may be complex. A singular input (Gamma = 1, Z = -Zref) is caught
// before it divides, and a result too large for a double is no value either.
// The calculators that have always done this arithmetic in another order keep
// theirs: see numeric/calculator_order.h.

#include <optional>

#include "numeric/complex.h"

namespace tolvar::numeric {

// Gamma = (Z - Zref) / (Z + Zref), the reflection seen on a line of impedance
// Zref (subtracted as it is, not conjugated). No value when Z = -Zref: an
// active load that cancels the reference has no finite Gamma.
std::optional<Complex> ReflectionOf(Complex z, Complex ref);

// Z = Zref ((1 + Gamma) / (1 - Gamma)), the inverse of ReflectionOf. No value
// at Gamma = 1 (the open circuit) or so near it that Z overflows.
std::optional<Complex> ImpedanceOf(Complex gamma, Complex ref);

// SWR = (1 + |Gamma|) / (1 - |Gamma|). No value when |Gamma| >= 1: a load that
// reflects all the power or more sets up no standing-wave ratio.
std::optional<double> SwrOf(double magnitude);

// The SWR of an impedance on a real reference [ohm]: SwrOf of its reflection's
// magnitude; none where that has none.
std::optional<double> SwrOfImpedance(Complex z, double referenceOhm);

}  // namespace tolvar::numeric
