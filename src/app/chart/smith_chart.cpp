#include "app/chart/smith_chart.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QFontMetricsF>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QPolygonF>
#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <string>
#include <utility>

#include "app/chart/chart_colours.h"
#include "app/chart/save_png.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using numeric::ChartFrame;
using numeric::Circle;
using numeric::Complex;
using numeric::PixelPoint;

// The normalised values the grid draws and labels, and its SWR circles.
constexpr std::array<double, 5> kGridValues{0.2, 0.5, 1, 2, 5};
constexpr std::array<double, 3> kGridSwrs{1.5, 2, 3};

constexpr QSize kDefaultSize(480, 480);
// Small enough to sit beside the main window, large enough that the legend,
// the reference and the rim labels keep clear of one another.
constexpr QSize kMinimumSize(360, 360);

// The main window's family and size: the chart reads as part of the program.
// Labels grow with the window (8.25 pt at the default size) but never shrink.
constexpr char kFontFamily[] = "Liberation Sans";
constexpr double kFontFloorPoints = 8.25;
constexpr double kFontCeilingPoints = 13;
constexpr double kPixelsPerPoint = 58;

// Gamma components beyond this are far outside any window; the raster engine
// works in fixed point and misdraws coordinates of astronomic size.
constexpr double kFarGamma = 8;

constexpr QLatin1String kReadoutSeparator("   ");

QString Fixed(double value, int decimals) {
  return QString::fromStdString(numeric::FormatFixed(value, decimals));
}

// Up to three decimals without trailing zeros: "50", "52.5", "0.001".
QString Compact(double value) {
  std::string text = numeric::FormatFixed(value, 3);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') {
    text.pop_back();
  }
  return QString::fromStdString(text);
}

// "+ j15.38" or "- j9.93"; the sign is that of the shown digits, so a value
// that rounds to zero shows as "+ j0.00".
QString ImaginaryPart(const QString& digits) {
  if (digits.startsWith(QLatin1Char('-'))) {
    return QStringLiteral("- j") + digits.mid(1);
  }
  return QStringLiteral("+ j") + digits;
}

// A reference impedance as the chart names it: "50 ohm", "75 - j25 ohm".
QString OhmText(Complex z) {
  return Compact(z.re) + (z.im == 0 ? QString() : QLatin1Char(' ') + ImaginaryPart(Compact(z.im))) +
         QStringLiteral(" ohm");
}

QPointF ToPoint(Complex gamma, const ChartFrame& frame) {
  const PixelPoint point = numeric::PointFromReflection(
      {std::clamp(gamma.re, -kFarGamma, kFarGamma), std::clamp(gamma.im, -kFarGamma, kFarGamma)},
      frame);
  return {point.x, point.y};
}

QPointF Centre(const ChartFrame& frame) { return {frame.centreX, frame.centreY}; }

