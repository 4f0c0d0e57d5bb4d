#include "app/sweep/plot_chart.h"

#include <QCategoryAxis>
#include <QChart>
#include <QLegendMarker>
#include <QLineSeries>
#include <QScatterSeries>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>

#include "app/sweep/plot_colours.h"
#include "app/sweep/plot_scale.h"
#include "app/sweep/plot_view.h"

namespace tolvar::app {

namespace {

const QString kChosenName = QStringLiteral("chosen");
const QString kMarkerPrefix = QStringLiteral("marker: ");

// More points than the plot has pixels only cost time: a long sweep keeps,
// of each run of points, the lowest and the highest.
constexpr qsizetype kMostShown = 1000;

bool OnLogAxis(const PlotData& plot, const PlotCurve& curve, bool logSwr) {
  return logSwr && (curve.right ? plot.rightAxis : plot.leftAxis) == AxisKind::Swr;
}

// The points of a curve as its axis plots them: an SWR's logarithm on a
// logarithmic axis; points without a finite value are left out.
QList<QPointF> Points(const std::vector<double>& mhz,
                      const std::vector<std::optional<double>>& values, bool log) {
  QList<QPointF> all;
  for (std::size_t i = 0; i < mhz.size() && i < values.size(); ++i) {
    const double value = values[i] && log ? std::log10(*values[i]) : values[i].value_or(NAN);
    if (std::isfinite(value)) {
      all << QPointF(mhz[i], value);
    }
  }
  if (all.size() <= kMostShown) {
    return all;
  }
  const qsizetype run = (all.size() + kMostShown / 2 - 1) / (kMostShown / 2);
  QList<QPointF> kept;
  for (qsizetype start = 0; start < all.size(); start += run) {
    const auto begin = all.begin() + start;
    const auto end = all.begin() + std::min(start + run, all.size());
    const auto [low, high] = std::minmax_element(
        begin, end, [](const QPointF& a, const QPointF& b) { return a.y() < b.y(); });
    kept << (low < high ? *low : *high) << (low < high ? *high : *low);
  }
  return kept;
}

// The markers of one label on one curve: one scatter series.
struct MarkerSet {
  std::size_t curve;
  QString label;
  QList<QPointF> points;
};

std::vector<MarkerSet> MarkerSets(const PlotData& plot, bool logSwr) {
  std::vector<MarkerSet> sets;
  for (const PlotMarker& marker : plot.markers) {
    if (marker.curve >= plot.curves.size()) {
      continue;
    }
    const bool log = OnLogAxis(plot, plot.curves[marker.curve], logSwr);
    const QPointF at(marker.mhz, log ? std::log10(marker.value) : marker.value);
    auto set = std::find_if(sets.begin(), sets.end(), [&](const MarkerSet& s) {
      return s.curve == marker.curve && s.label == marker.label;
    });
    if (set == sets.end()) {
      set = sets.insert(sets.end(), MarkerSet{marker.curve, marker.label, {}});
    }
    if (std::isfinite(at.y())) {
      set->points << at;
    }
  }
  return sets;
}

// What the chart is built for: a change of any of it builds it anew.
QString ShapeOf(const PlotData& plot, const DrawOptions& options) {
  QStringList parts{plot.unit,
                    plot.rightUnit,
                    QString::number(static_cast<int>(plot.leftAxis)),
                    QString::number(static_cast<int>(plot.rightAxis)),
                    QString::number(static_cast<int>(options.logSwr)),
                    options.palette.color(QPalette::Window).name(),
                    options.palette.color(QPalette::WindowText).name()};
  for (const PlotCurve& curve : plot.curves) {
    parts << curve.name << QString::number(static_cast<int>(curve.role))
          << QString::number(static_cast<int>(curve.right));
  }
  for (const MarkerSet& set : MarkerSets(plot, options.logSwr)) {
    parts << set.label << QString::number(set.curve);
  }
  return parts.join(QLatin1Char('\n'));
}

void StyleAxis(QAbstractAxis* axis, const FrameColours& colours, bool grid) {
  axis->setLabelsColor(colours.text);
  axis->setTitleBrush(colours.text);
  axis->setLinePenColor(colours.axisLine);
  axis->setGridLineColor(colours.grid);
  axis->setGridLineVisible(grid);
  axis->setMinorGridLineVisible(false);
  axis->setShadesVisible(false);
}

// Adds a series on the bottom axis and `vertical`, out of the legend unless
// it is a curve.
void AddSeries(QChart* chart, QXYSeries* series, QAbstractAxis* vertical, bool inLegend) {
  chart->addSeries(series);
  series->attachAxis(chart->axes(Qt::Horizontal).front());
  series->attachAxis(vertical);
  chart->legend()->markers(series).front()->setVisible(inLegend);
}

// An empty chart on the window's background.
void ClearChart(PlotView* view, const FrameColours& colours) {
  QChart* chart = view->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  chart->setBackgroundBrush(colours.background);
  chart->legend()->setLabelColor(colours.text);
  chart->legend()->setAlignment(Qt::AlignBottom);
  chart->legend()->setShowToolTips(true);  // the whole name of a curve the row cuts short
  view->setBackgroundBrush(colours.background);
}

void Rebuild(PlotView* view, const PlotData& plot, const DrawOptions& options) {
  QChart* chart = view->chart();
  const FrameColours colours = FrameColoursOf(options.palette);
  const bool dark = IsDarkPalette(options.palette);
  ClearChart(view, colours);
  chart->legend()->show();
  auto* x = new QValueAxis;
  x->setTitleText(QStringLiteral("MHz"));
  StyleAxis(x, colours, true);
  chart->addAxis(x, Qt::AlignBottom);
  std::array<QValueAxis*, 2> y{};
  const auto axisOf = [&](bool right) {
    QValueAxis*& axis = y[right ? 1 : 0];
    if (axis == nullptr) {
      const bool log = options.logSwr && (right ? plot.rightAxis : plot.leftAxis) == AxisKind::Swr;
      axis = log ? new QCategoryAxis : new QValueAxis;
      axis->setTitleText(right ? plot.rightUnit : plot.unit);
      // One grid: the right axis's ticks need not meet the left's.
      StyleAxis(axis, colours, !right);
      chart->addAxis(axis, right ? Qt::AlignRight : Qt::AlignLeft);
    }
    return axis;
  };
  axisOf(false);
  for (const PlotCurve& curve : plot.curves) {
    auto* line = new QLineSeries;
    line->setName(curve.name);
    AddSeries(chart, line, axisOf(curve.right), true);
    line->setPen(QPen(RoleColour(curve.role, dark), 2));
  }
  auto* chosen = new QLineSeries;
  chosen->setName(kChosenName);
  AddSeries(chart, chosen, y[0], false);
  chosen->setPen(QPen(colours.chosen, 1, Qt::DashLine));
  for (const MarkerSet& set : MarkerSets(plot, options.logSwr)) {
    const PlotCurve& curve = plot.curves[set.curve];
    auto* markers = new QScatterSeries;
    markers->setName(kMarkerPrefix + set.label + QStringLiteral(" on ") + curve.name);
    AddSeries(chart, markers, axisOf(curve.right), false);
    constexpr double kMarkerSize = 9;
    markers->setMarkerSize(kMarkerSize);
    markers->setColor(RoleColour(curve.role, dark));
    markers->setBorderColor(colours.text);
    markers->setPointLabelsFormat(set.label);
    markers->setPointLabelsColor(colours.text);
    markers->setPointLabelsVisible(true);
  }
  view->setShape(ShapeOf(plot, options));
}

bool HasValues(const PlotData& plot) {
  return std::any_of(plot.curves.begin(), plot.curves.end(), [](const PlotCurve& curve) {
    return std::any_of(curve.values.begin(), curve.values.end(),
                       [](const auto& value) { return value && std::isfinite(*value); });
  });
}

}  // namespace

void DrawPlot(PlotView* view, const PlotData& plot, const DrawOptions& options) {
  QChart* chart = view->chart();
  if (!HasValues(plot)) {
    ClearChart(view, FrameColoursOf(options.palette));
    chart->legend()->hide();
    view->setShape({});
    view->setEmptyReason(plot.emptyReason);
    return;
  }
  view->setEmptyReason({});
  if (view->shape() != ShapeOf(plot, options)) {
    Rebuild(view, plot, options);
  }
  std::vector<QList<QPointF>> points;
  std::array<std::vector<double>, 2> values;
  for (const PlotCurve& curve : plot.curves) {
    points.push_back(Points(plot.mhz, curve.values, OnLogAxis(plot, curve, options.logSwr)));
    for (const QPointF& p : points.back()) {
      values[curve.right ? 1 : 0].push_back(p.y());
    }
  }
  ScaleAxes(chart, view->viewport()->size(), plot,
            {options.logSwr, options.zoom ? &*options.zoom : nullptr}, values);
  const QList<QAbstractSeries*> series = chart->series();
  for (std::size_t i = 0; i < points.size(); ++i) {
    static_cast<QXYSeries*>(series[static_cast<qsizetype>(i)])->replace(points[i]);
  }
  qsizetype next = static_cast<qsizetype>(points.size()) + 1;  // after the chosen line
  for (const MarkerSet& set : MarkerSets(plot, options.logSwr)) {
    static_cast<QXYSeries*>(series[next++])->replace(set.points);
  }
  DrawChosen(chart, options.chosenMhz);
}

void DrawChosen(QChart* chart, std::optional<double> mhz) {
  for (QAbstractSeries* series : chart->series()) {
    if (series->name() == kChosenName) {
      const auto* y = static_cast<const QValueAxis*>(series->attachedAxes().back());
      QList<QPointF> line;
      if (mhz) {
        line << QPointF(*mhz, y->min()) << QPointF(*mhz, y->max());
      }
      static_cast<QXYSeries*>(series)->replace(line);
    }
  }
}

std::vector<MarkerSpot> MarkerSpots(const PlotView* view) {
  std::vector<MarkerSpot> spots;
  QChart* chart = view->chart();
  for (QAbstractSeries* series : chart->series()) {
    if (series->name().startsWith(kMarkerPrefix)) {
      const auto* markers = static_cast<const QXYSeries*>(series);
      for (const QPointF& p : markers->points()) {
        const QPointF inScene = chart->mapToScene(chart->mapToPosition(p, series));
        spots.push_back({markers->pointLabelsFormat(), view->mapFromScene(inScene)});
      }
    }
  }
  return spots;
}

}  // namespace tolvar::app
