#pragma once

#include <QRectF>
#include <QSize>
#include <array>
#include <utility>
#include <vector>

#include "app/sweep/plot_data.h"

class QChart;

namespace tolvar::app {

// The ranges a zoom shows, in the axes' own numbers (the logarithm of the SWR
// on a logarithmic axis): along the bottom, then up the left and the right.
struct PlotZoom {
  std::pair<double, double> mhz;
  std::vector<std::pair<double, double>> vertical;
};

struct ScaleOptions {
  bool logSwr = false;
  const PlotZoom* zoom = nullptr;  // none: the ranges that hold the curves
};

// Sets the ranges and ticks of a built chart's axes, as many ticks as `room`
// (the view's size) has space for: the zoom's ranges, or those that hold
// `values`, the points of the left and of the right curves as drawn. An axis
// is set only when it changes, since each change lays every curve out again.
void ScaleAxes(QChart* chart, QSize room, const PlotData& plot, const ScaleOptions& options,
               const std::array<std::vector<double>, 2>& values);

// The ranges of the axes over `area`, a rectangle of the plot area in the
// chart's coordinates.
PlotZoom ZoomInto(const QChart* chart, const QRectF& area);

}  // namespace tolvar::app
