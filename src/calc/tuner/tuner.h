#pragma once

#include <string>

namespace tolvar::calc::tuner {

// A complex number as the VNA shows it.
struct Complex {
  double re;
  double im;
};

// The tuner's S-parameters (port 1 = RTX side, port 2 = ANT side) and the
// antenna's reflection coefficient, each measured on its own.
struct TunerEntries {
  Complex antenna;  // S Ant.
  Complex s11;
  Complex s21;
  Complex s22;
  Complex s12;
};

// The impedance the VNA measures against [ohm].
inline constexpr double kVnaReferenceOhm = 50;

// The impedance [ohm] of a reflection coefficient on the VNA's reference, and
// as the result shows it: "73.08 + J15.38".
Complex ImpedanceOhm(const Complex& gamma);
std::string ImpedanceText(const Complex& z);

// A part of the antenna's reflection coefficient as typed is accepted when it
// lies strictly between -1 and 1; each part is judged alone.
bool IsAntennaPartInRange(double part);

// The waves of the tuner terminated by the antenna, for a unit wave a1 = 1 into
// port 1, and the real powers they carry.
struct Waves {
  Complex b1;               // leaving port 1: S11 + S12 S21 G / (1 - S22 G)
  Complex b2;               // leaving port 2: S21 / (1 - S22 G)
  Complex a2;               // reflected by the antenna: G b2
  double acceptedAtPort1;   // EPGR = 1 - |b1|²
  double deliveredAtPort2;  // EPLR = |b2|² - |a2|²
};
// Throws ArithmeticFault when S22 * S Ant. = 1 or on an overflow.
Waves TunerWaves(const TunerEntries& entries);

// The tuner's insertion loss in dB and per cent, the four waves, and the
// antenna impedance (on 50 ohm) and SWR, as four lines joined by CR LF; the
// gain text with " CHECK DATA!" for a loss of 0 dB or less; kInvalidSParameters
// when the powers give no loss at all or the antenna is not passive
// (|S Ant.| >= 1). Throws ArithmeticFault when S22 * S Ant. = 1 or on an overflow.
std::string TunerLossText(const TunerEntries& entries);

}  // namespace tolvar::calc::tuner
