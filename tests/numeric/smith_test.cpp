#include "numeric/smith.h"

#include <gtest/gtest.h>

#include <array>
#include <cmath>
#include <complex>
#include <numbers>
#include <utility>

#include "numeric/calculator_order.h"
#include "numeric/fault.h"
#include "numeric/reflection.h"
#include "numeric/rf.h"

namespace {

using namespace tolvar::numeric;
namespace order = tolvar::numeric::calculator_order;
using StdComplex = std::complex<double>;  // an independent second arithmetic

bool OnCircle(Complex gamma, Circle c) {
  return std::abs(std::abs(StdComplex(gamma.re - c.x, gamma.im - c.y)) - c.radius) < 1e-12;
}

TEST(Smith, PointsAndImpedances) {
  // Gamma = 0 at the centre, the open circuit and +j on the rim, a point inside;
  // each point's readout gives back its Gamma.
  using Mark = std::pair<Complex, PixelPoint>;
  for (const auto& [gamma, point] : {Mark{{0, 0}, {250, 210}}, Mark{{1, 0}, {450, 210}},
                                     Mark{{0, 1}, {250, 10}}, Mark{{0.25, -0.5}, {300, 310}}}) {
    const PixelPoint p = PointFromReflection(gamma, {250, 210, 400});
    const Complex back = ReflectionFromPoint(p, {250, 210, 400});
    EXPECT_TRUE(p.x == point.x && p.y == point.y && back.re == gamma.re && back.im == gamma.im);
  }
  // Round trips on real and complex references, also of an active load; the reference
  // itself is matched (Zref is subtracted, not its conjugate).
  using OnRef = std::pair<Complex, Complex>;
  for (const auto& [z, ref] :
       {OnRef{{73.08, 15.38}, {50, 0}}, OnRef{{30, -40}, {50, 10}}, OnRef{{1000, 0}, {75, -25}},
        OnRef{{0.5, 200}, {300, 0}}, OnRef{{-20, 5}, {50, 20}}, OnRef{{50, 10}, {50, 10}}}) {
    const Complex gamma = *ReflectionOf(z, ref);
    const Complex back = *ImpedanceOf(gamma, ref);
    EXPECT_LT(Abs(back - z), 1e-9 * Abs(z));
    EXPECT_TRUE(z != ref || gamma == Complex{});
  }
  EXPECT_DOUBLE_EQ(ReflectionOf({100, 0}, {50, 0})->re, 1.0 / 3);
  EXPECT_EQ(ImpedanceOf({-1, 0}, {50, 0})->re, 0) << "the short is no singularity";
  // A real reference scales each part alone: a near short keeps the -0 a field shows.
  EXPECT_TRUE(std::signbit(ImpedanceOf({-1, -2.2e-162}, {50, 0})->re));
  // The open circuit, Z = -Zref and the real axis as a circle have no value, and no fault.
  const FaultWatch watch;
  EXPECT_FALSE(ImpedanceOf({1, 0}, {50, -20}) || ReflectionOf({-50, -10}, {50, 10}) ||
               ReactanceCircle(0) || SusceptanceCircle(0));
  EXPECT_NO_THROW(watch.check());
}

TEST(Smith, AnglesSwrAndCircles) {
  // The angle lies in (-180, 180]: the negative real axis from below reads 180.
  using Angle = std::pair<Complex, double>;
  for (const auto& [gamma, degrees] :
       {Angle{{0, 0}, 0}, Angle{{0, 1}, 90}, Angle{{0, -1}, -90}, Angle{{-1, 0}, 180},
        Angle{{-1, -0.0}, 180}, Angle{{-1, -1e-300}, 180}, Angle{{1, -1}, -45}}) {
    EXPECT_NEAR(ReflectionAngleDegrees(gamma), degrees, 1e-12) << gamma.re << " " << gamma.im;
  }
  EXPECT_DOUBLE_EQ(Abs({0.3, -0.4}), 0.5);
  for (const auto& [rho, swr] : {std::pair{0.0, 1.0}, {0.2, 1.5}, {1.0 / 3, 2.0}, {0.5, 3.0}}) {
    EXPECT_DOUBLE_EQ(SwrOf(rho).value_or(0), swr);
    EXPECT_TRUE(OnCircle({0, -rho}, SwrCircle(swr))) << swr;
  }
  EXPECT_FALSE(SwrOf(1) || SwrOf(1.5)) << "|Gamma| = 1 is the rim";
  EXPECT_TRUE(OnCircle({0, 0}, ResistanceCircle(1)) && OnCircle({0, 0}, ConductanceCircle(1)));
  EXPECT_TRUE(OnCircle({0, 1}, ResistanceCircle(0))) << "r = 0 is the rim";
  // z = r + jx lies on its resistance and reactance circles, and -Gamma (the point of
  // the admittance r + jx) on the admittance circles; each circle's arc inside the
  // disc ends on the rim and bulges inwards.
  for (const double r : {0.2, 1.0, 5.0}) {
    for (const double x : {-2.0, -0.5, 0.2, 1.0}) {
      const Complex z = *ReflectionOf({r, x}, {1, 0});
      EXPECT_TRUE(OnCircle(z, ResistanceCircle(r)) && OnCircle(z, *ReactanceCircle(x)) &&
                  OnCircle({-z.re, -z.im}, ConductanceCircle(r)) &&
                  OnCircle({-z.re, -z.im}, *SusceptanceCircle(x)));
      for (const Circle c : {*ReactanceCircle(x), *SusceptanceCircle(x)}) {
        const auto at = [c](double deg) {
          return std::abs(StdComplex(c.x, c.y) +
                          std::polar(c.radius, deg * std::numbers::pi / 180));
        };
        const Arc arc = ArcInsideUnitDisc(c);
        EXPECT_NEAR(at(arc.startDegrees), 1, 1e-12);
        EXPECT_NEAR(at(arc.startDegrees + arc.sweepDegrees), 1, 1e-12);
        EXPECT_LT(at(arc.startDegrees + arc.sweepDegrees / 2), 1);
      }
    }
  }
  // Circles wholly inside (touching the rim from within) and wholly outside.
  EXPECT_NEAR(ArcInsideUnitDisc(ResistanceCircle(2)).sweepDegrees, 360, 1e-12);
  EXPECT_EQ(ArcInsideUnitDisc(SwrCircle(3)).sweepDegrees, 360);
  EXPECT_EQ(ArcInsideUnitDisc({3, 0, 1}).sweepDegrees, 0);
}

// AngleWrap180's result, or NaN when it does not also store it into its argument.
double Wrapped(double angle) {
  const double result = AngleWrap180(angle);
  return result == angle ? result : std::nan("");
}

TEST(Reflection, ReferenceValues) {
  using Row = std::array<double, 3>;                              // got, wanted, tolerance
  const double re = order::ReflectionOfNormalised(0.6, -0.8).re;  // 30 - j40 ohm on 50 ohm
  const double im = order::ReflectionOfNormalised(0.6, -0.8).im;
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
      Row{order::SwrOf(0), 1, 0}, Row{order::SwrOf(0.5), 3, 0}, Row{order::SwrOf(1), 0, 0},
      Row{order::SwrOf(1.2), 0, 0}, Row{order::ReflectionOfNormalised(1, 0).re, 0, 0},
      Row{order::ReflectionOfNormalised(1, 0).im, 0, 0},
      Row{order::ReflectionOfNormalised(0, 0).re, -1, 0},
      Row{order::ReflectionOfNormalised(0, 1).re, 0, 0},
      Row{order::ReflectionOfNormalised(0, 1).im, 1, 0},
      Row{order::ReflectionOfNormalised(3, 0).re, 0.5, 1e-16},
      Row{order::ImpedanceOnLineOf({0, 0}, 50, 50).re, 1, 0},
      Row{order::ImpedanceOnLineOf({0, 0}, 50, 50).im, 0, 0},
      Row{order::ImpedanceOnLineOf({0.5, 0}, 50, 1).re, 150, 0},
      Row{order::ImpedanceOnLineOf({re, im}, 50, 1).re, 30, 1e-12},
      Row{order::ImpedanceOnLineOf({re, im}, 50, 1).im, -40, 1e-12},
      Row{Abs({re, im}), 0.5, 1e-15}};
  for (std::size_t n = 0; n < std::size(kRows); ++n) {
    EXPECT_NEAR(kRows[n][0], kRows[n][1], kRows[n][2]) << "row " << n;
  }
}

}  // namespace
