#pragma once

// The chosen matching network over a measured band: at each frequency of the
// antenna's 1-port, the network (its values and Qs fixed) at the radio's end
// of the line panel's line or at the antenna's feed point, and what the radio
// sees through the whole chain.

#include <optional>
#include <string>
#include <vector>

#include "calc/match/match.h"
#include "calc/measurement/touchstone.h"
#include "calc/sweep/sweep.h"

namespace tolvar::calc::match {

enum class Placement {
  AtRadio,    // the line feeds the antenna; the network feeds the line
  AtAntenna,  // the network at the feed point; the line feeds the network
};

struct Chain {
  Network network;
  Qualities qualities;
  Placement placement = Placement::AtRadio;
  std::optional<sweep::SweptLine> line;  // none: the network feeds the antenna directly
  double referenceOhm = 50;              // the radio's R0 [ohm]
  double radioW = 0;                     // what the radio puts into the chain [W]
};

struct BandPoint {
  double mhz = 0;
  std::optional<Complex> loadOhm;  // what the network sees
  std::optional<Complex> radioOhm;  // what the radio sees at its end of the chain
  std::optional<double> radioSwr;   // on R0, at the radio's end of the chain
  std::optional<double> networkLossDb;
  std::optional<double> lineLossDb;      // as the chain loads it; 0 without a line
  std::optional<double> totalLossDb;     // the two together
  std::vector<ElementFigures> elements;  // at the power the network gets; empty without one
};

// The chain at each frequency of the antenna's 1-port. The line carries the
// antenna (network at the radio) or the network's input (network at the
// antenna) towards the radio, as the line sweep carries a measurement, and
// loses its total loss for the SWR of what it carries. A point the chain
// cannot compute (an active load, a line fault) has no values from there on.
std::vector<BandPoint> SweepBand(const measurement::Measurement& antenna, const Chain& chain);

// The points as CSV, numbers as the sweeps write them, an empty cell for none,
// LF line ends: MHz, the load the network sees, the radio's SWR and the losses.
std::string BandSweepCsv(const std::vector<BandPoint>& points);

}  // namespace tolvar::calc::match
