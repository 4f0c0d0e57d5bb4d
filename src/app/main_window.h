#pragma once

// How an event travels through Tolvar:
//   widget signal or focus event (only moves between the window's own controls)
//   -> a handler of the panel that owns the control, run so that an arithmetic
//      fault ends it with a sentence in the panel's result field
//   -> it reads each entry once (leading-number rule), shows the boxes of its checks
//   -> a calculator on plain values in calc/ computes the numbers and texts
//   -> the handler writes the texts back; a write into an entry field clears
//      the result fields that depend on it, exactly as typing does.

#include <QWidget>

#include "app/controls.h"

namespace tolvar {

// The one window: built from the layout table, with one object per panel
// holding that panel's handlers and state.
class MainWindow : public QWidget {
 public:
  explicit MainWindow(QWidget* parent = nullptr);

 protected:
  bool focusNextPrevChild(bool next) override;

 private:
  void buildControls();
  void applyEntryRules();
  void applyOptionRules();
  void applyAccessibility();
  void applyTabOrder();
  void createPanels();

  app::Controls controls_;
};

}  // namespace tolvar
