#include "numeric/fault.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "numeric/entry_value.h"

namespace {

using tolvar::numeric::ArithmeticFault;
using tolvar::numeric::FaultWatch;
using tolvar::numeric::ReadEntryValue;

// Values the compiler cannot know: read at run time, as every entry is. No
// volatile here: the build's own floating-point options must keep the flags
// of every operation whose result is used.
const double zero = ReadEntryValue("0");
const double one = ReadEntryValue("1");
const double huge = ReadEntryValue("1e308");

// The operation is inlined here, beside the check, where a compiler that is not
// told to keep the flags may move it past the check or drop it.
template <typename Operation>
void ExpectFault(const char* name, Operation operation) {
  FaultWatch watch;
  const double result = operation();
  EXPECT_THROW(watch.check(), ArithmeticFault) << name;
  EXPECT_FALSE(std::isfinite(result)) << name;  // used after the check, as a calculator does
}

template <typename Operation>
void ExpectNoFault(const char* name, Operation operation) {
  FaultWatch watch;
  const double result = operation();
  EXPECT_NO_THROW(watch.check()) << name;
  EXPECT_TRUE(std::isfinite(result)) << name;
}

TEST(FaultWatch, SeesEachKindOfFault) {
  ExpectFault("division by zero", [] { return one / zero; });
  ExpectFault("0 / 0", [] { return zero / zero; });
  ExpectFault("overflow", [] { return huge * 10.0; });
  ExpectFault("log of a negative number", [] { return std::log(-one); });
  ExpectFault("log of zero", [] { return std::log(zero); });
  ExpectFault("square root of a negative number", [] { return std::pow(-one, 0.5); });
}

TEST(FaultWatch, OrdinaryRoundingIsNoFault) {
  ExpectNoFault("underflow", [] { return std::pow(10.0, -400.0 * one); });
  ExpectNoFault("inexact", [] { return one / 3.0; });
}

TEST(FaultWatch, StartsClean) {
  const double before = one / zero;
  FaultWatch watch;  // a fault before the calculation is not this calculation's
  EXPECT_NO_THROW(watch.check());
  EXPECT_TRUE(std::isinf(before));
}

TEST(RequireFinite, PassesNumbersAndStopsTheRest) {
  EXPECT_EQ(tolvar::numeric::RequireFinite(2.5), 2.5);
  EXPECT_THROW(tolvar::numeric::RequireFinite(std::numeric_limits<double>::infinity()),
               ArithmeticFault);
  EXPECT_THROW(tolvar::numeric::RequireFinite(std::numeric_limits<double>::quiet_NaN()),
               ArithmeticFault);
}

}  // namespace
