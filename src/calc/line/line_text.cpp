#include <string>

#include "calc/line/line.h"
#include "numeric/format.h"
#include "numeric/power.h"

namespace tolvar::calc::line {

namespace {

using numeric::FormatFixed;

constexpr double kParallelLimitOhm = 9999;  // Rp and Xp beyond this show as a bound

std::string ImpedanceLine(const LineFigures& f) {
  std::string line = "R = " + FormatFixed(f.shownZ.re, 2) + " ohm  " +
                     "X = " + FormatFixed(f.shownZ.im, 2) + " ohm  ";
  if (f.lineZ != f.rtxZ) {
    return line + "SWR " + FormatFixed(f.lineZ, 0) + "ohm=" + FormatFixed(f.far.swr, 2) + " SWR " +
           FormatFixed(f.rtxZ, 0) + "ohm=" + FormatFixed(f.far.swrAtRtx, 2);
  }
  return line + "SWR = " + FormatFixed(f.far.swr, 2);
}

std::string PowerLine(const FarPoint& far) {
  return "V = " + FormatFixed(far.vrms, 2) + "Vrms" + " " +
         FormatFixed(numeric::PeakVolts(far.vrms), 2) + "Vp" + " " +
         FormatFixed(numeric::PeakToPeakVolts(far.vrms), 2) + "Vpp" +
         " I = " + FormatFixed(far.amperes, 2) + "A" + " PWR = " + FormatFixed(far.powerW, 2) + "W";
}

std::string ShiftLine(const LineFigures& f) {
  const std::string sign = f.direction == Direction::TowardsAntenna ? "-" : "+";
  return "Shift=" + sign + FormatFixed(f.shownShiftDeg, 2) + "\u00b0 " + sign +
         FormatFixed(f.far.shiftLambda, 3) + " lambda " + FormatFixed(f.far.shiftM, 2) + "m" +
         " loss=" + FormatFixed(f.far.matchedLossDb, 2) + "(ML)+" +
         FormatFixed(f.far.totalLossDb - f.far.matchedLossDb, 2) +
         "(SWRL)=" + FormatFixed(f.far.totalLossDb, 2) + "dB";
}

std::string ParallelLine(const LineFigures& f) {
  std::string parallelR = "Rp = " + FormatFixed(f.parallelR, 2) + " ohm";
  std::string parallelX = "Xp = " + FormatFixed(f.parallelX, 2) + " ohm";
  if (f.parallelX > kParallelLimitOhm) {
    parallelX = "Xp > 9999 ohm";
  }
  if (f.parallelX < -kParallelLimitOhm) {
    parallelX = "Xp < -9999 ohm";
  }
  if (f.parallelR > kParallelLimitOhm) {
    parallelR = "Rp > 9999 ohm";
  }
  return parallelR + " " + parallelX + " open-end stub: " + FormatFixed(f.openStubM, 2) +
         "m shorted: " + FormatFixed(f.shortedStubM, 2) + "m";
}

}  // namespace

std::string LineResultText(const Outcome<LineFigures>& outcome) {
  return TextOf(outcome, [](const LineFigures& f) {
    return ImpedanceLine(f) + "\r\n" + PowerLine(f.far) + "\r\n" + ShiftLine(f) + "\r\n" +
           ParallelLine(f);
  });
}

std::string LossText(double lossPer100m) {
  constexpr double kWidestShown = 99.95;  // rounds to 100.0, wider than the field
  if (lossPer100m < 0) {
    return "<0";
  }
  if (lossPer100m >= kWidestShown) {
    return ">99";
  }
  return FormatFixed(lossPer100m, 1);
}

}  // namespace tolvar::calc::line
