#include "app/sweep/sweep_plot.h"

#include <QAction>
#include <QChart>
#include <QChartView>
#include <QLabel>
#include <QLegendMarker>
#include <QLineSeries>
#include <QMouseEvent>
#include <QTabWidget>
#include <QVBoxLayout>
#include <QValueAxis>
#include <algorithm>
#include <array>
#include <cmath>
#include <limits>

#include "app/controls/save_png.h"
#include "app/controls/controls.h"
#include "app/measurement/measurement_window.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

// More points than the plot has pixels only cost time: a long sweep keeps,
// of each run of points, the lowest and the highest.
constexpr qsizetype kMostShown = 1000;

QList<QPointF> Points(const std::vector<double>& mhz,
                      const std::vector<std::optional<double>>& values) {
  QList<QPointF> all;
  for (std::size_t i = 0; i < mhz.size() && i < values.size(); ++i) {
    if (values[i] && std::isfinite(*values[i])) {
      all << QPointF(mhz[i], *values[i]);
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

bool IsDark(const QPalette& palette) { return palette.color(QPalette::Window).lightness() < 128; }

QValueAxis* Axis(QChart* chart, Qt::Orientation orientation) {
  const auto axes = chart->axes(orientation);
  return axes.isEmpty() ? nullptr : qobject_cast<QValueAxis*>(axes.front());
}

}  // namespace

SweepPlot::SweepPlot(QWidget* parent)
    : QWidget(parent, Qt::Window), tabs_(new QTabWidget(this)), readout_(new QLabel(this)) {
  setObjectName(QStringLiteral("SweepPlot"));
  setWindowTitle(QStringLiteral("Tolvar 3.1 \u2013 sweep"));
  constexpr QSize kDefaultSize(720, 480);
  resize(kDefaultSize);
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(readout_);
  auto* save = new QAction(QStringLiteral("Save as PNG\u2026"), this);
  save->setShortcut(QKeySequence::Save);
  connect(save, &QAction::triggered, this, &SweepPlot::saveWithDialog);
  addAction(save);
  setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(tabs_, &QTabWidget::currentChanged, this, [this] {
    readout_->clear();
    fillShown();
  });
}

QChartView* SweepPlot::viewOf(const QString& title) {
  for (int i = 0; i < tabs_->count(); ++i) {
    if (tabs_->tabText(i) == title) {
      return static_cast<QChartView*>(tabs_->widget(i));
    }
  }
  auto* view = new QChartView(new QChart);
  view->setRenderHint(QPainter::Antialiasing);
  view->chart()->legend()->setAlignment(Qt::AlignBottom);
  view->setMouseTracking(true);
  view->viewport()->installEventFilter(this);
  tabs_->addTab(view, title);
  return view;
}

void SweepPlot::setPlots(const std::vector<Plot>& plots) {
  for (const Plot& plot : plots) {
    viewOf(plot.title);
  }
  // Tabs of plots no longer given go.
  for (int i = tabs_->count() - 1; i >= 0; --i) {
    const bool kept = std::any_of(plots.begin(), plots.end(),
                                  [&](const Plot& p) { return p.title == tabs_->tabText(i); });
    if (!kept) {
      delete tabs_->widget(i);
    }
  }
  shown_.clear();
  for (int i = 0; i < tabs_->count(); ++i) {
    for (const Plot& plot : plots) {
      if (plot.title == tabs_->tabText(i)) {
        shown_.push_back(plot);
      }
    }
  }
  // Only the plot on show is drawn anew: a chart lays out its curves whether
  // it shows or not, and the shift bar's drag asks for a new sweep each step.
  stale_.assign(shown_.size(), true);
  fillShown();
}

void SweepPlot::fillShown() {
  const auto index = static_cast<std::size_t>(tabs_->currentIndex());
  if (index < shown_.size() && stale_[index]) {
    stale_[index] = false;
    fill(static_cast<QChartView*>(tabs_->widget(static_cast<int>(index))), shown_[index]);
  }
}

namespace {

// The curves and axes of a plot anew: MHz along the bottom, the plot's unit on
// the left, the unit of its right-hand curves (if any) on the right, and the
// dashed line of the chosen frequency last.
void Rebuild(QChartView* view, const SweepPlot::Plot& plot) {
  QChart* chart = view->chart();
  chart->removeAllSeries();
  for (QAbstractAxis* axis : chart->axes()) {
    chart->removeAxis(axis);
    delete axis;
  }
  auto* x = new QValueAxis;
  x->setTitleText(QStringLiteral("MHz"));
  chart->addAxis(x, Qt::AlignBottom);
  std::array<QValueAxis*, 2> y{new QValueAxis, nullptr};
  y[0]->setTitleText(plot.unit);
  chart->addAxis(y[0], Qt::AlignLeft);
  for (const SweepPlot::Curve& curve : plot.curves) {
    if (curve.right && y[1] == nullptr) {
      y[1] = new QValueAxis;
      y[1]->setTitleText(plot.rightUnit);
      chart->addAxis(y[1], Qt::AlignRight);
    }
    auto* line = new QLineSeries;
    line->setName(curve.name);
    chart->addSeries(line);
    line->attachAxis(x);
    line->attachAxis(y[curve.right ? 1 : 0]);
  }
  auto* chosen = new QLineSeries;
  chosen->setName(QStringLiteral("chosen"));
  chosen->setPen(QPen(view->palette().color(QPalette::WindowText), 1, Qt::DashLine));
  chart->addSeries(chosen);
  chosen->attachAxis(x);
  chosen->attachAxis(y[0]);
  chart->legend()->markers(chosen).front()->setVisible(false);
}

// Sets the axis to hold the points, with a margin and round numbers; only when
// the range changes, since each change lays every curve out again.
void FitAxis(QValueAxis* axis, double low, double high) {
  if (axis == nullptr) {
    return;
  }
  if (!(low <= high)) {
    low = 0;
    high = 1;
  }
  const double margin = std::max((high - low) * 0.05, 1e-3);
  QValueAxis nice;
  nice.setRange(low - margin, high + margin);
  nice.applyNiceNumbers();
  if (axis->min() != nice.min() || axis->max() != nice.max()) {
    axis->setRange(nice.min(), nice.max());
    axis->setTickCount(nice.tickCount());
  }
}

}  // namespace

void SweepPlot::fill(QChartView* view, const Plot& plot) {
  QChart* chart = view->chart();
  const auto series = chart->series();
  bool same = series.size() == static_cast<qsizetype>(plot.curves.size()) + 1;
  for (std::size_t i = 0; same && i < plot.curves.size(); ++i) {
    same = series[static_cast<qsizetype>(i)]->name() == plot.curves[i].name;
  }
  if (!same) {
    applyPalette(view);
    Rebuild(view, plot);
  }
  std::vector<QList<QPointF>> points;
  constexpr double kNone = std::numeric_limits<double>::infinity();
  std::array<double, 2> low{kNone, kNone};
  std::array<double, 2> high{-kNone, -kNone};
  for (const Curve& curve : plot.curves) {
    points.push_back(Points(plot.mhz, curve.values));
    const std::size_t side = curve.right ? 1 : 0;
    for (const QPointF& p : points.back()) {
      low[side] = std::min(low[side], p.y());
      high[side] = std::max(high[side], p.y());
    }
  }
  QValueAxis* x = Axis(chart, Qt::Horizontal);
  if (x->min() != plot.mhz.front() || x->max() != plot.mhz.back()) {
    x->setRange(plot.mhz.front(), plot.mhz.back());
  }
  const auto vertical = chart->axes(Qt::Vertical);
  for (qsizetype side = 0; side < vertical.size(); ++side) {
    FitAxis(qobject_cast<QValueAxis*>(vertical[side]), low[static_cast<std::size_t>(side)],
            high[static_cast<std::size_t>(side)]);
  }
  for (std::size_t i = 0; i < points.size(); ++i) {
    static_cast<QLineSeries*>(chart->series()[static_cast<qsizetype>(i)])->replace(points[i]);
  }
  markChosen(view);
}

void SweepPlot::markChosen(QChartView* view) const {
  auto* chosen = static_cast<QLineSeries*>(view->chart()->series().back());
  const QValueAxis* y = Axis(view->chart(), Qt::Vertical);  // the left one
  QList<QPointF> line;
  if (chosen_) {
    line << QPointF(*chosen_, y->min()) << QPointF(*chosen_, y->max());
  }
  chosen->replace(line);
}

void SweepPlot::setChosen(std::optional<double> mhz) {
  chosen_ = mhz;
  for (int i = 0; i < tabs_->count(); ++i) {
    auto* view = static_cast<QChartView*>(tabs_->widget(i));
    if (!view->chart()->series().isEmpty()) {
      markChosen(view);
    }
  }
}

void SweepPlot::applyPalette(QChartView* view) {
  const QPalette colours = palette();
  view->chart()->setTheme(IsDark(colours) ? QChart::ChartThemeDark : QChart::ChartThemeLight);
  view->chart()->setBackgroundBrush(colours.brush(QPalette::Window));
  view->chart()->legend()->setLabelColor(colours.color(QPalette::WindowText));
  view->setBackgroundBrush(colours.brush(QPalette::Window));
}

void SweepPlot::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    for (int i = 0; i < tabs_->count(); ++i) {
      // The next fill draws them in the new colours.
      static_cast<QChartView*>(tabs_->widget(i))->chart()->removeAllSeries();
    }
    stale_.assign(shown_.size(), true);
    fillShown();
  }
  QWidget::changeEvent(event);
}

