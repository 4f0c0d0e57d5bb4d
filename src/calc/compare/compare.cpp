#include "calc/compare/compare.h"

#include <cmath>

#include "calc/messages.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace tolvar::calc::compare {

namespace {

using numeric::FormatFixed;

Outcome<ComparisonFigures> Compared(ComparisonFigures f, std::string_view noPower,
                                    const numeric::FaultWatch& watch) {
  if (!(f.inputW > 0 && f.outputW > 0)) {
    watch.check();
    return noPower;
  }
  f.gainDb = numeric::DecibelsOfPowerRatio(f.outputW / f.inputW);
  f.outputRatio = f.outputW / f.inputW;
  watch.check();
  return f;
}

}  // namespace

Outcome<ComparisonFigures> CompareVoltages(const Side& in, const Side& out) {
  numeric::FaultWatch watch;
  const double inputVrms = numeric::RmsVolts(in.reading, in.kind);
  const double outputVrms = numeric::RmsVolts(out.reading, out.kind);
  ComparisonFigures f{};
  f.otherIsCurrent = true;
  f.inputW = numeric::PowerFromRmsVoltsW(inputVrms, in.z.re, in.z.im);
  f.inputOther = numeric::InverseMagnitudeS(in.z.re, in.z.im) * inputVrms;  // keeps the sign
  f.outputW = numeric::PowerFromRmsVoltsW(outputVrms, out.z.re, out.z.im);
  f.outputOther = numeric::InverseMagnitudeS(out.z.re, out.z.im) * outputVrms;
  return Compared(f, kNoComparedVoltage, watch);
}

Outcome<ComparisonFigures> CompareCurrents(const Side& in, const Side& out) {
  numeric::FaultWatch watch;
  ComparisonFigures f{};
  f.inputW = numeric::PowerFromRmsAmperesW(in.reading, in.z.re);
  f.inputOther = numeric::RmsVoltsFromPowerV(f.inputW, in.z.re, in.z.im);
  f.outputW = numeric::PowerFromRmsAmperesW(out.reading, out.z.re);
  f.outputOther = numeric::RmsVoltsFromPowerV(f.outputW, out.z.re, out.z.im);
  return Compared(f, kNoCurrent, watch);
}

std::string ComparisonText(const Outcome<ComparisonFigures>& outcome) {
  return TextOf(outcome, [](const ComparisonFigures& f) {
    const char* unit = f.otherIsCurrent ? " A" : " Vrms";
    const char* verdict = f.inputW >= f.outputW ? "Insertion Loss = " : "Gain = ";
    return "INPUT = " + FormatFixed(f.inputW, 3) + " W " + FormatFixed(f.inputOther, 3) + unit +
           "\r\n" + "OUTPUT = " + FormatFixed(f.outputW, 3) + " W " +
           FormatFixed(f.outputOther, 3) + unit + "\r\n" + verdict +
           FormatFixed(std::fabs(f.gainDb), 3) + " dB" + "\r\n" + "For 100 W PWR IN you get " +
           FormatFixed(f.outputRatio * 100, 3) + " W PWR OUT.";
  });
}

}  // namespace tolvar::calc::compare
