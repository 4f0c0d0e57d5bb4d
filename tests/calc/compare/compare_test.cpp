#include "calc/compare/compare.h"

#include <gtest/gtest.h>

#include "calc/messages.h"

#include "numeric/fault.h"

namespace {

using namespace tolvar::calc::compare;
using tolvar::calc::kNoComparedVoltage;
using tolvar::calc::kNoCurrent;

constexpr auto kPp = VoltageKind::PeakToPeak;
constexpr auto kPeak = VoltageKind::Peak;

TEST(CompareVoltages, WorkedExamples) {
  EXPECT_EQ(CompareVoltages({50, 0, 100}, {50, 0, 90}),
            "INPUT = 200.000 W 2.000 A\r\nOUTPUT = 162.000 W 1.800 A\r\n"
            "Insertion Loss = 0.915 dB\r\nFor 100 W PWR IN you get 81.000 W PWR OUT.");
  EXPECT_EQ(CompareVoltages({50, 0, 100, kPp}, {50, 0, 90, kPp}),
            "INPUT = 25.000 W 0.707 A\r\nOUTPUT = 20.250 W 0.636 A\r\n"
            "Insertion Loss = 0.915 dB\r\nFor 100 W PWR IN you get 81.000 W PWR OUT.");
  EXPECT_EQ(CompareVoltages({50, 30, 100}, {50, 0, 110, kPeak}),
            "INPUT = 147.059 W 1.715 A\r\nOUTPUT = 121.000 W 1.556 A\r\n"
            "Insertion Loss = 0.847 dB\r\nFor 100 W PWR IN you get 82.280 W PWR OUT.");
}

TEST(CompareVoltages, EqualPowersGainAndSigns) {
  EXPECT_EQ(CompareVoltages({50, 0, 100}, {50, 0, 100}),
            "INPUT = 200.000 W 2.000 A\r\nOUTPUT = 200.000 W 2.000 A\r\n"
            "Insertion Loss = 0.000 dB\r\nFor 100 W PWR IN you get 100.000 W PWR OUT.");
  EXPECT_EQ(CompareVoltages({50, 0, 100}, {50, 0, 200}),
            "INPUT = 200.000 W 2.000 A\r\nOUTPUT = 800.000 W 4.000 A\r\n"
            "Gain = 6.021 dB\r\nFor 100 W PWR IN you get 400.000 W PWR OUT.");
  // A negative voltage: the same powers, a negative current.
  EXPECT_EQ(CompareVoltages({50, 0, -100}, {50, 0, 90}).substr(0, 25), "INPUT = 200.000 W -2.000 ");
}

TEST(CompareVoltages, ReactiveImpedancesOnBothSides) {
  // |30 + j40| = |40 - j30| = 50 ohm: only the resistances take power.
  EXPECT_EQ(CompareVoltages({30, 40, 100}, {40, -30, 90}),
            "INPUT = 120.000 W 2.000 A\r\nOUTPUT = 129.600 W 1.800 A\r\n"
            "Gain = 0.334 dB\r\nFor 100 W PWR IN you get 108.000 W PWR OUT.");
  EXPECT_EQ(CompareCurrents({30, 40, 2}, {40, -30, 2}),
            "INPUT = 120.000 W 100.000 Vrms\r\nOUTPUT = 160.000 W 100.000 Vrms\r\n"
            "Gain = 1.249 dB\r\nFor 100 W PWR IN you get 133.333 W PWR OUT.");
}

TEST(CompareVoltages, NoPowerOnASide) {
  EXPECT_EQ(CompareVoltages({50, 0, 0}, {50, 0, 0}), kNoComparedVoltage);
  EXPECT_EQ(CompareVoltages({50, 0, 100}, {50, 0, 0}), kNoComparedVoltage);
  EXPECT_EQ(CompareVoltages({-50, 0, 100}, {50, 0, 90}), kNoComparedVoltage);
  EXPECT_EQ(CompareVoltages({50, 0, 100}, {-50, 10, 90}), kNoComparedVoltage);
}

TEST(CompareVoltages, VanishingImpedanceIsAFault) {
  // A resistance whose square underflows to 0 with no reactance divides by zero.
  EXPECT_THROW(CompareVoltages({1e-200, 0, 100}, {50, 0, 90}), tolvar::numeric::ArithmeticFault);
  EXPECT_THROW(CompareVoltages({50, 0, 1e200}, {50, 0, 90}), tolvar::numeric::ArithmeticFault);
}

TEST(CompareCurrents, WorkedExamples) {
  EXPECT_EQ(CompareCurrents({50, 0, 2}, {50, 0, 1.8}),
            "INPUT = 200.000 W 100.000 Vrms\r\nOUTPUT = 162.000 W 90.000 Vrms\r\n"
            "Insertion Loss = 0.915 dB\r\nFor 100 W PWR IN you get 81.000 W PWR OUT.");
  EXPECT_EQ(CompareCurrents({25, 25, 2}, {50, 0, 1.9}),
            "INPUT = 100.000 W 70.711 Vrms\r\nOUTPUT = 180.500 W 95.000 Vrms\r\n"
            "Gain = 2.565 dB\r\nFor 100 W PWR IN you get 180.500 W PWR OUT.");
}

TEST(CompareCurrents, SignsAndMissingCurrents) {
  EXPECT_EQ(CompareCurrents({50, 0, -2}, {50, 0, -1.8}), CompareCurrents({50, 0, 2}, {50, 0, 1.8}));
  EXPECT_EQ(CompareCurrents({50, 0, 0}, {50, 0, 0}), kNoCurrent);
  EXPECT_EQ(CompareCurrents({-50, 0, 2}, {50, 0, 1.8}), kNoCurrent);
}

}  // namespace
