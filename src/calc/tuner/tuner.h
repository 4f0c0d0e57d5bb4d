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

inline constexpr char kInvalidData[] = "Invalid Data: check all the S- Parameters.";

// The tuner's insertion loss in dB and per cent, the four waves, and the
// antenna impedance (on 50 ohm) and SWR, as four lines joined by CR LF; the
// gain text with " CHECK DATA!" for a loss of 0 dB or less; kInvalidData when
// the powers give no loss at all or the antenna is not passive (|S Ant.| >= 1).
// Throws ArithmeticFault when S22 * S Ant. = 1 or on an overflow.
std::string TunerLossText(const TunerEntries& entries);

}  // namespace tolvar::calc::tuner
