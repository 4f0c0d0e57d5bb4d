// The SWR panel's calculators: the SWR of a load and the power, voltage and
// current conversions.
#include "calc/swr/swr.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <utility>

#include "calc/messages.h"
#include "calc/swr/conversions.h"
#include "numeric/fault.h"

namespace {

using namespace tolvar::calc;
using namespace tolvar::calc::swr;
using tolvar::numeric::Abs;
using tolvar::numeric::ArithmeticFault;
using enum VoltageKind;
using enum PowerUnit;

using Row = std::pair<SwrEntries, std::string>;  // R + jX, R0 + jX0, forward power

std::string Text(const SwrEntries& e) { return SwrText(ComputeSwr(e)); }

// The five lines of a result from what they show.
std::string Result(const char* swr, const char* gamma, const char* rho, const char* degrees,
                   const char* admittance) {
  return std::string("SWR = ") + swr + "\r\nReflection Coeff. (Gamma or S11) = " + gamma +
         "\r\nReflection Coefficent Magnitude (rho) = " + rho +
         "\r\nAngle of Reflection Coeff. (Gamma Phase) = " + degrees +
         "\u00b0\r\nAdmittance = " + admittance + " S";
}

TEST(SwrText, ShowsTheResultText) {
  const std::string matched =
      "SWR = 1.000 Ret.Loss = INF. Refl.Pwr. = 0.000\r\n"
      "Ref.Coef. = 0.000 + i0.000  Ref.Coef.Magn. = 0.000";
  const std::string noPower(kNoForwardPower);
  const Row kWholeTexts[] = {
      // Resistive above and below R0 (180 degrees exactly), inductive, capacitive.
      Row{{{100, 0}, {50, 0}, 100},
          Result("2.000 Ret.Loss = 9.542 Refl.Pwr. = 11.111", "+0.3333 + i0.0000", "0.3333", "0.0",
                 "0.010 + J0.000")},
      Row{{{25, 0}, {50, 0}, 100},
          Result("2.000 Ret.Loss = 9.542 Refl.Pwr. = 11.111", "-0.3333 + i0.0000", "0.3333",
                 "180.0", "0.040 + J0.000")},
      Row{{{25, 25}, {50, 0}, 100},
          Result("2.618 Ret.Loss = 6.990 Refl.Pwr. = 20.000", "-0.2000 + i0.4000", "0.4472",
                 "116.6", "0.020 - J0.020")},
      Row{{{50, -50}, {50, 0}, 100},
          Result("2.618 Ret.Loss = 6.990 Refl.Pwr. = 20.000", "+0.2000 - i0.4000", "0.4472",
                 "-63.4", "0.010 + J0.010")},
      // Matched, also on a complex reference; no forward power, also when matched.
      Row{{{50, 0}, {50, 0}, 100}, matched}, Row{{{50, 10}, {50, 10}, 100}, matched},
      Row{{{100, 0}, {50, 0}, 0}, noPower}, Row{{{100, 0}, {50, 0}, -5}, noPower},
      Row{{{50, 0}, {50, 0}, 0}, noPower}};
  for (const auto& [entries, text] : kWholeTexts) EXPECT_EQ(Text(entries), text);
  // Figures from Gamma = (Z - Z0) / (Z + Z0) by hand: SWR, -20 log |Gamma|, P |Gamma|², 1 / Z.
  struct Figures {
    SwrEntries entries;
    double swr, returnLossDb, reflectedPowerW;
    tolvar::numeric::Complex admittanceS;
  };
  const Figures kFigures[] = {
      // 1 / (20 - j60) = 0.005 + j0.015 S on any reference; the sign is not Gamma's.
      {{{20, -60}, {75, -40}, 100}, 2.4740017, 7.4466409, 18.0026281, {0.005, 0.015}},
      {{{30, 40}, {50, 30}, 100}, 1.5327728, 13.5410844, 4.4247788, {0.012, -0.016}},
      // r + x x0 < 0 on a complex reference: rho > 1, shown as computed; extreme ratios.
      {{{10, -50}, {50, 50}, 100}, -3.5155494, -5.0815549, 322.2222222, {1 / 260.0, 1 / 52.0}},
      {{{5000, 0}, {50, 0}, 100}, 100, 0.1737236, 96.0788158, {0.0002, 0}},
      {{{0.001, 0}, {50, 0}, 100}, 50000, 0.0003474, 99.9920003, {1000, 0}}};
  for (const auto& [entries, swr, returnLoss, reflected, admittance] : kFigures) {
    const SwrFigures f = std::get<SwrFigures>(ComputeSwr(entries));
    EXPECT_NEAR(f.swr, swr, 1e-7 * std::fabs(swr)) << Text(entries);
    EXPECT_NEAR(*f.returnLossDb, returnLoss, 1e-7) << Text(entries);
    EXPECT_NEAR(f.reflectedPowerW, reflected, 1e-7) << Text(entries);
    EXPECT_LT(Abs(f.admittanceS - admittance), 1e-7 * Abs(admittance)) << Text(entries);
  }
  // rho = 1 (r + x x0 = 0, Gamma = -j) divides by zero; so do entries that overflow.
  EXPECT_THROW(ComputeSwr({{50, -50}, {50, 50}, 100}), ArithmeticFault);
  EXPECT_THROW(ComputeSwr({{1e200, 1e200}, {1e-200, 0}, 100}), ArithmeticFault);
}

TEST(Conversions, ShowTheResultAndTheForwardPower) {
  struct Case {
    std::string text, forwardPower;
    std::string_view expected, expectedForwardPower;
  };
  const auto shown = [](const auto& conversion, std::string_view text, std::string_view power) {
    return Case{ConversionText(conversion.outcome), ForwardPowerText(conversion.forwardPowerW),
                text, power};
  };
  const Case kRows[] = {
      // From a voltage; none; a negative resistance (pasted) gives a negative power, no dBm.
      shown(PowerFromVoltage({50, 0}, 100, Rms), "200.000W 53.010dBm 2.000A", "200.00"),
      shown(PowerFromVoltage({30, 40}, 100, PeakToPeak), "15.000W 41.761dBm 0.707A", "15.00"),
      shown(PowerFromVoltage({50, 0}, 141.42135623730951, Peak), "200.000W 53.010dBm 2.000A",
            "200.00"),
      shown(PowerFromVoltage({50, 0}, 0, Rms), kNoVoltage, "0.00"),
      shown(PowerFromVoltage({-50, 0}, 100, Rms), kNoDbm, "-200.00"),
      // From a power in W or dBm; none; a dBm entry so low the power underflows.
      shown(VoltageFromPower({50, 0}, 100, Watt), "70.711Vrms 100.000Vp 200.000Vpp 1.414A",
            "100.00"),
      shown(VoltageFromPower({50, 0}, 50, Dbm), "70.711Vrms 100.000Vp 200.000Vpp 1.414A", "100.00"),
      shown(VoltageFromPower({50, 0}, 0, Watt), kNoPower, "0.00"),
      shown(VoltageFromPower({50, 0}, -3, Watt), kNoPower, "-3.00"),
      shown(VoltageFromPower({50, 0}, -5000, Dbm), kNoVoltageFromPower, "0.00"),
      // Both ways on 75 + j20 ohm: 37 dBm is 5.012 W, 20 Vrms gives 4.979 W.
      shown(VoltageFromPower({75, 20}, 37, Dbm), "20.065Vrms 28.377Vp 56.754Vpp 0.259A", "5.01"),
      shown(PowerFromVoltage({75, 20}, 20, Rms), "4.979W 36.972dBm 0.258A", "4.98"),
      // From a current, whose sign does not count; none; a negative resistance.
      shown(PowerFromCurrent({50, 0}, 2), "200.000W 53.010dBm 100.0Vrms 141.4Vp 282.8Vpp",
            "200.00"),
      shown(PowerFromCurrent({50, 0}, -2), "200.000W 53.010dBm 100.0Vrms 141.4Vp 282.8Vpp",
            "200.00"),
      shown(PowerFromCurrent({30, 40}, 1), "30.000W 44.771dBm 50.0Vrms 70.7Vp 141.4Vpp", "30.00"),
      shown(PowerFromCurrent({50, 0}, 0), kNoCurrent, "0.00"),
      shown(PowerFromCurrent({-50, 0}, 2), kNoDbm, "-200.00")};
  for (const Case& row : kRows) {
    EXPECT_EQ(row.text, row.expected);
    EXPECT_EQ(row.forwardPower, row.expectedForwardPower) << row.text;
  }
  // An overflow, and a negative resistance with a real power, end the calculation.
  EXPECT_THROW(PowerFromVoltage({50, 0}, 1e200, Rms), ArithmeticFault);
  EXPECT_THROW(VoltageFromPower({-50, 0}, 100, Watt), ArithmeticFault);
}

}  // namespace
