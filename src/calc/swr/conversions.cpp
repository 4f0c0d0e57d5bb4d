#include "calc/swr/conversions.h"

#include <cmath>

#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/square.h"

namespace tolvar::calc::swr {

namespace {

using numeric::FormatFixed;
using numeric::Square;

const double kSqrt2 = std::pow(2.0, 0.5);

// Power in dBm of a power in W.
double Dbm(double watts) { return (std::log(watts) * 10) / std::log(10.0) + 30; }

// 1 / |Z| as the calculators have always computed it.
double InverseMagnitude(double r, double x) {
  const double z2 = Square(r) + Square(x);
  return std::pow(z2 / Square(z2), 0.5);
}

}  // namespace

Conversion PowerFromVoltage(double r, double x, double volts, VoltageKind kind) {
  numeric::FaultWatch watch;
  double V1 = volts;
  if (kind == VoltageKind::PeakToPeak) {
    V1 = V1 / (2 * kSqrt2);
  } else if (kind == VoltageKind::Peak) {
    V1 = V1 / kSqrt2;
  }
  const double PWR1 = (Square(V1) * r) / (Square(r) + Square(x));
  const double I1 = InverseMagnitude(r, x) * V1;
  watch.check();

  Conversion out;
  if (PWR1 > 0) {
    const double Pdbm = Dbm(PWR1);
    watch.check();
    out.text =
        FormatFixed(PWR1, 3) + "W " + FormatFixed(Pdbm, 3) + "dBm " + FormatFixed(I1, 3) + "A";
  } else {
    out.text = kNoDbm;
  }
  if (V1 == 0) {
    out.text = kNoVoltage;
  }
  out.forwardPower = FormatFixed(PWR1, 2);
  return out;
}

Conversion VoltageFromPower(double r, double x, double power, PowerUnit unit) {
  numeric::FaultWatch watch;
  double PWRP = power;
  if (unit == PowerUnit::Dbm) {
    PWRP = std::pow(10.0, (PWRP - 30) / 10);
  }
  Conversion out;
  out.forwardPower = FormatFixed(PWRP, 2);
  if (PWRP > 0) {
    const double VP = std::pow((Square(r) + Square(x)) * PWRP / r, 0.5);
    const double IP = InverseMagnitude(r, x) * VP;
    watch.check();
    out.text = FormatFixed(VP, 3) + "Vrms " + FormatFixed(kSqrt2 * VP, 3) + "Vp " +
               FormatFixed(kSqrt2 * (VP + VP), 3) + "Vpp " + FormatFixed(IP, 3) + "A";
  } else {
    out.text = kNoVoltageFromPower;
  }
  if (unit == PowerUnit::Watt && !(PWRP > 0)) {
    out.text = kNoPower;
  }
  return out;
}

Conversion PowerFromCurrent(double r, double x, double amperes) {
  numeric::FaultWatch watch;
  const double II = amperes;
  const double PIC = Square(II) * r;
  const double VI = std::pow(((Square(x) + Square(r)) * PIC) / r, 0.5);
  watch.check();

  Conversion out;
  if (PIC > 0) {
    const double PdbmI = Dbm(PIC);
    watch.check();
    out.text = FormatFixed(PIC, 3) + "W " + FormatFixed(PdbmI, 3) + "dBm " + FormatFixed(VI, 1) +
               "Vrms " + FormatFixed(kSqrt2 * VI, 1) + "Vp " + FormatFixed(kSqrt2 * (VI + VI), 1) +
               "Vpp";
  } else {
    out.text = kNoDbm;
  }
  if (II == 0) {
    out.text = kNoCurrent;
  }
  out.forwardPower = FormatFixed(PIC, 2);
  return out;
}

}  // namespace tolvar::calc::swr
