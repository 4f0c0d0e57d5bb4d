#include "app/controls/shift_bar.h"

#include <QFocusEvent>
#include <QKeyEvent>
#include <QPainter>

#include "app/controls/fields.h"

namespace tolvar::app {

namespace {

constexpr int kStepsPerPage = 20;  // a page is five electrical degrees

}  // namespace

ShiftBar::ShiftBar(QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
  setSingleStep(1);
  setPageStep(kStepsPerPage);
  setFocusPolicy(Qt::StrongFocus);  // reached by Tab, sees focus events
}

void ShiftBar::keyPressEvent(QKeyEvent* event) {
  const bool rightToLeft = isRightToLeft();
  SliderAction action = SliderNoAction;
  switch (event->key()) {
    case Qt::Key_Left:
      action = rightToLeft ? SliderSingleStepAdd : SliderSingleStepSub;
      break;
    case Qt::Key_Right:
      action = rightToLeft ? SliderSingleStepSub : SliderSingleStepAdd;
      break;
    case Qt::Key_Home:
      action = SliderToMinimum;
      break;
    case Qt::Key_End:
      action = SliderToMaximum;
      break;
    default:
      QScrollBar::keyPressEvent(event);
      return;
  }
  triggerAction(action);
  event->accept();
}

void ShiftBar::paintEvent(QPaintEvent* event) {
  QScrollBar::paintEvent(event);
  if (hasFocus()) {
    QPainter painter(this);
    painter.setPen(QPen(palette().color(QPalette::Highlight), 2));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(QRectF(rect()).adjusted(1, 1, -1, -1));
  }
}

void ShiftBar::focusInEvent(QFocusEvent* event) {
  QScrollBar::focusInEvent(event);
  if (IsOwnFocusMove(event->reason())) {
    emit focusEntered(event->reason());
  }
}

void ShiftBar::focusOutEvent(QFocusEvent* event) {
  QScrollBar::focusOutEvent(event);
  if (IsOwnFocusMove(event->reason())) {
    emit focusLeft(event->reason());
  }
}

}  // namespace tolvar::app

#include "moc_shift_bar.cpp"
