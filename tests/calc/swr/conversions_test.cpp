#include "calc/swr/conversions.h"

#include <gtest/gtest.h>

#include "calc/messages.h"

#include <cmath>

#include "numeric/entry_value.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace {

using namespace tolvar::calc::swr;
using namespace tolvar::calc;

TEST(PowerFromVoltage, WorkedExamples) {
  const Conversion rms = PowerFromVoltage(50, 0, 100, VoltageKind::Rms);
  EXPECT_EQ(rms.text, "200.000W 53.010dBm 2.000A");
  EXPECT_EQ(rms.forwardPower, "200.00");
  EXPECT_EQ(PowerFromVoltage(30, 40, 100, VoltageKind::PeakToPeak).text,
            "15.000W 41.761dBm 0.707A");
  EXPECT_EQ(PowerFromVoltage(50, 0, 141.42135623730951, VoltageKind::Peak).text,
            "200.000W 53.010dBm 2.000A");
}

TEST(PowerFromVoltage, ZeroVoltageAndNegativeResistance) {
  const Conversion none = PowerFromVoltage(50, 0, 0, VoltageKind::Rms);
  EXPECT_EQ(none.text, kNoVoltage);
  EXPECT_EQ(none.forwardPower, "0.00");
  // A pasted negative resistance gives a negative power: no dBm to show.
  const Conversion negative = PowerFromVoltage(-50, 0, 100, VoltageKind::Rms);
  EXPECT_EQ(negative.text, kNoDbm);
  EXPECT_EQ(negative.forwardPower, "-200.00");
  EXPECT_THROW(PowerFromVoltage(50, 0, 1e200, VoltageKind::Rms), tolvar::numeric::ArithmeticFault);
}

TEST(VoltageFromPower, WorkedExamples) {
  const Conversion watts = VoltageFromPower(50, 0, 100, PowerUnit::Watt);
  EXPECT_EQ(watts.text, "70.711Vrms 100.000Vp 200.000Vpp 1.414A");
  EXPECT_EQ(watts.forwardPower, "100.00");
  const Conversion dbm = VoltageFromPower(50, 0, 50, PowerUnit::Dbm);
  EXPECT_EQ(dbm.text, watts.text);
  EXPECT_EQ(dbm.forwardPower, "100.00");
}

TEST(VoltageFromPower, PowerThatIsNotAbove0) {
  const Conversion empty = VoltageFromPower(50, 0, 0, PowerUnit::Watt);
  EXPECT_EQ(empty.text, kNoPower);
  EXPECT_EQ(empty.forwardPower, "0.00");
  EXPECT_EQ(VoltageFromPower(50, 0, -3, PowerUnit::Watt).text, kNoPower);
  // So low a dBm entry that the power underflows to 0: no voltage, no stale one.
  const Conversion underflow = VoltageFromPower(50, 0, -5000, PowerUnit::Dbm);
  EXPECT_EQ(underflow.text, kNoVoltageFromPower);
  EXPECT_EQ(underflow.forwardPower, "0.00");
  // A negative resistance with a real power has no voltage: a fault.
  EXPECT_THROW(VoltageFromPower(-50, 0, 100, PowerUnit::Watt), tolvar::numeric::ArithmeticFault);
}

TEST(PowerFromCurrent, WorkedExampleAndChecks) {
  const Conversion two = PowerFromCurrent(50, 0, 2);
  EXPECT_EQ(two.text, "200.000W 53.010dBm 100.0Vrms 141.4Vp 282.8Vpp");
  EXPECT_EQ(two.forwardPower, "200.00");
  EXPECT_EQ(PowerFromCurrent(30, 40, 1).text, "30.000W 44.771dBm 50.0Vrms 70.7Vp 141.4Vpp");
  EXPECT_EQ(PowerFromCurrent(50, 0, 0).text, kNoCurrent);
  const Conversion negative = PowerFromCurrent(-50, 0, 2);
  EXPECT_EQ(negative.text, kNoDbm);
  EXPECT_EQ(negative.forwardPower, "-200.00");
  EXPECT_EQ(PowerFromCurrent(50, 0, -2).text, two.text);
}

TEST(Conversions, DbmRoundTripsThroughTheVoltage) {
  for (const double dbm : {-20.0, 0.0, 13.0, 37.0, 60.0}) {
    const Conversion v = VoltageFromPower(75, 20, dbm, PowerUnit::Dbm);
    const double volts = tolvar::numeric::ReadEntryValue(v.text);  // starts with the RMS voltage
    const double exact = std::sqrt((75.0 * 75 + 20 * 20) * std::pow(10.0, (dbm - 30) / 10) / 75);
    EXPECT_NEAR(volts, exact, 0.0005);
    const Conversion p = PowerFromVoltage(75, 20, exact, VoltageKind::Rms);
    EXPECT_NE(p.text.find(tolvar::numeric::FormatFixed(dbm, 3) + "dBm"), std::string::npos)
        << p.text;
  }
}

}  // namespace
