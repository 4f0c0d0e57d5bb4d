#include "app/chart/smith_chart.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <cmath>
#include <optional>
#include <utility>

#include "app/chart/chart_painting.h"
#include "app/chart/chart_texts.h"

namespace tolvar::app {

namespace {

using numeric::ChartFrame;

constexpr QSize kDefaultSize(480, 480);
// Small enough to sit beside the main window, large enough that the legend,
// the reference and the rim labels keep clear of one another.
constexpr QSize kMinimumSize(360, 360);

// The main window's family: the chart reads as part of the program.
constexpr char kFontFamily[] = "Liberation Sans";

}  // namespace

SmithChart::SmithChart(QWidget* parent) : QWidget(parent, Qt::Window) {
  setObjectName(QStringLiteral("SmithChart"));
  setWindowTitle(QStringLiteral("Tolvar 3.1 \u2013 Smith chart"));
  setAccessibleName(QStringLiteral("Smith chart"));
  setMinimumSize(kMinimumSize);
  resize(kDefaultSize);
  setMouseTracking(true);
  // Every paint covers the whole widget with the cached grid.
  setAttribute(Qt::WA_OpaquePaintEvent);

  admittanceAction_ = new QAction(QStringLiteral("Admittance grid"), this);
  admittanceAction_->setCheckable(true);
  connect(admittanceAction_, &QAction::toggled, this, &SmithChart::setAdmittanceGrid);
  auto* save = new QAction(QStringLiteral("Save as PNG\u2026"), this);
  save->setShortcut(QKeySequence::Save);
  connect(save, &QAction::triggered, this, &SmithChart::saveRequested);
  auto* copy = new QAction(QStringLiteral("Copy marks"), this);
  copy->setShortcuts({QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C), QKeySequence::Copy});
  connect(copy, &QAction::triggered, this, &SmithChart::copyMarks);
  addAction(admittanceAction_);
  addAction(copy);
  addAction(save);
  setContextMenuPolicy(Qt::ActionsContextMenu);

  relayout();
}

void SmithChart::setReference(double ohmR, double ohmX) {
  if (!std::isfinite(ohmR) || !std::isfinite(ohmX) ||
      (ohmR == reference_.re && ohmX == reference_.im)) {
    return;
  }
  reference_ = {ohmR, ohmX};
  relayout();
}

void SmithChart::setMarks(std::vector<ChartMark> marks) {
  const QStringList legend = ChartLegendLines(marks_);
  marks_ = std::move(marks);
  QStringList descriptions;
  for (const ChartMark& mark : marks_) {
    descriptions << mark.description;
  }
  setAccessibleDescription(descriptions.join(QLatin1Char('\n')));
  // Only a changed legend can move the disc; new positions just move the
  // ends' texts and repaint.
  if (ChartLegendLines(marks_) != legend) {
    relayout();
  } else {
    placeTraceEnds();
  }
  update();
}

const std::vector<ChartMark>& SmithChart::marks() const { return marks_; }

void SmithChart::setAdmittanceGrid(bool on) {
  if (on == admittance_) {
    return;
  }
  admittance_ = on;
  admittanceAction_->setChecked(on);
  gridStale_ = true;
  update();
}

bool SmithChart::admittanceGrid() const { return admittance_; }

bool SmithChart::savePng(const QString& path) const {
  const qreal ratio = devicePixelRatioF();
  QImage image(size() * ratio, QImage::Format_ARGB32_Premultiplied);
  image.setDevicePixelRatio(ratio);
  QPainter painter(&image);
  paintChart(painter, QString());
  painter.end();
  return image.save(path, "PNG");
}

std::optional<std::pair<std::size_t, std::size_t>> SmithChart::markAt(QPointF position) const {
  std::optional<std::pair<std::size_t, std::size_t>> nearest;
  double nearestDistance = 1.5 * DotRadius(font_) + 1e-9;
  for (std::size_t i = 0; i < marks_.size(); ++i) {
    for (std::size_t k = 0; k < marks_[i].path.size(); ++k) {
      if (!numeric::IsFinite(marks_[i].path[k])) {
        continue;
      }
      const QPointF offset = PointOnChart(marks_[i].path[k], layout_.frame) - position;
      const double distance = std::hypot(offset.x(), offset.y());
      if (distance < nearestDistance) {  // on a tie, the mark listed first
        nearest = {i, k};
        nearestDistance = distance;
      }
    }
  }
  return nearest;
}

QString SmithChart::readoutAt(QPointF position) const {
  if (const auto near = markAt(position)) {
    // On a mark: its own point, against its own reference.
    const ChartMark& mark = marks_[near->first];
    return ChartReadout(mark.path[near->second], mark.reference,
                        (mark.legend.isEmpty() ? QString() : mark.legend + QStringLiteral(", ")) +
                            QStringLiteral("on ") + ChartOhmText(mark.reference) +
                            QStringLiteral(": "));
  }
  return ChartReadout(numeric::ReflectionFromPoint({position.x(), position.y()}, layout_.frame),
                      reference_, QString());
}

