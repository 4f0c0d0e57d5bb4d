#include "app/main_window.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QDesktopServices>
#include <QDir>

#include "app/chart_window.h"
#include "app/controls/build.h"
#include "app/controls/event_filters.h"
#include "app/controls/warning.h"
#include "app/copy/results_copy.h"
#include "app/guide.h"
#include "app/layout/layout.h"
#include "app/layout/messages.h"
#include "app/match/match_design.h"
#include "app/match/match_sweep.h"
#include "app/match/matching.h"
#include "app/measurement/measurements.h"
#include "app/panel_menus.h"
#include "app/panels/comparison_panel.h"
#include "app/panels/line_panel.h"
#include "app/panels/swr_panel.h"
#include "app/sweep/sweep_export.h"
#include "app/sweep/markers_text.h"
#include "app/sweep/sweep_plots.h"
#include "app/sweep/sweeps.h"

namespace tolvar {

using app::Control;

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Tolvar 3.1 \u2013 feed-line calculator"));
  setFont(app::WindowFont());
  setFixedSize(app::Pixels(app::kClientWidthTwips), app::Pixels(app::kClientHeightTwips));
  app::BuildControls(this, controls_);
  createRooms();
}

// The composition root: every room is made here and every signal between
// rooms is connected here, in the order the receivers need.
void MainWindow::createRooms() {
  auto* presses = new app::ButtonPresses(this);
  for (const app::ControlRow& row : app::WindowLayout()) {
    if (row.kind == app::ControlKind::Button) {
      presses->watch(controls_.widget(*row.name));
    }
  }
  auto* swr = new app::SwrPanel(this, controls_);
  auto* comparison = new app::ComparisonPanel(this, controls_, *presses);
  auto* line = new app::LinePanel(this, controls_);
  measurements_ = new app::Measurements(this, {*swr, *comparison, *line});
  auto* sweeps = new app::Sweeps(this, *measurements_, *line, *comparison);
  auto* design = new app::MatchDesign(this);
  auto* matchSweep = new app::MatchSweep(this, *measurements_, *line, *design);
  auto* plots = new app::SweepPlots(this, *sweeps, *matchSweep, *measurements_);

  // The tuner is a panel of its own for the menu and the copy, inside the
  // comparison panel's frame.
  auto* menus = new app::PanelMenus(this, controls_,
                                    {{{Control::SwrFrame, Control::VoltageKindGroup}, swr},
                                     {{Control::ComparisonFrame}, comparison},
                                     {{Control::TunerFrame}, comparison},
                                     {{Control::LineFrame}, line}});
  auto* chart = new app::ChartWindow(this);
  auto* copy = new app::ResultsCopy(this, controls_, *menus);
  auto* sweepExport = new app::SweepExport(this, *sweeps, *menus);
  for (QAction* action : {chart->openAction(), copy->action(), measurements_->openAction(),
                          plots->action(), sweepExport->copyAction(), sweepExport->saveAction()}) {
    menus->addAction(action);
  }
  auto* matching =
      new app::Matching(this, *design, *matchSweep, {*swr, *line, *measurements_, *menus});
  menus->addAction(matching->designAction());
  menus->addAction(matching->matchThisAction(), {Control::SwrFrame, Control::LineFrame});
  for (QAction* action : {sweepExport->copyMarkersAction(), matching->designAction(),
                          matching->matchThisAction()}) {
    measurements_->addMenuAction(action);
  }

  // What a sweep reads: the measurements, the line's entries, the typed antenna.
  connect(measurements_, &app::Measurements::changed, sweeps, &app::Sweeps::scheduleUpdate);
  connect(line, &app::LinePanel::lineChanged, sweeps, &app::Sweeps::scheduleUpdate);
  connect(comparison, &app::ComparisonPanel::antennaChanged, sweeps,
          &app::Sweeps::scheduleUpdate);
  connect(sweeps, &app::Sweeps::updated, plots, &app::SweepPlots::update);
  // What the matched band reads: the measurements, the line, the chosen network.
  connect(measurements_, &app::Measurements::changed, matchSweep,
          &app::MatchSweep::scheduleUpdate);
  connect(line, &app::LinePanel::lineChanged, matchSweep, &app::MatchSweep::scheduleUpdate);
  connect(design, &app::MatchDesign::changed, matchSweep, &app::MatchSweep::scheduleUpdate);
  connect(matchSweep, &app::MatchSweep::updated, plots, &app::SweepPlots::update);
  // A click on a plot chooses that point; the measurement window follows.
  connect(plots, &app::SweepPlots::frequencyClicked, measurements_,
          &app::Measurements::chooseNearest);
  connect(sweeps, &app::Sweeps::updated, measurements_,
          [this, sweeps] { measurements_->showMarkers(app::MarkersText(*sweeps)); });
  // What the sweep actions can apply to: the panel asked, the sweeps at hand.
  connect(menus, &app::PanelMenus::aboutToShow, sweepExport, &app::SweepExport::refresh);
  connect(sweeps, &app::Sweeps::updated, sweepExport, &app::SweepExport::refresh);
  connect(qApp, &QApplication::focusChanged, sweepExport, &app::SweepExport::refresh);

  // The chart shows the panels' results, then the measurements and the sweeps.
  for (app::ChartSource* source :
       std::initializer_list<app::ChartSource*>{swr, comparison, line, measurements_, sweeps,
                                                design, matchSweep}) {
    chart->addSource(source);
  }
  connect(chart, &app::ChartWindow::chartMade, measurements_, &app::Measurements::watchDrops);
  measurements_->watchDrops(this);
  connect(controls_.button(Control::HelpButton), &QAbstractButton::clicked, this,
          &MainWindow::openGuide);
}

bool MainWindow::openMeasurement(const QString& path) { return measurements_->open(path); }

void MainWindow::openGuide() {
  const QUrl guide = app::GuideUrl();
  if (QDesktopServices::openUrl(guide)) {
    return;
  }
  // No viewer for it: say where the guide is, so that it can be opened some other way.
  const QString where =
      guide.isLocalFile() ? QDir::toNativeSeparators(guide.toLocalFile()) : guide.toString();
  app::ShowSelectableWarning(this, app::kGuideNotOpened, {where});
}

bool MainWindow::focusNextPrevChild(bool next) {
  app::MakeSelectedOptionsTabStops(this);
  return QWidget::focusNextPrevChild(next);
}

}  // namespace tolvar

#include "moc_main_window.cpp"
