#include "app/sweep/plot_axes.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <span>

namespace tolvar::app {

namespace {

// Rounding a range to whole ticks must not take a step for the last bits of
// a sum: 0.1 + 0.2 is a tick, not a hair above one.
constexpr double kTickTolerance = 1e-9;
// Past this an axis's span and margins would overflow: larger values (R and X
// of a file on a reference near 1e308 ohm) lie beyond its ends.
constexpr double kLargestOnAxis = 1e307;

// The interval after `interval` in 1, 2, 2.5, 5, 10, 20, ...
double NextInterval(double interval) {
  const double power = std::pow(10.0, std::floor(std::log10(interval) + kTickTolerance));
  for (const double mantissa : {2.0, 2.5, 5.0, 10.0}) {
    if (mantissa * power > interval * (1 + kTickTolerance)) {
      return mantissa * power;
    }
  }
  return 10 * power;
}

// The smallest interval of 1, 2, 2.5 or 5 times a power of ten that cuts
// `span` into at most mostTicks pieces.
double NiceInterval(double span, int mostTicks) {
  double interval = std::pow(10.0, std::floor(std::log10(span / mostTicks)));
  while (span / interval > mostTicks * (1 + kTickTolerance)) {
    interval = NextInterval(interval);
  }
  return interval;
}

// Enough digits to tell the ticks apart: 0.25 needs two, 25 none.
int DecimalsOf(double interval) {
  const double exponent = std::floor(std::log10(interval) + kTickTolerance);
  const double mantissa = interval / std::pow(10.0, exponent);
  const int quarter = std::fabs(mantissa - 2.5) < 0.01 ? 1 : 0;
  return std::max(0, quarter - static_cast<int>(exponent));
}

AxisScale Scale(double min, double max, double interval) {
  return {min, max, std::ceil(min / interval - kTickTolerance) * interval, interval,
          DecimalsOf(interval)};
}

// The highest of the sorted SWRs once a few huge ones are left out.
double TopOfMost(std::span<const double> sorted) {
  constexpr std::size_t kFewestForOutliers = 10;  // with fewer, each point counts
  constexpr double kHuge = 10;
  if (sorted.size() < kFewestForOutliers) {
    return sorted.back();
  }
  const double restTop = sorted[(sorted.size() - 1) * 9 / 10];
  return *(std::upper_bound(sorted.begin(), sorted.end(), kHuge * restTop) - 1);
}

}  // namespace

AxisScale TicksWithin(double min, double max, int mostTicks) {
  mostTicks = std::max(mostTicks, 1);
  // One value, or two so close that a tick would underflow (two frequencies a
  // hair above 0 Hz, where the search for an interval never ends): a unit
  // around the first, or a billionth of it where a unit is lost in its digits.
  if (!((max - min) / mostTicks >= std::numeric_limits<double>::min())) {
    const double room = std::max(0.5, std::fabs(min) * kTickTolerance);
    return TicksWithin(min - room, min + room, mostTicks);
  }
  return Scale(min, max, NiceInterval(max - min, mostTicks));
}

AxisScale FitAxis(AxisKind kind, std::vector<double> values, int mostTicks) {
  std::erase_if(values, [](double value) { return !std::isfinite(value); });
  for (double& value : values) {
    value = std::clamp(value, -kLargestOnAxis, kLargestOnAxis);
  }
  mostTicks = std::max(mostTicks, 1);
  if (values.empty()) {
    const double start = kind == AxisKind::Swr ? 1 : 0;
    return TicksWithin(start, start + 1, mostTicks);
  }
  std::sort(values.begin(), values.end());
  double low = values.front();
  double high = kind == AxisKind::Swr ? TopOfMost(values) : values.back();
  if (kind == AxisKind::Frequency) {
    // One frequency: a kilohertz either side of it.
    return high > low ? TicksWithin(low, high, mostTicks)
                      : TicksWithin(low - 1e-3, low + 1e-3, mostTicks);
  }
  if (kind == AxisKind::Swr) {
    low = 1;
    high = std::max(high, 1.0);
  } else if (kind == AxisKind::Loss) {
    low = std::min(low, 0.0);
  }
  const bool fromStart = kind == AxisKind::Swr || (kind == AxisKind::Loss && low == 0);
  if (high - low <= kTickTolerance * std::max(1.0, std::fabs(high))) {
    // Every value the same: room around it, above only when the axis starts there.
    const double room = std::max(std::fabs(high) * 0.05, 0.5);
    low -= fromStart ? 0 : room;
    high += room;
  }
  const double margin = (high - low) * 0.05;
  const double bottom = fromStart ? low : low - margin;
  const double top = high + margin;
  double interval = NiceInterval(top - bottom, mostTicks);
  // Rounding out to whole ticks adds two at most: a few wider steps fit.
  constexpr int kMostWidenings = 8;
  for (int widening = 0;; ++widening) {
    const double min =
        fromStart ? bottom : std::floor(bottom / interval + kTickTolerance) * interval;
    const double max = std::ceil(top / interval - kTickTolerance) * interval;
    if ((max - min) / interval <= mostTicks * (1 + kTickTolerance) || widening == kMostWidenings) {
      return Scale(min, max, interval);
    }
    interval = NextInterval(interval);
  }
}

namespace {

// The steps of a logarithmic SWR axis in a decade, finest first.
constexpr std::array kFineSteps{1.0, 1.5, 2.0, 3.0, 5.0};
constexpr std::array kMediumSteps{1.0, 2.0, 5.0};
constexpr std::array kCoarseSteps{1.0};
constexpr std::array<std::span<const double>, 3> kLogSteps{std::span<const double>(kFineSteps),
                                                           std::span<const double>(kMediumSteps),
                                                           std::span<const double>(kCoarseSteps)};

}  // namespace

std::vector<double> LogSwrLabels(double low, double high, int mostTicks) {
  if (!(low > 0) || !(high >= low) || !std::isfinite(high)) {
    return {};
  }
  const auto fewest = static_cast<std::size_t>(std::max(mostTicks, 1)) + 1;
  const int firstDecade = static_cast<int>(std::floor(std::log10(low)));
  const int lastDecade = static_cast<int>(std::ceil(std::log10(high)));
  std::vector<double> labels;
  for (const std::span<const double> steps : kLogSteps) {
    labels.clear();
    for (int decade = firstDecade; decade <= lastDecade; ++decade) {
      for (const double step : steps) {
        const double value = step * std::pow(10.0, decade);
        if (value >= low * (1 - kTickTolerance) && value <= high * (1 + kTickTolerance)) {
          labels.push_back(value);
        }
      }
    }
    if (labels.size() <= fewest) {
      return labels;
    }
  }
  // Decades too many for a label each: every so many of them.
  const std::size_t every = (labels.size() + fewest - 1) / fewest;
  std::vector<double> thinned;
  for (std::size_t i = 0; i < labels.size(); i += every) {
    thinned.push_back(labels[i]);
  }
  return thinned;
}

double LogSwrTop(double highestSwr) {
  constexpr double kLowestTop = 1.5;
  if (!(highestSwr > kLowestTop) || !std::isfinite(highestSwr)) {
    return kLowestTop;
  }
  const double power = std::pow(10.0, std::floor(std::log10(highestSwr)));
  for (const double step : kFineSteps) {
    if (step * power >= highestSwr * (1 - kTickTolerance)) {
      return step * power;
    }
  }
  return 10 * power;
}

}  // namespace tolvar::app
