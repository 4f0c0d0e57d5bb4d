#pragma once

#include <stdexcept>

namespace tolvar::numeric {

// The one way an arithmetic fault travels. A division by zero, an overflow, an
// invalid operation (log or square root of a negative number) or an entry whose
// number overflows a double ends the calculation that meets it: the fault is
// thrown from the point where it is seen and caught at the window's handler
// boundary, which reports it in the panel's result field. Nothing after the
// fault runs; what the handler wrote before it stays.
class ArithmeticFault : public std::runtime_error {
 public:
  ArithmeticFault();
};

// Watches the floating-point fault flags over a stretch of plain arithmetic.
// Construct it where the calculation starts (it clears the flags) and call
// check() wherever the calculation hands a value on: the window, or a branch
// that would show a value computed after a fault.
class FaultWatch {
 public:
  FaultWatch();
  void check() const;
};

// Returns x, or throws ArithmeticFault when x is not finite.
double RequireFinite(double x);

}  // namespace tolvar::numeric
