#include "numeric/fault.h"

#include <cfenv>
#include <cmath>

namespace tolvar::numeric {

namespace {
// Underflow and inexact are ordinary rounding, not faults.
constexpr int kFaultFlags = FE_DIVBYZERO | FE_OVERFLOW | FE_INVALID;
}  // namespace

ArithmeticFault::ArithmeticFault() : std::runtime_error("arithmetic fault") {}

FaultWatch::FaultWatch() { std::feclearexcept(kFaultFlags); }

void FaultWatch::check() const {
  if (std::fetestexcept(kFaultFlags) != 0) {
    throw ArithmeticFault();
  }
}

double RequireFinite(double x) {
  if (!std::isfinite(x)) {
    throw ArithmeticFault();
  }
  return x;
}

}  // namespace tolvar::numeric
