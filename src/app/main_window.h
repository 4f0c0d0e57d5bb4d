#pragma once

// How an event travels through Tolvar:
//   widget signal or focus event (only moves between the window's own controls)
//   -> a handler of the panel that owns the control, run so that an arithmetic
//      fault ends it with a sentence in the panel's result field
//   -> it reads each entry once through Controls (the leading-number rule) and
//      shows the boxes of its checks
//   -> a calculator in calc/ computes the figures from plain values
//   -> the handler writes the figures' text back; a write into an entry field
//      clears the result fields that depend on it, exactly as typing does.

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
  void createPanels();
  void openGuide();

  app::Controls controls_;
  app::Measurements* measurements_ = nullptr;
};

}  // namespace tolvar
