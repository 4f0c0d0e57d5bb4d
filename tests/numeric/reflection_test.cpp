#include "numeric/reflection.h"

#include <gtest/gtest.h>

#include "numeric/fault.h"

namespace {

using namespace tolvar::numeric;

TEST(ArcCos, EdgesAndOutOfRange) {
  EXPECT_EQ(ArcCos(0), 3.14159265358979 / 2);
  EXPECT_DOUBLE_EQ(ArcCos(0.5), kPi / 3);
  EXPECT_EQ(ArcCos(1), 0);
  EXPECT_EQ(ArcCos(-1), 3.14159265358979);
  EXPECT_EQ(ArcCos(1.5), 0);
  EXPECT_EQ(ArcCos(-1.5), 0);
  EXPECT_GT(ArcCos(-0.5), kPi / 2);  // the second quadrant adds pi
}

TEST(PhaseFromCos, DegreesInZeroTo180) {
  EXPECT_NEAR(PhaseFromCos(1, 2), 60, 1e-13);
  EXPECT_NEAR(PhaseFromCos(-1, 2), 120, 1e-13);
  EXPECT_EQ(PhaseFromCos(-1, 1), 180);
  EXPECT_EQ(PhaseFromCos(1, 1), 0);
}

TEST(PhaseFromCos, ZeroMagnitudeIsAFault) {
  FaultWatch watch;
  [[maybe_unused]] volatile double phase = PhaseFromCos(0, 0);
  EXPECT_THROW(watch.check(), ArithmeticFault);
}

TEST(AngleWrap180, FoldsIntoHalfOpenRangeAndWritesBack) {
  struct Case {
    double in, out;
  };
  for (const Case c : {Case{180, 180}, Case{-180, 180}, Case{181, -179}, Case{-181, 179},
                       Case{540, 180}, Case{0, 0}, Case{359.75, -0.25}}) {
    double angle = c.in;
    EXPECT_EQ(AngleWrap180(angle), c.out) << c.in;
    EXPECT_EQ(angle, c.out) << "the argument holds the result";
  }
}

TEST(AngleMod360, ReducesAndLeavesArgument) {
  const double angle = -90;
  EXPECT_EQ(AngleMod360(angle), 270);
  EXPECT_EQ(angle, -90);
  EXPECT_EQ(AngleMod360(360), 0);
  EXPECT_EQ(AngleMod360(725), 5);
}

TEST(SwrFromRho, RatioAndItsLimit) {
  EXPECT_EQ(SwrFromRho(0), 1);
  EXPECT_EQ(SwrFromRho(0.5), 3);
  EXPECT_EQ(SwrFromRho(1), 0);
  EXPECT_EQ(SwrFromRho(1.2), 0);
}

TEST(GammaFromZ, MatchedShortAndReactive) {
  EXPECT_EQ(GammaReFromZ(1, 0), 0);
  EXPECT_EQ(GammaImFromZ(1, 0), 0);
  EXPECT_EQ(GammaReFromZ(0, 0), -1);
  EXPECT_EQ(GammaReFromZ(0, 1), 0);
  EXPECT_EQ(GammaImFromZ(0, 1), 1);
  EXPECT_DOUBLE_EQ(GammaReFromZ(3, 0), 0.5);
}

TEST(GammaToZ, InvertsGammaFromZ) {
  EXPECT_EQ(GammaToR(50, 0, 0, 50), 1);
  EXPECT_EQ(GammaToX(50, 0, 0, 50), 0);
  EXPECT_EQ(GammaToR(50, 0.5, 0, 1), 150);
  // A load of 30 - j40 ohm on 50 ohm goes to Gamma and back.
  const double re = GammaReFromZ(0.6, -0.8);
  const double im = GammaImFromZ(0.6, -0.8);
  EXPECT_NEAR(GammaToR(50, re, im, 1), 30, 1e-12);
  EXPECT_NEAR(GammaToX(50, re, im, 1), -40, 1e-12);
  EXPECT_NEAR(Magnitude(re, im), 0.5, 1e-15);
}

TEST(GammaToZ, OpenCircuitIsAFault) {
  FaultWatch watch;
  [[maybe_unused]] volatile double r = GammaToR(50, 1, 0, 50);
  EXPECT_THROW(watch.check(), ArithmeticFault);
}

}  // namespace
