#pragma once

#include <string>

#include "calc/outcome.h"
#include "numeric/complex.h"
#include "numeric/power.h"

namespace tolvar::calc::swr {

using numeric::Complex;
using numeric::VoltageKind;
enum class PowerUnit { Watt, Dbm };

// What a conversion finds on the impedance Z = R + jX [ohm] (R not 0).
struct PowerFromVoltageFigures {
  double watts = 0;
  double dbm = 0;
  double amperes = 0;
};
struct VoltageFromPowerFigures {
  double vrms = 0;
  double amperes = 0;
};
struct PowerFromCurrentFigures {
  double watts = 0;
  double dbm = 0;
  double vrms = 0;
};

// Each conversion also gives the power it used or found [W], which the window
// writes into the SWR calculator's forward-power field even beside a sentence.
template <typename Figures>
struct Conversion {
  Outcome<Figures> outcome;
  double forwardPowerW = 0;
};

// Power and current from a voltage of the given kind across Z; kNoVoltage for
// a voltage of 0, kNoDbm for a power that is not above 0.
Conversion<PowerFromVoltageFigures> PowerFromVoltage(Complex z, double volts, VoltageKind kind);
// Voltage and current from a power in W or dBm on Z; kNoPower for a power in W
// that is not above 0, kNoVoltageFromPower for one in dBm that underflows.
Conversion<VoltageFromPowerFigures> VoltageFromPower(Complex z, double power, PowerUnit unit);
// Power and voltage from an RMS current [A] through Z; kNoCurrent for 0 A,
// kNoDbm for a power that is not above 0.
Conversion<PowerFromCurrentFigures> PowerFromCurrent(Complex z, double amperes);

// All three throw ArithmeticFault on an overflow, a division by zero or the
// square root of a negative number.

// The result fields' texts.
std::string ConversionText(const Outcome<PowerFromVoltageFigures>& outcome);
std::string ConversionText(const Outcome<VoltageFromPowerFigures>& outcome);
std::string ConversionText(const Outcome<PowerFromCurrentFigures>& outcome);
// The power as the forward-power field shows it.
std::string ForwardPowerText(double watts);

}  // namespace tolvar::calc::swr
