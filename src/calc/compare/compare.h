#pragma once

#include <string>

#include "calc/outcome.h"
#include "numeric/complex.h"
#include "numeric/power.h"

namespace tolvar::calc::compare {

using numeric::Complex;
using numeric::VoltageKind;

// One side of the network: its impedance and what was measured there.
struct Side {
  Complex z{};                          // [ohm], R not 0
  double reading = 0;                   // voltage [V] of the given kind, or RMS current [A]
  VoltageKind kind = VoltageKind::Rms;  // voltage comparison only
};

struct ComparisonFigures {
  double inputW = 0;
  double inputOther = 0;  // the input's current [A] (voltage comparison) or RMS voltage [V]
  double outputW = 0;
  double outputOther = 0;
  double gainDb = 0;       // negative for a loss
  double outputRatio = 0;  // output power / input power
  bool otherIsCurrent = false;
};

// Powers and currents at both sides, the insertion loss or gain and the output
// per 100 W in; kNoComparedVoltage when a side's power is not above 0. Throws
// ArithmeticFault on an overflow or a division by zero.
Outcome<ComparisonFigures> CompareVoltages(const Side& in, const Side& out);
// The same from the RMS currents, with the voltages in place of the currents;
// kNoCurrent when a side's power is not above 0.
Outcome<ComparisonFigures> CompareCurrents(const Side& in, const Side& out);

// Four lines joined by CR LF, or the sentence. Equal powers read as a loss.
std::string ComparisonText(const Outcome<ComparisonFigures>& outcome);

}  // namespace tolvar::calc::compare
