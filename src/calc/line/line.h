#pragma once

#include <optional>
#include <string>

namespace tolvar::calc::line {

enum class Direction {
  TowardsTransmitter,  // the start point is on the antenna side
  TowardsAntenna,      // the start point is on the transmitter side
};

// Everything one line computation reads, after its zero checks.
struct LineEntries {
  double startR;          // resistance at the start point [ohm]
  double startX;          // reactance at the start point [ohm]
  double zAtStart;        // line impedance field when the run began [ohm]
  double zNow;            // the same field after the catalogue rewrote it [ohm]
  double lineZ;           // LZL, line impedance used by the computation [ohm]
  double velocityFactor;  // LVF
  double lossPer100m;     // PP [dB / 100 m]
  double rtxZ;            // LRZ, transmitter impedance [ohm]
  double mhz;             // LMHZ
  double power;           // LPWR at the start point [W]
  double cycles;          // NL, the half-wave cycle the slider spans (1 to 40)
  int slider;             // 0 to 720, quarter degrees
  Direction direction;
};

// The start point's reflection coefficient (reference: the line impedance).
struct StartPoint {
  double Shdeg;     // signed shift [degrees]
  double Shgonio;   // turn of Gamma's phase, twice the shift [degrees]
  double Lambda;    // free-space wavelength [m]
  double LRHO;      // |Gamma|
  double LPHI;      // phase [degrees], kept from the previous run when |Gamma| = 0
  double LPHF;      // phase after the shift [degrees]
  double LSWRL;     // entry SWR
  bool unreliable;  // entry SWR above 25 or frequency above 150 MHz
};

inline constexpr char kEntrySwrTooHigh[] =
    "INVALID DATA: ENTRY SWR TOO HIGH (Reflected Power from the Antenna would be higher than "
    "Forward Power to the Antenna)!";

struct LineResult {
  std::string text;      // the four lines joined by CR LF, or kEntrySwrTooHigh
  bool complete;         // false for kEntrySwrTooHigh
  double farPower;       // LPWR at the far point [W]
  std::string lossText;  // PP as shown in the loss field
};

// First stage: the shift and the start point. previousLPHI is the phase the
// last run left. Throws ArithmeticFault (a zero frequency, a start impedance of
// -Z0, an overflow).
StartPoint FindStartPoint(const LineEntries& entries, double previousLPHI);

// Propagation to the far point and the result text. Throws ArithmeticFault (a
// loss outside the total-loss formula's domain, a far-point resistance of 0).
LineResult ComputeLine(const LineEntries& entries, const StartPoint& start);

// The length range of the half-wave cycle `cycles` on the line: "low - high
// mtrs."; none for a frequency of 0, which has no range.
std::optional<std::string> HalfWaveRange(double cycles, double velocityFactor, double mhz);

}  // namespace tolvar::calc::line
