#include "numeric/fault.h"

#include <gtest/gtest.h>

#include <cmath>

#include "numeric/entry_value.h"

namespace {

using tolvar::numeric::FaultWatch;

// Read at run time, as every entry is, and not volatile: the build's own floating-point
// options must keep the flags of every operation whose result is used.
const double zero = tolvar::numeric::ReadEntryValue("0");
const double one = tolvar::numeric::ReadEntryValue("1");
const double huge = tolvar::numeric::ReadEntryValue("1e308");

// Inlined beside the check, where a compiler not told to keep the flags may move it past
// the check; the result is used after the check, as a calculator uses it.
template <typename Operation>
void ExpectFaultIf(bool fault, const char* name, Operation operation) {
  FaultWatch watch;
  const double result = operation();
  if (fault) {
    EXPECT_THROW(watch.check(), tolvar::numeric::ArithmeticFault) << name;
  } else {
    EXPECT_NO_THROW(watch.check()) << name;
  }
  EXPECT_EQ(std::isfinite(result), !fault) << name;
}

TEST(FaultWatch, SeesEachKindOfFaultButNotRounding) {
  ExpectFaultIf(true, "division by zero", [] { return one / zero; });
  ExpectFaultIf(true, "0 / 0", [] { return zero / zero; });
  ExpectFaultIf(true, "overflow", [] { return huge * 10.0; });
  ExpectFaultIf(true, "log of a negative number", [] { return std::log(-one); });
  ExpectFaultIf(true, "log of zero", [] { return std::log(zero); });
  ExpectFaultIf(true, "square root of a negative number", [] { return std::pow(-one, 0.5); });
  ExpectFaultIf(false, "underflow", [] { return std::pow(10.0, -400.0 * one); });
  ExpectFaultIf(false, "inexact", [] { return one / 3.0; });
  // A fault before the calculation is not this calculation's.
  const double before = one / zero;
  const FaultWatch watch;
  EXPECT_NO_THROW(watch.check());
  EXPECT_TRUE(std::isinf(before));
}

}  // namespace
