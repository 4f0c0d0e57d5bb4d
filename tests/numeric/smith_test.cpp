#include "numeric/smith.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "numeric/fault.h"

namespace {

using namespace tolvar::numeric;

// True when gamma lies on the circle, to rounding.
bool OnCircle(Reflection gamma, Circle circle) {
  return std::fabs(std::hypot(gamma.re - circle.x, gamma.im - circle.y) - circle.radius) < 1e-12;
}

struct PlaneCase {
  const char* name;
  Reflection gamma;
  PixelPoint point;  // in a frame of side 400 centred at (250, 210)
};

class ChartFrameTest : public ::testing::TestWithParam<PlaneCase> {};

TEST_P(ChartFrameTest, MapsTheUnitDiscOntoTheSquareAndBack) {
  const PlaneCase& c = GetParam();
  const ChartFrame frame{250, 210, 400};
  const PixelPoint point = PointFromReflection(c.gamma, frame);
  EXPECT_EQ(point.x, c.point.x);
  EXPECT_EQ(point.y, c.point.y);
  const Reflection back = ReflectionFromPoint(point, frame);
  EXPECT_EQ(back.re, c.gamma.re);
  EXPECT_EQ(back.im, c.gamma.im);
}

INSTANTIATE_TEST_SUITE_P(
    Points, ChartFrameTest,
    ::testing::Values(PlaneCase{"matched_load_at_centre", {0, 0}, {250, 210}},
                      PlaneCase{"open_circuit_at_right_rim", {1, 0}, {450, 210}},
                      PlaneCase{"short_circuit_at_left_rim", {-1, 0}, {50, 210}},
                      PlaneCase{"inductive_rim_above", {0, 1}, {250, 10}},
                      PlaneCase{"capacitive_rim_below", {0, -1}, {250, 410}},
                      PlaneCase{"inside_the_disc", {0.25, -0.5}, {300, 310}}),
    [](const auto& row) { return std::string(row.param.name); });

struct RoundTripCase {
  const char* name;
  Impedance z;
  Impedance ref;
};

class ImpedanceRoundTripTest : public ::testing::TestWithParam<RoundTripCase> {};

TEST_P(ImpedanceRoundTripTest, ReflectionGivesBackTheImpedance) {
  const RoundTripCase& c = GetParam();
  const auto gamma = ReflectionFromImpedance(c.z, c.ref);
  ASSERT_TRUE(gamma);
  const auto z = ImpedanceFromReflection(*gamma, c.ref);
  ASSERT_TRUE(z);
  EXPECT_NEAR(z->r, c.z.r, 1e-9 * std::hypot(c.z.r, c.z.x));
  EXPECT_NEAR(z->x, c.z.x, 1e-9 * std::hypot(c.z.r, c.z.x));
}

INSTANTIATE_TEST_SUITE_P(
    Loads, ImpedanceRoundTripTest,
    ::testing::Values(RoundTripCase{"inductive_on_real_reference", {73.08, 15.38}, {50, 0}},
                      RoundTripCase{"capacitive_on_inductive_reference", {30, -40}, {50, 10}},
                      RoundTripCase{"high_on_capacitive_reference", {1000, 0}, {75, -25}},
                      RoundTripCase{"nearly_pure_reactance", {0.5, 200}, {300, 0}},
                      RoundTripCase{"active_load", {-20, 5}, {50, 20}}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReflectionFromImpedance, KnownValuesOnAComplexReference) {
  // The reference itself is matched: Zref is subtracted, not its conjugate.
  const auto matched = ReflectionFromImpedance({50, 10}, {50, 10});
  ASSERT_TRUE(matched);
  EXPECT_EQ(matched->re, 0);
  EXPECT_EQ(matched->im, 0);
  EXPECT_DOUBLE_EQ(ReflectionFromImpedance({100, 0}, {50, 0})->re, 1.0 / 3);
}

TEST(SingularPoints, HaveNoValueAndRaiseNoFault) {
  FaultWatch watch;
  EXPECT_FALSE(ImpedanceFromReflection({1, 0}, {50, 0}));
  EXPECT_FALSE(ImpedanceFromReflection({1, 0}, {50, -20}));
  EXPECT_FALSE(ReflectionFromImpedance({-50, -10}, {50, 10}));
  EXPECT_FALSE(SwrFromMagnitude(1));
  EXPECT_FALSE(ReactanceCircle(0));
  EXPECT_FALSE(SusceptanceCircle(0));
  EXPECT_NO_THROW(watch.check());
  // The short circuit is no singularity.
  EXPECT_EQ(ImpedanceFromReflection({-1, 0}, {50, 0})->r, 0);
}

TEST(SwrFromMagnitude, RatioUpToTotalReflection) {
  struct Case {
    double magnitude, swr;
  };
  for (const Case c : {Case{0, 1}, Case{0.2, 1.5}, Case{1.0 / 3, 2}, Case{0.5, 3}}) {
    ASSERT_TRUE(SwrFromMagnitude(c.magnitude)) << c.magnitude;
    EXPECT_DOUBLE_EQ(*SwrFromMagnitude(c.magnitude), c.swr) << c.magnitude;
  }
  for (const double total : {1.0, 1.5}) {
    EXPECT_FALSE(SwrFromMagnitude(total)) << total;
  }
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
  EXPECT_NEAR(ReflectionAngleDegrees({0.2, 0.1}), 26.565051177, 1e-9);
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
  const Impedance unit{1, 0};
  for (const double r : {0.2, 1.0, 5.0}) {
    for (const double x : {-2.0, -0.5, 0.2, 1.0}) {
      // z = r + jx sits on its resistance and reactance circles...
      const Reflection z = *ReflectionFromImpedance({r, x}, unit);
      EXPECT_TRUE(OnCircle(z, ResistanceCircle(r))) << r << " " << x;
      EXPECT_TRUE(OnCircle(z, *ReactanceCircle(x))) << r << " " << x;
      // ...and the impedance whose admittance is y = r + jx on the admittance circles.
      const double norm = r * r + x * x;
      const Reflection y = *ReflectionFromImpedance({r / norm, -x / norm}, unit);
      EXPECT_TRUE(OnCircle(y, ConductanceCircle(r))) << r << " " << x;
      EXPECT_TRUE(OnCircle(y, *SusceptanceCircle(x))) << r << " " << x;
    }
  }
}

}  // namespace
