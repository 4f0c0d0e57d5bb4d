#include "app/sweep/sweep_plot.h"

#include <QAction>
#include <QLabel>
#include <QTabWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "app/controls/save_png.h"
#include "app/controls/controls.h"
#include "app/measurement/measurement_window.h"
#include "app/sweep/plot_view.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

// The index of the sampled frequency nearest to `mhz`; the frequencies are
// not empty.
std::size_t Nearest(const std::vector<double>& frequencies, double mhz) {
  const auto nearest = std::min_element(
      frequencies.begin(), frequencies.end(),
      [mhz](double a, double b) { return std::fabs(a - mhz) < std::fabs(b - mhz); });
  return static_cast<std::size_t>(nearest - frequencies.begin());
}

}  // namespace

SweepPlot::SweepPlot(QWidget* parent)
    : QWidget(parent, Qt::Window),
      tabs_(new QTabWidget(this)),
      readout_(new QLabel(this)),
      resetZoom_(new QAction(QStringLiteral("Reset zoom"), this)),
      logSwr_(new QAction(QStringLiteral("Logarithmic SWR axis"), this)) {
  setObjectName(QStringLiteral("SweepPlot"));
  setWindowTitle(QStringLiteral("Tolvar 3.1 \u2013 sweep"));
  constexpr QSize kDefaultSize(720, 480);
  resize(kDefaultSize);
  // The readout wraps within the window's width, on two lines it always
  // keeps, so that neither a long readout nor the pointer's moves resize
  // the window or the plot.
  readout_->setObjectName(QStringLiteral("SweepPlotReadout"));
  readout_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  readout_->setWordWrap(true);
  readout_->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
  readout_->setFixedHeight(2 * readout_->fontMetrics().lineSpacing());
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(tabs_);
  layout->addWidget(readout_);
  auto* save = new QAction(QStringLiteral("Save as PNG\u2026"), this);
  save->setShortcut(QKeySequence::Save);
  connect(save, &QAction::triggered, this, &SweepPlot::saveWithDialog);
  resetZoom_->setShortcut(QKeySequence(Qt::Key_Escape));
  resetZoom_->setEnabled(false);
  connect(resetZoom_, &QAction::triggered, this, [this] { zoomShown(std::nullopt); });
  logSwr_->setCheckable(true);
  connect(logSwr_, &QAction::toggled, this, [this] {
    // A zoom's ranges are the old axes' numbers.
    std::fill(zoom_.begin(), zoom_.end(), std::nullopt);
    redrawAll();
  });
  addActions({save, resetZoom_, logSwr_});
  setContextMenuPolicy(Qt::ActionsContextMenu);
  connect(tabs_, &QTabWidget::currentChanged, this, [this] {
    readout_->clear();
    fillShown();
  });
}

PlotView* SweepPlot::viewOf(const QString& title) {
  for (int i = 0; i < tabs_->count(); ++i) {
    if (tabs_->tabText(i) == title) {
      return static_cast<PlotView*>(tabs_->widget(i));
    }
  }
  auto* view = new PlotView;
  connect(view, &PlotView::pointerMoved, this, [this, view](double mhz) {
    if (view == shownView()) {
      readout_->setText(readoutAt(mhz));
    }
  });
  connect(view, &PlotView::pointerLeft, readout_, &QLabel::clear);
  connect(view, &PlotView::clicked, this, &SweepPlot::choose);
  connect(view, &PlotView::zoomDragged, this,
          [this, view](QRectF area) { zoomShown(ZoomInto(view->chart(), area)); });
  connect(view, &PlotView::resized, this, [this, view] {
    // Ticks as many as the new size has room for.
    const int index = tabs_->indexOf(view);
    if (index >= 0 && static_cast<std::size_t>(index) < stale_.size()) {
      stale_[static_cast<std::size_t>(index)] = true;
      fillShown();
    }
  });
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
  std::vector<Plot> shown;
  std::vector<std::optional<PlotZoom>> zoom;
  std::vector<bool> stale;
  for (int i = 0; i < tabs_->count(); ++i) {
    const auto given = std::find_if(plots.begin(), plots.end(),
                                    [&](const Plot& p) { return p.title == tabs_->tabText(i); });
    const auto before = std::find_if(shown_.begin(), shown_.end(),
                                     [&](const Plot& p) { return p.title == given->title; });
    // A zoom stays on the same frequencies: the shift bar moves the curves
    // under it. Another file's frequencies show whole.
    const bool sameBand =
        before != shown_.end() && before->mhz == given->mhz && before->source == given->source;
    // A plot given again unchanged (another sweep changed) keeps its drawing.
    const bool same = before != shown_.end() && *before == *given;
    stale.push_back(!same || stale_[static_cast<std::size_t>(before - shown_.begin())]);
    shown.push_back(*given);
    zoom.push_back(sameBand ? zoom_[static_cast<std::size_t>(before - shown_.begin())]
                            : std::nullopt);
  }
  shown_ = std::move(shown);
  zoom_ = std::move(zoom);
  readout_->clear();
  // Only the plot on show is drawn anew: a chart lays out its curves whether
  // it shows or not, and the shift bar's drag asks for a new sweep each step.
  stale_ = std::move(stale);
  fillShown();
}

