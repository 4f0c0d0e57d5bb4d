#pragma once

#include <optional>
#include <string>

#include "calc/outcome.h"
#include "numeric/complex.h"

namespace tolvar::calc::swr {

using numeric::Complex;

// A load R + jX measured against the reference R0 + jX0, and the forward power.
struct SwrEntries {
  Complex load{};       // measured R + jX [ohm]
  Complex reference{};  // R0 + jX0 [ohm], R0 not 0
  double forwardPowerW = 0;
};

// The load's reflection coefficient against the reference: Gamma = (Z − Z0) /
// (Z + Z0), the reference reactance entering with its own sign in both places.
// A zero denominator raises the division-by-zero flag (see numeric/fault.h).
Complex ReflectionOfLoad(const SwrEntries& entries);

struct SwrFigures {
  double swr = 0;
  Complex gamma{};
  double rho = 0;                      // |Gamma|
  std::optional<double> returnLossDb;  // none for a matched load (rho = 0)
  double reflectedPowerW = 0;          // 0 for a matched load
  double phaseDeg = 0;                 // Gamma's phase in (-180, 180]; 0 for a matched load
  Complex admittanceS{};               // 1 / Z [S]
};

// SWR, return loss, reflected power, Gamma and the load's admittance, or
// kNoForwardPower. Throws ArithmeticFault on a zero denominator or rho = 1 (a
// complex reference with r + x * x0 = 0).
Outcome<SwrFigures> ComputeSwr(const SwrEntries& entries);

// The result field's text: five lines (CR LF between them), the two-line text
// of a matched load, or the sentence.
std::string SwrText(const Outcome<SwrFigures>& outcome);

}  // namespace tolvar::calc::swr
