#pragma once

#include <vector>

// The ranges and ticks of the sweep plot's axes, on plain numbers: a reader
// finds a tick at 1, 2, 2.5 or 5 times a power of ten, and an axis starts
// where its quantity does (an SWR at 1, a loss at 0).
namespace tolvar::app {

// What an axis shows, which sets where it may start.
enum class AxisKind {
  Frequency,  // MHz: exactly the band swept
  Swr,        // from 1, where a match is
  Loss,       // dB of loss, from 0 (lower only for a measured gain)
  Free,       // either sign: ohm, dB of return loss
};

// A value axis: its range, and ticks at tickAnchor + k * tickInterval
// labelled with `decimals` digits after the point.
struct AxisScale {
  double min = 0;
  double max = 1;
  double tickAnchor = 0;
  double tickInterval = 1;
  int decimals = 0;
};

// The axis of `kind` that holds `values` (those not finite left out) with at
// most `mostTicks` tick intervals. An SWR axis leaves out a few huge values
// (a tenth of the points at most, ten times the rest or more) so the others
// keep their detail; the logarithmic axis shows them.
AxisScale FitAxis(AxisKind kind, std::vector<double> values, int mostTicks);

// Ticks for a range the user chose, which stays as it is.
AxisScale TicksWithin(double min, double max, int mostTicks);

// The SWRs a logarithmic SWR axis labels from `low` to `high`: 1, 1.5, 2, 3
// and 5 times the powers of ten, fewer of them where they would crowd, at
// most mostTicks + 1 labels.
std::vector<double> LogSwrLabels(double low, double high, int mostTicks);

// The top of a logarithmic SWR axis that holds `highestSwr`: the first
// 1, 1.5, 2, 3 or 5 times a power of ten above it, 1.5 at least.
double LogSwrTop(double highestSwr);

}  // namespace tolvar::app
