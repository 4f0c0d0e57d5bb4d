#include "calc/tuner/tuner.h"

#include <cmath>
#include <optional>

#include "calc/messages.h"
#include "numeric/calculator_order.h"
#include "numeric/fault.h"
#include "numeric/power.h"
#include "numeric/rf.h"

namespace tolvar::calc::tuner {

bool IsAntennaPartInRange(double part) { return std::fabs(part) < 1; }

Waves TunerWaves(const TunerEntries& e) {
  const Complex towardsPort2 = Complex{1, 0} - e.s22 * e.antenna;  // 1 - S22 G
  const Complex throughAndBack = e.s12 * (e.s21 * e.antenna);      // S12 S21 G
  Waves w{};
  w.b1 = e.s11 + throughAndBack / towardsPort2;
  w.b2 = e.s21 / towardsPort2;
  w.a2 = w.b2 * e.antenna;

  // The real power at each port from the sum and the conjugated difference of its waves.
  const Complex sumAtPort2 = w.b2 + w.a2;
  const Complex differenceAtPort2 = Conj(w.b2 - w.a2);
  w.deliveredAtPort2 = (sumAtPort2 * differenceAtPort2).re;
  const Complex sumAtPort1 = w.b1 + Complex{1, 0};
  const Complex differenceAtPort1 = Conj(Complex{1, 0} - w.b1);
  w.acceptedAtPort1 = (sumAtPort1 * differenceAtPort1).re;
  return w;
}

Outcome<TunerFigures> ComputeTunerLoss(const TunerEntries& e) {
  numeric::FaultWatch watch;
  // The antenna on the VNA's reference.
  const std::optional<double> antennaSwr = numeric::SwrOf(numeric::Abs(e.antenna));
  if (!antennaSwr) {
    return kInvalidSParameters;  // reflects all it gets or more: not passive
  }
  TunerFigures f{};
  f.antennaZ = kVnaReferenceOhm * numeric::calculator_order::NormalisedImpedanceOf(e.antenna);
  f.antennaSwr = *antennaSwr;
  f.waves = TunerWaves(e);
  watch.check();

  // Only this press's powers decide: no power out, or powers of opposite
  // sign, give no loss at all.
  if (f.waves.deliveredAtPort2 == 0) {
    return kInvalidSParameters;
  }
  const double powerRatio = f.waves.acceptedAtPort1 / f.waves.deliveredAtPort2;
  if (!(powerRatio > 0)) {
    return kInvalidSParameters;
  }
  f.insertionLossDb = numeric::DecibelsOfPowerRatio(powerRatio);
  f.lostPercent = 100 - 100 / numeric::PowerRatioOfDecibels(f.insertionLossDb);
  f.gainedPercent = numeric::PowerRatioOfDecibels(-f.insertionLossDb) * 100 - 100;
  watch.check();
  return f;
}

}  // namespace tolvar::calc::tuner
