#include "numeric/reflection.h"

#include <cmath>

#include "numeric/square.h"

namespace tolvar::numeric {

double AngleMod360(double angle) { return angle - std::floor(angle / 360) * 360; }

double ArcCos(double c) {
  if (c == 1) {
    return 0;
  }
  if (c == -1) {
    return kPi;
  }
  if (c > 0 && c < 1) {
    return std::atan(std::sqrt(1 - Square(c)) / c);
  }
  if (c > -1 && c < 0) {
    return std::atan(std::sqrt(1 - Square(c)) / c) + kPi;
  }
  if (c == 0) {
    return kPi / 2;
  }
  // A ratio that rounding pushed just past +-1 lands here too.
  return 0;
}

double AngleWrap180(double& angle) {
  angle = AngleMod360(angle);
  if (angle > 180) {
    angle = angle - 360;
  }
  return angle;
}

double SwrFromRho(double rho) {
  if (rho < 1) {
    return (1 + rho) / (1 - rho);
  }
  return 0;
}

double GammaToR(double z, double re, double im, double ref) {
  return ((1 - Square(re) - Square(im)) / (Square(1 - re) + Square(im)) * z) / ref;
}

double GammaToX(double z, double re, double im, double ref) {
  return ((2 * im) / (Square(1 - re) + Square(im)) * z) / ref;
}

double GammaReFromZ(double r, double x) {
  return (Square(r) + Square(x) - 1) / (Square(r + 1) + Square(x));
}

double GammaImFromZ(double r, double x) { return (2 * x) / (Square(r + 1) + Square(x)); }

Complex ImpedanceOfReflection(Complex gamma) {
  const double d = ((Square(gamma.re) + 1) - 2 * gamma.re) + Square(gamma.im);
  return {((1 - Square(gamma.re)) - Square(gamma.im)) / d, (2 * gamma.im) / d};
}

double Magnitude(double a, double b) { return std::sqrt(Square(a) + Square(b)); }

double PhaseFromCos(double a, double b) { return ArcCos(a / b) * 180 / kPi; }

}  // namespace tolvar::numeric
