#include "calc/swr/conversions.h"

#include "calc/messages.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace tolvar::calc::swr {

Conversion<PowerFromVoltageFigures> PowerFromVoltage(Complex z, double volts, VoltageKind kind) {
  numeric::FaultWatch watch;
  const double vrms = numeric::RmsVolts(volts, kind);
  const double watts = numeric::PowerFromRmsVoltsW(vrms, z.re, z.im);
  const double amperes = numeric::InverseMagnitudeS(z.re, z.im) * vrms;
  watch.check();

  Conversion<PowerFromVoltageFigures> out{kNoDbm, numeric::RequireFinite(watts)};
  if (watts > 0) {
    const double dbm = numeric::DbmOfWatts(watts);
    watch.check();
    out.outcome = PowerFromVoltageFigures{watts, dbm, amperes};
  }
  if (vrms == 0) {
    out.outcome = kNoVoltage;
  }
  return out;
}

Conversion<VoltageFromPowerFigures> VoltageFromPower(Complex z, double power, PowerUnit unit) {
  numeric::FaultWatch watch;
  double watts = power;
  if (unit == PowerUnit::Dbm) {
    watts = numeric::PowerRatioOfDecibels(watts - 30);
  }
  Conversion<VoltageFromPowerFigures> out{kNoVoltageFromPower, numeric::RequireFinite(watts)};
  if (watts > 0) {
    const double vrms = numeric::RmsVoltsFromPowerV(watts, z.re, z.im);
    const double amperes = numeric::InverseMagnitudeS(z.re, z.im) * vrms;
    watch.check();
    out.outcome = VoltageFromPowerFigures{vrms, amperes};
  }
  if (unit == PowerUnit::Watt && !(watts > 0)) {
    out.outcome = kNoPower;
  }
  return out;
}

Conversion<PowerFromCurrentFigures> PowerFromCurrent(Complex z, double amperes) {
  numeric::FaultWatch watch;
  const double watts = numeric::PowerFromRmsAmperesW(amperes, z.re);
  const double vrms = numeric::RmsVoltsFromPowerV(watts, z.re, z.im);
  watch.check();

  Conversion<PowerFromCurrentFigures> out{kNoDbm, numeric::RequireFinite(watts)};
  if (watts > 0) {
    const double dbm = numeric::DbmOfWatts(watts);
    watch.check();
    out.outcome = PowerFromCurrentFigures{watts, dbm, vrms};
  }
  if (amperes == 0) {
    out.outcome = kNoCurrent;
  }
  return out;
}

using numeric::FormatFixed;

std::string ConversionText(const Outcome<PowerFromVoltageFigures>& outcome) {
  return TextOf(outcome, [](const PowerFromVoltageFigures& f) {
    return FormatFixed(f.watts, 3) + "W " + FormatFixed(f.dbm, 3) + "dBm " +
           FormatFixed(f.amperes, 3) + "A";
  });
}

std::string ConversionText(const Outcome<VoltageFromPowerFigures>& outcome) {
  return TextOf(outcome, [](const VoltageFromPowerFigures& f) {
    return FormatFixed(f.vrms, 3) + "Vrms " + FormatFixed(numeric::PeakVolts(f.vrms), 3) + "Vp " +
           FormatFixed(numeric::PeakToPeakVolts(f.vrms), 3) + "Vpp " + FormatFixed(f.amperes, 3) +
           "A";
  });
}

std::string ConversionText(const Outcome<PowerFromCurrentFigures>& outcome) {
  return TextOf(outcome, [](const PowerFromCurrentFigures& f) {
    return FormatFixed(f.watts, 3) + "W " + FormatFixed(f.dbm, 3) + "dBm " +
           FormatFixed(f.vrms, 1) + "Vrms " + FormatFixed(numeric::PeakVolts(f.vrms), 1) + "Vp " +
           FormatFixed(numeric::PeakToPeakVolts(f.vrms), 1) + "Vpp";
  });
}

std::string ForwardPowerText(double watts) { return FormatFixed(watts, 2); }

}  // namespace tolvar::calc::swr
