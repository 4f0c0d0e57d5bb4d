#include "app/main_window.h"

#include <QAbstractButton>
#include <QDesktopServices>
#include <QDir>
#include <QMessageBox>

#include "app/chart_and_copy.h"
#include "app/controls/build.h"
#include "app/controls/event_filters.h"
#include "app/guide.h"
#include "app/layout/layout.h"
#include "app/layout/messages.h"
#include "app/measurement/measurements.h"
#include "app/measurement/sweeps.h"
#include "app/panels/comparison_panel.h"
#include "app/panels/line_panel.h"
#include "app/panels/swr_panel.h"

namespace tolvar {

using app::Control;

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Tolvar 3.1 \u2013 feed-line calculator"));
  setFont(app::WindowFont());
  setFixedSize(app::Pixels(app::kClientWidthTwips), app::Pixels(app::kClientHeightTwips));
  app::BuildControls(this, controls_, [this] {
    QMessageBox box(QMessageBox::Warning, app::ToQString(app::kUseDot.title),
                    app::ToQString(app::kUseDot.text), QMessageBox::Ok, this);
    box.exec();
  });
  createPanels();
}

void MainWindow::createPanels() {
  auto* focus = new app::FocusHandlers(this);
  auto* presses = new app::ButtonPresses(this);
  for (const app::ControlRow& row : app::WindowLayout()) {
    if (row.kind == app::ControlKind::Button) {
      presses->watch(controls_.widget(*row.name));
    }
  }
  auto* swr = new app::SwrPanel(this, controls_);
  auto* comparison = new app::ComparisonPanel(this, controls_, *focus, *presses);
  auto* line = new app::LinePanel(this, controls_, *focus);
  measurements_ = new app::Measurements(this, controls_, *line);
  // The sweeps hear of a new line result or measurement before the chart does.
  auto* sweeps = new app::Sweeps(this, controls_, *measurements_, *line);
  // The tuner is a panel of its own for the menu and the copy, inside the
  // comparison panel's frame.
  auto* chart = new app::ChartAndCopy(this, controls_,
                                      {{{Control::SwrFrame, Control::VoltageKindGroup}, swr},
                                       {{Control::ComparisonFrame}, comparison},
                                       {{Control::TunerFrame}, comparison},
                                       {{Control::LineFrame}, line}});
  chart->addSource(measurements_);
  chart->addSource(sweeps);
  chart->addMenuAction(measurements_->openAction());
  for (QAction* action : sweeps->actions()) {
    chart->addMenuAction(action);
  }
  sweeps->setPanelLookup([chart] { return chart->currentPanel(); });
  chart->filterChartEvents(measurements_);
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
  QMessageBox box(QMessageBox::Warning, app::ToQString(app::kGuideNotOpened.title),
                  app::ToQString(app::kGuideNotOpened.text).arg(where), QMessageBox::Ok, this);
  box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  box.exec();
}

bool MainWindow::focusNextPrevChild(bool next) {
  app::MakeSelectedOptionsTabStops(this);
  return QWidget::focusNextPrevChild(next);
}

}  // namespace tolvar

#include "moc_main_window.cpp"
