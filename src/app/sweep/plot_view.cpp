#include "app/sweep/plot_view.h"

#include <QApplication>
#include <QLabel>
#include <QMouseEvent>
#include <QRubberBand>

namespace tolvar::app {

PlotView::PlotView(QWidget* parent)
    : QChartView(new QChart, parent),
      band_(new QRubberBand(QRubberBand::Rectangle, viewport())),
      emptyNote_(new QLabel(viewport())) {
  setRenderHint(QPainter::Antialiasing);
  setMouseTracking(true);
  viewport()->setMouseTracking(true);
  emptyNote_->setObjectName(QStringLiteral("SweepPlotEmptyReason"));
  emptyNote_->setAlignment(Qt::AlignCenter);
  emptyNote_->setWordWrap(true);
  emptyNote_->hide();
}

void PlotView::setEmptyReason(const QString& reason) {
  emptyNote_->setText(reason);
  emptyNote_->setVisible(!reason.isEmpty());
}

QString PlotView::emptyReason() const {
  return emptyNote_->isVisible() ? emptyNote_->text() : QString();
}

QRectF PlotView::plotAreaInView() const {
  const QRectF area = chart()->mapRectToScene(chart()->plotArea());
  return {mapFromScene(area.topLeft()), mapFromScene(area.bottomRight())};
}

std::optional<double> PlotView::mhzAt(QPointF at) const {
  if (chart()->series().isEmpty() || !plotAreaInView().contains(at)) {
    return std::nullopt;
  }
  return chart()->mapToValue(chart()->mapFromScene(mapToScene(at.toPoint()))).x();
}

void PlotView::mousePressEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    QChartView::mousePressEvent(event);
    return;
  }
  if (mhzAt(event->position())) {
    pressedAt_ = event->position().toPoint();
  }
  event->accept();
}

void PlotView::mouseMoveEvent(QMouseEvent* event) {
  const QPointF at = event->position();
  if (pressedAt_ &&
      (at.toPoint() - *pressedAt_).manhattanLength() >= QApplication::startDragDistance()) {
    // The rectangle stays on the plot area, whatever the pointer passes over.
    band_->setGeometry(
        QRectF(*pressedAt_, at).normalized().intersected(plotAreaInView()).toAlignedRect());
    band_->show();
  }
  if (const auto mhz = mhzAt(at)) {
    emit pointerMoved(*mhz);
  } else {
    emit pointerLeft();
  }
  QChartView::mouseMoveEvent(event);
}

void PlotView::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::LeftButton) {
    // The rubber band is this view's own, not QChartView's, whose release of
    // the right button would zoom out: that button is the context menu's.
    QChartView::mouseReleaseEvent(event);
    return;
  }
  if (band_->isVisible()) {
    band_->hide();
    const QRect dragged = band_->geometry();
    if (dragged.width() > 1 && dragged.height() > 1) {
      emit zoomDragged(chart()->mapRectFromScene(
          QRectF(mapToScene(dragged.topLeft()), mapToScene(dragged.bottomRight()))));
    }
  } else if (pressedAt_) {
    if (const auto mhz = mhzAt(*pressedAt_)) {
      emit clicked(*mhz);
    }
  }
  pressedAt_.reset();
  event->accept();
}

void PlotView::leaveEvent(QEvent* event) {
  emit pointerLeft();
  QChartView::leaveEvent(event);
}

void PlotView::resizeEvent(QResizeEvent* event) {
  QChartView::resizeEvent(event);
  constexpr int kMargin = 24;
  emptyNote_->setGeometry(viewport()->rect().adjusted(kMargin, kMargin, -kMargin, -kMargin));
  emit resized();
}

}  // namespace tolvar::app

#include "moc_plot_view.cpp"
