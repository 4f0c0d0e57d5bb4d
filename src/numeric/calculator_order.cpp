#include "numeric/calculator_order.h"

#include "numeric/square.h"

namespace tolvar::numeric::calculator_order {

Complex ReflectionOfNormalised(double r, double x) {
  const double denominator = Square(r + 1) + Square(x);
  return {(Square(r) + Square(x) - 1) / denominator, (2 * x) / denominator};
}

Complex NormalisedImpedanceOf(Complex gamma) {
  const double d = ((Square(gamma.re) + 1) - 2 * gamma.re) + Square(gamma.im);
  return {((1 - Square(gamma.re)) - Square(gamma.im)) / d, (2 * gamma.im) / d};
}

Complex ImpedanceOnLineOf(Complex gamma, double lineOhm, double referenceOhm) {
  const double d = Square(1 - gamma.re) + Square(gamma.im);
  return {((1 - Square(gamma.re) - Square(gamma.im)) / d * lineOhm) / referenceOhm,
          ((2 * gamma.im) / d * lineOhm) / referenceOhm};
}

double SwrOf(double rho) {
  if (rho < 1) {
    return (1 + rho) / (1 - rho);
  }
  return 0;
}

double UncheckedSwrOf(double rho) { return (rho + 1) / (1 - rho); }

}  // namespace tolvar::numeric::calculator_order
