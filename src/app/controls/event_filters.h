#pragma once

#include <QHash>
#include <QObject>
#include <functional>

#include "app/layout/entry_rules.h"

class QWidget;

namespace tolvar::app {

// Judges every character that would reach an entry field before it is inserted,
// however it arrives: a key press with or without Alt, AltGr or Super held, or
// the text an input method or a dead key commits. Keys that type no character
// (arrows, Delete, Home/End, Tab) and Ctrl shortcuts (Ctrl+C/V/X/Z/A) pass
// untouched; an access key never gets here (the shortcut takes it); pasted
// text is not judged.
class EntryKeyGuard : public QObject {
  Q_OBJECT

 public:
  explicit EntryKeyGuard(QObject* parent);
  void guard(QWidget* entry, KeyFilter filter);

 signals:
  // A comma was typed (once per comma): its warning shows before the comma is
  // dropped.
  void commaRefused();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QHash<QObject*, KeyFilter> filters_;

  // What is left of `text` after the filter; a comma warns (once per comma).
  QString judged(const QString& text, KeyFilter filter);
};

// Makes an access key (Alt + the underlined letter) press its button the way the
// mouse does: the focus moves to the button first, so the leave rule of the
// field being left runs (with its box, where it shows one), and only then is the
// button clicked. A leave rule that keeps the user in the field cancels the
// press; the focus then goes back to that field.
class ButtonPresses : public QObject {
  Q_OBJECT

 public:
  explicit ButtonPresses(QObject* parent);
  void watch(QWidget* button);
  // For a leave rule that keeps the user in the field: shows its box, then
  // makes the press that is taking the focus away (a mouse press or an access
  // key, as `reason` says) not click its button.
  void cancelWithBox(Qt::FocusReason reason, const std::function<void()>& showBox);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool accessKeyCancelled_ = false;
};

// Lets Tab and Shift+Tab enter an option group on its selected option: only the
// selected option of each group is a tab stop (arrow keys move within a group).
void MakeSelectedOptionsTabStops(QWidget* window);

// Shows long tooltips on several lines of at most `columns` characters, so that
// no screen clips them; the controls keep their tooltip texts unchanged.
class ToolTipWrapper : public QObject {
  Q_OBJECT

 public:
  ToolTipWrapper(QObject* parent, int columns);
  void wrap(QWidget* widget);

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  int columns_;
};

}  // namespace tolvar::app