void SweepPlot::fillShown() {
  const auto index = static_cast<std::size_t>(tabs_->currentIndex());
  resetZoom_->setEnabled(index < zoom_.size() && zoom_[index].has_value());
  if (index < shown_.size() && stale_[index]) {
    stale_[index] = false;
    DrawPlot(shownView(), shown_[index],
             DrawOptions{palette(), logSwr_->isChecked(), zoom_[index], chosen_});
  }
}

void SweepPlot::redrawAll() {
  for (int i = 0; i < tabs_->count(); ++i) {
    static_cast<PlotView*>(tabs_->widget(i))->setShape({});
  }
  stale_.assign(shown_.size(), true);
  fillShown();
}

void SweepPlot::zoomShown(const std::optional<PlotZoom>& zoom) {
  const auto index = static_cast<std::size_t>(tabs_->currentIndex());
  if (index < shown_.size()) {
    zoom_[index] = zoom;
    stale_[index] = true;
    fillShown();
  }
}

void SweepPlot::setChosen(std::optional<double> mhz) {
  chosen_ = mhz;
  for (int i = 0; i < tabs_->count(); ++i) {
    DrawChosen(static_cast<PlotView*>(tabs_->widget(i))->chart(), chosen_);
  }
}

void SweepPlot::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    redrawAll();  // in the new colours
  }
  QWidget::changeEvent(event);
}

const SweepPlot::Plot* SweepPlot::shownPlot() const {
  const auto index = static_cast<std::size_t>(tabs_->currentIndex());
  return index < shown_.size() ? &shown_[index] : nullptr;
}

PlotView* SweepPlot::shownView() const { return qobject_cast<PlotView*>(tabs_->currentWidget()); }

QString SweepPlot::readoutAt(double mhz) const {
  const Plot* shown = shownPlot();
  if (shown == nullptr || shown->mhz.empty()) {
    return {};
  }
  const std::size_t i = Nearest(shown->mhz, mhz);
  QStringList parts{MegahertzText(shown->mhz[i] * calc::measurement::kHertzPerMegahertz)};
  for (const Curve& curve : shown->curves) {
    if (i < curve.values.size() && curve.values[i] && std::isfinite(*curve.values[i])) {
      QString part =
          curve.name + QLatin1Char(' ') + ToQString(numeric::FormatFixed(*curve.values[i], 2));
      if (!curve.unit.isEmpty()) {
        part += QLatin1Char(' ') + curve.unit;
      }
      parts << part;
    }
  }
  return parts.join(QStringLiteral("   "));
}

void SweepPlot::choose(double mhz) {
  const Plot* shown = shownPlot();
  if (shown != nullptr && !shown->mhz.empty()) {
    emit frequencyClicked(shown->source, shown->mhz[Nearest(shown->mhz, mhz)]);
  }
}

std::vector<MarkerSpot> SweepPlot::markerSpots() const {
  const PlotView* view = shownView();
  return view == nullptr ? std::vector<MarkerSpot>{} : MarkerSpots(view);
}

bool SweepPlot::savePng(const QString& path) const {
  QWidget* view = tabs_->currentWidget();
  return view != nullptr && view->grab().save(path, "PNG");
}

void SweepPlot::saveWithDialog() {
  SavePngWithDialog(this, QStringLiteral("the plot"), QStringLiteral("sweep.png"),
                    [this](const QString& path) { return savePng(path); });
}

}  // namespace tolvar::app

#include "moc_sweep_plot.cpp"
