#include <algorithm>

#include "calc/sweep/sweep.h"
#include "calc/tuner/tuner.h"
#include "numeric/fault.h"

namespace tolvar::calc::sweep {

namespace {

using measurement::kHertzPerMegahertz;

// The 1-port's reflection at `hertz`, linear between its two neighbours in
// real and imaginary parts; none outside its range.
std::optional<Complex> Interpolated(const measurement::Measurement& onePort, double hertz) {
  const std::vector<double>& f = onePort.frequencyHz;
  const auto above = std::lower_bound(f.begin(), f.end(), hertz);
  if (above == f.end() || (*above != hertz && above == f.begin())) {
    return std::nullopt;
  }
  const auto k = static_cast<std::size_t>(above - f.begin());
  if (*above == hertz) {
    return onePort.s11[k];
  }
  const double share = (hertz - f[k - 1]) / (f[k] - f[k - 1]);
  const Complex low = onePort.s11[k - 1];
  const Complex high = onePort.s11[k];
  return Complex{low.re + share * (high.re - low.re), low.im + share * (high.im - low.im)};
}

}  // namespace

std::vector<TunerPoint> SweepTuner(const measurement::Measurement& twoPort,
                                   const std::optional<measurement::Measurement>& onePort,
                                   Complex typedAntenna) {
  using tuner::kVnaReferenceOhm;
  const auto tuner = measurement::OnReference(twoPort, kVnaReferenceOhm);
  const auto antenna =
      onePort ? measurement::OnReference(*onePort, kVnaReferenceOhm) : std::nullopt;
  std::vector<TunerPoint> points;
  points.reserve(twoPort.frequencyHz.size());
  for (std::size_t i = 0; i < twoPort.frequencyHz.size(); ++i) {
    TunerPoint point;
    point.mhz = twoPort.frequencyHz[i] / kHertzPerMegahertz;
    point.antenna = onePort
                        ? (antenna ? Interpolated(*antenna, twoPort.frequencyHz[i]) : std::nullopt)
                        : std::optional(typedAntenna);
    if (tuner && point.antenna) {
      try {
        const auto outcome = tuner::ComputeTunerLoss(
            {*point.antenna, tuner->s11[i], tuner->s21[i], tuner->s22[i], tuner->s12[i]});
        if (const auto* figures = FiguresOf(outcome)) {
          point.lossDb = figures->insertionLossDb;
        }
      } catch (const numeric::ArithmeticFault&) {
        point.lossDb.reset();  // S22 S Ant. = 1: no loss at this point
      }
    }
    points.push_back(point);
  }
  return points;
}

}  // namespace tolvar::calc::sweep
