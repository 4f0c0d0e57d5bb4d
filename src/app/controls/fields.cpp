#include "app/controls/fields.h"

#include <QFocusEvent>

namespace tolvar::app {

bool IsOwnFocusMove(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

void EntryField::focusInEvent(QFocusEvent* event) {
  QLineEdit::focusInEvent(event);
  if (IsOwnFocusMove(event->reason())) {
    emit focusEntered(event->reason());
  }
}

void EntryField::focusOutEvent(QFocusEvent* event) {
  QLineEdit::focusOutEvent(event);
  if (IsOwnFocusMove(event->reason())) {
    emit focusLeft(event->reason());
  }
}

void ListBox::focusOutEvent(QFocusEvent* event) {
  QComboBox::focusOutEvent(event);
  if (IsOwnFocusMove(event->reason())) {
    emit focusLeft(event->reason());
  }
}

}  // namespace tolvar::app

#include "moc_fields.cpp"
