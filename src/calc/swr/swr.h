#pragma once

#include <string>

namespace tolvar::calc::swr {

// A load R + jX measured against the reference R0 + jX0, and the forward power.
struct SwrEntries {
  double r;      // measured resistance [ohm]
  double x;      // measured reactance [ohm]
  double r0;     // reference resistance [ohm], not 0
  double x0;     // reference reactance [ohm]
  double power;  // forward power [W]
};

// The load's reflection coefficient against the reference: Gamma = (Z − Z0) /
// (Z + Z0), the reference reactance entering with its own sign in both places.
struct Reflection {
  double re;
  double im;
  double magnitude;  // rho
};
// Throws ArithmeticFault on a zero denominator.
Reflection ReflectionOfLoad(const SwrEntries& entries);

// SWR, return loss, reflected power, Gamma (Cartesian, magnitude, phase) and the
// load's admittance as the five-line result text (CR LF between lines), the
// two-line matched-load text, or kNoForwardPower. Throws ArithmeticFault on a
// zero denominator or rho = 1 (a complex reference with r + x * x0 = 0).
std::string SwrText(const SwrEntries& entries);

}  // namespace tolvar::calc::swr
