#include <cmath>

#include "calc/tuner/tuner.h"
#include "numeric/format.h"

namespace tolvar::calc::tuner {

namespace {

using numeric::ComplexText;
using numeric::FormatFixed;

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

std::string FiguresText(const TunerFigures& f) {
  const auto wave = [](Complex value) { return ComplexText(value, numeric::kTunerWaveNotation); };
  // The unit wave a1 = 1 that the waves are found for.
  return LossLine(f) + "\r\n" + "a1 = " + wave({1, 0}) + " a2 = " + wave(f.waves.a2) + "\r\n" +
         "b1 = " + wave(f.waves.b1) + " b2 = " + wave(f.waves.b2) + "\r\n" +
         "Z = " + ComplexText(f.antennaZ, numeric::kTunerImpedanceNotation) +
         " SWR = " + FormatFixed(f.antennaSwr, 3);
}

}  // namespace

std::string TunerLossText(const Outcome<TunerFigures>& outcome) {
  return TextOf(outcome, FiguresText);
}

}  // namespace tolvar::calc::tuner
