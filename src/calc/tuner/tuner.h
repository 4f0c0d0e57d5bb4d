#pragma once

#include <string>

#include "calc/outcome.h"
#include "numeric/complex.h"

namespace tolvar::calc::tuner {

using numeric::Complex;

// The tuner's S-parameters (port 1 = RTX side, port 2 = ANT side) and the
// antenna's reflection coefficient, each measured on its own.
struct TunerEntries {
  Complex antenna{};  // S Ant.
  Complex s11{};
  Complex s21{};
  Complex s22{};
  Complex s12{};
};

// The impedance the VNA measures against [ohm].
inline constexpr double kVnaReferenceOhm = 50;

// A part of the antenna's reflection coefficient as typed is accepted when it
// lies strictly between -1 and 1; each part is judged alone.
bool IsAntennaPartInRange(double part);

// The waves of the tuner terminated by the antenna, for a unit wave a1 = 1 into
// port 1, and the real powers they carry.
struct Waves {
  Complex b1{};                 // leaving port 1: S11 + S12 S21 G / (1 - S22 G)
  Complex b2{};                 // leaving port 2: S21 / (1 - S22 G)
  Complex a2{};                 // reflected by the antenna: G b2
  double acceptedAtPort1 = 0;   // 1 - |b1|²
  double deliveredAtPort2 = 0;  // |b2|² - |a2|²
};
// S22 * S Ant. = 1 raises the division-by-zero flag (see numeric/fault.h).
Waves TunerWaves(const TunerEntries& entries);

struct TunerFigures {
  double insertionLossDb = 0;  // 0 or less: a gain, which no passive tuner gives
  double lostPercent = 0;      // share of the input power lost
  double gainedPercent = 0;    // share gained, for a gain
  Waves waves{};
  Complex antennaZ{};  // on kVnaReferenceOhm
  double antennaSwr = 0;
};

// The tuner's insertion loss and its waves, and the antenna's Z and SWR;
// kInvalidSParameters when the powers give no loss at all or the antenna is not
// passive (|S Ant.| >= 1). Throws ArithmeticFault when S22 * S Ant. = 1 or on an
// overflow.
Outcome<TunerFigures> ComputeTunerLoss(const TunerEntries& entries);

// Four lines joined by CR LF: the loss in dB and per cent (or the gain with
// " CHECK DATA!"), the waves, the antenna's Z and SWR; or the sentence.
std::string TunerLossText(const Outcome<TunerFigures>& outcome);

}  // namespace tolvar::calc::tuner
