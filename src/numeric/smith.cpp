#include "numeric/smith.h"

#include <algorithm>
#include <cmath>

#include "numeric/reflection.h"

namespace tolvar::numeric {

double ReflectionAngleDegrees(Complex gamma) {
  const double degrees = std::atan2(gamma.im, gamma.re) * 180 / kPi;
  // atan2 gives -pi on the negative real axis approached from below (im = -0):
  // that is the angle 180. The min keeps rounding from stepping past 180.
  if (degrees <= -180) {
    return 180;
  }
  return std::min(degrees, 180.0);
}

Circle ResistanceCircle(double r) { return {r / (1 + r), 0, 1 / (1 + r)}; }

std::optional<Circle> ReactanceCircle(double x) {
  if (x == 0) {
    return std::nullopt;
  }
  return Circle{1, 1 / x, 1 / std::fabs(x)};
}

Circle ConductanceCircle(double g) {
  const Circle mirror = ResistanceCircle(g);
  return {-mirror.x, -mirror.y, mirror.radius};
}

std::optional<Circle> SusceptanceCircle(double b) {
  const std::optional<Circle> mirror = ReactanceCircle(b);
  if (!mirror) {
    return std::nullopt;
  }
  return Circle{-mirror->x, -mirror->y, mirror->radius};
}

Circle SwrCircle(double swr) { return {0, 0, (swr - 1) / (swr + 1)}; }

Arc ArcInsideUnitDisc(Circle circle) {
  const double distance = std::hypot(circle.x, circle.y);
  // A circle about the disc's centre (or a bare point) meets the rim nowhere.
  if (distance == 0 || circle.radius == 0) {
    return {0, circle.radius <= 1 ? 360.0 : 0.0};
  }
  const double degreesPerRadian = 180 / kPi;
  const double towardsCentre = std::atan2(-circle.y, -circle.x) * degreesPerRadian;
  // Half the angle between the crossings, by the law of cosines; beyond +-1
  // the circles do not cross and the arc is all or nothing.
  const double cosine =
      (circle.radius * circle.radius + distance * distance - 1) / (2 * circle.radius * distance);
  const double half = std::acos(std::clamp(cosine, -1.0, 1.0)) * degreesPerRadian;
  return {towardsCentre - half, 2 * half};
}

PixelPoint PointFromReflection(Complex gamma, ChartFrame frame) {
  const double half = frame.side / 2;
  return {frame.centreX + gamma.re * half, frame.centreY - gamma.im * half};
}

Complex ReflectionFromPoint(PixelPoint point, ChartFrame frame) {
  const double half = frame.side / 2;
  return {(point.x - frame.centreX) / half, (frame.centreY - point.y) / half};
}

}  // namespace tolvar::numeric
