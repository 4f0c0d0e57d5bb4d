#include "app/sweep/sweep_plots.h"

#include <QAction>
#include <cmath>

#include "app/sweep/sweep_plot.h"
#include "app/sweep/sweeps.h"

namespace tolvar::app {

namespace {

using calc::sweep::LinePoint;
using Curve = SweepPlot::Curve;
using Values = std::vector<std::optional<double>>;
using Role = CurveRole;

// Which file a plot's frequencies come from: the 1-port's or the 2-port's.
constexpr int kLineSource = 1;
constexpr int kTunerSource = 2;
const QString kNoValue = QStringLiteral("No point of this band has a value here.");
const QString kSwr = QStringLiteral("SWR");
const QString kDb = QStringLiteral("dB");
const QString kOhm = QStringLiteral("ohm");

// Return loss [dB] of an SWR: -20 log10 of its |Gamma|.
std::optional<double> ReturnLoss(const std::optional<double>& swr) {
  if (!swr || !(*swr > 1)) {
    return std::nullopt;
  }
  return -20 * std::log10((*swr - 1) / (*swr + 1));
}

template <typename Take>
Values Column(const std::vector<LinePoint>& points, Take take) {
  Values values;
  values.reserve(points.size());
  for (const LinePoint& p : points) {
    values.push_back(take(p));
  }
  return values;
}

// The line sweep's plots: the SWR at both ends with the line's loss beside it,
// the return loss, R and X at both ends, and the loss matched and with the SWR.
std::vector<SweepPlot::Plot> LinePlots(const std::vector<LinePoint>& line,
                                       const calc::sweep::SweptLine& swept) {
  const bool towardsAntenna = swept.panel.shift.direction == calc::line::Direction::TowardsAntenna;
  const QString measured =
      (towardsAntenna ? QStringLiteral("at the radio") : QStringLiteral("at the antenna")) +
      QStringLiteral(" (measured)");
  const QString carried =
      (towardsAntenna ? QStringLiteral("at the antenna") : QStringLiteral("at the radio")) +
      QStringLiteral(" (through the line)");
  // A typed loss is given for the panel's MHz: say how it goes elsewhere.
  const QString scaled =
      swept.cable == nullptr ? QStringLiteral(", typed loss scaled with \u221af") : QString();
  std::vector<double> mhz;
  mhz.reserve(line.size());
  for (const LinePoint& p : line) {
    mhz.push_back(p.mhz);
  }
  const auto column = [&line](auto take) { return Column(line, take); };
  const auto part = [](const std::optional<numeric::Complex>& z, double numeric::Complex::*which) {
    return z ? std::optional((*z).*which) : std::nullopt;
  };
  const Values loss = column([](const LinePoint& p) { return p.lineLossDb; });
  // Each on the 1-port's frequencies, the right-hand axis (if any) a loss in dB.
  const auto plot = [&](const QString& title, const QString& unit, AxisKind axis,
                        std::vector<Curve> curves) {
    return SweepPlot::Plot{title, unit,           mhz,         std::move(curves), kDb,
                           axis,  AxisKind::Loss, kLineSource, kNoValue};
  };
  return {
      plot(kSwr, kSwr, AxisKind::Swr,
           {Curve{measured, column([](const LinePoint& p) { return p.measuredSwr; }), false, kSwr,
                  Role::Measured},
            Curve{carried, column([](const LinePoint& p) { return p.carriedSwr; }), false, kSwr,
                  Role::Carried},
            Curve{QStringLiteral("line loss") + scaled, loss, true, kDb, Role::LineLoss}}),
      plot(QStringLiteral("Return loss"), kDb, AxisKind::Loss,
           {Curve{measured, column([](const LinePoint& p) { return ReturnLoss(p.measuredSwr); }),
                  false, kDb, Role::Measured},
            Curve{carried, column([](const LinePoint& p) { return ReturnLoss(p.carriedSwr); }),
                  false, kDb, Role::Carried}}),
      plot(
          QStringLiteral("R and X"), kOhm, AxisKind::Free,
          {Curve{QStringLiteral("R ") + measured,
                 column([](const LinePoint& p) { return std::optional(p.measured.re); }), false,
                 kOhm, Role::MeasuredResistance},
           Curve{QStringLiteral("X ") + measured,
                 column([](const LinePoint& p) { return std::optional(p.measured.im); }), false,
                 kOhm, Role::MeasuredReactance},
           Curve{QStringLiteral("R ") + carried,
                 column([&](const LinePoint& p) { return part(p.carried, &numeric::Complex::re); }),
                 false, kOhm, Role::CarriedResistance},
           Curve{QStringLiteral("X ") + carried,
                 column([&](const LinePoint& p) { return part(p.carried, &numeric::Complex::im); }),
                 false, kOhm, Role::CarriedReactance}}),
      plot(QStringLiteral("Line loss"), kDb, AxisKind::Loss,
           {Curve{QStringLiteral("matched") + scaled,
                  column([](const LinePoint& p) { return std::optional(p.matchedLossDb); }), false,
                  kDb, Role::MatchedLoss},
            Curve{QStringLiteral("with the SWR") + scaled, loss, false, kDb, Role::LineLoss}})};
}

SweepPlot::Plot TunerPlot(const std::vector<calc::sweep::TunerPoint>& tuner) {
  SweepPlot::Plot plot{QStringLiteral("Tuner loss"), kDb, {}, {}};
  plot.leftAxis = AxisKind::Loss;
  plot.source = kTunerSource;
  plot.emptyReason = kNoValue;
  Curve loss{QStringLiteral("insertion loss"), {}, false, kDb, Role::TunerLoss};
  for (const auto& p : tuner) {
    plot.mhz.push_back(p.mhz);
    loss.values.push_back(p.lossDb);
  }
  plot.curves.push_back(loss);
  return plot;
}

}  // namespace

SweepPlots::SweepPlots(QWidget* window, const Sweeps& sweeps)
    : QObject(window),
      window_(window),
      sweeps_(sweeps),
      action_(new QAction(QStringLiteral("Sweep plot"), window)) {
  action_->setObjectName(QStringLiteral("actionSweepPlot"));
  action_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_P));
  action_->setShortcutVisibleInContextMenu(true);
  connect(action_, &QAction::triggered, this, &SweepPlots::showPlot);
  window->addAction(action_);
}

void SweepPlots::showPlot() {
  if (plot_ == nullptr) {
    plot_ = new SweepPlot(window_);
  }
  plot_->show();
  plot_->raise();
  update();
}

void SweepPlots::update() {
  if (plot_ == nullptr || !plot_->isVisible()) {
    return;
  }
  std::vector<SweepPlot::Plot> plots;
  if (sweeps_.sweptLine() && !sweeps_.lineSweep().empty()) {
    plots = LinePlots(sweeps_.lineSweep(), *sweeps_.sweptLine());
  }
  if (!sweeps_.tunerSweep().empty()) {
    plots.push_back(TunerPlot(sweeps_.tunerSweep()));
  }
  plot_->setPlots(plots);
  plot_->setChosen(sweeps_.chosenMhz());
}

}  // namespace tolvar::app

#include "moc_sweep_plots.cpp"
