#include "calc/measurement/network.h"

#include <cmath>

#include "calc/measurement/touchstone.h"

namespace tolvar::calc::measurement::detail {

namespace {
constexpr Complex kOne{1, 0};
}  // namespace

Complex ReflectionOfImpedance(Complex z) { return (z - kOne) / (z + kOne); }

Complex ReflectionOfAdmittance(Complex y) { return (kOne - y) / (kOne + y); }

TwoPortValues SOfImpedances(const TwoPortValues& z) {
  // (z - I) adj(z + I) / det(z + I), written out by element.
  const Complex crossed = z.v12 * z.v21;
  const Complex det = (z.v11 + kOne) * (z.v22 + kOne) - crossed;
  return {((z.v11 - kOne) * (z.v22 + kOne) - crossed) / det, 2.0 * z.v21 / det, 2.0 * z.v12 / det,
          ((z.v11 + kOne) * (z.v22 - kOne) - crossed) / det};
}

TwoPortValues SOfAdmittances(const TwoPortValues& y) {
  // (I - y) adj(I + y) / det(I + y), written out by element.
  const Complex crossed = y.v12 * y.v21;
  const Complex det = (kOne + y.v11) * (kOne + y.v22) - crossed;
  return {((kOne - y.v11) * (kOne + y.v22) + crossed) / det, -2.0 * y.v21 / det, -2.0 * y.v12 / det,
          ((kOne + y.v11) * (kOne - y.v22) + crossed) / det};
}

double ReferenceStep(double oldOhm, double newOhm) { return (newOhm - oldOhm) / (newOhm + oldOhm); }

Complex ReflectionOnReference(Complex s, double r) { return (s - Complex{r, 0}) / (kOne - r * s); }

TwoPortValues SOnReference(const TwoPortValues& s, double r1, double r2) {
  // (S - G) adj(I - G S) / det(I - G S), written out by element, then A^-1 ... A;
  // the transmissions simplify to S21 sqrt((1 - r1²)(1 - r2²)) / det. With
  // equal steps the operations are those of one step, to the last digit:
  // sqrt(x²) is x exactly.
  const Complex crossedAt1 = r2 * (s.v12 * s.v21);
  const Complex crossedAt2 = r1 * (s.v12 * s.v21);
  const Complex det = (kOne - r1 * s.v11) * (kOne - r2 * s.v22) - r1 * crossedAt1;
  const double through = std::sqrt((1 - r1 * r1) * (1 - r2 * r2));
  return {((s.v11 - Complex{r1, 0}) * (kOne - r2 * s.v22) + crossedAt1) / det,
          through * s.v21 / det, through * s.v12 / det,
          ((s.v22 - Complex{r2, 0}) * (kOne - r1 * s.v11) + crossedAt2) / det};
}

}  // namespace tolvar::calc::measurement::detail

namespace tolvar::calc::measurement {

using namespace detail;

std::optional<Measurement> OnReference(const Measurement& measurement, double referenceOhm) {
  const std::size_t points = measurement.frequencyHz.size();
  const bool consistent = measurement.s11.size() == points &&
                          (measurement.ports == 1 ||
                           (measurement.s21.size() == points && measurement.s12.size() == points &&
                            measurement.s22.size() == points));
  if (!consistent || !(referenceOhm > 0) || !std::isfinite(referenceOhm)) {
    return std::nullopt;
  }
  const double r = ReferenceStep(measurement.referenceOhm, referenceOhm);
  Measurement renormalised = measurement;
  renormalised.referenceOhm = referenceOhm;
  for (std::size_t i = 0; i < measurement.frequencyHz.size(); ++i) {
    if (measurement.ports == 1) {
      renormalised.s11[i] = ReflectionOnReference(measurement.s11[i], r);
      if (!numeric::IsFinite(renormalised.s11[i])) {
        return std::nullopt;
      }
      continue;
    }
    const TwoPortValues s = SOnReference(
        {measurement.s11[i], measurement.s21[i], measurement.s12[i], measurement.s22[i]}, r, r);
    if (!numeric::IsFinite(s.v11) || !numeric::IsFinite(s.v21) || !numeric::IsFinite(s.v12) ||
        !numeric::IsFinite(s.v22)) {
      return std::nullopt;
    }
    renormalised.s11[i] = s.v11;
    renormalised.s21[i] = s.v21;
    renormalised.s12[i] = s.v12;
    renormalised.s22[i] = s.v22;
  }
  return renormalised;
}

}  // namespace tolvar::calc::measurement
