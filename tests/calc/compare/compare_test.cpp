#include "calc/compare/compare.h"

#include <gtest/gtest.h>

#include "calc/messages.h"
#include "numeric/fault.h"

namespace {

using namespace tolvar::calc::compare;
using enum VoltageKind;
using Row = std::pair<std::string, std::string>;  // what is shown, what should be

std::string Text(const tolvar::calc::Outcome<ComparisonFigures>& outcome) {
  return ComparisonText(outcome);
}

// The four lines of a result from what they show.
std::string Result(const char* in, const char* out, const char* verdict, const char* per100W) {
  return std::string("INPUT = ") + in + "\r\nOUTPUT = " + out + "\r\n" + verdict +
         " dB\r\nFor 100 W PWR IN you get " + per100W + " W PWR OUT.";
}

TEST(Compare, ShowsPowersAndTheLossOrGain) {
  const std::string noVoltage(tolvar::calc::kNoComparedVoltage);
  const std::string noCurrent(tolvar::calc::kNoCurrent);
  const std::string loss = "Insertion Loss = 0.915";
  const Row kRows[] = {
      // Equal powers read as a loss; |30 + j40| = |40 - j30| = 50 ohm, only R takes power.
      Row{Text(CompareVoltages({{50, 0}, 100}, {{50, 0}, 90})),
          Result("200.000 W 2.000 A", "162.000 W 1.800 A", loss.c_str(), "81.000")},
      Row{Text(CompareVoltages({{50, 0}, 100, PeakToPeak}, {{50, 0}, 90, PeakToPeak})),
          Result("25.000 W 0.707 A", "20.250 W 0.636 A", loss.c_str(), "81.000")},
      Row{Text(CompareVoltages({{50, 30}, 100}, {{50, 0}, 110, Peak})),
          Result("147.059 W 1.715 A", "121.000 W 1.556 A", "Insertion Loss = 0.847", "82.280")},
      Row{Text(CompareVoltages({{50, 0}, 100}, {{50, 0}, 100})),
          Result("200.000 W 2.000 A", "200.000 W 2.000 A", "Insertion Loss = 0.000", "100.000")},
      Row{Text(CompareVoltages({{50, 0}, 100}, {{50, 0}, 200})),
          Result("200.000 W 2.000 A", "800.000 W 4.000 A", "Gain = 6.021", "400.000")},
      Row{Text(CompareVoltages({{30, 40}, 100}, {{40, -30}, 90})),
          Result("120.000 W 2.000 A", "129.600 W 1.800 A", "Gain = 0.334", "108.000")},
      Row{Text(CompareVoltages({{50, 0}, -100}, {{50, 0}, 90})),
          Result("200.000 W -2.000 A", "162.000 W 1.800 A", loss.c_str(), "81.000")},
      // From currents, whose sign does not count.
      Row{Text(CompareCurrents({{50, 0}, 2}, {{50, 0}, 1.8})),
          Result("200.000 W 100.000 Vrms", "162.000 W 90.000 Vrms", loss.c_str(), "81.000")},
      Row{Text(CompareCurrents({{50, 0}, -2}, {{50, 0}, -1.8})),
          Text(CompareCurrents({{50, 0}, 2}, {{50, 0}, 1.8}))},
      Row{Text(CompareCurrents({{30, 40}, 2}, {{40, -30}, 2})),
          Result("120.000 W 100.000 Vrms", "160.000 W 100.000 Vrms", "Gain = 1.249", "133.333")},
      // No power on a side: none, or from a negative resistance.
      Row{Text(CompareVoltages({{50, 0}, 0}, {{50, 0}, 0})), noVoltage},
      Row{Text(CompareVoltages({{50, 0}, 100}, {{50, 0}, 0})), noVoltage},
      Row{Text(CompareVoltages({{50, 0}, 0}, {{50, 0}, 90})), noVoltage},
      Row{Text(CompareVoltages({{-50, 0}, 100}, {{50, 0}, 90})), noVoltage},
      Row{Text(CompareVoltages({{50, 0}, 100}, {{-50, 10}, 90})), noVoltage},
      Row{Text(CompareCurrents({{50, 0}, 0}, {{50, 0}, 0})), noCurrent},
      Row{Text(CompareCurrents({{50, 0}, 0}, {{50, 0}, 1.8})), noCurrent},
      Row{Text(CompareCurrents({{-50, 0}, 2}, {{50, 0}, 1.8})), noCurrent}};
  for (const auto& [shown, expected] : kRows) EXPECT_EQ(shown, expected);
  // A resistance whose square underflows to 0 divides by zero; a power overflows.
  EXPECT_THROW((CompareVoltages({{1e-200, 0}, 100}, {{50, 0}, 90})),
               tolvar::numeric::ArithmeticFault);
  EXPECT_THROW((CompareVoltages({{50, 0}, 1e200}, {{50, 0}, 90})),
               tolvar::numeric::ArithmeticFault);
}

}  // namespace
