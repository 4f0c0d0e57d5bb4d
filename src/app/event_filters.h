#pragma once

#include <QHash>
#include <QObject>
#include <functional>

#include "app/entry_rules.h"

class QWidget;

namespace tolvar::app {

// Judges the characters typed into entry fields before they are inserted.
// Keys that type no character (arrows, Delete, Home/End, Tab) and shortcuts
// (Ctrl+C/V/X/Z/A, Alt+access key) pass untouched; pasted text is not judged.
class EntryKeyGuard : public QObject {
 public:
  // warnComma shows the comma warning; the comma is dropped after it.
  EntryKeyGuard(QObject* parent, std::function<void()> warnComma);
  void guard(QWidget* entry, KeyFilter filter);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QHash<QObject*, KeyFilter> filters_;
  std::function<void()> warnComma_;
};

// True for a focus change between the window's own controls. Opening or closing
// a modal box, a popup, or the window losing activation also moves the focus
// (ActiveWindowFocusReason, PopupFocusReason); such moves are not the user
// leaving or entering a control and must not run handlers.
bool IsOwnFocusMove(Qt::FocusReason reason);

// Runs got-focus and lost-focus handlers for focus moves between the window's
// own controls only.
class FocusHandlers : public QObject {
 public:
  explicit FocusHandlers(QObject* parent);
  void onGained(QWidget* widget, std::function<void()> handler);
  void onLost(QWidget* widget, std::function<void()> handler);
  // Why the focus moved, while a handler runs.
  Qt::FocusReason reason() const { return reason_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QHash<QObject*, std::function<void()>> gained_;
  QHash<QObject*, std::function<void()>> lost_;
  Qt::FocusReason reason_ = Qt::OtherFocusReason;
};

// Shows long tooltips on several lines of at most `columns` characters, so that
// no screen clips them; the controls keep their tooltip texts unchanged.
class ToolTipWrapper : public QObject {
 public:
  ToolTipWrapper(QObject* parent, int columns);
  void wrap(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int columns_;
};

// Drops the mouse press now being delivered to `target` when it is a button:
// a warning box shown while that press moved the focus has taken the user's
// attention, and the press must not go on to click the button afterwards.
void DropPendingButtonPress(QWidget* target);

}  // namespace tolvar::app
