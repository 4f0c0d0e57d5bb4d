#include "numeric/rf.h"

namespace tolvar::numeric {

namespace {
constexpr Complex kOne{1, 0};
}  // namespace

std::optional<Complex> ReflectionOf(Complex z, Complex ref) {
  const Complex sum = z + ref;
  // Z = -Zref: the ratio has no finite value.
  if (sum == Complex{}) {
    return std::nullopt;
  }
  const Complex gamma = (z - ref) / sum;
  if (!IsFinite(gamma)) {
    return std::nullopt;
  }
  return gamma;
}

std::optional<Complex> ImpedanceOf(Complex gamma, Complex ref) {
  const Complex gap = kOne - gamma;
  // Gamma = 1 is the open circuit: no finite Z.
  if (gap == Complex{}) {
    return std::nullopt;
  }
  const Complex ratio = (kOne + gamma) / gap;
  // A real reference scales each part alone: the full product would add 0 times
  // the other part, which turns a part of -0 (a "-0" in a field) into +0.
  const Complex z = ref.im == 0 ? ref.re * ratio : ref * ratio;
  if (!IsFinite(z)) {
    return std::nullopt;
  }
  return z;
}

std::optional<double> SwrOf(double magnitude) {
  if (magnitude >= 1) {
    return std::nullopt;
  }
  return (1 + magnitude) / (1 - magnitude);
}

std::optional<double> SwrOfImpedance(Complex z, double referenceOhm) {
  const std::optional<Complex> gamma = ReflectionOf(z, {referenceOhm, 0});
  return gamma ? SwrOf(Abs(*gamma)) : std::nullopt;
}

}  // namespace tolvar::numeric
