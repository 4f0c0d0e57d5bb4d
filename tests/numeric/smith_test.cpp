#include "numeric/smith.h"

#include <gtest/gtest.h>

#include <cmath>

#include "numeric/fault.h"

namespace {

using namespace tolvar::numeric;

// True when gamma lies on the circle, to rounding.
bool OnCircle(Reflection gamma, Circle circle) {
  return std::fabs(std::hypot(gamma.re - circle.x, gamma.im - circle.y) - circle.radius) < 1e-12;
}

TEST(ChartFrame, CentreAndRimMapBothWays) {
  const ChartFrame frame{250, 210, 400};
  struct Case {
    const char* name;
    Reflection gamma;
    PixelPoint point;
  };
  for (const Case c : {Case{"matched load at the centre", {0, 0}, {250, 210}},
                       Case{"open circuit at the right rim", {1, 0}, {450, 210}},
                       Case{"inductive rim above", {0, 1}, {250, 10}},
                       Case{"inside the disc", {0.25, -0.5}, {300, 310}}}) {
    SCOPED_TRACE(c.name);
    const PixelPoint point = PointFromReflection(c.gamma, frame);
    EXPECT_EQ(point.x, c.point.x);
    EXPECT_EQ(point.y, c.point.y);
    const Reflection back = ReflectionFromPoint(point, frame);
    EXPECT_EQ(back.re, c.gamma.re);
    EXPECT_EQ(back.im, c.gamma.im);
  }
}

TEST(ImpedanceFromReflection, InvertsReflectionFromImpedance) {
  struct Case {
    const char* name;
    Impedance z, ref;
  };
  for (const Case c : {Case{"inductive on a real reference", {73.08, 15.38}, {50, 0}},
                       Case{"capacitive on an inductive reference", {30, -40}, {50, 10}},
                       Case{"high on a capacitive reference", {1000, 0}, {75, -25}},
                       Case{"nearly pure reactance", {0.5, 200}, {300, 0}},
                       Case{"active load", {-20, 5}, {50, 20}}}) {
    SCOPED_TRACE(c.name);
    const auto z = ImpedanceFromReflection(*ReflectionFromImpedance(c.z, c.ref), c.ref);
    ASSERT_TRUE(z);
    EXPECT_NEAR(z->r, c.z.r, 1e-9 * std::hypot(c.z.r, c.z.x));
    EXPECT_NEAR(z->x, c.z.x, 1e-9 * std::hypot(c.z.r, c.z.x));
  }
  // The reference itself is matched: Zref is subtracted, not its conjugate.
  EXPECT_EQ(ReflectionFromImpedance({50, 10}, {50, 10})->re, 0);
  EXPECT_EQ(ReflectionFromImpedance({50, 10}, {50, 10})->im, 0);
  EXPECT_DOUBLE_EQ(ReflectionFromImpedance({100, 0}, {50, 0})->re, 1.0 / 3);
}

TEST(SingularPoints, HaveNoValueAndRaiseNoFault) {
  FaultWatch watch;
  EXPECT_FALSE(ImpedanceFromReflection({1, 0}, {50, -20})) << "open circuit";
  EXPECT_FALSE(ReflectionFromImpedance({-50, -10}, {50, 10})) << "Z = -Zref";
  EXPECT_FALSE(ReactanceCircle(0));
  EXPECT_FALSE(SusceptanceCircle(0));
  EXPECT_NO_THROW(watch.check());
  EXPECT_EQ(ImpedanceFromReflection({-1, 0}, {50, 0})->r, 0)
      << "the short circuit is no singularity";
}

TEST(SwrFromMagnitude, RatioUpToTotalReflection) {
  struct Case {
    double magnitude, swr;
  };
  for (const Case c : {Case{0, 1}, Case{0.2, 1.5}, Case{1.0 / 3, 2}, Case{0.5, 3}}) {
    ASSERT_TRUE(SwrFromMagnitude(c.magnitude)) << c.magnitude;
    EXPECT_DOUBLE_EQ(*SwrFromMagnitude(c.magnitude), c.swr) << c.magnitude;
  }
  EXPECT_FALSE(SwrFromMagnitude(1));
  EXPECT_FALSE(SwrFromMagnitude(1.5));
}

TEST(ReflectionAngleDegrees, HalfOpenRangeAroundZero) {
  struct Case {
    Reflection gamma;
    double degrees;
  };
  for (const Case c : {Case{{0, 0}, 0}, Case{{0, 1}, 90}, Case{{0, -1}, -90}, Case{{-1, 0}, 180},
                       Case{{-1, -0.0}, 180}, Case{{-1, -1e-300}, 180}, Case{{1, -1}, -45}}) {
    EXPECT_DOUBLE_EQ(ReflectionAngleDegrees(c.gamma), c.degrees) << c.gamma.re << " " << c.gamma.im;
  }
  EXPECT_DOUBLE_EQ(ReflectionMagnitude({0.3, -0.4}), 0.5);
}

TEST(ChartCircles, UnitResistanceAndSwrCircles) {
  EXPECT_TRUE(OnCircle({0, 0}, ResistanceCircle(1)));
  EXPECT_TRUE(OnCircle({0, 0}, ConductanceCircle(1)));
  EXPECT_TRUE(OnCircle({0, 1}, ResistanceCircle(0))) << "r = 0 is the rim";
  EXPECT_TRUE(OnCircle({0, -0.2}, SwrCircle(1.5)));
  EXPECT_TRUE(OnCircle({-1.0 / 3, 0}, SwrCircle(2)));
  EXPECT_TRUE(OnCircle({0.5, 0}, SwrCircle(3)));
}

TEST(ChartCircles, CrossWhereTheImpedanceLies) {
  for (const double r : {0.2, 1.0, 5.0}) {
    for (const double x : {-2.0, -0.5, 0.2, 1.0}) {
      // z = r + jx sits on its resistance and reactance circles...
      const Reflection z = *ReflectionFromImpedance({r, x}, {1, 0});
      EXPECT_TRUE(OnCircle(z, ResistanceCircle(r))) << r << " " << x;
      EXPECT_TRUE(OnCircle(z, *ReactanceCircle(x))) << r << " " << x;
      // ...and the impedance whose admittance is r + jx on the admittance circles.
      const double norm = r * r + x * x;
      const Reflection y = *ReflectionFromImpedance({r / norm, -x / norm}, {1, 0});
      EXPECT_TRUE(OnCircle(y, ConductanceCircle(r))) << r << " " << x;
      EXPECT_TRUE(OnCircle(y, *SusceptanceCircle(x))) << r << " " << x;
    }
  }
}

TEST(ArcInsideUnitDisc, EndsOnTheRimAndBulgesInwards) {
  const auto at = [](Circle circle, double degrees) {
    const double radians = degrees * std::acos(-1.0) / 180;
    return std::hypot(circle.x + circle.radius * std::cos(radians),
                      circle.y + circle.radius * std::sin(radians));
  };
  for (const double v : {0.2, 1.0, 5.0, -0.5, -2.0}) {
    for (const Circle circle : {*ReactanceCircle(v), *SusceptanceCircle(v)}) {
      const Arc arc = ArcInsideUnitDisc(circle);
      EXPECT_NEAR(at(circle, arc.startDegrees), 1, 1e-12) << v;
      EXPECT_NEAR(at(circle, arc.startDegrees + arc.sweepDegrees), 1, 1e-12) << v;
      EXPECT_LT(at(circle, arc.startDegrees + arc.sweepDegrees / 2), 1) << v;
    }
  }
  // Circles wholly inside (touching the rim from within) and wholly outside.
  EXPECT_DOUBLE_EQ(ArcInsideUnitDisc(ResistanceCircle(2)).sweepDegrees, 360);
  EXPECT_EQ(ArcInsideUnitDisc(SwrCircle(3)).sweepDegrees, 360);
  EXPECT_EQ(ArcInsideUnitDisc({3, 0, 1}).sweepDegrees, 0);
}

}  // namespace
