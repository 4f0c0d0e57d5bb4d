#include "app/sweep/sweep_export.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QMap>

#include "app/controls/controls.h"
#include "app/controls/named_action.h"
#include "app/controls/save_file.h"
#include "app/controls/warning.h"
#include "app/layout/messages.h"
#include "app/panel_menus.h"
#include "app/controls/recent_folder.h"
#include "app/sweep/sweep_points.h"
#include "app/sweep/sweeps.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using C = Control;
using calc::sweep::LinePoint;

// Enabled, or disabled with the reason as its tooltip.
void Allow(QAction* action, const Message* reason) {
  action->setEnabled(reason == nullptr);
  action->setToolTip(reason != nullptr ? ToQString(reason->text) : QString());
}

// Why the points without a carried value have none, the commonest reason first.
QString Reasons(const std::vector<LinePoint>& points, const calc::sweep::SweptLine& swept) {
  QMap<QString, int> counts;
  for (const LinePoint& p : points) {
    if (!p.carried) {
      ++counts[NoValueReason(p, swept)];
    }
  }
  QStringList reasons = counts.keys();
  std::stable_sort(reasons.begin(), reasons.end(),
                   [&](const QString& a, const QString& b) { return counts[a] > counts[b]; });
  return reasons.join(QStringLiteral("; "));
}

}  // namespace

SweepExport::SweepExport(QWidget* window, const Sweeps& sweeps, const PanelMenus& menus)
    : QObject(window),
      window_(window),
      sweeps_(sweeps),
      menus_(menus),
      copyAction_(NamedAction(window, "actionCopySweep", QStringLiteral("Copy sweep"))),
      saveAction_(NamedAction(window, "actionSaveSweep", QStringLiteral("Save sweep\u2026"))),
      copyMarkersAction_(
          NamedAction(window, "actionCopyMarkers", QStringLiteral("Copy markers"))) {
  connect(copyAction_, &QAction::triggered, this, &SweepExport::copySweep);
  connect(saveAction_, &QAction::triggered, this, &SweepExport::saveSweep);
  connect(copyMarkersAction_, &QAction::triggered, this, &SweepExport::copyMarkers);
  refresh();
}

void SweepExport::refresh() {
  const auto panel = menus_.currentFrame();
  const Message* reason = nullptr;
  if (panel == C::LineFrame) {
    reason = sweeps_.lineSweep().empty() ? &kNoLineSweep : nullptr;
  } else if (panel == C::TunerFrame) {
    reason = sweeps_.tunerSweep().empty() ? &kNoTunerSweep : nullptr;
  } else {
    reason = &kNoSweepHere;
  }
  Allow(copyAction_, reason);
  Allow(saveAction_, reason);
  Allow(copyMarkersAction_, sweeps_.measuredMarkers().empty() ? &kNoMarkers : nullptr);
}

void SweepExport::copySweep() {
  refresh();
  if (!copyAction_->isEnabled()) {
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const std::string csv = menus_.currentFrame() == C::LineFrame
                              ? calc::sweep::LineSweepCsv(sweeps_.fullLineSweep())
                              : calc::sweep::TunerSweepCsv(sweeps_.fullTunerSweep());
  QApplication::clipboard()->setText(QString::fromStdString(csv));
  QApplication::restoreOverrideCursor();
}

void SweepExport::copyMarkers() {
  refresh();
  if (!copyMarkersAction_->isEnabled()) {
    return;
  }
  QApplication::setOverrideCursor(Qt::WaitCursor);
  const auto carried = sweeps_.fullCarriedMarkers();
  QApplication::clipboard()->setText(QString::fromStdString(
      calc::sweep::MarkersCsv("measured", sweeps_.measuredMarkers(), "carried", carried)));
  QApplication::restoreOverrideCursor();
}

bool SweepExport::write(const QString& path, const std::string& text) const {
  if (!WriteWholeFile(path, text)) {
    ShowWarning(window_, kSweepNotSaved, {QDir::toNativeSeparators(path)});
    return false;
  }
  RememberFolderOf(path);
  return true;
}

void SweepExport::saveSweep() {
  refresh();
  if (!saveAction_->isEnabled()) {
    return;
  }
  if (menus_.currentFrame() == C::LineFrame) {
    saveLineSweep();
    return;
  }
  const QString path = QFileDialog::getSaveFileName(
      window_, QStringLiteral("Save sweep"), InRecentFolder(QStringLiteral("tuner-sweep.csv")),
      QStringLiteral("Comma-separated values (*.csv)"));
  if (!path.isEmpty()) {
    write(path, calc::sweep::TunerSweepCsv(sweeps_.fullTunerSweep()));
  }
}

std::optional<std::vector<LinePoint>> SweepExport::lineSweepToSave() {
  std::vector<LinePoint> points = sweeps_.fullLineSweep();
  const calc::sweep::SweptLine& swept = *sweeps_.sweptLine();
  const auto without = std::count_if(points.begin(), points.end(),
                                     [](const LinePoint& p) { return !p.carried; });
  if (without == static_cast<std::ptrdiff_t>(points.size())) {
    ShowWarning(window_, kNoSweepPoint, {Reasons(points, swept)});
    return std::nullopt;
  }
  if (without > 0 && !AskToGoOn(window_, kSweepPointsLeftOut,
                                {QString::number(without), QString::number(points.size()),
                                 Reasons(points, swept)},
                                QStringLiteral("Save"))) {
    return std::nullopt;
  }
  return points;
}

bool SweepExport::writeLineSweep(const QString& path, const std::vector<LinePoint>& points,
                                 bool asTouchstone) {
  if (!asTouchstone) {
    return write(path, calc::sweep::LineSweepCsv(points));
  }
  std::string comment = sweeps_.carriedName().toStdString() + ", carried by Tolvar along " +
                        numeric::FormatFixed(sweeps_.sweptLine()->lengthM, 2) + " m of line";
  if (const QString left = RunsWithoutValue(points); !left.isEmpty()) {
    comment += "\nleft out, no carried value: " + left.toStdString();
  }
  return write(path, calc::sweep::CarriedTouchstone(points, comment));
}

bool SweepExport::saveLineSweepTo(const QString& path) {
  refresh();
  const auto points = sweeps_.lineSweep().empty() ? std::nullopt : lineSweepToSave();
  return points && writeLineSweep(path, *points, path.endsWith(QStringLiteral(".s1p"),
                                                                Qt::CaseInsensitive));
}

void SweepExport::saveLineSweep() {
  const auto points = lineSweepToSave();
  if (!points) {
    return;
  }
  const QString csv = QStringLiteral("Comma-separated values (*.csv)");
  const QString touchstone = QStringLiteral("Touchstone 1-port, the carried impedance (*.s1p)");
  QString chosenFilter;
  const QString path = QFileDialog::getSaveFileName(
      window_, QStringLiteral("Save sweep"), InRecentFolder(QStringLiteral("line-sweep.csv")),
      csv + QStringLiteral(";;") + touchstone, &chosenFilter);
  if (!path.isEmpty()) {
    writeLineSweep(path, *points,
                   chosenFilter == touchstone ||
                       path.endsWith(QStringLiteral(".s1p"), Qt::CaseInsensitive));
  }
}

}  // namespace tolvar::app

#include "moc_sweep_export.cpp"
