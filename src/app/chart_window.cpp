#include "app/chart_window.h"

#include <QAction>

#include "app/chart/chart_source.h"
#include "app/chart/smith_chart.h"
#include "app/companion.h"
#include "app/controls/named_action.h"
#include "app/controls/save_png.h"

namespace tolvar::app {

ChartWindow::ChartWindow(QWidget* window)
    : QObject(window),
      window_(window),
      openAction_(NamedAction(window, "actionSmithChart", QStringLiteral("Smith chart"),
                              QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G))) {
  connect(openAction_, &QAction::triggered, this, &ChartWindow::openChart);
}

void ChartWindow::addSource(ChartSource* source) {
  sources_.push_back(source);
  connect(source, &ChartSource::chartChanged, this, [this, source] { sourceChanged(source); });
}

void ChartWindow::sourceChanged(const ChartSource* source) {
  if (source->chartView()) {
    referenceSource_ = source;
  }
  updateChart();
}

void ChartWindow::openChart() {
  if (chart_ == nullptr) {
    chart_ = new SmithChart(window_);
    connect(chart_, &SmithChart::saveRequested, this, [this] {
      SavePngWithDialog(chart_, QStringLiteral("the Smith chart"), QStringLiteral("smith-chart.png"),
                        [this](const QString& path) { return chart_->savePng(path); });
    });
    emit chartMade(chart_);
  }
  ShowBeside(chart_, window_);
  updateChart();
  chart_->raise();
  chart_->activateWindow();
}

void ChartWindow::updateChart() {
  if (chart_ == nullptr || !chart_->isVisible()) {
    return;
  }
  std::vector<ChartMark> marks;
  std::optional<numeric::Complex> reference;
  for (const ChartSource* source : sources_) {
    if (auto view = source->chartView()) {
      if (!reference || source == referenceSource_) {
        reference = view->reference;
      }
      for (ChartMark& mark : view->marks) {
        mark.reference = view->reference;
        marks.push_back(std::move(mark));
      }
    }
  }
  if (reference) {
    chart_->setReference(reference->re, reference->im);
  }
  chart_->setMarks(std::move(marks));
}

}  // namespace tolvar::app

#include "moc_chart_window.cpp"
