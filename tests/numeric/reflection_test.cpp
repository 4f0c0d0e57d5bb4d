#include "numeric/reflection.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>

#include "numeric/fault.h"

namespace {

using namespace tolvar::numeric;

// AngleWrap180's result, or NaN when it does not also store it into its argument.
double Wrapped(double angle) {
  const double result = AngleWrap180(angle);
  return result == angle ? result : std::nan("");
}

TEST(Reflection, ReferenceValues) {
  using Row = std::array<double, 3>;          // got, wanted, tolerance
  const double re = GammaReFromZ(0.6, -0.8);  // 30 - j40 ohm on 50 ohm
  const double im = GammaImFromZ(0.6, -0.8);
  const Row kRows[] = {
      // The calculators' pi; arc cosine 0 outside [-1, 1]; angles into (-180, 180] and [0, 360).
      Row{ArcCos(0), 3.14159265358979 / 2, 0}, Row{ArcCos(0.5), kPi / 3, 1e-15},
      Row{ArcCos(-0.5), 2 * kPi / 3, 1e-14}, Row{ArcCos(1), 0, 0},
      Row{ArcCos(-1), 3.14159265358979, 0}, Row{ArcCos(1.5), 0, 0}, Row{ArcCos(-1.5), 0, 0},
      Row{PhaseFromCos(1, 2), 60, 1e-13}, Row{PhaseFromCos(-1, 2), 120, 1e-13},
      Row{PhaseFromCos(-1, 1), 180, 0}, Row{PhaseFromCos(1, 1), 0, 0}, Row{Wrapped(180), 180, 0},
      Row{Wrapped(-180), 180, 0}, Row{Wrapped(181), -179, 0}, Row{Wrapped(-181), 179, 0},
      Row{Wrapped(540), 180, 0}, Row{Wrapped(0), 0, 0}, Row{Wrapped(359.75), -0.25, 0},
      Row{AngleMod360(-90), 270, 0}, Row{AngleMod360(360), 0, 0}, Row{AngleMod360(725), 5, 0},
      // SWR, 0 from rho = 1 on; Gamma of matched, short, j1 and 3 ohm / ohm, and back.
      Row{SwrFromRho(0), 1, 0}, Row{SwrFromRho(0.5), 3, 0}, Row{SwrFromRho(1), 0, 0},
      Row{SwrFromRho(1.2), 0, 0}, Row{GammaReFromZ(1, 0), 0, 0}, Row{GammaImFromZ(1, 0), 0, 0},
      Row{GammaReFromZ(0, 0), -1, 0}, Row{GammaReFromZ(0, 1), 0, 0}, Row{GammaImFromZ(0, 1), 1, 0},
      Row{GammaReFromZ(3, 0), 0.5, 1e-16}, Row{GammaToR(50, 0, 0, 50), 1, 0},
      Row{GammaToX(50, 0, 0, 50), 0, 0}, Row{GammaToR(50, 0.5, 0, 1), 150, 0},
      Row{GammaToR(50, re, im, 1), 30, 1e-12}, Row{GammaToX(50, re, im, 1), -40, 1e-12},
      Row{Magnitude(re, im), 0.5, 1e-15}};
  for (std::size_t n = 0; n < std::size(kRows); ++n) {
    EXPECT_NEAR(kRows[n][0], kRows[n][1], kRows[n][2]) << "row " << n;
  }
  // None tests its inputs: a zero magnitude or an open circuit is the caller's fault.
  const FaultWatch watch;
  [[maybe_unused]] volatile double phase = PhaseFromCos(0, 0);
  EXPECT_THROW(watch.check(), ArithmeticFault);
  const FaultWatch open;
  [[maybe_unused]] volatile double r = GammaToR(50, 1, 0, 50);
  EXPECT_THROW(open.check(), ArithmeticFault);
}

}  // namespace
