#pragma once

#include <string>

namespace tolvar::calc::swr {

enum class VoltageKind { Rms, Peak, PeakToPeak };
enum class PowerUnit { Watt, Dbm };

// What a conversion button writes: its result text, and the power it used or
// found, formatted for the forward-power field.
struct Conversion {
  std::string text;
  std::string forwardPower;
};

inline constexpr char kNoVoltage[] = "Insert a proper voltage value!";
inline constexpr char kNoPower[] = "Insert a proper power value!";
inline constexpr char kNoCurrent[] = "Insert a proper current value!";
// A power that is not above 0 on a non-zero entry (a pasted negative resistance,
// or a dBm entry so low that the power underflows) has no dBm value or voltage.
inline constexpr char kNoDbm[] = "Power in dBm cannot be computed from these entries!";
inline constexpr char kNoVoltageFromPower[] = "Voltage cannot be computed from these entries!";

// Power and current from a voltage across R + jX [ohm]; R is not 0.
Conversion PowerFromVoltage(double r, double x, double volts, VoltageKind kind);
// Voltage and current from a power in W or dBm on R + jX; R is not 0.
Conversion VoltageFromPower(double r, double x, double power, PowerUnit unit);
// Power and voltage from an RMS current [A] through R + jX; R is not 0.
Conversion PowerFromCurrent(double r, double x, double amperes);

// All three throw ArithmeticFault on an overflow, a division by zero or the
// square root of a negative number.

}  // namespace tolvar::calc::swr
