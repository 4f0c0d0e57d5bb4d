#pragma once

#include <string>

#include "numeric/power.h"

namespace tolvar::calc::compare {

using numeric::VoltageKind;

// One side of the network: its impedance and what was measured there.
struct Side {
  double r = 0;                         // resistance [ohm], not 0
  double x = 0;                         // reactance [ohm]
  double reading = 0;                   // voltage [V] of the given kind, or RMS current [A]
  VoltageKind kind = VoltageKind::Rms;  // voltage comparison only
};

// Powers and currents at both sides, the insertion loss or gain and the output
// per 100 W in, as four lines joined by CR LF; kNoComparedVoltage when a side's
// power is not above 0. Throws ArithmeticFault on an overflow or a division by zero.
std::string CompareVoltages(const Side& in, const Side& out);
// The same from the RMS currents, with the voltages in place of the currents;
// kNoCurrent when a side's power is not above 0.
std::string CompareCurrents(const Side& in, const Side& out);

}  // namespace tolvar::calc::compare
