#include "numeric/fault.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace {

using tolvar::numeric::ArithmeticFault;
using tolvar::numeric::FaultWatch;

// volatile keeps the compiler from folding the faulting operations away.
volatile double zero = 0.0;
volatile double one = 1.0;
volatile double huge = 1e308;

TEST(FaultWatch, SeesEachKindOfFault) {
  {
    FaultWatch watch;
    [[maybe_unused]] volatile double r = one / zero;
    EXPECT_THROW(watch.check(), ArithmeticFault) << "division by zero";
  }
  {
    FaultWatch watch;
    [[maybe_unused]] volatile double r = zero / zero;
    EXPECT_THROW(watch.check(), ArithmeticFault) << "0 / 0";
  }
  {
    FaultWatch watch;
    [[maybe_unused]] volatile double r = huge * 10.0;
    EXPECT_THROW(watch.check(), ArithmeticFault) << "overflow";
  }
  {
    FaultWatch watch;
    [[maybe_unused]] volatile double r = std::log(-one);
    EXPECT_THROW(watch.check(), ArithmeticFault) << "log of a negative number";
  }
  {
    FaultWatch watch;
    [[maybe_unused]] volatile double r = std::log(zero);
    EXPECT_THROW(watch.check(), ArithmeticFault) << "log of zero";
  }
  {
    FaultWatch watch;
    [[maybe_unused]] volatile double r = std::pow(-one, 0.5);
    EXPECT_THROW(watch.check(), ArithmeticFault) << "square root of a negative number";
  }
}

TEST(FaultWatch, OrdinaryRoundingIsNoFault) {
  FaultWatch watch;
  [[maybe_unused]] volatile double underflow = std::pow(10.0, -400.0);
  [[maybe_unused]] volatile double inexact = one / 3.0;
  EXPECT_NO_THROW(watch.check());
}

TEST(FaultWatch, StartsClean) {
  [[maybe_unused]] volatile double r = one / zero;
  FaultWatch watch;  // a fault before the calculation is not this calculation's
  EXPECT_NO_THROW(watch.check());
}

TEST(RequireFinite, PassesNumbersAndStopsTheRest) {
  EXPECT_EQ(tolvar::numeric::RequireFinite(2.5), 2.5);
  EXPECT_THROW(tolvar::numeric::RequireFinite(std::numeric_limits<double>::infinity()),
               ArithmeticFault);
  EXPECT_THROW(tolvar::numeric::RequireFinite(std::numeric_limits<double>::quiet_NaN()),
               ArithmeticFault);
}

}  // namespace
