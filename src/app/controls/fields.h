#pragma once

#include <QComboBox>
#include <QLineEdit>

namespace tolvar::app {

// True for a focus change between the window's own controls. Opening or closing
// a modal box, a popup, or the window losing activation also moves the focus
// (ActiveWindowFocusReason, PopupFocusReason); such moves are not the user
// leaving or entering a control and must not run handlers.
bool IsOwnFocusMove(Qt::FocusReason reason);

// An entry field that tells when the user enters or leaves it, after the field
// itself has handled the move (a leave rule sees the field's final text).
class EntryField : public QLineEdit {
  Q_OBJECT

 public:
  EntryField(const QString& text, QWidget* parent) : QLineEdit(text, parent) {}

 signals:
  void focusEntered(Qt::FocusReason /*reason*/);
  void focusLeft(Qt::FocusReason /*reason*/);

 protected:
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

// A drop-down list (editable or not) that tells when the user leaves it.
class ListBox : public QComboBox {
  Q_OBJECT

 public:
  explicit ListBox(QWidget* parent) : QComboBox(parent) {}

 signals:
  void focusLeft(Qt::FocusReason /*reason*/);

 protected:
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace tolvar::app
