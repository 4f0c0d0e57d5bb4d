#pragma once

#include <string>

namespace tolvar::calc::compare {

enum class VoltageKind { Rms, Peak, PeakToPeak };

// One side of the network: its impedance and what was measured there.
struct Side {
  double r;                             // resistance [ohm], not 0
  double x;                             // reactance [ohm]
  double reading;                       // voltage [V] of the given kind, or RMS current [A]
  VoltageKind kind = VoltageKind::Rms;  // voltage comparison only
};

inline constexpr char kNoVoltage[] = "Insert a proper Voltage value!";
inline constexpr char kNoCurrent[] = "Insert a proper current value!";

// Powers and currents at both sides, the insertion loss or gain and the output
// per 100 W in, as four lines joined by CR LF; kNoVoltage when a side's power is
// not above 0. Throws ArithmeticFault on an overflow or a division by zero.
std::string CompareVoltages(const Side& in, const Side& out);
// The same from the RMS currents, with the voltages in place of the currents.
std::string CompareCurrents(const Side& in, const Side& out);

}  // namespace tolvar::calc::compare
