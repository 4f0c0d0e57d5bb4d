#pragma once

#include <string>

#include "numeric/power.h"

namespace tolvar::calc::swr {

using numeric::VoltageKind;
enum class PowerUnit { Watt, Dbm };

// What a conversion button writes: its result text, and the power it used or
// found, formatted for the forward-power field.
struct Conversion {
  std::string text;
  std::string forwardPower;
};

// Power and current from a voltage across R + jX [ohm]; R is not 0.
Conversion PowerFromVoltage(double r, double x, double volts, VoltageKind kind);
// Voltage and current from a power in W or dBm on R + jX; R is not 0.
Conversion VoltageFromPower(double r, double x, double power, PowerUnit unit);
// Power and voltage from an RMS current [A] through R + jX; R is not 0.
Conversion PowerFromCurrent(double r, double x, double amperes);

// All three throw ArithmeticFault on an overflow, a division by zero or the
// square root of a negative number.

}  // namespace tolvar::calc::swr
