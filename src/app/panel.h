#pragma once

#include <QObject>
#include <functional>
#include <span>

#include "app/controls.h"
#include "app/messages.h"

class QWidget;

namespace tolvar::app {

// What the handlers of every panel share: the window's controls, its warning
// boxes and the way a handler runs.
class Panel : public QObject {
 protected:
  Panel(QWidget* window, const Controls& controls);

  // The entry's value by the leading-number rule (read afresh on every call).
  double value(Control entry) const { return controls_.value(entry); }
  // A modal warning box with an exclamation icon and one OK button.
  void warn(const Message& message) const;
  // Warns about an entry of exactly 0 and writes kZeroReplacement into it
  // (unless the user changed it meanwhile); the handler goes on.
  void replaceZero(Control entry, const Message& message) const;
  // Empties the fields, in this order.
  void empty(std::span<const Control> fields) const;
  // Runs a handler; an arithmetic fault ends it and shows the fault sentence
  // in `result`.
  void run(Control result, const std::function<void()>& handler) const;
  // A calculator's write into its result field (which turns bold for good).
  void writeResult(Control result, const QString& text) const;

  const Controls& controls_;

 private:
  QWidget* window_;
};

}  // namespace tolvar::app
