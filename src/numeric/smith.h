#pragma once

// The geometry of the Smith chart on plain values: the angle of a reflection
// coefficient, the chart's circles in the reflection plane, and the mapping
// between that plane and a square of pixels. None of these divides by zero:
// each singular input is caught before the division and reported as a value.

#include <optional>

#include "numeric/complex.h"
#include "numeric/rf.h"

namespace tolvar::numeric {

// Reflection coefficients (and any point of the chart's plane) and impedances
// [ohm, or ohm / ohm when normalised] are Complex values; between them and to
// the SWR by numeric/rf.h's ReflectionOf, ImpedanceOf and SwrOf.

// A circle of the reflection plane: centre (x, y) and radius, in units of |Gamma|.
struct Circle {
  double x;
  double y;
  double radius;
};

// The angle of Gamma in degrees, in (-180, 180]; 0 for Gamma = 0.
double ReflectionAngleDegrees(Complex gamma);

// The chart's circles. Normalised resistance r and conductance g are >= 0,
// swr >= 1. Reactance x = 0 and susceptance b = 0 are the real axis, a line:
// no circle for them.
Circle ResistanceCircle(double r);
std::optional<Circle> ReactanceCircle(double x);
// Admittance circles are the impedance circles of the same value reflected
// through the centre, since y = 1 / z turns Gamma into -Gamma.
Circle ConductanceCircle(double g);
std::optional<Circle> SusceptanceCircle(double b);
// The points of one SWR: |Gamma| = (swr - 1) / (swr + 1).
Circle SwrCircle(double swr);

// An arc of a circle: sweepDegrees counter-clockwise from startDegrees, the
// angles seen from the circle's centre, 0 along +re.
struct Arc {
  double startDegrees;
  double sweepDegrees;
};

// The part of a circle that lies inside the unit disc: the arc between its two
// crossings with the rim that faces the disc's centre. A circle wholly inside
// gives the full 360 degrees, one wholly outside an empty arc.
Arc ArcInsideUnitDisc(Circle circle);

// Where the chart sits in a widget [pixels]: the unit circle fills a square of
// side `side` (> 0) centred at (centreX, centreY).
struct ChartFrame {
  double centreX;
  double centreY;
  double side;
};

// A position in the widget [pixels]; y grows downwards, so positive imaginary
// Gamma (inductive reactance) lies above the centre.
struct PixelPoint {
  double x;
  double y;
};

PixelPoint PointFromReflection(Complex gamma, ChartFrame frame);
Complex ReflectionFromPoint(PixelPoint point, ChartFrame frame);

}  // namespace tolvar::numeric
