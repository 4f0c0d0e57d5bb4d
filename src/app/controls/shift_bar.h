#pragma once

#include <QScrollBar>

namespace tolvar::app {

// The line panel's horizontal shift bar. QScrollBar's controls run backwards
// for a horizontal bar (they suit a vertical one): here Left and Home move
// it left, Right and End right, as the mouse does; Page Up/Down and the wheel
// keep QScrollBar's sense (wheel down moves it right). Holding the focus, it
// shows a focus mark, which Qt's scroll bars do not. It tells when the user
// moves the focus onto it or away (its range is set by its panel).
class ShiftBar : public QScrollBar {
  Q_OBJECT

 public:
  explicit ShiftBar(QWidget* parent);

 signals:
  void focusEntered(Qt::FocusReason /*reason*/);
  void focusLeft(Qt::FocusReason /*reason*/);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
  void focusInEvent(QFocusEvent* event) override;
  void focusOutEvent(QFocusEvent* event) override;
};

}  // namespace tolvar::app