const SweepPlot::Plot* SweepPlot::shownPlot() const {
  const auto index = static_cast<std::size_t>(tabs_->currentIndex());
  return index < shown_.size() ? &shown_[index] : nullptr;
}

QString SweepPlot::readoutAt(double mhz) const {
  const Plot* shown = shownPlot();
  if (shown == nullptr || shown->mhz.empty()) {
    return {};
  }
  const auto nearest = std::min_element(
      shown->mhz.begin(), shown->mhz.end(),
      [mhz](double a, double b) { return std::fabs(a - mhz) < std::fabs(b - mhz); });
  const auto i = static_cast<std::size_t>(nearest - shown->mhz.begin());
  QStringList parts{MegahertzText(*nearest * calc::measurement::kHertzPerMegahertz)};
  for (const Curve& curve : shown->curves) {
    if (i < curve.values.size() && curve.values[i] && std::isfinite(*curve.values[i])) {
      parts << curve.name + QLatin1Char(' ') +
                   ToQString(numeric::FormatFixed(*curve.values[i], 2)) + QLatin1Char(' ') +
                   shown->unit;
    }
  }
  return parts.join(QStringLiteral("   "));
}

bool SweepPlot::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseMove) {
    auto* view = qobject_cast<QChartView*>(static_cast<QWidget*>(watched)->parentWidget());
    if (view != nullptr && view == tabs_->currentWidget()) {
      const QPointF at = static_cast<QMouseEvent*>(event)->position();
      const QPointF value = view->chart()->mapToValue(view->mapToScene(at.toPoint()));
      readout_->setText(readoutAt(value.x()));
    }
  }
  return false;
}

bool SweepPlot::savePng(const QString& path) const {
  auto* view = qobject_cast<QChartView*>(tabs_->currentWidget());
  return view != nullptr && view->grab().save(path, "PNG");
}

void SweepPlot::saveWithDialog() {
  SavePngWithDialog(this, QStringLiteral("the plot"), QStringLiteral("sweep.png"),
                    [this](const QString& path) { return savePng(path); });
}

}  // namespace tolvar::app

#include "moc_sweep_plot.cpp"
