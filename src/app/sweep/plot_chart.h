#pragma once

#include <QPalette>
#include <QPointF>
#include <QString>
#include <optional>
#include <vector>

#include "app/sweep/plot_data.h"
#include "app/sweep/plot_scale.h"

class QChart;

namespace tolvar::app {

class PlotView;

// How a plot is drawn, besides its data.
struct DrawOptions {
  QPalette palette;
  bool logSwr = false;
  std::optional<PlotZoom> zoom;
  std::optional<double> chosenMhz;
};

// A marker as drawn: its label, and where it is in the view's pixels.
struct MarkerSpot {
  QString label;
  QPointF at;
};

// Draws the plot in the view: its curves coloured by role, MHz along the
// bottom, the left unit's axis and the right one's (if any), only the left
// and bottom axes drawing grid lines, the markers with their labels, and the
// chosen frequency's dashed line. The chart is built anew only when its
// curves, axes or colours change; otherwise the curves take their new points.
// A plot without a value to draw shows why, without axes or legend.
void DrawPlot(PlotView* view, const PlotData& plot, const DrawOptions& options);
// Moves the dashed line of the chosen frequency; none hides it.
void DrawChosen(QChart* chart, std::optional<double> mhz);
// The markers the view draws.
std::vector<MarkerSpot> MarkerSpots(const PlotView* view);

}  // namespace tolvar::app
