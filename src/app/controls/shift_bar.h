#pragma once

#include <QScrollBar>

namespace tolvar::app {

// The line panel's horizontal shift bar. QScrollBar's controls run backwards
// for a horizontal bar (they suit a vertical one): here Left and Home move
// it left, Right and End right, as the mouse does; Page Up/Down and the wheel
// keep QScrollBar's sense (wheel down moves it right). Holding the focus, it
// shows a focus mark, which Qt's scroll bars do not.
class ShiftBar : public QScrollBar {
  Q_OBJECT

 public:
  ShiftBar(int steps, QWidget* parent);

 protected:
  void keyPressEvent(QKeyEvent* event) override;
  void paintEvent(QPaintEvent* event) override;
};

}  // namespace tolvar::app
