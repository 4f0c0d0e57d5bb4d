#pragma once

#include <optional>
#include <string>
#include <vector>

#include "calc/outcome.h"
#include "numeric/complex.h"

namespace tolvar::calc::line {

using numeric::Complex;

// The shift bar's travel: quarter degrees over half a wavelength.
inline constexpr int kShiftSteps = 720;
// Half-wave cycles the cycles box offers.
inline constexpr int kMaxCycles = 40;
// Above these the results are marked unreliable: the loss model holds for a
// moderate SWR, and the catalogue's loss coefficients stop at 150 MHz (the
// panel's title says so).
inline constexpr double kMaxReliableEntrySwr = 25;
inline constexpr double kMaxReliableMhz = 150;
// Free-space wavelength [m] = this / frequency [MHz]: the speed of light in m/us.
inline constexpr double kSpeedOfLight = 299.792458;
// Half a free-space wavelength [m] = this / frequency [MHz] in the length
// ranges, which have always used the round 300 / 2 rather than kSpeedOfLight / 2
// (0.07 % longer).
inline constexpr double kHalfWaveMetresTimesMhz = 150;

enum class Direction {
  TowardsTransmitter,  // the start point is on the antenna side
  TowardsAntenna,      // the start point is on the transmitter side
};

// Where the far point lies: the bar's position in its half-wave cycle, and
// which way along the line it moves.
struct Shift {
  int cycle = 1;           // the half-wave cycle the bar spans, 1 to kMaxCycles
  int quarterDegrees = 0;  // the bar's position in that cycle, 0 to kShiftSteps
  Direction direction = Direction::TowardsTransmitter;
};

// Everything one line computation reads, after its zero checks.
struct LineEntries {
  Complex start{};            // impedance at the start point [ohm]
  double lineZ = 0;           // the line's impedance: the catalogue's, or as typed [ohm]
  double velocityFactor = 0;  //
  double lossPer100m = 0;     // the line's loss at `mhz` [dB / 100 m]
  double mhz = 0;             // frequency [MHz]
  double power = 0;           // power at the start point [W]
  double rtxZ = 0;            // the radio's impedance [ohm]
  Shift shift{};
  // The line impedance as its field shows it [ohm], when the run begins and
  // once the run has shown the catalogue's data (its impedance rounded to
  // 0.1 ohm); for typed data both are lineZ. The start point has always been
  // normalised by the first, and the parallel equivalent given on the second.
  double zShownBefore = 0;
  double zShownAfter = 0;
};

// The start point's reflection coefficient (reference: the line impedance) and
// the shift.
struct StartPoint {
  double shiftDeg = 0;      // signed electrical shift, negative towards the antenna
  double phaseTurnDeg = 0;  // the turn of Gamma's phase: twice the shift
  double wavelengthM = 0;   // free-space wavelength
  Complex gamma{};          // Gamma at the start point
  double rho = 0;           // |Gamma|
  double phaseDeg = 0;      // Gamma's phase, kept from the previous run when |Gamma| = 0
  double farPhaseDeg = 0;   // the phase after the shift
  double entrySwr = 0;      // SWR at the start point
  bool unreliable =
      false;  // entry SWR above kMaxReliableEntrySwr or frequency above kMaxReliableMhz
};

// The signed shift [degrees] that the bar's position gives in its cycle.
double ShiftDegrees(const LineEntries& entries);

// First stage: the shift and the start point. previousPhaseDeg is the phase
// the last run left. Throws ArithmeticFault (a zero frequency, a start
// impedance of -Z0, an overflow).
StartPoint FindStartPoint(const LineEntries& entries, double previousPhaseDeg);

// The same start point with the shift replaced: a point part of the way along.
StartPoint ShiftedTo(const StartPoint& start, double shiftDeg);

// What the propagation along the line finds at the far point.
struct FarPoint {
  double shiftLambda = 0;    // the shift in wavelengths (not negative)
  double shiftM = 0;         // the shift in metres along the line
  double matchedLossDb = 0;  // line loss over the shift, matched
  double totalLossDb = 0;    // with the loss due to the SWR
  double swr = 0;            // on the line
  Complex gamma{};           // against the line impedance
  Complex z{};               // far-point impedance [ohm]
  double swrAtRtx = 0;       // against the transmitter impedance
  double powerW = 0;         // power at the far point
  double vrms = 0;           // voltage across the far-point impedance
  double amperes = 0;        // current through it
  bool found = false;        // towards the antenna: some antenna-side SWR gives the entry SWR
};

// Second stage. Throws ArithmeticFault (a loss outside the total-loss
// formula's domain, a far-point resistance of 0).
FarPoint Propagate(const LineEntries& entries, const StartPoint& start);

// What the result shows besides the far point.
struct LineFigures {
  FarPoint far{};
  // The far point's impedance as shown: an exact 0 in either part would divide
  // by zero in the parallel equivalent, so it is shown and used as 1e-6 ohm.
  Complex shownZ{};
  double shownShiftDeg = 0;  // the shift's angle within its cycle, [0, 180)
  double parallelR = 0;      // Rp [ohm] of the parallel equivalent, on the line impedance field
  double parallelX = 0;      // Xp [ohm]
  double openStubM = 0;      // length of this line's open stub that cancels Xp
  double shortedStubM = 0;   // and of its shorted one
  double lineZ = 0;
  double rtxZ = 0;
  Direction direction = Direction::TowardsTransmitter;
};

// One run of the line computation: the start point (the previous run left
// its phase) and what the result shows. Throws ArithmeticFault.
struct LineRun {
  StartPoint start{};
  Outcome<LineFigures> outcome{};
};
LineRun RunLine(const LineEntries& entries, double previousPhaseDeg);

// The propagation and what the result shows; kNegativeLineLoss for a loss
// below 0, kEntrySwrTooHigh when no antenna-side SWR gives the entry SWR.
// Throws ArithmeticFault.
Outcome<LineFigures> ComputeLine(const LineEntries& entries, const StartPoint& start);

// The result field's four lines joined by CR LF, or the sentence.
std::string LineResultText(const Outcome<LineFigures>& outcome);
// The loss per 100 m as the narrow loss field shows it, "0.0"; a loss below 0
// or one too wide for the field is marked out of range ("<0", ">99").
std::string LossText(double lossPer100m);

// Gamma (against the line impedance) at `samples` + 1 evenly spaced points from
// the start point to the far point, each found by the same propagation as the
// far point itself: the last one is the far point. Throws ArithmeticFault.
std::vector<Complex> LinePath(const LineEntries& entries, const StartPoint& start, int samples);

// The length range of the half-wave cycle `cycle` on the line: "low - high
// mtrs."; none for a frequency of 0, which has no range.
std::optional<std::string> HalfWaveRange(int cycle, double velocityFactor, double mhz);

// True above kMaxReliableMhz.
bool FrequencyUnreliable(double mhz);

// The power swap: the power to enter at the start point [W] so that the far
// point gets the entered power, from the far-point power of the last run. It
// needs an entered power above 0 and a last run that completed with a
// far-point power other than 0.
bool CanSwapPower(double enteredW, bool lastRunComplete, double lastFarPowerW);
double SwappedPowerW(double enteredW, double lastFarPowerW);

}  // namespace tolvar::calc::line
