#include "calc/swr/swr.h"

#include <cmath>

#include "calc/messages.h"
#include "numeric/calculator_order.h"
#include "numeric/fault.h"
#include "numeric/reflection.h"
#include "numeric/square.h"

namespace tolvar::calc::swr {

namespace {

using numeric::Square;

// The load's admittance 1 / Z [S], read on the point -Gamma.
Complex AdmittanceOfLoad(const SwrEntries& entries, Complex gamma) {
  const double referenceX = entries.reference.im / entries.reference.re;
  const Complex normalised = numeric::calculator_order::NormalisedImpedanceOf(-gamma);
  Complex admittance{normalised.re / entries.reference.re, normalised.im / entries.reference.re};
  if (referenceX != 0) {
    // -Gamma gives (1 + jx0) / Z for a complex reference; divide that factor out.
    const double q = 1 + Square(referenceX);
    admittance = {(admittance.re + admittance.im * referenceX) / q,
                  (admittance.im - admittance.re * referenceX) / q};
  }
  return admittance;
}

// Gamma's phase in degrees, in (-180, 180].
double PhaseDegrees(Complex gamma, double rho) {
  double phase = numeric::ArcCos(gamma.re / rho);
  if (gamma.im < 0) {
    phase = -phase;
  }
  phase = phase * 180 / numeric::kPi;
  return numeric::AngleWrap180(phase);
}

}  // namespace

Complex ReflectionOfLoad(const SwrEntries& entries) {
  // Normalised to R0.
  const double r = entries.load.re / entries.reference.re;
  const double x = entries.load.im / entries.reference.re;
  const double x0 = entries.reference.im / entries.reference.re;
  const double numeratorRe = ((Square(r) - Square(1.0)) + Square(x)) - Square(x0);
  const double denominator = Square(r + 1) + Square(x + x0);
  const double numeratorIm = (x - x0) * (r + 1) - (x + x0) * (r - 1);
  return {numeratorRe / denominator, numeratorIm / denominator};
}

Outcome<SwrFigures> ComputeSwr(const SwrEntries& entries) {
  numeric::FaultWatch watch;
  SwrFigures figures{};
  figures.gamma = ReflectionOfLoad(entries);
  // A correctly rounded square root keeps re / rho at exactly -1 for a
  // resistive load below R0, so its phase reads 180.0.
  figures.rho = numeric::Abs(figures.gamma);
  figures.swr = numeric::calculator_order::UncheckedSwrOf(figures.rho);  // rho = 1: a fault
  figures.admittanceS = AdmittanceOfLoad(entries, figures.gamma);

  if (!(figures.rho > 0)) {
    watch.check();
    // A matched load has no return loss; the reflected power is 0 and the power
    // check reads the forward power itself.
    if (!(entries.forwardPowerW > 0)) {
      return kNoForwardPower;
    }
    return figures;
  }
  const double returnLossDb = (std::log(figures.rho) / std::log(10.0)) * (-20);
  figures.returnLossDb = returnLossDb;
  figures.reflectedPowerW = entries.forwardPowerW / std::pow(10.0, returnLossDb / 10);
  figures.phaseDeg = PhaseDegrees(figures.gamma, figures.rho);
  watch.check();
  if (!(figures.reflectedPowerW > 0)) {
    return kNoForwardPower;
  }
  return figures;
}

}  // namespace tolvar::calc::swr
