// The sweep plot's axes on plain numbers: ticks a reader can count on (1, 2,
// 2.5 or 5 times a power of ten), an SWR from 1, a loss from 0, a band from
// its first to its last frequency, and readable labels on a logarithmic SWR.
#include "app/sweep/plot_axes.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <string>
#include <vector>

namespace {

using tolvar::app::AxisKind;
using tolvar::app::AxisScale;
using tolvar::app::FitAxis;

struct AxisCase {
  const char* name;
  AxisKind kind;
  std::vector<double> values;
  int mostTicks;
  double min, max, interval;
  int decimals;
};

// 100 SWRs from 1 to 3 and three points where the analyser saw an open.
std::vector<double> MostlyLowSwr() {
  std::vector<double> values;
  for (int i = 0; i < 100; ++i) values.push_back(1 + 2 * i / 99.0);
  values.insert(values.end(), {4000, 3500, 3900});
  return values;
}

constexpr double kNan = std::numeric_limits<double>::quiet_NaN();
constexpr double kInf = std::numeric_limits<double>::infinity();

const AxisCase kAxes[] = {
    {"HfBand", AxisKind::Frequency, {1, 12.5, 30}, 10, 1, 30, 5, 0},
    {"FortyMetres", AxisKind::Frequency, {6.8, 7.1, 7.4}, 10, 6.8, 7.4, 0.1, 1},
    {"QuarterTicks", AxisKind::Frequency, {7, 9.5}, 10, 7, 9.5, 0.25, 2},
    {"OneFrequency", AxisKind::Frequency, {7.1}, 10, 7.099, 7.101, 0.0002, 4},
    // Closer than a tick can be cut (a tenth of the span underflows): a unit around the first.
    {"FrequenciesAHairApart", AxisKind::Frequency, {0, 3e-323}, 10, -0.5, 0.5, 0.1, 1},
    // A kilohertz, and a unit, lost in the digits of 1e16 MHz: a billionth of it either side.
    {"FrequencyPastItsDigits", AxisKind::Frequency, {1e16}, 10, 1e16 - 1e7, 1e16 + 1e7, 2e6, 0},
    {"SwrNearMatch", AxisKind::Swr, {1.02, 2, 3.7}, 8, 1, 4, 0.5, 1},
    {"SwrWithAFewHuge", AxisKind::Swr, MostlyLowSwr(), 8, 1, 3.5, 0.5, 1},
    {"SwrHugeEverywhere", AxisKind::Swr, {1, 10, 100, 1000, 4000}, 8, 1, 5000, 1000, 0},
    {"SwrAllMatched", AxisKind::Swr, {1, 1, 1}, 8, 1, 1.6, 0.1, 1},
    {"SmallLoss", AxisKind::Loss, {0.001, 0.02}, 8, 0, 0.025, 0.005, 3},
    {"LossWithGain", AxisKind::Loss, {-0.05, 0.3}, 8, -0.1, 0.4, 0.1, 1},
    {"LossNotFiniteLeftOut", AxisKind::Loss, {kNan, kInf, 0.5}, 8, 0, 0.6, 0.1, 1},
    {"OhmsAllEqual", AxisKind::Free, {50, 50, 50}, 8, 47, 53, 1, 0},
    {"OhmsEitherSide", AxisKind::Free, {-120, 35}, 8, -150, 50, 25, 0},
    {"SwrNoValues", AxisKind::Swr, {}, 8, 1, 2, 0.2, 1},
};

class AxisRows : public ::testing::TestWithParam<AxisCase> {};

// 1, 2, 2.5 or 5 times a power of ten.
bool NiceInterval(double interval) {
  const double mantissa = interval / std::pow(10.0, std::floor(std::log10(interval) + 1e-9));
  for (const double nice : {1.0, 2.0, 2.5, 5.0}) {
    if (std::fabs(mantissa - nice) < 1e-6) return true;
  }
  return false;
}

TEST_P(AxisRows, HoldsTheValuesWithNiceTicks) {
  const AxisCase& c = GetParam();
  const AxisScale scale = FitAxis(c.kind, c.values, c.mostTicks);
  EXPECT_NEAR(scale.min, c.min, 1e-9);
  EXPECT_NEAR(scale.max, c.max, 1e-9);
  EXPECT_NEAR(scale.tickInterval, c.interval, 1e-12);
  EXPECT_EQ(scale.decimals, c.decimals);
  // The first tick is the first multiple of the interval in the range, and
  // no more ticks than asked for.
  EXPECT_TRUE(NiceInterval(scale.tickInterval));
  const double ticksToAnchor = scale.tickAnchor / scale.tickInterval;
  EXPECT_NEAR(ticksToAnchor, std::round(ticksToAnchor), 1e-6);
  EXPECT_GE(scale.tickAnchor, scale.min - 1e-9);
  EXPECT_LT(scale.tickAnchor - scale.tickInterval, scale.min);
  EXPECT_LE((scale.max - scale.min) / scale.tickInterval, c.mostTicks + 1e-6);
}

INSTANTIATE_TEST_SUITE_P(Axes, AxisRows, ::testing::ValuesIn(kAxes),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(AxisRange, ValuesNearTheLargestDoubleGiveAFiniteAxis) {
  // R and X of a file on a reference near 1e308 ohm: the span overflows.
  for (const AxisKind kind : {AxisKind::Free, AxisKind::Loss, AxisKind::Swr}) {
    const AxisScale scale = FitAxis(kind, {-1.7e308, 1.39e308, 1.7e308}, 8);
    EXPECT_TRUE(std::isfinite(scale.min) && std::isfinite(scale.max) &&
                std::isfinite(scale.tickAnchor) && scale.tickInterval > 0 &&
                std::isfinite(scale.tickInterval) && scale.max > scale.min)
        << scale.min << ' ' << scale.max << ' ' << scale.tickInterval;
    EXPECT_LE((scale.max - scale.min) / scale.tickInterval, 8 + 1e-6);
  }
}

TEST(AxisRange, AZoomKeepsItsRangeWithTicksInside) {
  const AxisScale zoomed = tolvar::app::TicksWithin(7.013, 7.187, 10);
  EXPECT_EQ(zoomed.min, 7.013);
  EXPECT_EQ(zoomed.max, 7.187);
  EXPECT_NEAR(zoomed.tickInterval, 0.02, 1e-12);
  EXPECT_NEAR(zoomed.tickAnchor, 7.02, 1e-9);
  EXPECT_EQ(zoomed.decimals, 2);
  // A range of one value: a unit around it.
  const AxisScale one = tolvar::app::TicksWithin(7.1, 7.1, 10);
  EXPECT_NEAR(one.min, 6.6, 1e-12);
  EXPECT_NEAR(one.max, 7.6, 1e-12);
}

struct LogCase {
  const char* name;
  double low, high;
  int mostTicks;
  std::vector<double> labels;
};

const LogCase kLogs[] = {
    {"NearMatch", 1, 5, 8, {1, 1.5, 2, 3, 5}},
    {"BarelyAbove", 1, 1.5, 8, {1, 1.5}},
    {"Zoomed", 2.2, 40, 8, {3, 5, 10, 15, 20, 30}},
    {"FourDecadesRoomy", 1, 5000, 12, {1, 2, 5, 10, 20, 50, 100, 200, 500, 1000, 2000, 5000}},
    {"FourDecadesTight", 1, 5000, 8, {1, 10, 100, 1000}},
    {"ManyDecades", 1, 1e12, 3, {1, 1e4, 1e8, 1e12}},
    {"ElevenDecades", 1, 1e11, 3, {1, 1e3, 1e6, 1e9}},
    {"NoRange", 0, 5, 8, {}},
};

class LogRows : public ::testing::TestWithParam<LogCase> {};

TEST_P(LogRows, LabelsReadableSwrs) {
  const LogCase& c = GetParam();
  const std::vector<double> labels = tolvar::app::LogSwrLabels(c.low, c.high, c.mostTicks);
  ASSERT_EQ(labels.size(), c.labels.size());
  for (std::size_t i = 0; i < labels.size(); ++i) {
    EXPECT_NEAR(labels[i], c.labels[i], c.labels[i] * 1e-12) << i;
  }
}

INSTANTIATE_TEST_SUITE_P(Axes, LogRows, ::testing::ValuesIn(kLogs),
                         [](const auto& row) { return std::string(row.param.name); });

TEST(LogSwrTop, IsTheFirstLabelAtOrAboveTheHighest) {
  const std::pair<double, double> rows[] = {{3.7, 5},     {1, 1.5},    {12, 15},
                                            {4000, 5000}, {5, 5},      {1000, 1000},
                                            {kInf, 1.5},  {kNan, 1.5}, {1.6, 2}};
  for (const auto& [highest, top] : rows) {
    EXPECT_NEAR(tolvar::app::LogSwrTop(highest), top, top * 1e-12) << highest;
  }
}

}  // namespace
