#include <cmath>

#include "calc/tuner/tuner.h"
#include "numeric/format.h"

namespace tolvar::calc::tuner {

namespace {

using numeric::FormatFixed;
using numeric::SignText;

// A wave as the result shows it: real part with its sign, then the sign and
// magnitude of the imaginary part.
std::string WaveText(Complex wave) {
  return "(" + FormatFixed(wave.re, 4) + " " + SignText(wave.im) + "i" +
         FormatFixed(std::fabs(wave.im), 4) + ")";
}

// The loss in dB with the share of the input power lost [%], or the gain with
// the share gained [%].
std::string LossLine(const TunerFigures& f) {
  if (f.insertionLossDb <= 0) {
    return "Tuner GAIN = " + FormatFixed(std::fabs(f.insertionLossDb), 4) + " dB (" +
           FormatFixed(f.gainedPercent, 2) + "%)" + " CHECK DATA!";
  }
  return "Tuner Insertion Loss = " + FormatFixed(f.insertionLossDb, 4) + " dB (" +
         FormatFixed(f.lostPercent, 2) + " %)";
}

}  // namespace

std::string ImpedanceText(Complex z) {
  return FormatFixed(z.re, 2) + " " + SignText(z.im) + " J" + FormatFixed(std::fabs(z.im), 2);
}

std::string TunerLossText(const Outcome<TunerFigures>& outcome) {
  const TunerFigures* f = FiguresOf(outcome);
  if (f == nullptr) {
    return std::string(std::get<std::string_view>(outcome));
  }
  return LossLine(*f) + "\r\n" + "a1 = (1.0000 +i0.0000) a2 = " + WaveText(f->waves.a2) + "\r\n" +
         "b1 = " + WaveText(f->waves.b1) + " b2 = " + WaveText(f->waves.b2) + "\r\n" +
         "Z = " + ImpedanceText(f->antennaZ) + " SWR = " + FormatFixed(f->antennaSwr, 3);
}

}  // namespace tolvar::calc::tuner