// A rectangle of the text's size whose centre is `centre`.
QRectF TextBox(const QFontMetricsF& metrics, const QString& text, QPointF centre) {
  const QSizeF size(metrics.horizontalAdvance(text) + 2, metrics.height());
  return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

// The grid's labels for a disc in `frame`: the resistances along the real
// axis, the reactances outside the rim, the SWR circles below the centre.
std::vector<SmithChart::PlacedText> GridLabels(const ChartFrame& frame,
                                               const QFontMetricsF& metrics) {
  std::vector<SmithChart::PlacedText> labels;
  const auto add = [&](const QString& text, QRectF rect) {
    labels.push_back({SmithChart::TextRole::GridLabel, text, rect});
  };
  const double radius = frame.side / 2;
  const double gap = metrics.height() * 0.3;
  const Complex unit{1, 0};
  for (const double value : kGridValues) {
    // Above the axis where the resistance circle crosses it, clear of the dot
    // of a resistive load there.
    const QPointF crossing = ToPoint(*numeric::ReflectionFromImpedance({value, 0}, unit), frame);
    const double aboveAxis = metrics.height() / 2 + metrics.height() / 3 + 2;
    add(Compact(value), TextBox(metrics, Compact(value), crossing - QPointF(0, aboveAxis)));
    for (const double x : {value, -value}) {
      // Outside the rim where the reactance arc meets it, pushed outwards by
      // its own size so that no corner dips into the disc.
      const Complex rim = *numeric::ReflectionFromImpedance({0, x}, unit);
      const QPointF anchor =
          ToPoint({rim.re * (1 + gap / radius), rim.im * (1 + gap / radius)}, frame);
      const QString text =
          (x < 0 ? QStringLiteral("-j") : QStringLiteral("+j")) + Compact(std::fabs(x));
      const QRectF box = TextBox(metrics, text, anchor);
      add(text, box.translated(rim.re * box.width() / 2, -rim.im * box.height() / 2));
    }
  }
  for (const double swr : kGridSwrs) {
    const QString text = QStringLiteral("SWR ") + Compact(swr);
    add(text, TextBox(metrics, text, ToPoint({0, -numeric::SwrCircle(swr).radius}, frame)));
  }
  return labels;
}

// True when the box keeps clear of the disc (the rim's line included).
bool ClearOfDisc(const QRectF& box, const ChartFrame& frame) {
  const double nearestX = std::clamp(frame.centreX, box.left(), box.right());
  const double nearestY = std::clamp(frame.centreY, box.top(), box.bottom());
  return std::hypot(nearestX - frame.centreX, nearestY - frame.centreY) > frame.side / 2 + 2;
}

// The largest disc centred in `within` whose grid labels stay in `area` and
// clear of the corners' boxes, with its labels. A window too small to fit
// keeps a disc of half its size, labels as they fall.
std::pair<ChartFrame, std::vector<SmithChart::PlacedText>> LargestDisc(
    const QRectF& within, const QRectF& area, const std::array<QRectF, 2>& corners,
    const QFontMetricsF& metrics) {
  const auto fits = [&](const ChartFrame& frame,
                        const std::vector<SmithChart::PlacedText>& labels) {
    for (const QRectF& box : corners) {
      if (!box.isEmpty() && !ClearOfDisc(box, frame)) {
        return false;
      }
    }
    return std::all_of(labels.begin(), labels.end(), [&](const SmithChart::PlacedText& label) {
      return area.contains(label.rect) && !label.rect.intersects(corners[0]) &&
             !label.rect.intersects(corners[1]);
    });
  };
  const QPointF centre = within.center();
  const double largest = std::max(1.0, std::floor(std::min(within.width(), within.height()) / 2));
  const auto disc = [&](double radius) {
    const ChartFrame frame{centre.x(), centre.y(), 2 * radius};
    return std::pair{frame, GridLabels(frame, metrics)};
  };
  // A larger disc only crowds its labels more: halve the steps between a
  // radius that fits and one that does not, down to whole pixels.
  if (auto whole = disc(largest); fits(whole.first, whole.second)) {
    return whole;
  }
  double fitting = std::floor(largest / 2);
  double failing = largest;
  while (failing - fitting > 1) {
    const double middle = std::floor((fitting + failing) / 2);
    const auto candidate = disc(middle);
    (fits(candidate.first, candidate.second) ? fitting : failing) = middle;
  }
  return disc(fitting);
}

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
  connect(save, &QAction::triggered, this, &SmithChart::saveWithDialog);
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
  const QStringList legend = legendLines();
  marks_ = std::move(marks);
  QStringList descriptions;
  for (const ChartMark& mark : marks_) {
    descriptions << mark.description;
  }
  setAccessibleDescription(descriptions.join(QLatin1Char('\n')));
  // Only a changed legend can move the disc; new positions just repaint.
  if (legendLines() != legend) {
    relayout();
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

double SmithChart::dotRadius() const { return QFontMetricsF(layout_.font).height() / 3; }

std::optional<std::pair<std::size_t, std::size_t>> SmithChart::markAt(QPointF position) const {
  std::optional<std::pair<std::size_t, std::size_t>> nearest;
  double nearestDistance = 1.5 * dotRadius() + 1e-9;
  for (std::size_t i = 0; i < marks_.size(); ++i) {
    for (std::size_t k = 0; k < marks_[i].path.size(); ++k) {
      if (!numeric::IsFinite(marks_[i].path[k])) {
        continue;
      }
      const QPointF offset = ToPoint(marks_[i].path[k], layout_.frame) - position;
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
  Complex gamma = numeric::ReflectionFromPoint({position.x(), position.y()}, layout_.frame);
  Complex reference = reference_;
  QString which;
  if (const auto near = markAt(position)) {
    // On a mark: its own point, against its own reference.
    const ChartMark& mark = marks_[near->first];
    gamma = mark.path[near->second];
    reference = mark.reference;
    which = (mark.legend.isEmpty() ? QString() : mark.legend + QStringLiteral(", ")) +
            QStringLiteral("on ") + OhmText(reference) + QStringLiteral(": ");
  }
  const double magnitude = numeric::Abs(gamma);
  // The rim and beyond hold no passive load: nothing to read there.
  if (!(magnitude < 1)) {
    return {};
  }
  QStringList parts;
  if (const auto z = numeric::ImpedanceFromReflection(gamma, reference)) {
    parts << which + QStringLiteral("Z = ") + Fixed(z->re, 2) + QLatin1Char(' ') +
                 ImaginaryPart(Fixed(z->im, 2)) + QStringLiteral(" ohm");
  }
  parts << QStringLiteral("|\u0393| = ") + Fixed(magnitude, 3) + QStringLiteral(" at ") +
               Fixed(numeric::ReflectionAngleDegrees(gamma), 1) + QStringLiteral("\u00b0");
  if (const auto swr = numeric::SwrFromMagnitude(magnitude)) {
    parts << QStringLiteral("SWR = ") + Fixed(*swr, 2);
  }
  return parts.join(kReadoutSeparator);
}

void SmithChart::copyMarks() const {
  QApplication::clipboard()->setText(accessibleDescription() + QLatin1Char('\n'));
}

QRectF SmithChart::discRect() const {
  const double half = layout_.frame.side / 2;
  return {layout_.frame.centreX - half, layout_.frame.centreY - half, layout_.frame.side,
          layout_.frame.side};
}

std::vector<SmithChart::PlacedText> SmithChart::placedTexts() const { return layout_.texts; }

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

QString SmithChart::referenceText() const {
  return QStringLiteral("Reference ") + OhmText(reference_);
}

bool SmithChart::marksDifferInReference() const {
  return std::any_of(marks_.begin(), marks_.end(), [this](const ChartMark& mark) {
    return mark.reference != marks_.front().reference;
  });
}

QStringList SmithChart::legendLines() const {
  // Each names its reference where they differ.
  const bool named = marksDifferInReference();
  QStringList lines;
  for (const ChartMark& mark : marks_) {
    if (!mark.legend.isEmpty()) {
      lines << mark.legend +
                   (named ? QStringLiteral(", on ") + OhmText(mark.reference) : QString());
    }
  }
  return lines;
}

// The legend in the top left corner and the reference in the top right one,
// side by side above the disc when they fit so, else the reference below the
// legend; a text is elided only where the window is narrower than it.
std::vector<SmithChart::PlacedText> SmithChart::placeCorners(Layout& layout,
                                                             const QFontMetricsF& metrics,
                                                             double margin) const {
  const double w = width();
  const double line = metrics.height();
  const double room = w - 2 * margin;
  const double swatch = 1.8 * line;
  std::vector<PlacedText> corners;
  double legendWidth = 0;
  const QStringList legend = legendLines();
  for (qsizetype i = 0; i < legend.size(); ++i) {
    const QString text = metrics.elidedText(legend[i], Qt::ElideRight, room - swatch);
    const double textWidth = metrics.horizontalAdvance(text) + 2;
    legendWidth = std::max(legendWidth, swatch + textWidth);
    corners.push_back(
        {TextRole::Legend, text,
         QRectF(margin + swatch, margin + static_cast<double>(i) * line, textWidth, line)});
  }
  layout.legend = QRectF(margin, margin, legendWidth, static_cast<double>(legend.size()) * line);
  const QString reference = metrics.elidedText(referenceText(), Qt::ElideRight, room);
  const double referenceWidth = metrics.horizontalAdvance(reference) + 2;
  const bool sideBySide = legendWidth + margin + referenceWidth <= room;
  const double referenceTop = sideBySide ? margin : layout.legend.bottom();
  corners.push_back({TextRole::Reference, reference,
                     QRectF(w - margin - referenceWidth, referenceTop, referenceWidth, line)});
  return corners;
}

SmithChart::Layout SmithChart::computeLayout() const {
  Layout layout;
  const double w = width();
  const double h = height();
  layout.font = QFont(QString::fromLatin1(kFontFamily));
  layout.font.setStyleHint(QFont::SansSerif);
  layout.font.setPointSizeF(
      std::clamp(std::min(w, h) / kPixelsPerPoint, kFontFloorPoints, kFontCeilingPoints));
  const QFontMetricsF metrics(layout.font, this);
  const double line = metrics.height();
  const double margin = std::round(line / 2);

  // The status line along the bottom; the disc and its labels above it.
  layout.status = QRectF(margin, h - margin - line, w - 2 * margin, line);
  const QRectF area(margin / 2, margin / 2, w - margin, layout.status.top() - margin);
  const std::vector<PlacedText> corners = placeCorners(layout, metrics, margin);

  // The disc centred in the whole area or in the part below the corners,
  // whichever holds the larger one.
  const std::array<QRectF, 2> boxes{layout.legend, corners.back().rect};
  const double cornersBottom = std::max(boxes[0].bottom(), boxes[1].bottom());
  const QRectF below(area.left(), cornersBottom, area.width(), area.bottom() - cornersBottom);
  auto disc = LargestDisc(area, area, boxes, metrics);
  auto lower = LargestDisc(below, area, boxes, metrics);
  if (lower.first.side > disc.first.side) {
    disc = std::move(lower);
  }
  layout.frame = disc.first;
  layout.texts = std::move(disc.second);
  layout.texts.insert(layout.texts.end(), corners.begin(), corners.end());
  layout.texts.push_back({TextRole::StatusLine, QString(), layout.status});
  return layout;
}

void SmithChart::relayout() {
  Layout next = computeLayout();
  const ChartFrame& was = layout_.frame;
  const ChartFrame& now = next.frame;
  if (now.centreX != was.centreX || now.centreY != was.centreY || now.side != was.side ||
      next.font != layout_.font) {
    gridStale_ = true;
  }
  layout_ = std::move(next);
  // A new reference or disc changes what lies under a pointer that stays put.
  refreshReadout();
  update();
}

void SmithChart::saveWithDialog() {
  SavePngWithDialog(this, QStringLiteral("the Smith chart"), QStringLiteral("smith-chart.png"),
                    [this](const QString& path) { return savePng(path); });
}

std::vector<QColor> SmithChart::markColours() const {
  std::vector<QColor> colours;
  for (const ChartMark& mark : marks_) {
    colours.push_back(MarkColour(mark.hue, palette()));
  }
  return colours;
}

void SmithChart::paintChart(QPainter& painter, const QString& readout) const {
  painter.drawPixmap(0, 0, grid());
  const std::vector<QColor> colours = markColours();
  drawMarks(painter, colours);
  drawLegend(painter, colours);
  painter.setFont(layout_.font);
  painter.setPen(palette().color(QPalette::WindowText));
  for (const PlacedText& text : layout_.texts) {
    if (text.role == TextRole::Reference) {
      painter.drawText(text.rect, Qt::AlignRight | Qt::AlignVCenter, text.text);
    }
  }
  const QFontMetricsF metrics(layout_.font, painter.device());
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
    drawGrid(painter);
    gridStale_ = false;
  }
  return grid_;
}

void SmithChart::drawGrid(QPainter& painter) const {
  const QPalette& colours = palette();
  const QColor window = colours.color(QPalette::Window);
  const QColor base = colours.color(QPalette::Base);
  const QColor ink = colours.color(QPalette::Text);
  const ChartFrame& frame = layout_.frame;
  const QPointF centre = Centre(frame);
  const double radius = frame.side / 2;

  painter.fillRect(rect(), window);
  painter.setRenderHint(QPainter::Antialiasing);
  QPainterPath disc;
  disc.addEllipse(centre, radius, radius);
  painter.fillPath(disc, base);

  // Only the part of each circle inside the disc: stroking whole circles of up
  // to five times the disc's radius and clipping them would cost several times
  // as much at a high pixel ratio.
  const auto drawCircle = [&](const Circle& circle) {
    const numeric::Arc arc = numeric::ArcInsideUnitDisc(circle);
    const double scaled = circle.radius * radius;
    const QPointF middle = ToPoint({circle.x, circle.y}, frame);
    const QRectF box(middle - QPointF(scaled, scaled), QSizeF(2 * scaled, 2 * scaled));
    QPainterPath path;
    path.arcMoveTo(box, arc.startDegrees);
    path.arcTo(box, arc.startDegrees, arc.sweepDegrees);
    painter.drawPath(path);
  };
  painter.setBrush(Qt::NoBrush);
  if (admittance_) {
    painter.setPen(QPen(Mix(ink, base, 0.16f), 1));
    for (const double value : kGridValues) {
      drawCircle(numeric::ConductanceCircle(value));
      drawCircle(*numeric::SusceptanceCircle(value));
      drawCircle(*numeric::SusceptanceCircle(-value));
    }
  }
  painter.setPen(QPen(Mix(ink, base, 0.34f), 1));
  for (const double value : kGridValues) {
    drawCircle(numeric::ResistanceCircle(value));
    drawCircle(*numeric::ReactanceCircle(value));
    drawCircle(*numeric::ReactanceCircle(-value));
  }
  painter.drawLine(ToPoint({-1, 0}, frame), ToPoint({1, 0}, frame));
  QPen swrPen(Mix(ink, base, 0.5f), 1, Qt::CustomDashLine);
  swrPen.setDashPattern({4, 3});
  painter.setPen(swrPen);
  for (const double swr : kGridSwrs) {
    drawCircle(numeric::SwrCircle(swr));
  }
  painter.setPen(QPen(Mix(ink, base, 0.7f), 1.3));
  painter.drawEllipse(centre, radius, radius);

  drawGridLabels(painter);
}

void SmithChart::drawGridLabels(QPainter& painter) const {
  const QPalette& colours = palette();
  const QColor window = colours.color(QPalette::Window);
  const QColor windowInk = colours.color(QPalette::WindowText);
  const QColor base = colours.color(QPalette::Base);
  const QColor ink = colours.color(QPalette::Text);
  const QPointF centre = Centre(layout_.frame);
  const double radius = layout_.frame.side / 2;
  // Labels inside the disc sit on a patch of its background, so the lines
  // they cross do not run through the digits.
  painter.setFont(layout_.font);
  for (const PlacedText& label : layout_.texts) {
    if (label.role != TextRole::GridLabel) {
      continue;
    }
    const QPointF offset = label.rect.center() - centre;
    const bool inside = std::hypot(offset.x(), offset.y()) < radius;
    if (inside) {
      painter.fillRect(label.rect, base);
    }
    painter.setPen(inside ? Mix(ink, base, 0.8f) : Mix(windowInk, window, 0.8f));
    painter.drawText(label.rect, Qt::AlignCenter, label.text);
  }
}

namespace {

// The mark's points on screen; one that is not finite has nowhere to go. Of a
// long path (a measured sweep) only points a pixel apart are kept, and the
// last: the line looks the same and draws in a fraction of the time.
QPolygonF PointsOf(const ChartMark& mark, const ChartFrame& frame) {
  constexpr double kClosest = 1;  // [pixels]
  QPolygonF points;
  for (std::size_t i = 0; i < mark.path.size(); ++i) {
    if (!numeric::IsFinite(mark.path[i])) {
      continue;
    }
    const QPointF point = ToPoint(mark.path[i], frame);
    const bool last = i + 1 == mark.path.size();
    if (points.isEmpty() || last || QLineF(points.back(), point).length() >= kClosest) {
      points << point;
    }
  }
  return points;
}

// Strokes a polyline a short piece at a time. Stroked whole, a line that
// crosses itself many times (a long line's spiral, or a sweep carried through
// many wavelengths, whose points jump across the disc) makes one outline whose
// antialiased fill costs the square of its crossings: such a chart took up to
// half a second to paint; in pieces it takes milliseconds, the round caps
// closing the joins.
void DrawPolylineInPieces(QPainter& painter, const QPolygonF& points) {
  constexpr qsizetype kMostSteps = 16;
  constexpr double kMostLength = 64;  // [pixels]
  qsizetype start = 0;
  double length = 0;
  for (qsizetype i = 1; i < points.size(); ++i) {
    length += QLineF(points[i - 1], points[i]).length();
    if (i - start == kMostSteps || length >= kMostLength || i + 1 == points.size()) {
      painter.drawPolyline(points.constData() + start, static_cast<int>(i - start + 1));
      start = i;
      length = 0;
    }
  }
}

}  // namespace

// The lines first, then every mark's points over all the lines, so that a
// path starting at another mark's point does not cover it.
void SmithChart::drawMarks(QPainter& painter, const std::vector<QColor>& colours) const {
  const ChartFrame& frame = layout_.frame;
  const QColor base = palette().color(QPalette::Base);
  painter.setRenderHint(QPainter::Antialiasing);
  for (std::size_t i = 0; i < marks_.size(); ++i) {
    const ChartMark& mark = marks_[i];
    const QPolygonF points = PointsOf(mark, frame);
    if (mark.swrCircle && !mark.path.empty() && numeric::IsFinite(mark.path.back())) {
      const double magnitude = numeric::Abs(mark.path.back());
      if (magnitude > 0 && magnitude < 1) {
        painter.setPen(QPen(colours[i], 1.2, Qt::DashDotLine));
        painter.setBrush(Qt::NoBrush);
        painter.drawEllipse(Centre(frame), magnitude * frame.side / 2, magnitude * frame.side / 2);
      }
    }
    if (points.size() > 1) {
      // A band of the background under the line lifts it off the grid. The
      // many short steps of a path join bevelled: as fine to the eye as round
      // joins, and several times quicker to stroke.
      painter.setRenderHint(QPainter::Antialiasing, false);  // the band's edges go unseen
      painter.setPen(QPen(base, 4.5, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
      DrawPolylineInPieces(painter, points);
      painter.setRenderHint(QPainter::Antialiasing);
      painter.setPen(QPen(colours[i], 2, Qt::SolidLine, Qt::RoundCap, Qt::BevelJoin));
      DrawPolylineInPieces(painter, points);
    }
  }
  drawPoints(painter, colours);
}

void SmithChart::drawPoints(QPainter& painter, const std::vector<QColor>& colours) const {
  const ChartFrame& frame = layout_.frame;
  const QColor base = palette().color(QPalette::Base);
  const double dot = dotRadius();
  painter.setFont(layout_.font);
  for (std::size_t i = 0; i < marks_.size(); ++i) {
    const ChartMark& mark = marks_[i];
    const QPolygonF points = PointsOf(mark, frame);
    if (points.isEmpty()) {
      continue;
    }
    if (!mark.trace) {
      painter.setPen(QPen(base, 1.5));
      painter.setBrush(colours[i]);
      painter.drawEllipse(points.back(), dot, dot);
      continue;
    }
    if (mark.chosen && *mark.chosen < mark.path.size() &&
        numeric::IsFinite(mark.path[*mark.chosen])) {
      painter.setPen(QPen(colours[i], 2));
      painter.setBrush(base);
      painter.drawEllipse(ToPoint(mark.path[*mark.chosen], frame), dot, dot);
    }
    // The ends' texts beside their points, on a patch of the background.
    painter.setPen(colours[i]);
    const QFontMetricsF metrics(layout_.font);
    for (const auto& [text, at] :
         {std::pair{mark.ends.first, points.front()}, std::pair{mark.ends.second, points.back()}}) {
      if (!text.isEmpty()) {
        const QRectF box = TextBox(metrics, text, at + QPointF(0, -metrics.height() * 0.8));
        painter.fillRect(box, base);
        painter.drawText(box, Qt::AlignCenter, text);
      }
    }
  }
}

void SmithChart::drawLegend(QPainter& painter, const std::vector<QColor>& colours) const {
  const QColor window = palette().color(QPalette::Window);
  const double dot = QFontMetricsF(layout_.font).height() / 3;
  painter.setFont(layout_.font);
  painter.setRenderHint(QPainter::Antialiasing);
  auto text = std::find_if(layout_.texts.begin(), layout_.texts.end(),
                           [](const PlacedText& t) { return t.role == TextRole::Legend; });
  for (std::size_t i = 0; i < marks_.size() && text != layout_.texts.end(); ++i) {
    if (marks_[i].legend.isEmpty()) {
      continue;
    }
    const double y = text->rect.center().y();
    const double left = layout_.legend.left();
    const double right = text->rect.left() - dot;
    painter.setPen(QPen(colours[i], 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    painter.setPen(QPen(window, 1.5));
    painter.setBrush(colours[i]);
    painter.drawEllipse(QPointF((left + right) / 2, y), dot, dot);
    painter.setPen(palette().color(QPalette::WindowText));
    painter.drawText(text->rect, Qt::AlignLeft | Qt::AlignVCenter, text->text);
    ++text;
  }
}

}  // namespace tolvar::app

#include "moc_smith_chart.cpp"
