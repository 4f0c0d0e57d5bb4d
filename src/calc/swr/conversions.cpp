#include "calc/swr/conversions.h"

#include "calc/messages.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace tolvar::calc::swr {

namespace {

using numeric::FormatFixed;

}  // namespace

Conversion PowerFromVoltage(double r, double x, double volts, VoltageKind kind) {
  numeric::FaultWatch watch;
  const double V1 = numeric::RmsVolts(volts, kind);
  const double PWR1 = numeric::PowerFromRmsVoltsW(V1, r, x);
  const double I1 = numeric::InverseMagnitudeS(r, x) * V1;
  watch.check();

  Conversion out;
  if (PWR1 > 0) {
    const double Pdbm = numeric::DbmOfWatts(PWR1);
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
    PWRP = numeric::PowerRatioOfDecibels(PWRP - 30);
  }
  Conversion out;
  out.forwardPower = FormatFixed(PWRP, 2);
  if (PWRP > 0) {
    const double VP = numeric::RmsVoltsFromPowerV(PWRP, r, x);
    const double IP = numeric::InverseMagnitudeS(r, x) * VP;
    watch.check();
    out.text = FormatFixed(VP, 3) + "Vrms " + FormatFixed(numeric::PeakVolts(VP), 3) + "Vp " +
               FormatFixed(numeric::PeakToPeakVolts(VP), 3) + "Vpp " + FormatFixed(IP, 3) + "A";
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
  const double PIC = numeric::PowerFromRmsAmperesW(amperes, r);
  const double VI = numeric::RmsVoltsFromPowerV(PIC, r, x);
  watch.check();

  Conversion out;
  if (PIC > 0) {
    const double PdbmI = numeric::DbmOfWatts(PIC);
    watch.check();
    out.text = FormatFixed(PIC, 3) + "W " + FormatFixed(PdbmI, 3) + "dBm " + FormatFixed(VI, 1) +
               "Vrms " + FormatFixed(numeric::PeakVolts(VI), 1) + "Vp " +
               FormatFixed(numeric::PeakToPeakVolts(VI), 1) + "Vpp";
  } else {
    out.text = kNoDbm;
  }
  if (amperes == 0) {
    out.text = kNoCurrent;
  }
  out.forwardPower = FormatFixed(PIC, 2);
  return out;
}

}  // namespace tolvar::calc::swr
