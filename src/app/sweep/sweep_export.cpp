#include "app/sweep/sweep_export.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QSaveFile>

#include "app/controls/warning.h"
#include "app/layout/messages.h"
#include "app/panel_menus.h"
#include "app/recent_folder.h"
#include "app/sweep/sweeps.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using C = Control;

QAction* MakeAction(QWidget* window, const char* name, const QString& text) {
  auto* action = new QAction(text, window);
  action->setObjectName(QString::fromLatin1(name));
  return action;
}

}  // namespace

SweepExport::SweepExport(QWidget* window, const Sweeps& sweeps, const PanelMenus& menus)
    : QObject(window),
      window_(window),
      sweeps_(sweeps),
      menus_(menus),
      copyAction_(MakeAction(window, "actionCopySweep", QStringLiteral("Copy sweep"))),
      saveAction_(MakeAction(window, "actionSaveSweep", QStringLiteral("Save sweep\u2026"))) {
  connect(copyAction_, &QAction::triggered, this, &SweepExport::copySweep);
  connect(saveAction_, &QAction::triggered, this, &SweepExport::saveSweep);
}

void SweepExport::copySweep() {
  const auto panel = menus_.currentFrame();
  if (panel == C::LineFrame) {
    if (sweeps_.lineSweep().empty()) {
      ShowWarning(window_, kNoLineSweep);
      return;
    }
    QApplication::clipboard()->setText(
        QString::fromStdString(calc::sweep::LineSweepCsv(sweeps_.lineSweep())));
  } else if (panel == C::TunerFrame) {
    if (sweeps_.tunerSweep().empty()) {
      ShowWarning(window_, kNoTunerSweep);
      return;
    }
    QApplication::clipboard()->setText(
        QString::fromStdString(calc::sweep::TunerSweepCsv(sweeps_.tunerSweep())));
  } else {
    ShowWarning(window_, kNoSweepHere);
  }
}

void SweepExport::saveSweep() {
  const auto panel = menus_.currentFrame();
  const bool line = panel == C::LineFrame;
  if (panel != C::LineFrame && panel != C::TunerFrame) {
    ShowWarning(window_, kNoSweepHere);
    return;
  }
  if (line ? sweeps_.lineSweep().empty() : sweeps_.tunerSweep().empty()) {
    ShowWarning(window_, line ? kNoLineSweep : kNoTunerSweep);
    return;
  }
  const QString csv = QStringLiteral("Comma-separated values (*.csv)");
  const QString touchstone = QStringLiteral("Touchstone 1-port, the carried impedance (*.s1p)");
  QString chosenFilter;
  const QString path = QFileDialog::getSaveFileName(
      window_, QStringLiteral("Save sweep"),
      InRecentFolder(line ? QStringLiteral("line-sweep.csv") : QStringLiteral("tuner-sweep.csv")),
      line ? csv + QStringLiteral(";;") + touchstone : csv, &chosenFilter);
  if (path.isEmpty()) {
    return;
  }
  const bool asTouchstone = line && (chosenFilter == touchstone ||
                                     path.endsWith(QStringLiteral(".s1p"), Qt::CaseInsensitive));
  std::string text;
  if (!line) {
    text = calc::sweep::TunerSweepCsv(sweeps_.tunerSweep());
  } else if (asTouchstone) {
    text = calc::sweep::CarriedTouchstone(
        sweeps_.lineSweep(), sweeps_.carriedName().toStdString() + ", carried by Tolvar along " +
                                 numeric::FormatFixed(sweeps_.sweptLine()->lengthM, 2) +
                                 " m of line");
  } else {
    text = calc::sweep::LineSweepCsv(sweeps_.lineSweep());
  }
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly) ||
      file.write(text.data(), static_cast<qint64>(text.size())) !=
          static_cast<qint64>(text.size()) ||
      !file.commit()) {
    ShowWarning(window_, kSweepNotSaved, {QDir::toNativeSeparators(path)});
    return;
  }
  RememberFolderOf(path);
}

}  // namespace tolvar::app

#include "moc_sweep_export.cpp"
