#include "calc/compare/compare.h"

#include <cmath>

#include "calc/messages.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace tolvar::calc::compare {

namespace {

using numeric::FormatFixed;

// The four lines both comparisons share; `second` is each side's current or voltage.
std::string ComparisonText(double PWRIN, double secondIn, double PWROUT, double secondOut,
                           const char* unit, std::string_view noPower,
                           const numeric::FaultWatch& watch) {
  // Equal powers read as an insertion loss.
  const char* GLSTR = PWRIN >= PWROUT ? "Insertion Loss = " : "Gain = ";
  if (!(PWRIN > 0 && PWROUT > 0)) {
    watch.check();
    return std::string(noPower);
  }
  const double Gain = numeric::DecibelsOfPowerRatio(PWROUT / PWRIN);
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
  const double V2 = numeric::RmsVolts(in.reading, in.kind);
  const double V3 = numeric::RmsVolts(out.reading, out.kind);
  const double PWRIN = numeric::PowerFromRmsVoltsW(V2, in.r, in.x);
  const double IIN = numeric::InverseMagnitudeS(in.r, in.x) * V2;  // keeps the sign of V2
  const double PWROUT = numeric::PowerFromRmsVoltsW(V3, out.r, out.x);
  const double IOUT = numeric::InverseMagnitudeS(out.r, out.x) * V3;
  return ComparisonText(PWRIN, IIN, PWROUT, IOUT, " A", kNoComparedVoltage, watch);
}

std::string CompareCurrents(const Side& in, const Side& out) {
  numeric::FaultWatch watch;
  const double PWRIN = numeric::PowerFromRmsAmperesW(in.reading, in.r);
  const double VIN = numeric::RmsVoltsFromPowerV(PWRIN, in.r, in.x);
  const double PWROUT = numeric::PowerFromRmsAmperesW(out.reading, out.r);
  const double VOUT = numeric::RmsVoltsFromPowerV(PWROUT, out.r, out.x);
  return ComparisonText(PWRIN, VIN, PWROUT, VOUT, " Vrms", kNoCurrent, watch);
}

}  // namespace tolvar::calc::compare
