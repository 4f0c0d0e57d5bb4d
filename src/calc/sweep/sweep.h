#pragma once

// A measured sweep carried through the feed system, frequency by frequency:
// a 1-port along the line panel's line (to the other end), a 2-port as the
// antenna tuner with the antenna on its far side. Each point uses the same
// computations as the panels; a point they cannot compute has no carried
// values (an active load, a line whose loss model fails there, an entry SWR no
// antenna could give).

#include <optional>
#include <string>
#include <vector>

#include "calc/line/cable_catalogue.h"
#include "calc/line/line.h"
#include "calc/measurement/touchstone.h"
#include "numeric/complex.h"

namespace tolvar::calc::sweep {

using numeric::Complex;

// The line as the line panel holds it, and the physical length its shift and
// MHz give, which stays fixed while the frequency changes.
struct SweptLine {
  line::LineEntries panel;             // the panel's entries at its own frequency
  double lengthM = 0;                  // the line's length between the two ends [m]
  const line::Cable* cable = nullptr;  // its loss model; none for a typed loss
};

// The physical length [m] of the panel's shift at its own frequency: the far
// point's distance, as the line computation finds it.
double LengthM(const line::LineEntries& panel);

struct LinePoint {
  double mhz = 0;
  std::optional<Complex> measured;    // [ohm]; none for an open circuit (Gamma = 1)
  std::optional<double> measuredSwr;  // against the line's impedance
  std::optional<Complex> carried;     // at the line's other end [ohm]
  std::optional<double> carriedSwr;   // against the line's impedance
  std::optional<double> lineLossDb;   // matched loss plus the loss due to the SWR
  double matchedLossDb = 0;           // the line's loss at this frequency, matched
};

// The loss [dB / 100 m] of the line at `mhz`: the cable's model, or the
// typed loss (given for the panel's MHz) scaled with the square root of the
// frequency, as a cable's conductor loss grows.
double LossDbPer100m(const SweptLine& swept, double mhz);

// One impedance carried along the line at one frequency.
struct Carried {
  std::optional<double> startSwr;     // at the start, against the line's impedance
  double matchedLossDb = 0;           // the line's loss at this frequency, matched
  std::optional<Complex> z;           // at the line's other end [ohm]
  std::optional<double> swr;          // there, against the line's impedance
  std::optional<double> totalLossDb;  // matched loss plus the loss due to the SWR
};

// `startOhm` at `mhz` carried over the line's length towards `direction` (from
// the antenna's end towards the transmitter, or back), as the line computation
// carries the panel's start point. What it cannot compute stays empty: a start
// that is not finite, an active load, a loss model below 0, an entry SWR no
// antenna could give, or an arithmetic fault on the way.
Carried CarryAlong(const SweptLine& swept, line::Direction direction, Complex startOhm, double mhz);

// Every point of the 1-port carried along the line, in the panel's direction:
// towards the transmitter the measurement is at the antenna, towards the
// antenna it is at the transmitter.
std::vector<LinePoint> SweepLine(const measurement::Measurement& onePort, const SweptLine& swept);

struct TunerPoint {
  double mhz = 0;
  std::optional<Complex> antenna;  // S Ant. on 50 ohm
  std::optional<double> lossDb;    // the tuner's insertion loss
};

// The tuner's insertion loss at each of its frequencies, with the 1-port as
// the antenna (its reflection on 50 ohm interpolated linearly, in real and
// imaginary parts, onto the tuner's frequencies inside its own range) or,
// without one, `typedAntenna`. The tuner is renormalised to 50 ohm first.
std::vector<TunerPoint> SweepTuner(const measurement::Measurement& twoPort,
                                   const std::optional<measurement::Measurement>& onePort,
                                   Complex typedAntenna);

// The sweeps as CSV: a header line, then one line per frequency in the
// measurement's order, comma-separated, dot decimals, shortest round-trip
// numbers, an empty cell where a point has no value. Lines end with LF.
std::string LineSweepCsv(const std::vector<LinePoint>& points);
std::string TunerSweepCsv(const std::vector<TunerPoint>& points);

// The carried impedances as a Touchstone 1.1 1-port on 50 ohm, written by
// measurement::WriteTouchstone: the points with a carried value, each
// reflection so that it reads back to the same number.
std::string CarriedTouchstone(const std::vector<LinePoint>& points, const std::string& comment);

}  // namespace tolvar::calc::sweep
