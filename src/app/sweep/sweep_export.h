#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace tolvar::app {

class PanelMenus;
class Sweeps;

// The sweeps out of the program, at every point of the measurement:
// actionCopySweep and actionSaveSweep give the line sweep or the tuner sweep,
// as the panel the action is for asks, as CSV on the clipboard or in a file,
// or the carried impedance as a Touchstone file; actionCopyMarkers gives the
// markers of the measured and the carried curve as CSV. An action that cannot
// apply to the panel asked, or to the sweeps at hand, is disabled, its tooltip
// saying why.
class SweepExport : public QObject {
  Q_OBJECT

 public:
  SweepExport(QWidget* window, const Sweeps& sweeps, const PanelMenus& menus);
  QAction* copyAction() const { return copyAction_; }
  QAction* saveAction() const { return saveAction_; }
  QAction* copyMarkersAction() const { return copyMarkersAction_; }
  // Enables each action for the panel now asked and the sweeps now at hand.
  void refresh();

 private:
  void copySweep();
  void saveSweep();
  void saveLineSweep();
  void copyMarkers();
  bool write(const QString& path, const std::string& text) const;

  QWidget* window_;
  const Sweeps& sweeps_;
  const PanelMenus& menus_;
  QAction* copyAction_;
  QAction* saveAction_;
  QAction* copyMarkersAction_;
};

}  // namespace tolvar::app
