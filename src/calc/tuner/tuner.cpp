#include "calc/tuner/tuner.h"

#include <cmath>

#include "calc/messages.h"
#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/power.h"
#include "numeric/reflection.h"
#include "numeric/square.h"

namespace tolvar::calc::tuner {

namespace {

using numeric::FormatFixed;
using numeric::SignText;
using numeric::Square;

// A complex value as the result shows it: real part with its sign, then the
// sign and magnitude of the imaginary part.
std::string WaveText(const Complex& wave) {
  return "(" + FormatFixed(wave.re, 4) + " " + SignText(wave.im) + "i" +
         FormatFixed(std::fabs(wave.im), 4) + ")";
}

// The loss in dB with the share of the input power lost [%], or the gain with
// the share gained [%].
std::string FirstLine(double TUNTRASSLOG, double TPP, double TPG) {
  if (TUNTRASSLOG <= 0) {
    return "Tuner GAIN = " + FormatFixed(std::fabs(TUNTRASSLOG), 4) + " dB (" +
           FormatFixed(TPG, 2) + "%)" + " CHECK DATA!";
  }
  return "Tuner Insertion Loss = " + FormatFixed(TUNTRASSLOG, 4) + " dB (" + FormatFixed(TPP, 2) +
         " %)";
}

}  // namespace

bool IsAntennaPartInRange(double part) { return std::fabs(part) < 1; }

std::string ImpedanceText(const Complex& z) {
  return FormatFixed(z.re, 2) + " " + SignText(z.im) + " J" + FormatFixed(std::fabs(z.im), 2);
}

Complex ImpedanceOhm(const Complex& gamma) {
  const numeric::NormalisedImpedance z = numeric::ImpedanceOfReflection(gamma.re, gamma.im);
  return {z.r * kVnaReferenceOhm, z.x * kVnaReferenceOhm};
}

Waves TunerWaves(const TunerEntries& e) {
  const double SR = e.antenna.re;
  const double SX = e.antenna.im;
  const double S22SR = e.s22.re * SR - SX * e.s22.im;
  const double S22SX = e.s22.re * SX + SR * e.s22.im;
  const double M1S22SR = 1 - S22SR;
  const double M1S22SX = -S22SX;
  const double S21SR = e.s21.re * SR - e.s21.im * SX;
  const double S21SX = SX * e.s21.re + e.s21.im * SR;
  const double S12S21SR = e.s12.re * S21SR - e.s12.im * S21SX;
  const double S12S21SX = e.s12.im * S21SR + e.s12.re * S21SX;
  const double Q = Square(M1S22SX) + Square(M1S22SR);  // 0 when S22 * S Ant. = 1: a fault
  const double DIV1R = (M1S22SX * S12S21SX + M1S22SR * S12S21SR) / Q;
  const double DIV1X = (M1S22SR * S12S21SX - M1S22SX * S12S21SR) / Q;

  Waves w{};
  w.b1 = {e.s11.re + DIV1R, DIV1X + e.s11.im};
  w.b2 = {(e.s21.im * M1S22SX + e.s21.re * M1S22SR) / Q,
          (e.s21.im * M1S22SR - e.s21.re * M1S22SX) / Q};
  w.a2 = {w.b2.re * SR - w.b2.im * SX, w.b2.re * SX + w.b2.im * SR};

  // The real power at each port from the sum and the conjugated difference of its waves.
  const double B2PA2R = w.b2.re + w.a2.re;
  const double B2PA2X = w.b2.im + w.a2.im;
  const double CCB2MA2R = w.b2.re - w.a2.re;
  const double CCB2MA2X = w.a2.im - w.b2.im;
  w.deliveredAtPort2 = B2PA2R * CCB2MA2R - B2PA2X * CCB2MA2X;
  const double A1PB1R = w.b1.re + 1;
  const double A1PB1X = w.b1.im;
  const double CCA1MB1R = 1 - w.b1.re;
  const double CCA1MB1X = w.b1.im;
  w.acceptedAtPort1 = A1PB1R * CCA1MB1R - CCA1MB1X * A1PB1X;
  return w;
}

std::string TunerLossText(const TunerEntries& e) {
  numeric::FaultWatch watch;
  // The antenna on the VNA's reference.
  const double SM = std::sqrt(Square(e.antenna.re) + Square(e.antenna.im));
  if (SM >= 1) {
    return std::string(kInvalidSParameters);  // reflects all it gets or more: not passive
  }
  const Complex antennaZ = ImpedanceOhm(e.antenna);
  const double ESWR = (SM + 1) / (1 - SM);
  const Waves w = TunerWaves(e);
  watch.check();

  // Only this press's powers decide: no power out, or powers of opposite
  // sign, give no loss at all.
  if (w.deliveredAtPort2 == 0) {
    return std::string(kInvalidSParameters);
  }
  const double RP = w.acceptedAtPort1 / w.deliveredAtPort2;
  if (!(RP > 0)) {
    return std::string(kInvalidSParameters);
  }
  const double TUNTRASSLOG = numeric::DecibelsOfPowerRatio(RP);
  const double TPP = 100 - 100 / numeric::PowerRatioOfDecibels(TUNTRASSLOG);
  const double TPG = numeric::PowerRatioOfDecibels(-TUNTRASSLOG) * 100 - 100;
  watch.check();
  return FirstLine(TUNTRASSLOG, TPP, TPG) + "\r\n" +
         "a1 = (1.0000 +i0.0000) a2 = " + WaveText(w.a2) + "\r\n" + "b1 = " + WaveText(w.b1) +
         " b2 = " + WaveText(w.b2) + "\r\n" + "Z = " + ImpedanceText(antennaZ) +
         " SWR = " + FormatFixed(ESWR, 3);
}

}  // namespace tolvar::calc::tuner
