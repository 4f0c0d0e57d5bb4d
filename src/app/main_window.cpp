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
// rooms is connected here (connectRooms), in the order the receivers need.
struct MainWindow::Rooms {
  app::SwrPanel* swr;
  app::ComparisonPanel* comparison;
  app::LinePanel* line;
  app::Sweeps* sweeps;
  app::MatchDesign* design;
  app::MatchSweep* matchSweep;
  app::SweepPlots* plots;
  app::PanelMenus* menus;
  app::ChartWindow* chart;
  app::SweepExport* sweepExport;
};

void MainWindow::createRooms() {
  auto* presses = new app::ButtonPresses(this);
  for (const app::ControlRow& row : app::WindowLayout()) {
    if (row.kind == app::ControlKind::Button) {
      presses->watch(controls_.widget(*row.name));
    }
  }
  Rooms r{};
  r.swr = new app::SwrPanel(this, controls_);
  r.comparison = new app::ComparisonPanel(this, controls_, *presses);
  r.line = new app::LinePanel(this, controls_);
  measurements_ = new app::Measurements(this, {*r.swr, *r.comparison, *r.line});
  r.sweeps = new app::Sweeps(this, *measurements_, *r.line, *r.comparison);
  r.design = new app::MatchDesign(this);
  r.matchSweep = new app::MatchSweep(this, *measurements_, *r.line, *r.design);
  r.plots = new app::SweepPlots(this, *r.sweeps, *r.matchSweep, *measurements_);
  // The tuner is a panel of its own for the menu and the copy, inside the
  // comparison panel's frame.
  r.menus = new app::PanelMenus(this, controls_,
                                {{{Control::SwrFrame, Control::VoltageKindGroup}, r.swr},
                                 {{Control::ComparisonFrame}, r.comparison},
                                 {{Control::TunerFrame}, r.comparison},
                                 {{Control::LineFrame}, r.line}});
  r.chart = new app::ChartWindow(this);
  auto* copy = new app::ResultsCopy(this, controls_, *r.menus);
  r.sweepExport = new app::SweepExport(this, *r.sweeps, *r.menus);
  for (QAction* action : {r.chart->openAction(), copy->action(), measurements_->openAction(),
                          r.plots->action(), r.sweepExport->copyAction(),
                          r.sweepExport->saveAction()}) {
    r.menus->addAction(action);
  }
  auto* matching = new app::Matching(this, *r.design, *r.matchSweep,
                                     {*r.swr, *r.line, *measurements_, *r.menus});
  connect(matching, &app::Matching::windowMade, measurements_, &app::Measurements::watchDrops);
  r.menus->addAction(matching->designAction());
  r.menus->addAction(matching->matchThisAction(), {Control::SwrFrame, Control::LineFrame});
  for (QAction* action : {r.sweepExport->copyMarkersAction(), matching->designAction(),
                          matching->matchThisAction()}) {
    measurements_->addMenuAction(action);
  }
  r.plots->addMenuAction(r.sweepExport->copyMarkersAction());
  connectRooms(r);
}

void MainWindow::connectRooms(const Rooms& r) {
  // What a sweep reads: the measurements, the line's entries, the typed antenna.
  connect(measurements_, &app::Measurements::changed, r.sweeps, &app::Sweeps::scheduleUpdate);
  connect(r.line, &app::LinePanel::lineChanged, r.sweeps, &app::Sweeps::scheduleUpdate);
  connect(r.comparison, &app::ComparisonPanel::antennaChanged, r.sweeps,
          &app::Sweeps::scheduleUpdate);
  connect(r.sweeps, &app::Sweeps::updated, r.plots, &app::SweepPlots::update);
  // What the matched band reads: the measurements, the line, the chosen network.
  connect(measurements_, &app::Measurements::changed, r.matchSweep,
          &app::MatchSweep::scheduleUpdate);
  connect(r.line, &app::LinePanel::lineChanged, r.matchSweep, &app::MatchSweep::scheduleUpdate);
  connect(r.design, &app::MatchDesign::changed, r.matchSweep, &app::MatchSweep::scheduleUpdate);
  connect(r.matchSweep, &app::MatchSweep::updated, r.plots, &app::SweepPlots::update);
  // A click on a plot chooses that point; the measurement window follows.
  connect(r.plots, &app::SweepPlots::frequencyClicked, measurements_,
          &app::Measurements::chooseNearest);
  const app::Sweeps* sweeps = r.sweeps;
  connect(r.sweeps, &app::Sweeps::updated, measurements_,
          [this, sweeps] { measurements_->showMarkers(app::MarkersText(*sweeps)); });
  // What the sweep actions can apply to: the panel asked, the sweeps at hand.
  connect(r.menus, &app::PanelMenus::aboutToShow, r.sweepExport, &app::SweepExport::refresh);
  connect(r.sweeps, &app::Sweeps::updated, r.sweepExport, &app::SweepExport::refresh);
  connect(qApp, &QApplication::focusChanged, r.sweepExport, &app::SweepExport::refresh);
  // The chart shows the panels' results, then the measurements and the sweeps.
  for (app::ChartSource* source : std::initializer_list<app::ChartSource*>{
           r.swr, r.comparison, r.line, measurements_, r.sweeps, r.design, r.matchSweep}) {
    r.chart->addSource(source);
  }
  connect(r.chart, &app::ChartWindow::chartMade, measurements_, &app::Measurements::watchDrops);
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
