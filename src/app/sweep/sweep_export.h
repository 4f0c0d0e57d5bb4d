#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace tolvar::app {

class PanelMenus;
class Sweeps;

// The sweeps out of the program (actionCopySweep, actionSaveSweep): the line
// sweep or the tuner sweep, as the panel the action is for asks, as CSV on
// the clipboard or in a file, or the carried impedance as a Touchstone file.
class SweepExport : public QObject {
  Q_OBJECT

 public:
  SweepExport(QWidget* window, const Sweeps& sweeps, const PanelMenus& menus);
  QAction* copyAction() const { return copyAction_; }
  QAction* saveAction() const { return saveAction_; }

 private:
  void copySweep();
  void saveSweep();

  QWidget* window_;
  const Sweeps& sweeps_;
  const PanelMenus& menus_;
  QAction* copyAction_;
  QAction* saveAction_;
};

}  // namespace tolvar::app
