#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "calc/sweep/sweep.h"

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
  // Saves the line sweep as Save sweep does, to `path` instead of asking
  // where (a Touchstone file for an .s1p ending, else CSV); false when nothing
  // was written.
  bool saveLineSweepTo(const QString& path);

 private:
  void copySweep();
  void saveSweep();
  void saveLineSweep();
  // The line sweep at every point, after the boxes that say which points
  // have no value; none when there is nothing to save or the user cancels.
  std::optional<std::vector<calc::sweep::LinePoint>> lineSweepToSave();
  bool writeLineSweep(const QString& path, const std::vector<calc::sweep::LinePoint>& points,
                      bool asTouchstone);
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
