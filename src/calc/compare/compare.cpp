#include "calc/compare/compare.h"

#include <cmath>

#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/square.h"

namespace tolvar::calc::compare {

namespace {

using numeric::FormatFixed;
using numeric::Square;

double ToRms(double volts, VoltageKind kind) {
  switch (kind) {
    case VoltageKind::PeakToPeak:
      return volts / (std::pow(2.0, 0.5) + std::pow(2.0, 0.5));
    case VoltageKind::Peak:
      return volts / std::pow(2.0, 0.5);
    case VoltageKind::Rms:
      break;
  }
  return volts;
}

// The four lines both comparisons share; `second` is each side's current or voltage.
std::string ComparisonText(double PWRIN, double secondIn, double PWROUT, double secondOut,
                           const char* unit, const char* noPower,
                           const numeric::FaultWatch& watch) {
  // Equal powers read as an insertion loss.
  const char* GLSTR = PWRIN >= PWROUT ? "Insertion Loss = " : "Gain = ";
  if (!(PWRIN > 0 && PWROUT > 0)) {
    watch.check();
    return noPower;
  }
  const double Gain = std::log(PWROUT / PWRIN) * 10 / std::log(10.0);
  const double RelGL = PWROUT / PWRIN;
  watch.check();
  return "INPUT = " + FormatFixed(PWRIN, 3) + " W " + FormatFixed(secondIn, 3) + unit + "\r\n" +
         "OUTPUT = " + FormatFixed(PWROUT, 3) + " W " + FormatFixed(secondOut, 3) + unit + "\r\n" +
         GLSTR + FormatFixed(std::fabs(Gain), 3) + " dB" + "\r\n" + "For 100 W PWR IN you get " +
         FormatFixed(RelGL * 100, 3) + " W PWR OUT.";
}

}  // namespace

std::string CompareVoltages(const Side& in, const Side& out) {
  numeric::FaultWatch watch;
  const double V2 = ToRms(in.reading, in.kind);
  const double V3 = ToRms(out.reading, out.kind);
  const double PWRIN = Square(V2) * in.r / (Square(in.r) + Square(in.x));
  const double z2in = Square(in.r) + Square(in.x);
  const double IIN = std::pow(z2in / Square(z2in), 0.5) * V2;  // keeps the sign of V2
  const double PWROUT = Square(V3) * out.r / (Square(out.r) + Square(out.x));
  const double z2out = Square(out.r) + Square(out.x);
  const double IOUT = std::pow(z2out / Square(z2out), 0.5) * V3;
  return ComparisonText(PWRIN, IIN, PWROUT, IOUT, " A", kNoVoltage, watch);
}

std::string CompareCurrents(const Side& in, const Side& out) {
  numeric::FaultWatch watch;
  const double PWRIN = Square(in.reading) * in.r;
  const double VIN = std::pow((Square(in.r) + Square(in.x)) * PWRIN / in.r, 0.5);
  const double PWROUT = Square(out.reading) * out.r;
  const double VOUT = std::pow((Square(out.r) + Square(out.x)) * PWROUT / out.r, 0.5);
  return ComparisonText(PWRIN, VIN, PWROUT, VOUT, " Vrms", kNoCurrent, watch);
}

}  // namespace tolvar::calc::compare
