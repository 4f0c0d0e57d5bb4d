#include "calc/line/line.h"

#include <cmath>

#include "calc/messages.h"
#include "numeric/calculator_order.h"
#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/power.h"
#include "numeric/reflection.h"
#include "numeric/square.h"

namespace tolvar::calc::line {

namespace {

namespace calculator_order = numeric::calculator_order;
using numeric::FormatFixed;
using numeric::kPi;
using numeric::Square;

// The bar's two ends would both read 0.00 once the angle is reduced into
// [0, 180); moving them this far inside makes the far end read 180.00.
constexpr double kEndNudgeDeg = 0.0000001;
// A far-point resistance or reactance of exactly 0 would divide by zero in the
// parallel equivalent; it is shown and used as this instead [ohm].
constexpr double kZeroPartOhm = 0.000001;
// Gamma's phase turns twice as fast as the line's length: 720 degrees a wavelength.
constexpr double kGammaDegreesPerWavelength = 720;
// The search towards the antenna: SWR steps of 1 at most this often, then
// each decimal digit down to 1e-7.
constexpr int kCoarseTrials = 1000;
constexpr int kFineDigits = 7;

// Total loss [dB] of a line with matched loss `matchedDb` [dB] whose load
// reflects `rho`; equals `matchedDb` for rho = 0.
double TotalLoss(double matchedDb, double rho) {
  const double a = numeric::PowerRatioOfDecibels(matchedDb);
  return numeric::DecibelsOfPowerRatio((Square(a) - Square(rho)) / (a * (1 - Square(rho))));
}

double SwrToRho(double swr) { return (swr - 1) / (swr + 1); }

// What the search finds towards the antenna.
struct AntennaSide {
  double swr;
  double totalLossDb;
  bool found;  // the coarse search reached the start point's ratio
};

// Finds the antenna-side SWR whose reflected-power ratio, brought back to the
// start point through the matched loss twice, reaches the start point's ratio:
// a coarse search in steps of 1, then one decimal digit at a time to 1e-7.
AntennaSide SearchAntennaSwr(double entrySwr, double matchedLossDb, double totalLossDb,
                             double startRatio) {
  // |Gamma|² falls by 10^(-ML/10) each way along the line.
  const double back = std::pow(10.0, -matchedLossDb / 5);
  const auto returned = [back](double swr) { return back * Square(SwrToRho(swr)); };
  bool reached = false;
  double trialSwr = std::floor(entrySwr);
  for (int trial = 1; trial <= kCoarseTrials; ++trial) {
    const double ratio = returned(trialSwr);
    reached = reached || ratio >= startRatio;
    if (ratio == startRatio) {
      return {trialSwr, totalLossDb, true};
    }
    if (ratio > startRatio) {
      break;
    }
    trialSwr = trialSwr + 1;
  }
  trialSwr = trialSwr - 1;  // the last trial below the start point's ratio
  for (int digit = 1; digit <= kFineDigits; ++digit) {
    const double step = std::pow(10.0, -digit);
    for (int trial = 1; trial <= 10; ++trial) {
      const double ratio = returned(trialSwr);
      if (ratio == startRatio) {
        return {trialSwr, totalLossDb, reached};
      }
      if (ratio > startRatio) {
        break;
      }
      trialSwr = trialSwr + step;
    }
    trialSwr = trialSwr - step;
  }
  // The total loss again, now with the antenna-side magnitude.
  return {trialSwr, TotalLoss(matchedLossDb, SwrToRho(trialSwr)), reached};
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
  double angle = s.phaseTurnDeg / 2;
  if (e.shift.quarterDegrees == kShiftSteps) {
    angle = angle - kEndNudgeDeg;
  }
  if (e.shift.quarterDegrees == 0) {
    angle = kEndNudgeDeg;
  }
  if (e.shift.direction == Direction::TowardsAntenna) {
    angle = 180 - angle;
  }
  return angle - std::floor(angle / 180) * 180;
}

// The parallel equivalent of the shown far-point impedance on the line
// impedance field's value, and the stubs of this line that cancel its Xp.
void SetParallelEquivalent(const LineEntries& e, const StartPoint& s, LineFigures& f) {
  numeric::FaultWatch watch;
  const double z = e.zShownAfter;
  const double r = f.shownZ.re / z;
  const double x = f.shownZ.im / z;
  const double parallelR = (Square(x) + Square(r)) / r;
  const double parallelX = (Square(x) + Square(r)) / x;
  // The stub's own reflection, a pure reactance -Xp on the rim.
  const Complex stub = calculator_order::ReflectionOfNormalised(0, parallelX);
  const double stubRho = numeric::Abs(stub);
  double stubPhase = numeric::PhaseFromCos(stub.re, stubRho);
  if (stub.im < 0) {
    stubPhase = -stubPhase;
  }
  stubPhase = -stubPhase;
  const double shortedTurnDeg = numeric::AngleMod360(180 - stubPhase);
  const double openTurnDeg = numeric::AngleMod360(-stubPhase);
  f.shortedStubM = shortedTurnDeg / kGammaDegreesPerWavelength * s.wavelengthM * e.velocityFactor;
  f.openStubM = openTurnDeg / kGammaDegreesPerWavelength * s.wavelengthM * e.velocityFactor;
  watch.check();
  f.parallelR = z * parallelR;
  f.parallelX = z * parallelX;
}

// The far point's impedance [ohm] from its Gamma against the line, and its
// SWR against the transmitter impedance.
void SetFarImpedance(const LineEntries& e, FarPoint& far) {
  const Complex normalised = calculator_order::ImpedanceOnLineOf(far.gamma, e.lineZ, e.rtxZ);
  const Complex rtxGamma = calculator_order::ReflectionOfNormalised(normalised.re, normalised.im);
  far.swrAtRtx = calculator_order::SwrOf(numeric::Abs(rtxGamma));
  far.z = {normalised.re * e.rtxZ, normalised.im * e.rtxZ};
}

}  // namespace

double ShiftDegrees(const LineEntries& e) {
  const Shift& shift = e.shift;
  const double cycle = shift.cycle;
  if (shift.direction == Direction::TowardsTransmitter) {
    return (cycle - 1) * 180 + shift.quarterDegrees / 4.0;
  }
  return (shift.quarterDegrees / 4.0 - 180) - (cycle - 1) * 180;
}

StartPoint FindStartPoint(const LineEntries& e, double previousPhaseDeg) {
  numeric::FaultWatch watch;
  StartPoint s{};
  const double startR = e.start.re / e.zShownBefore;
  const double startX = e.start.im / e.zShownBefore;
  s.wavelengthM = kSpeedOfLight / e.mhz;

  s.gamma = calculator_order::ReflectionOfNormalised(startR, startX);
  s.rho = numeric::Abs(s.gamma);
  // A matched start point has no phase; every later use multiplies it by 0.
  s.phaseDeg = s.rho != 0 ? numeric::PhaseFromCos(s.gamma.re, s.rho) : previousPhaseDeg;
  if (s.gamma.im < 0) {
    s.phaseDeg = -s.phaseDeg;
  }
  numeric::AngleWrap180(s.phaseDeg);
  SetShift(s, ShiftDegrees(e));
  s.entrySwr = calculator_order::SwrOf(s.rho);
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
  const bool towardsAntenna = e.shift.direction == Direction::TowardsAntenna;
  FarPoint far{};

  // Shift, matched loss and total loss over it.
  far.shiftLambda = towardsAntenna ? -s.shiftDeg / 360 : s.shiftDeg / 360;
  far.shiftM = far.shiftLambda * s.wavelengthM * e.velocityFactor;
  far.matchedLossDb = far.shiftM * e.lossPer100m / 100;
  far.totalLossDb = TotalLoss(far.matchedLossDb, s.rho);
  const double startRatio = Square(s.rho);  // reflected / forward power

  far.found = true;
  if (!towardsAntenna) {
    // |Gamma|² falls by 10^(-ML/10) each way along the line.
    const double farRatio = std::pow(10.0, -far.matchedLossDb / 5) * startRatio;
    far.swr = calculator_order::UncheckedSwrOf(std::sqrt(farRatio));
  } else {
    const AntennaSide antenna =
        SearchAntennaSwr(s.entrySwr, far.matchedLossDb, far.totalLossDb, startRatio);
    far.swr = antenna.swr;
    far.totalLossDb = antenna.totalLossDb;
    far.found = antenna.found;
  }
  const double farRho = SwrToRho(far.swr);
  far.gamma = {farRho * std::cos(s.farPhaseDeg * kPi / 180),
               farRho * std::sin(s.farPhaseDeg * kPi / 180)};
  SetFarImpedance(e, far);
  // The transmitter side carries more power than the antenna side.
  far.powerW = towardsAntenna ? numeric::PowerRatioOfDecibels(-far.totalLossDb) * e.power
                              : numeric::PowerRatioOfDecibels(far.totalLossDb) * e.power;
  far.vrms = numeric::RmsVoltsFromPowerV(far.powerW, far.z.re, far.z.im);
  far.amperes = far.vrms * numeric::InverseMagnitudeS(far.z.re, far.z.im);
  watch.check();
  return far;
}

Outcome<LineFigures> ComputeLine(const LineEntries& e, const StartPoint& s) {
  if (e.lossPer100m < 0) {
    return kNegativeLineLoss;
  }
  LineFigures f{};
  f.far = Propagate(e, s);
  f.shownZ = {f.far.z.re == 0 ? kZeroPartOhm : f.far.z.re,
              f.far.z.im == 0 ? kZeroPartOhm : f.far.z.im};
  SetParallelEquivalent(e, s, f);
  f.shownShiftDeg = ShownShiftAngle(e, s);
  f.lineZ = e.lineZ;
  f.rtxZ = e.rtxZ;
  f.direction = e.shift.direction;
  if (!f.far.found) {
    return kEntrySwrTooHigh;
  }
  return f;
}

LineRun RunLine(const LineEntries& e, double previousPhaseDeg) {
  LineRun run{FindStartPoint(e, previousPhaseDeg), {}};
  run.outcome = ComputeLine(e, run.start);
  return run;
}

std::vector<Complex> LinePath(const LineEntries& e, const StartPoint& start, int samples) {
  std::vector<Complex> path;
  path.reserve(static_cast<std::size_t>(samples) + 1);
  path.push_back(start.gamma);
  for (int k = 1; k <= samples; ++k) {
    const double shiftDeg = k == samples ? start.shiftDeg : start.shiftDeg * k / samples;
    path.push_back(Propagate(e, ShiftedTo(start, shiftDeg)).gamma);
  }
  return path;
}

std::optional<std::string> HalfWaveRange(int cycle, double velocityFactor, double mhz) {
  if (mhz == 0) {
    return std::nullopt;
  }
  numeric::FaultWatch watch;
  const double cycles = cycle;
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
