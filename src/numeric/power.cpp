#include "numeric/power.h"

#include <cmath>

#include "numeric/square.h"

namespace tolvar::numeric {

const double kSqrt2 = std::pow(2.0, 0.5);

double RmsVolts(double volts, VoltageKind kind) {
  switch (kind) {
    case VoltageKind::PeakToPeak:
      return volts / (2 * kSqrt2);
    case VoltageKind::Peak:
      return volts / kSqrt2;
    case VoltageKind::Rms:
      break;
  }
  return volts;
}

double PeakVolts(double vrms) { return kSqrt2 * vrms; }

double PeakToPeakVolts(double vrms) { return kSqrt2 * (vrms + vrms); }

double PowerFromRmsVoltsW(double vrms, double r, double x) {
  return (Square(vrms) * r) / (Square(r) + Square(x));
}

double PowerFromRmsAmperesW(double amperes, double r) { return Square(amperes) * r; }

double RmsVoltsFromPowerV(double watts, double r, double x) {
  return std::pow((Square(r) + Square(x)) * watts / r, 0.5);
}

double InverseMagnitudeS(double r, double x) {
  const double z2 = Square(r) + Square(x);
  return std::pow(z2 / Square(z2), 0.5);
}

double DecibelsOfPowerRatio(double ratio) { return std::log(ratio) * 10 / std::log(10.0); }

double PowerRatioOfDecibels(double db) { return std::pow(10.0, db / 10); }

double DbmOfWatts(double watts) { return DecibelsOfPowerRatio(watts) + 30; }

}  // namespace tolvar::numeric
