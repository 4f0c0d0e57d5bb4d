// The measurement window's actions: each puts the values of the file it
// applies to, at that file's chosen frequency, into a panel through the
// panel's own method, or says in a box why the panel cannot take them.
#include "app/controls/controls.h"
#include "app/layout/messages.h"
#include "app/measurement/measurement_window.h"
#include "app/measurement/measurements.h"
#include "app/panels/comparison_panel.h"
#include "app/panels/line_panel.h"
#include "app/panels/swr_panel.h"
#include "calc/tuner/tuner.h"
#include "numeric/format.h"
#include "numeric/rf.h"

namespace tolvar::app {

namespace {

using calc::measurement::kHertzPerMegahertz;
using numeric::Complex;

QString GammaText(Complex gamma) {
  return QStringLiteral("\u0393 = ") +
         ToQString(numeric::ComplexText(gamma, numeric::kMeasuredNotation));
}

}  // namespace

std::optional<Complex> Measurements::passiveImpedance() const {
  const Opened& opened = *onePort_;
  const auto i = static_cast<std::size_t>(opened.chosen);
  const Complex gamma = opened.data.s11[i];
  const QString at = MegahertzText(opened.data.frequencyHz[i]);
  const auto z = numeric::ImpedanceOf(gamma, {opened.data.referenceOhm, 0});
  if (!z) {
    warn(kOpenCircuit, {at, GammaText(gamma)});
    return std::nullopt;
  }
  if (z->re < 0) {
    warn(kActiveLoad, {at, ToQString(numeric::ShortestText(z->re))});
    return std::nullopt;
  }
  return z;
}

void Measurements::useAsLoad() {
  if (!onePort_) {
    return;
  }
  if (const auto z = passiveImpedance()) {
    panels_.swr.setLoad(*z);
  }
}

void Measurements::useAtLine() {
  if (!onePort_) {
    return;
  }
  if (const auto z = passiveImpedance()) {
    const auto i = static_cast<std::size_t>(onePort_->chosen);
    panels_.line.setLineStart(*z, onePort_->data.frequencyHz[i] / kHertzPerMegahertz);
  }
}

void Measurements::useAsAntenna() {
  if (!onePort_) {
    return;
  }
  const auto i = static_cast<std::size_t>(onePort_->chosen);
  const calc::measurement::Measurement* on50 = onePort_->onVna();
  // Active data elsewhere in the band leaves no values on 50 ohm: then this
  // point's own, an open circuit's 1.
  const auto z = numeric::ImpedanceOf(onePort_->data.s11[i], {onePort_->data.referenceOhm, 0});
  const auto own = z ? numeric::ReflectionOf(*z, {calc::tuner::kVnaReferenceOhm, 0}) : std::nullopt;
  const Complex gamma = on50 != nullptr ? on50->s11[i] : own.value_or(Complex{1, 0});
  if (!numeric::IsFinite(gamma) || !calc::tuner::IsAntennaPartInRange(gamma.re) ||
      !calc::tuner::IsAntennaPartInRange(gamma.im) || !(numeric::Abs(gamma) < 1)) {
    warn(kAntennaNotPassive, {MegahertzText(onePort_->data.frequencyHz[i]), GammaText(gamma)});
    return;
  }
  panels_.comparison.setAntenna(gamma);
}

void Measurements::useAsTuner() {
  const calc::measurement::Measurement* on50 = twoPort_ ? twoPort_->onVna() : nullptr;
  if (on50 == nullptr) {
    warn(kTunerNotOn50, {});  // active data with no finite S on 50 ohm
    return;
  }
  const auto i = static_cast<std::size_t>(twoPort_->chosen);
  panels_.comparison.setTuner({on50->s11[i], on50->s21[i], on50->s12[i], on50->s22[i]});
}

}  // namespace tolvar::app
