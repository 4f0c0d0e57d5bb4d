#pragma once

#include <QChartView>
#include <QString>
#include <optional>

class QLabel;
class QRubberBand;

namespace tolvar::app {

// One plot's view and what the mouse does on it: the pointer's frequency for
// the readout, a click (press and release in one place) that chooses a
// frequency, and a rectangle dragged with the left button to zoom into. The
// right button is the context menu's alone. Over the view it can say why
// there is nothing to draw.
class PlotView : public QChartView {
  Q_OBJECT

 public:
  explicit PlotView(QWidget* parent = nullptr);

  // Shows `reason` centred over the view; an empty text hides it.
  void setEmptyReason(const QString& reason);
  QString emptyReason() const;
  // What the chart was last built for: its curves, axes and colours.
  const QString& shape() const { return shape_; }
  void setShape(const QString& shape) { shape_ = shape; }

 signals:
  // The pointer is over the plot area at a frequency [MHz]. (A signal's
  // parameters are named in comments: moc's definitions name them otherwise.)
  void pointerMoved(double /*mhz*/);
  // The pointer has left the plot area.
  void pointerLeft();
  // A click on the plot area at a frequency [MHz].
  void clicked(double /*mhz*/);
  // A rectangle dragged over the plot area, in the chart's coordinates.
  void zoomDragged(QRectF /*area*/);
  void resized();

 protected:
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The frequency at a point of the viewport, if it is over the plot area.
  std::optional<double> mhzAt(QPointF at) const;
  // The plot area in the viewport's coordinates.
  QRectF plotAreaInView() const;

  QRubberBand* band_;
  QLabel* emptyNote_;
  std::optional<QPoint> pressedAt_;  // where the left button went down
  QString shape_;
};

}  // namespace tolvar::app