void SmithChart::copyMarks() const {
  QApplication::clipboard()->setText(accessibleDescription() + QLatin1Char('\n'));
}

QRectF SmithChart::discRect() const {
  const double half = layout_.frame.side / 2;
  return {layout_.frame.centreX - half, layout_.frame.centreY - half, layout_.frame.side,
          layout_.frame.side};
}

std::vector<SmithChart::PlacedText> SmithChart::placedTexts() const {
  std::vector<PlacedText> texts = layout_.texts;
  std::vector<PlacedText> ends;
  for (const TraceEnd& end : traceEnds_) {
    ends.push_back({TextRole::TraceEnd, end.text, end.rect});
  }
  texts.insert(texts.end() - 1, ends.begin(), ends.end());  // before the status line
  return texts;
}

QSize SmithChart::sizeHint() const { return kDefaultSize; }

void SmithChart::paintEvent(QPaintEvent* /*event*/) {
  QPainter painter(this);
  paintChart(painter, readout_);
}

void SmithChart::resizeEvent(QResizeEvent* /*event*/) { relayout(); }

void SmithChart::changeEvent(QEvent* event) {
  if (event->type() == QEvent::PaletteChange) {
    gridStale_ = true;
    update();
  }
  QWidget::changeEvent(event);
}

void SmithChart::mouseMoveEvent(QMouseEvent* event) {
  pointer_ = event->position();
  refreshReadout();
}

void SmithChart::leaveEvent(QEvent* /*event*/) {
  pointer_.reset();
  refreshReadout();
}

void SmithChart::refreshReadout() {
  const QString text = pointer_ ? readoutAt(*pointer_) : QString();
  if (text == readout_) {
    return;
  }
  readout_ = text;
  update(layout_.status.toAlignedRect());
}

void SmithChart::relayout() {
  QFont font(QString::fromLatin1(kFontFamily));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(ChartFontPoints(QSizeF(size())));
  ChartLayout next = LayOutChart(QSizeF(size()), ChartLegendLines(marks_), ChartReferenceText(reference_),
                                 MeasureWith(QFontMetricsF(font, this)));
  const ChartFrame& was = layout_.frame;
  const ChartFrame& now = next.frame;
  if (now.centreX != was.centreX || now.centreY != was.centreY || now.side != was.side ||
      font != font_) {
    gridStale_ = true;
  }
  font_ = font;
  layout_ = std::move(next);
  placeTraceEnds();
  // A new reference or disc changes what lies under a pointer that stays put.
  refreshReadout();
  update();
}

void SmithChart::placeTraceEnds() {
  traceEnds_ = PlaceTraceEnds(TraceEndsOf(marks_, layout_.frame), layout_, QSizeF(size()),
                              MeasureWith(QFontMetricsF(font_, this)));
}

void SmithChart::paintChart(QPainter& painter, const QString& readout) const {
  painter.drawPixmap(0, 0, grid());
  std::vector<QColor> colours;
  for (const ChartMark& mark : marks_) {
    colours.push_back(MarkColour(mark.hue, palette()));
  }
  DrawMarks(painter, marks_, colours, layout_.frame, font_, palette());
  DrawTraceEnds(painter, traceEnds_, colours, font_, palette());
  DrawLegend(painter, marks_, colours, layout_, font_, palette());
  painter.setFont(font_);
  painter.setPen(palette().color(QPalette::WindowText));
  for (const PlacedText& text : layout_.texts) {
    if (text.role == TextRole::Reference) {
      painter.drawText(text.rect, Qt::AlignRight | Qt::AlignVCenter, text.text);
    }
  }
  const QFontMetricsF metrics(font_, painter.device());
  painter.drawText(layout_.status, Qt::AlignLeft | Qt::AlignVCenter,
                   metrics.elidedText(readout, Qt::ElideRight, layout_.status.width()));
}

const QPixmap& SmithChart::grid() const {
  const qreal ratio = devicePixelRatioF();
  const bool resized = grid_.devicePixelRatio() != ratio || grid_.size() != size() * ratio;
  if (resized) {
    grid_ = QPixmap(size() * ratio);
    grid_.setDevicePixelRatio(ratio);
  }
  if (resized || gridStale_) {
    QPainter painter(&grid_);
    DrawGrid(painter, rect(), layout_, font_, palette(), admittance_);
    gridStale_ = false;
  }
  return grid_;
}

}  // namespace tolvar::app

#include "moc_smith_chart.cpp"
