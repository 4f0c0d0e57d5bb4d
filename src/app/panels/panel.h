#pragma once

#include <QString>
#include <functional>
#include <optional>
#include <span>

#include "app/chart/chart_source.h"
#include "app/controls/controls.h"
#include "app/layout/messages.h"
#include "numeric/power.h"

class QWidget;

namespace tolvar::app {

// What the handlers of every panel share: the window's controls, its warning
// boxes and the way a handler runs. A handler reads its entries once, calls
// its calculator once and writes what it found once; other rooms change a
// panel only through its own methods.
class Panel : public ChartSource {
  Q_OBJECT

 public:
  // The chart's view of the result on screen; none while the panel's result
  // field shows no charted result (empty, a sentence, another calculator's).
  std::optional<ChartView> chartView() const override { return std::nullopt; }
  // True while the field shows a result that the chart has figures of.
  bool chartedResultOnScreen() const { return !charted_.isEmpty(); }
  // Whether the result on screen belongs to the calculator of `frame` (the
  // comparisons and the tuner share a result field).
  virtual bool showsResultOf(Control /*frame*/) const { return true; }

 protected:
  Panel(QWidget* window, const Controls& controls);

  QWidget* window() const { return window_; }
  // A modal warning box with an exclamation icon and one OK button.
  void warn(const Message& message) const;
  // The value an entry read as `typed` goes on with: an entry of exactly 0
  // gets the warning box and kZeroReplacement, written into the field as if
  // typed, and the computation goes on with that.
  double replacedZero(Control entry, double typed, const Message& message) const;
  // Writes a measured or computed value into an entry as typing would (its
  // dependent results empty), as numeric::AsEntered makes it, in the fewest
  // digits that read back to that. A narrow field shows the start of a long
  // number, or the end of one with an exponent, so that no digits read as
  // another value.
  void writeEntry(Control entry, double value) const;
  // The same for the two parts of a complex value (R and X, re and im).
  void writeEntries(Control re, Control im, numeric::Complex value) const;
  // The voltage the option buttons name: peak-to-peak, peak, else RMS.
  numeric::VoltageKind voltageKind(Control peakToPeak, Control peak) const;
  // Empties the fields, in this order.
  void empty(std::span<const Control> fields) const;
  // Runs a handler. An ArithmeticFault ends it where it was thrown; what it
  // wrote before stays, and `result` then shows the fault sentence so that no
  // earlier result stays beside entries that did not produce it.
  void run(Control result, const std::function<void()>& handler) const;

  // Writes a result whose figures the chart shows (when `charted`; a sentence
  // in place of a result has none): they count for as long as this text stays
  // in the field. Figures the chartView() reads must be stored before.
  void writeChartedResult(Control result, const QString& text, bool charted = true);
  // "R = 20.36 ohm X = -9.93 ohm", the digits as the result fields show them.
  static QString ImpedanceText(numeric::Complex z);

  const Controls& controls_;

 private:
  QWidget* window_;
  QString charted_;  // the text of the charted result while it is on screen
  bool writing_ = false;
  bool watching_ = false;
};

}  // namespace tolvar::app
