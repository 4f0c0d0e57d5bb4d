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

double PhaseFromCos(double a, double b) { return ArcCos(a / b) * 180 / kPi; }

}  // namespace tolvar::numeric
