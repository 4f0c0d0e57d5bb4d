#include "app/sweep/plot_scale.h"

#include <QCategoryAxis>
#include <QChart>
#include <QValueAxis>
#include <algorithm>
#include <cmath>

#include "app/controls/controls.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

// Room for one tick's label along the bottom and up the side, and what the
// labels, titles and legend take of the view [pixels]. From the view's size,
// not the plot area's, which a chart built anew has yet to lay out.
constexpr double kTickWidth = 90;
constexpr double kTickHeight = 32;
constexpr double kBesideArea = 150;
constexpr double kBelowArea = 140;

// Sets the axis's range and ticks when they change: each change lays every
// curve out again.
void SetScale(QValueAxis* axis, const AxisScale& scale) {
  if (axis->min() == scale.min && axis->max() == scale.max &&
      axis->tickInterval() == scale.tickInterval && axis->tickAnchor() == scale.tickAnchor) {
    return;
  }
  axis->setTickType(QValueAxis::TicksDynamic);
  axis->setTickAnchor(scale.tickAnchor);
  axis->setTickInterval(scale.tickInterval);
  axis->setLabelFormat(QStringLiteral("%.") + QString::number(scale.decimals) + QLatin1Char('f'));
  axis->setRange(scale.min, scale.max);
}

// A logarithmic SWR axis from 10^low to 10^high, labelled 1, 1.5, 2, 3, 5, 10 ...
void SetLogScale(QCategoryAxis* axis, double low, double high, int mostTicks) {
  QStringList labels;
  std::vector<double> at;
  for (const double swr : LogSwrLabels(std::pow(10.0, low), std::pow(10.0, high), mostTicks)) {
    labels << ToQString(numeric::ShortestText(swr));
    at.push_back(std::log10(swr));
  }
  if (axis->min() == low && axis->max() == high && axis->categoriesLabels() == labels) {
    return;
  }
  for (const QString& label : axis->categoriesLabels()) {
    axis->remove(label);
  }
  axis->setStartValue(low);
  for (std::size_t i = 0; i < at.size(); ++i) {
    axis->append(labels[static_cast<qsizetype>(i)], at[i]);
  }
  axis->setLabelsPosition(QCategoryAxis::AxisLabelsPositionOnValue);
  axis->setRange(low, high);
}

}  // namespace

void ScaleAxes(QChart* chart, QSize room, const PlotData& plot, const ScaleOptions& options,
               const std::array<std::vector<double>, 2>& values) {
  const int acrossTicks = std::max(2, static_cast<int>((room.width() - kBesideArea) / kTickWidth));
  const int upTicks = std::max(2, static_cast<int>((room.height() - kBelowArea) / kTickHeight));
  const auto vertical = chart->axes(Qt::Vertical);
  const auto verticalCount = static_cast<std::size_t>(vertical.size());
  const PlotZoom* zoom = options.zoom != nullptr && options.zoom->vertical.size() == verticalCount
                             ? options.zoom
                             : nullptr;
  auto* x = static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
  SetScale(x, zoom != nullptr ? TicksWithin(zoom->mhz.first, zoom->mhz.second, acrossTicks)
                              : FitAxis(AxisKind::Frequency, plot.mhz, acrossTicks));
  for (std::size_t side = 0; side < verticalCount; ++side) {
    const auto* zoomed = zoom != nullptr ? &zoom->vertical[side] : nullptr;
    QAbstractAxis* axis = vertical[static_cast<qsizetype>(side)];
    if (auto* log = qobject_cast<QCategoryAxis*>(axis)) {
      const auto highest = std::max_element(values[side].begin(), values[side].end());
      const double top =
          std::log10(LogSwrTop(highest == values[side].end() ? 1 : std::pow(10.0, *highest)));
      SetLogScale(log, zoomed != nullptr ? zoomed->first : 0,
                  zoomed != nullptr ? zoomed->second : top, upTicks);
    } else {
      SetScale(static_cast<QValueAxis*>(axis),
               zoomed != nullptr
                   ? TicksWithin(zoomed->first, zoomed->second, upTicks)
                   : FitAxis(side == 0 ? plot.leftAxis : plot.rightAxis, values[side], upTicks));
    }
  }
}

PlotZoom ZoomInto(const QChart* chart, const QRectF& area) {
  const QRectF plotArea = chart->plotArea();
  const auto across = [](const QAbstractAxis* axis, double from, double to) {
    const auto* values = static_cast<const QValueAxis*>(axis);
    const double span = values->max() - values->min();
    return std::pair(values->min() + from * span, values->min() + to * span);
  };
  PlotZoom zoom;
  zoom.mhz = across(chart->axes(Qt::Horizontal).front(),
                    (area.left() - plotArea.left()) / plotArea.width(),
                    (area.right() - plotArea.left()) / plotArea.width());
  for (const QAbstractAxis* axis : chart->axes(Qt::Vertical)) {
    zoom.vertical.push_back(across(axis, (plotArea.bottom() - area.bottom()) / plotArea.height(),
                                   (plotArea.bottom() - area.top()) / plotArea.height()));
  }
  return zoom;
}

}  // namespace tolvar::app
