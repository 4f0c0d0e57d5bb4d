#include "calc/tuner/tuner.h"

#include <cmath>

#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/square.h"

namespace tolvar::calc::tuner {

namespace {

using numeric::FormatFixed;
using numeric::Square;

}  // namespace

std::string TunerLossText(const TunerEntries& e) {
  numeric::FaultWatch watch;
  const double SR = e.antenna.re;
  const double SX = e.antenna.im;

  // The antenna on 50 ohm.
  const double SM = std::sqrt(Square(SR) + Square(SX));
  if (SM >= 1) {
    return kInvalidData;  // reflects all it gets or more: no passive antenna
  }
  const double D = (Square(SR) + 1) - 2 * SR + Square(SX);
  const double ELR = ((1 - Square(SR)) - Square(SX)) / D * 50;
  const double ELX = 2 * SX / D * 50;
  const double ESWR = (SM + 1) / (1 - SM);

  // The antenna seen through the tuner, with a unit wave a1 into port 1.
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

  // b1 = S11 + S12 S21 G / (1 - S22 G), b2 = S21 / (1 - S22 G), a2 = G b2.
  const double B1R = e.s11.re + DIV1R;
  const double B1X = DIV1X + e.s11.im;
  const double B2R = (e.s21.im * M1S22SX + e.s21.re * M1S22SR) / Q;
  const double B2X = (e.s21.im * M1S22SR - e.s21.re * M1S22SX) / Q;
  const double A2R = B2R * SR - B2X * SX;
  const double A2X = B2R * SX + B2X * SR;

  // Real power delivered at port 2 and accepted at port 1.
  const double B2PA2R = B2R + A2R;
  const double B2PA2X = B2X + A2X;
  const double CCB2MA2R = B2R - A2R;
  const double CCB2MA2X = A2X - B2X;
  const double EPLR = B2PA2R * CCB2MA2R - B2PA2X * CCB2MA2X;
  const double A1PB1R = B1R + 1;
  const double A1PB1X = B1X;
  const double CCA1MB1R = 1 - B1R;
  const double CCA1MB1X = B1X;
  const double EPGR = A1PB1R * CCA1MB1R - CCA1MB1X * A1PB1X;
  watch.check();

  // Only this press's powers decide: no power out, or powers of opposite
  // sign, give no loss at all.
  if (EPLR == 0) {
    return kInvalidData;
  }
  const double RP = EPGR / EPLR;
  if (!(RP > 0)) {
    return kInvalidData;
  }
  const double TUNTRASSLOG = std::log(RP) * 10 / std::log(10.0);
  const double TPP = 100 - 100 / std::pow(10.0, TUNTRASSLOG / 10);
  const double TPG = std::pow(10.0, -TUNTRASSLOG / 10) * 100 - 100;
  watch.check();

  const std::string first = TUNTRASSLOG <= 0
                                ? "Tuner GAIN = " + FormatFixed(std::fabs(TUNTRASSLOG), 4) +
                                      " dB (" + FormatFixed(TPG, 2) + "%)" + " CHECK DATA!"
                                : "Tuner Insertion Loss = " + FormatFixed(TUNTRASSLOG, 4) +
                                      " dB (" + FormatFixed(TPP, 2) + " %)";
  return first + "\r\n" + "a1 = (1.0000 +i0.0000) a2 = (" + FormatFixed(A2R, 4) + " " +
         numeric::SignText(A2X) + "i" + FormatFixed(std::fabs(A2X), 4) + ")" + "\r\n" + "b1 = (" +
         FormatFixed(B1R, 4) + " " + numeric::SignText(B1X) + "i" + FormatFixed(std::fabs(B1X), 4) +
         ") b2 = (" + FormatFixed(B2R, 4) + " " + numeric::SignText(B2X) + "i" +
         FormatFixed(std::fabs(B2X), 4) + ")" + "\r\n" + "Z = " + FormatFixed(ELR, 2) + " " +
         numeric::SignText(ELX) + " J" + FormatFixed(std::fabs(ELX), 2) +
         " SWR = " + FormatFixed(ESWR, 3);
}

}  // namespace tolvar::calc::tuner
