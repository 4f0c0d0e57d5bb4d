#pragma once

namespace tolvar::numeric {

// Power, voltage and current on an impedance R + jX, written once for every
// calculator. The order of arithmetic inside each is the one the calculators
// have always used: their results match to the last bit.

// The square root of 2 as 2^0.5.
extern const double kSqrt2;

enum class VoltageKind { Rms, Peak, PeakToPeak };

// The RMS value [V] of a voltage of the given kind.
double RmsVolts(double volts, VoltageKind kind);
// The peak [V] and peak-to-peak [V] values of an RMS voltage.
double PeakVolts(double vrms);
double PeakToPeakVolts(double vrms);

// Power [W] that an RMS voltage [V] across R + jX [ohm] drives into R: V² R / |Z|².
double PowerFromRmsVoltsW(double vrms, double r, double x);
// Power [W] that an RMS current [A] drives into R [ohm]: I² R.
double PowerFromRmsAmperesW(double amperes, double r);
// RMS voltage [V] across R + jX [ohm] that drives `watts` into R: (|Z|² P / R)^0.5.
double RmsVoltsFromPowerV(double watts, double r, double x);
// 1 / |Z| [S] of R + jX [ohm], as (|Z|² / |Z|⁴)^0.5.
double InverseMagnitudeS(double r, double x);

// A power ratio in decibels, 10 log10(ratio), as ln(ratio) × 10 / ln 10.
double DecibelsOfPowerRatio(double ratio);
// The power ratio of a number of decibels: 10^(dB / 10).
double PowerRatioOfDecibels(double db);
// A power [W] in dBm.
double DbmOfWatts(double watts);

}  // namespace tolvar::numeric
