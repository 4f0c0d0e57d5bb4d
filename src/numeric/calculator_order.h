#pragma once

// The ideas of numeric/rf.h as the calculators have always computed them. The
// SWR, tuner and line calculators' results have always come from exactly this
// order of arithmetic; another order, however equal on paper, moves the last
// digits of results the window shows. So these stay beside the vocabulary,
// each said once, and only those calculators use them. None tests its input:
// a division by zero in them is the caller's fault (see numeric/fault.h).

#include "numeric/complex.h"

namespace tolvar::numeric::calculator_order {

// ReflectionOf(r + jx, 1) for a normalised impedance, each part over the
// denominator (r + 1)² + x² (the line computation).
Complex ReflectionOfNormalised(double r, double x);

// ImpedanceOf(gamma, 1): the normalised impedance, over the denominator
// written out as ((re² + 1) − 2·re) + im² (the SWR and tuner calculators).
Complex NormalisedImpedanceOf(Complex gamma);

// The impedance of gamma on a line of lineOhm, over (1 − re)² + im², then
// divided by referenceOhm [ohm / ohm] (the line computation's far point).
Complex ImpedanceOnLineOf(Complex gamma, double lineOhm, double referenceOhm);

// SwrOf(rho), but 0 when rho is not below 1 (the line computation).
double SwrOf(double rho);

// (rho + 1) / (1 − rho) with no test: rho = 1 divides by zero, and a rho above
// 1 (an active load) gives a ratio below 0 (the SWR calculator, the line's far
// point towards the transmitter).
double UncheckedSwrOf(double rho);

}  // namespace tolvar::numeric::calculator_order
