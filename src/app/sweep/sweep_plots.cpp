#include "app/sweep/sweep_plots.h"

#include <QAction>

#include "app/companion.h"
#include "app/controls/named_action.h"
#include "app/match/match_sweep.h"
#include "app/measurement/measurement_window.h"
#include "app/measurement/measurements.h"
#include "app/sweep/plots_of.h"
#include "app/sweep/sweep_plot.h"
#include "app/sweep/sweeps.h"

namespace tolvar::app {

namespace {

// Why the tuner sweep has no value anywhere.
QString WhyNoTunerLoss(const Measurements& measurements) {
  const auto& onePort = measurements.onePort();
  if (onePort) {
    return QStringLiteral("No frequency of the tuner's file lies in the antenna's band (") +
           MegahertzText(onePort->data.frequencyHz.front()) + QStringLiteral(" to ") +
           MegahertzText(onePort->data.frequencyHz.back()) + QStringLiteral(").");
  }
  return QStringLiteral(
      "The tuner's S-parameters with the typed S Ant. give no loss at any frequency.");
}

}  // namespace

SweepPlots::SweepPlots(QWidget* window, const Sweeps& sweeps, const MatchSweep& match,
                       const Measurements& measurements)
    : QObject(window),
      window_(window),
      sweeps_(sweeps),
      match_(match),
      measurements_(measurements),
      action_(NamedAction(window, "actionSweepPlot", QStringLiteral("Sweep plot"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P))) {
  connect(action_, &QAction::triggered, this, &SweepPlots::showPlot);
}

void SweepPlots::showPlot() {
  if (plot_ == nullptr) {
    plot_ = new SweepPlot(window_);
    plot_->addActions(menuActions_);
    connect(plot_, &SweepPlot::frequencyClicked, this, &SweepPlots::frequencyClicked);
  }
  ShowBeside(plot_, window_);
  plot_->raise();
  update();
}

void SweepPlots::update() {
  if (plot_ == nullptr || !plot_->isVisible()) {
    return;
  }
  std::vector<SweepPlot::Plot> plots;
  if (sweeps_.sweptLine() && !sweeps_.lineSweep().empty()) {
    plots = LinePlots({sweeps_.lineSweep(), *sweeps_.sweptLine(), sweeps_.measuredReferenceOhm(),
                       sweeps_.measuredMarkers(), sweeps_.carriedMarkers()});
  }
  if (!sweeps_.tunerSweep().empty()) {
    plots.push_back(TunerPlot(sweeps_.tunerSweep(), WhyNoTunerLoss(measurements_)));
  }
  if (!match_.points().empty()) {
    plots.push_back(MatchPlot(match_.points(), match_.referenceOhm(), match_.markers()));
  }
  plot_->setPlots(plots);
  plot_->setChosen(sweeps_.chosenMhz());
}

}  // namespace tolvar::app

#include "moc_sweep_plots.cpp"
