#pragma once

// Impedance-matching networks between a radio of real impedance R0 and a load
// (an antenna, or the line that feeds it): their lossless design at one
// frequency, and their evaluation with lossy parts at any frequency. A
// network's elements are listed from the radio (index 0, "order 1") towards
// the load. Reactances are in ohm, inductances in henry, capacitances in
// farad, frequencies in MHz.

#include <optional>
#include <string>
#include <variant>
#include <vector>

#include "numeric/complex.h"

namespace tolvar::calc::match {

using numeric::Complex;

enum class Connection { Series, Shunt };
enum class Kind { Inductor, Capacitor };

struct Element {
  Connection connection = Connection::Series;
  Kind kind = Kind::Inductor;
  double reactanceOhm = 0;  // at the design frequency; a shunt element's too
  double value = 0;         // inductance [H] or capacitance [F]
};

enum class Topology { L, T };

struct Network {
  Topology topology = Topology::L;
  std::vector<Element> elements;  // from the radio towards the load
};

// The parts' unloaded Qs, above 0 (infinity for a lossless part). Each part
// loses in a series resistance |X| / Q at whatever frequency it is evaluated:
// the Q stays fixed over frequency.
struct Qualities {
  double inductorQ = 0;
  double capacitorQ = 0;
};

// The units the window shows values in: pF and uH.
inline constexpr double kPicofaradsPerFarad = 1e12;
inline constexpr double kMicrohenriesPerHenry = 1e6;

// A load at one frequency and the radio's real impedance it is matched to.
struct Termination {
  Complex loadOhm{};         // R + jX [ohm]
  double referenceOhm = 50;  // R0 [ohm]
  double mhz = 0;
};

// The angular frequency [rad / s] of a frequency in MHz.
double RadiansPerSecond(double mhz);

// The inductor or capacitor of a series reactance [ohm] or a shunt
// susceptance [S] at `mhz`: a positive reactance is an inductor, a positive
// susceptance a capacitor.
Element SeriesElement(double reactanceOhm, double mhz);
Element ShuntElement(double susceptanceS, double mhz);

// The element's impedance at `mhz` [ohm]: its loss resistance plus its
// reactance at that frequency.
Complex ElementImpedanceOhm(const Element& element, const Qualities& qualities, double mhz);


// Every lossless L network that matches the load to R0: those with the shunt
// part next to the load, then those with the series part next to the load, up
// to four. A part that would be nothing is left out, a network that is then
// the same as one before it is listed once, and a matched load gives one
// network without elements. Empty when R_L, R0 or the frequency is not a
// positive finite number (every load with R_L > 0 has an L network).
std::vector<Network> DesignLNetworks(const Termination& design);

// The high-pass T: a series capacitor at the radio, a shunt inductor, and the
// series capacitor at the load whose capacitance [pF] is given. A load with
// R_L <= R0 takes only an output capacitor below this bound [pF]; none when
// every output capacitor gives a T (R_L > R0, or a load capacitive enough).
std::optional<double> LargestOutputPf(const Termination& design);
// The one T whose parts are all of that kind, or a sentence that says why
// there is none and, where a smaller output capacitor gives one, which.
std::variant<Network, std::string> DesignHighPassT(const Termination& design, double outputPf);

// Each element's lot at the network's input power.
struct ElementFigures {
  Complex impedanceOhm{};  // at the evaluated frequency, loss included
  double dissipatedW = 0;
  double peakV = 0;  // across it: sqrt(2) |V rms|
  double rmsA = 0;   // through it
};

struct Evaluation {
  Complex inputOhm{};
  std::optional<double> inputSwr;  // on R0
  double lossDb = 0;               // 10 log10(P in / P load)
  double lossPercent = 0;          // 100 (1 - P load / P in)
  double loadW = 0;                // what reaches the load
  std::vector<ElementFigures> elements;
};

// The network with its element values fixed, at the termination's frequency,
// with `inputW` [W] accepted at its input. None for entries that are not
// positive (frequency, R0, Qs; the power may be 0), a load that is not passive
// or finite, an input that accepts no power, a load that gets none, or an
// arithmetic fault (a shunt part resonating with a lossless load).
std::optional<Evaluation> Evaluate(const Network& network, const Qualities& qualities,
                                   const Termination& at, double inputW);

// The chain matrix of the network, port 1 at the radio, and its S-parameters
// on a real reference [ohm], for a 2-port Touchstone file. Neither checks its
// entries: a frequency, a value or a Q of 0 gives numbers that are not finite.
struct Abcd {
  Complex a{1, 0};
  Complex b{};
  Complex c{};
  Complex d{1, 0};
};
struct SParameters {
  Complex s11{};
  Complex s21{};
  Complex s12{};
  Complex s22{};
};
Abcd NetworkAbcd(const Network& network, const Qualities& qualities, double mhz);
SParameters SParametersOn(const Abcd& abcd, double referenceOhm);

// A designed network and how it does at its design.
struct Solution {
  Network network;
  std::optional<Evaluation> evaluation;
};

// Each lossless design evaluated at the design's frequency with the Qs.
std::vector<Solution> AtDesign(const std::vector<Network>& networks, const Qualities& qualities,
                               const Termination& design, double inputW);

// The solutions ordered by their loss, lowest first, those without an
// evaluation last; equal losses keep their order.
std::vector<Solution> SortedByLoss(std::vector<Solution> solutions);

// The solutions as CSV, one line per element, numbers as the sweeps write
// them, LF line ends. A network without elements (a matched load) has no line.
std::string SolutionsCsv(const std::vector<Solution>& solutions);

}  // namespace tolvar::calc::match
