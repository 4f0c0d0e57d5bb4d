#pragma once

// How an event travels through Tolvar:
//   widget signal (a focus signal only for moves between the window's own controls)
//   -> a slot of the panel that owns the control, run so that an arithmetic
//      fault ends it with a sentence in the panel's result field
//   -> it reads its entries once, as a typed value, through Controls (the
//      leading-number rule), with the boxes of its checks
//   -> one calculator in calc/ computes the figures from plain values
//   -> the slot writes the figures' text back once; a write into an entry field
//      clears the result fields that depend on it, exactly as typing does
//   -> the panel's signals tell the chart and the sweeps, wired in the
//      constructor below in the order they need.

#include <QWidget>

#include "app/controls/controls.h"

namespace tolvar {

namespace app {
class Measurements;
}

// The one window: its controls built from the layout table (app/layout), one
// object per panel holding that panel's handlers and state (app/panels), and
// the Smith chart beside it (app/chart).
class MainWindow : public QWidget {
  Q_OBJECT

 public:
  explicit MainWindow(QWidget* parent = nullptr);

  // Opens a Touchstone file as actionOpenMeasurement does; false, after a box
  // that says why, when it cannot be read.
  bool openMeasurement(const QString& path);

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  struct Rooms;
  void createRooms();
  void connectRooms(const Rooms& rooms);
  void openGuide();

  app::Controls controls_;
  app::Measurements* measurements_ = nullptr;
};

}  // namespace tolvar
