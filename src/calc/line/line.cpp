#include "calc/line/line.h"

#include <cmath>

#include "calc/messages.h"
#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/power.h"
#include "numeric/reflection.h"
#include "numeric/square.h"

namespace tolvar::calc::line {

namespace {

using numeric::FormatFixed;
using numeric::kPi;
using numeric::Square;

// The bar's two ends would both read 0.00 once the angle is reduced into
// [0, 180); moving them this far inside makes the far end read 180.00.
constexpr double kEndNudgeDeg = 0.0000001;
// A far-point resistance or reactance of exactly 0 would divide by zero in the
// parallel equivalent; it is shown and used as this instead [ohm].
constexpr double kZeroPartOhm = 0.000001;
// Rp and Xp beyond this are shown as a bound [ohm].
constexpr double kParallelLimitOhm = 9999;
// Gamma's phase turns twice as fast as the line's length: 720 degrees a wavelength.
constexpr double kGammaDegreesPerWavelength = 720;

// Total loss [dB] of a line with matched loss `matched` [dB] whose load
// reflects `rho`; equals `matched` for rho = 0.
double TotalLoss(double matched, double rho) {
  const double a = numeric::PowerRatioOfDecibels(matched);
  return numeric::DecibelsOfPowerRatio((Square(a) - Square(rho)) / (a * (1 - Square(rho))));
}

double SwrToRho(double swr) { return (swr - 1) / (swr + 1); }

// What the search finds towards the antenna.
struct AntennaSide {
  double LSWRF;
  double LLOSA;
  bool found;  // the coarse search reached the start point's ratio (CCC > 0)
};

// Finds the antenna-side SWR whose reflected-power ratio, brought back to the
// start point through the matched loss twice, reaches the start point's ratio:
// a coarse search in steps of 1, then one decimal digit at a time to 1e-7.
AntennaSide SearchAntennaSwr(double LSWRL, double LLOSP, double LLOSA, double PRINIZ) {
  // |Gamma|² falls by 10^(-ML/10) each way along the line.
  const double back = std::pow(10.0, -LLOSP / 5);
  const auto returned = [back](double LSWRP) { return back * Square(SwrToRho(LSWRP)); };
  int CCC = 0;
  double LSWRP = std::floor(LSWRL);
  for (int N = 1; N <= 1000; ++N) {
    const double PRPF = returned(LSWRP);
    if (PRPF >= PRINIZ) {
      CCC = N;
    }
    if (PRPF == PRINIZ) {
      return {LSWRP, LLOSA, true};
    }
    if (PRPF > PRINIZ) {
      break;
    }
    LSWRP = LSWRP + 1;
  }
  LSWRP = LSWRP - 1;  // the last trial below the start point's ratio
  for (int DF = 1; DF <= 7; ++DF) {
    const double step = std::pow(10.0, -DF);
    for (int N = 1; N <= 10; ++N) {
      const double PRPF = returned(LSWRP);
      if (PRPF == PRINIZ) {
        return {LSWRP, LLOSA, CCC > 0};
      }
      if (PRPF > PRINIZ) {
        break;
      }
      LSWRP = LSWRP + step;
    }
    LSWRP = LSWRP - step;
  }
  // The total loss again, now with the antenna-side magnitude.
  return {LSWRP, TotalLoss(LLOSP, SwrToRho(LSWRP)), CCC > 0};
}

void SetShift(StartPoint& s, double shiftDeg) {
  s.shiftDeg = shiftDeg;
  s.phaseTurnDeg = 2 * s.shiftDeg;
  // Moving towards the transmitter turns the phase clockwise by twice the shift.
  double turned = s.phaseDeg - s.phaseTurnDeg;
  s.farPhaseDeg = numeric::AngleWrap180(turned);
}

// The shift as an angle within its cycle, as shown: the bar's ends read 180
// and 0, not both 0.
double ShownShiftAngle(const LineEntries& e, const StartPoint& s) {
  double Shgoniom = s.phaseTurnDeg / 2;
  if (e.slider == kShiftSteps) {
    Shgoniom = Shgoniom - kEndNudgeDeg;
  }
  if (e.slider == 0) {
    Shgoniom = kEndNudgeDeg;
  }
  if (e.direction == Direction::TowardsAntenna) {
    Shgoniom = 180 - Shgoniom;
  }
  return Shgoniom - std::floor(Shgoniom / 180) * 180;
}

// The last result line: the parallel equivalent of R + jX on the line
// impedance field's value z, and the stubs of this line that cancel Xp.
std::string ParallelLine(double LR, double LX, double z, const StartPoint& s,
                         double velocityFactor) {
  numeric::FaultWatch watch;
  const double r = LR / z;
  const double x = LX / z;
  const double RPAR = (Square(x) + Square(r)) / r;
  const double XPAR = (Square(x) + Square(r)) / x;
  const double StubR = numeric::GammaReFromZ(0, XPAR);
  const double StubX = numeric::GammaImFromZ(0, XPAR);
  const double StubM = numeric::Magnitude(StubR, StubX);
  double StubP = numeric::PhaseFromCos(StubR, StubM);
  if (StubX < 0) {
    StubP = -StubP;
  }
  StubP = -StubP;
  const double StubC = numeric::AngleMod360(180 - StubP);
  const double StubO = numeric::AngleMod360(-StubP);
  const double Stubclosed = StubC / kGammaDegreesPerWavelength * s.wavelengthM * velocityFactor;
  const double Stubopen = StubO / kGammaDegreesPerWavelength * s.wavelengthM * velocityFactor;
  watch.check();

  std::string RPstr = "Rp = " + FormatFixed(z * RPAR, 2) + " ohm";
  std::string XPstr = "Xp = " + FormatFixed(z * XPAR, 2) + " ohm";
  if (z * XPAR > kParallelLimitOhm) {
    XPstr = "Xp > 9999 ohm";
  }
  if (z * XPAR < -kParallelLimitOhm) {
    XPstr = "Xp < -9999 ohm";
  }
  if (z * RPAR > kParallelLimitOhm) {
    RPstr = "Rp > 9999 ohm";
  }
  return RPstr + " " + XPstr + " open-end stub: " + FormatFixed(Stubopen, 2) +
         "m shorted: " + FormatFixed(Stubclosed, 2) + "m";
}

std::string ResultText(const LineEntries& e, const StartPoint& s, const FarPoint& far) {
  double LR = far.r;
  double LX = far.x;
  if (LR == 0) {
    LR = kZeroPartOhm;
  }
  if (LX == 0) {
    LX = kZeroPartOhm;
  }
  const std::string last = ParallelLine(LR, LX, e.zNow, s, e.velocityFactor);

  std::string line1 =
      "R = " + FormatFixed(LR, 2) + " ohm  " + "X = " + FormatFixed(LX, 2) + " ohm  ";
  if (e.lineZ != e.rtxZ) {
    line1 += "SWR " + FormatFixed(e.lineZ, 0) + "ohm=" + FormatFixed(far.swr, 2) + " SWR " +
             FormatFixed(e.rtxZ, 0) + "ohm=" + FormatFixed(far.swrAtRtx, 2);
  } else {
    line1 += "SWR = " + FormatFixed(far.swr, 2);
  }
  const std::string line2 = "V = " + FormatFixed(far.vrms, 2) + "Vrms" + " " +
                            FormatFixed(numeric::PeakVolts(far.vrms), 2) + "Vp" + " " +
                            FormatFixed(numeric::PeakToPeakVolts(far.vrms), 2) + "Vpp" +
                            " I = " + FormatFixed(far.amperes, 2) + "A" +
                            " PWR = " + FormatFixed(far.powerW, 2) + "W";
  const char* Lsign = e.direction == Direction::TowardsAntenna ? "-" : "+";
  const std::string line3 = "Shift=" + std::string(Lsign) + FormatFixed(ShownShiftAngle(e, s), 2) +
                            "\u00b0 " + Lsign + FormatFixed(far.shiftLambda, 3) + " lambda " +
                            FormatFixed(far.shiftM, 2) + "m" +
                            " loss=" + FormatFixed(far.matchedLossDb, 2) + "(ML)+" +
                            FormatFixed(far.totalLossDb - far.matchedLossDb, 2) +
                            "(SWRL)=" + FormatFixed(far.totalLossDb, 2) + "dB";
  return line1 + "\r\n" + line2 + "\r\n" + line3 + "\r\n" + last;
}

// The far point's impedance [ohm] from its Gamma against the line, and its
// SWR against the transmitter impedance.
void SetFarImpedance(const LineEntries& e, FarPoint& far) {
  const double LR = numeric::GammaToR(e.lineZ, far.gammaRe, far.gammaIm, e.rtxZ);
  const double LX = numeric::GammaToX(e.lineZ, far.gammaRe, far.gammaIm, e.rtxZ);
  const double LGRR = numeric::GammaReFromZ(LR, LX);
  const double LGIR = numeric::GammaImFromZ(LR, LX);
  const double LRHOR = std::sqrt(Square(LGIR) + Square(LGRR));
  far.swrAtRtx = numeric::SwrFromRho(LRHOR);
  far.r = LR * e.rtxZ;
  far.x = LX * e.rtxZ;
}

}  // namespace

StartPoint FindStartPoint(const LineEntries& e, double previousPhaseDeg) {
  numeric::FaultWatch watch;
  StartPoint s{};
  const double LR1 = e.startR / e.zAtStart;
  const double LX1 = e.startX / e.zAtStart;
  double shiftDeg = 0;
  if (e.direction == Direction::TowardsTransmitter) {
    shiftDeg = (e.cycles - 1) * 180 + e.slider / 4.0;
  } else {
    shiftDeg = (e.slider / 4.0 - 180) - (e.cycles - 1) * 180;
  }
  s.wavelengthM = kSpeedOfLight / e.mhz;

  s.gammaRe = numeric::GammaReFromZ(LR1, LX1);
  s.gammaIm = numeric::GammaImFromZ(LR1, LX1);
  s.rho = numeric::Magnitude(s.gammaRe, s.gammaIm);
  // A matched start point has no phase; every later use multiplies it by 0.
  s.phaseDeg = s.rho != 0 ? numeric::PhaseFromCos(s.gammaRe, s.rho) : previousPhaseDeg;
  if (s.gammaIm < 0) {
    s.phaseDeg = -s.phaseDeg;
  }
  numeric::AngleWrap180(s.phaseDeg);
  SetShift(s, shiftDeg);
  s.entrySwr = numeric::SwrFromRho(s.rho);
  s.unreliable = s.entrySwr > kMaxReliableEntrySwr || FrequencyUnreliable(e.mhz);
  watch.check();
  return s;
}

StartPoint ShiftedTo(const StartPoint& start, double shiftDeg) {
  StartPoint s = start;
  SetShift(s, shiftDeg);
  return s;
}

FarPoint Propagate(const LineEntries& e, const StartPoint& s) {
  numeric::FaultWatch watch;
  const bool towardsAntenna = e.direction == Direction::TowardsAntenna;
  FarPoint far{};

  // Shift, matched loss and total loss over it.
  far.shiftLambda = towardsAntenna ? -s.shiftDeg / 360 : s.shiftDeg / 360;
  far.shiftM = far.shiftLambda * s.wavelengthM * e.velocityFactor;
  far.matchedLossDb = far.shiftM * e.lossPer100m / 100;
  far.totalLossDb = TotalLoss(far.matchedLossDb, s.rho);
  const double PRINIZ = Square(s.rho);

  far.found = true;
  if (!towardsAntenna) {
    // |Gamma|² falls by 10^(-ML/10) each way along the line.
    const double PRF = std::pow(10.0, -far.matchedLossDb / 5) * PRINIZ;
    far.swr = (std::sqrt(PRF) + 1) / (1 - std::sqrt(PRF));
  } else {
    const AntennaSide antenna =
        SearchAntennaSwr(s.entrySwr, far.matchedLossDb, far.totalLossDb, PRINIZ);
    far.swr = antenna.LSWRF;
    far.totalLossDb = antenna.LLOSA;
    far.found = antenna.found;
  }
  const double LRHOF = SwrToRho(far.swr);
  far.gammaRe = LRHOF * std::cos(s.farPhaseDeg * kPi / 180);
  far.gammaIm = LRHOF * std::sin(s.farPhaseDeg * kPi / 180);
  SetFarImpedance(e, far);
  // The transmitter side carries more power than the antenna side.
  far.powerW = towardsAntenna ? numeric::PowerRatioOfDecibels(-far.totalLossDb) * e.power
                              : numeric::PowerRatioOfDecibels(far.totalLossDb) * e.power;
  far.vrms = numeric::RmsVoltsFromPowerV(far.powerW, far.r, far.x);
  far.amperes = far.vrms * numeric::InverseMagnitudeS(far.r, far.x);
  watch.check();
  return far;
}

LineResult ComputeLine(const LineEntries& e, const StartPoint& s) {
  LineResult result;
  result.far = Propagate(e, s);
  result.complete = result.far.found;
  const std::string text = ResultText(e, s, result.far);
  result.text = result.complete ? text : std::string(kEntrySwrTooHigh);
  result.farPower = result.far.powerW;
  result.lossText = FormatFixed(e.lossPer100m, 1);
  return result;
}

std::vector<PathPoint> LinePath(const LineEntries& e, const StartPoint& start, int samples) {
  std::vector<PathPoint> path;
  path.reserve(static_cast<std::size_t>(samples) + 1);
  path.push_back({start.gammaRe, start.gammaIm});
  for (int k = 1; k <= samples; ++k) {
    const double shiftDeg = k == samples ? start.shiftDeg : start.shiftDeg * k / samples;
    const FarPoint point = Propagate(e, ShiftedTo(start, shiftDeg));
    path.push_back({point.gammaRe, point.gammaIm});
  }
  return path;
}

std::optional<std::string> HalfWaveRange(double cycles, double velocityFactor, double mhz) {
  if (mhz == 0) {
    return std::nullopt;
  }
  numeric::FaultWatch watch;
  const double low = (cycles - 1) * velocityFactor * kHalfWaveMetresTimesMhz / mhz;
  const double high = cycles * velocityFactor * kHalfWaveMetresTimesMhz / mhz;
  watch.check();
  return FormatFixed(low, 2) + " - " + FormatFixed(high, 2) + " mtrs.";
}

bool FrequencyUnreliable(double mhz) { return mhz > kMaxReliableMhz; }

bool CanSwapPower(double enteredW, bool lastRunComplete, double lastFarPowerW) {
  return enteredW > 0 && lastRunComplete && lastFarPowerW != 0;
}

double SwappedPowerW(double enteredW, double lastFarPowerW) {
  numeric::FaultWatch watch;
  const double swapped = Square(enteredW) / lastFarPowerW;
  watch.check();
  return swapped;
}

}  // namespace tolvar::calc::line
