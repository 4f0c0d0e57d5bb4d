#include "app/controls/shift_bar.h"

#include <QKeyEvent>
#include <QPainter>

namespace tolvar::app {

namespace {

constexpr int kStepsPerPage = 20;  // a page is five electrical degrees

}  // namespace

ShiftBar::ShiftBar(int steps, QWidget* parent) : QScrollBar(Qt::Horizontal, parent) {
  setRange(0, steps);
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

}  // namespace tolvar::app

#include "moc_shift_bar.cpp"
