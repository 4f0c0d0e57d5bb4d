#include "app/chart/chart_layout.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <string>

#include "numeric/format.h"

namespace tolvar::app {

namespace {

using numeric::ChartFrame;
using numeric::Complex;
using numeric::PixelPoint;

// The chart's font: 8.25 pt at the default 480 pixels, up to this size.
constexpr double kFontFloorPoints = 8.25;
constexpr double kFontCeilingPoints = 13;
constexpr double kPixelsPerPoint = 58;

// Gamma components beyond this are far outside any window; the raster engine
// works in fixed point and misdraws coordinates of astronomic size.
constexpr double kFarGamma = 8;

// True when the box keeps clear of the disc (the rim's line included).
bool ClearOfDisc(const QRectF& box, const ChartFrame& frame) {
  const double nearestX = std::clamp(frame.centreX, box.left(), box.right());
  const double nearestY = std::clamp(frame.centreY, box.top(), box.bottom());
  return std::hypot(nearestX - frame.centreX, nearestY - frame.centreY) > frame.side / 2 + 2;
}

// The largest disc centred in `within` whose grid labels stay in `area` and
// clear of the corners' boxes, with its labels. A window too small to fit
// keeps a disc of half its size, labels as they fall.
std::pair<ChartFrame, std::vector<ChartText>> LargestDisc(const QRectF& within, const QRectF& area,
                                                          const std::array<QRectF, 2>& corners,
                                                          const TextMeasure& measure) {
  const auto fits = [&](const ChartFrame& frame, const std::vector<ChartText>& labels) {
    for (const QRectF& box : corners) {
      if (!box.isEmpty() && !ClearOfDisc(box, frame)) {
        return false;
      }
    }
    return std::all_of(labels.begin(), labels.end(), [&](const ChartText& label) {
      return area.contains(label.rect) && !label.rect.intersects(corners[0]) &&
             !label.rect.intersects(corners[1]);
    });
  };
  const QPointF centre = within.center();
  const double largest = std::max(1.0, std::floor(std::min(within.width(), within.height()) / 2));
  const auto disc = [&](double radius) {
    const ChartFrame frame{centre.x(), centre.y(), 2 * radius};
    return std::pair{frame, GridLabels(frame, measure)};
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

// Where an end's text may go, nearest first: above its point (where it has
// always stood, so that a chart with room looks as before), below, right,
// left, then the diagonals; the gap between the point and the text grows a
// quarter of a line a ring, out to about four lines [lines].
constexpr std::array<std::array<double, 2>, 8> kSides{
    {{0, -1}, {0, 1}, {1, 0}, {-1, 0}, {1, -1}, {-1, -1}, {1, 1}, {-1, 1}}};
constexpr double kNearestGap = 0.3;
constexpr double kGapStep = 0.25;
constexpr int kRings = 16;

// How much of `box` lies over the obstacles or outside `bounds` [square pixels].
double Crowding(const QRectF& box, const std::vector<QRectF>& obstacles, const QRectF& bounds) {
  const auto area = [](const QRectF& rect) { return rect.width() * rect.height(); };
  double crowding = area(box) - area(box.intersected(bounds));
  for (const QRectF& obstacle : obstacles) {
    if (box.intersects(obstacle)) {
      crowding += area(box.intersected(obstacle));
    }
  }
  return crowding;
}

// A box of `size` beside `point`: the first clear place, else the least crowded.
QRectF PlaceBeside(QPointF point, QSizeF size, double line, const std::vector<QRectF>& obstacles,
                   const QRectF& bounds) {
  QRectF best;
  double least = std::numeric_limits<double>::infinity();
  for (int ring = 0; ring < kRings; ++ring) {
    const double gap = (kNearestGap + kGapStep * ring) * line;
    for (const auto& [across, down] : kSides) {
      const QPointF centre =
          point + QPointF(across * (size.width() / 2 + gap), down * (size.height() / 2 + gap));
      const QRectF box(centre - QPointF(size.width() / 2, size.height() / 2), size);
      const double crowding = Crowding(box, obstacles, bounds);
      if (crowding <= 0) {
        return box;
      }
      if (crowding < least) {
        best = box;
        least = crowding;
      }
    }
  }
  return best;
}

struct Corners {
  std::vector<ChartText> texts;  // the legend's lines, then the reference
  QRectF legend;                 // the legend's box, swatches included
};

// The legend in the top left corner and the reference in the top right one,
// side by side above the disc when they fit so, else the reference below the
// legend; a text is elided only where the window is narrower than it.
Corners PlaceCorners(double width, double margin, const QStringList& legend,
                     const QString& reference, const TextMeasure& measure) {
  const double line = measure.lineHeight;
  const double room = width - 2 * margin;
  const double swatch = 1.8 * line;
  Corners corners;
  double legendWidth = 0;
  for (qsizetype i = 0; i < legend.size(); ++i) {
    const QString text = measure.elided(legend[i], room - swatch);
    const double textWidth = measure.width(text) + 2;
    legendWidth = std::max(legendWidth, swatch + textWidth);
    corners.texts.push_back(
        {ChartTextRole::Legend, text,
         QRectF(margin + swatch, margin + static_cast<double>(i) * line, textWidth, line)});
  }
  corners.legend = QRectF(margin, margin, legendWidth, static_cast<double>(legend.size()) * line);
  const QString shown = measure.elided(reference, room);
  const double referenceWidth = measure.width(shown) + 2;
  const bool sideBySide = legendWidth + margin + referenceWidth <= room;
  const double referenceTop = sideBySide ? margin : corners.legend.bottom();
  corners.texts.push_back(
      {ChartTextRole::Reference, shown,
       QRectF(width - margin - referenceWidth, referenceTop, referenceWidth, line)});
  return corners;
}

}  // namespace

double ChartFontPoints(QSizeF size) {
  return std::clamp(std::min(size.width(), size.height()) / kPixelsPerPoint, kFontFloorPoints,
                    kFontCeilingPoints);
}

QPointF PointOnChart(Complex gamma, const ChartFrame& frame) {
  const PixelPoint point = numeric::PointFromReflection(
      {std::clamp(gamma.re, -kFarGamma, kFarGamma), std::clamp(gamma.im, -kFarGamma, kFarGamma)},
      frame);
  return {point.x, point.y};
}

QString Compact(double value) {
  std::string text = numeric::FormatFixed(value, 3);
  text.erase(text.find_last_not_of('0') + 1);
  if (text.back() == '.') {
    text.pop_back();
  }
  return QString::fromStdString(text);
}

QRectF TextBox(const TextMeasure& measure, const QString& text, QPointF centre) {
  const QSizeF size(measure.width(text) + 2, measure.lineHeight);
  return {centre - QPointF(size.width() / 2, size.height() / 2), size};
}

std::vector<ChartText> GridLabels(const ChartFrame& frame, const TextMeasure& measure) {
  std::vector<ChartText> labels;
  const auto add = [&](const QString& text, QRectF rect) {
    labels.push_back({ChartTextRole::GridLabel, text, rect});
  };
  const double radius = frame.side / 2;
  const double gap = measure.lineHeight * 0.3;
  const Complex unit{1, 0};
  for (const double value : kGridValues) {
    // Above the axis where the resistance circle crosses it, clear of the dot
    // of a resistive load there.
    const QPointF crossing =
        PointOnChart(*numeric::ReflectionOf({value, 0}, unit), frame);
    const double aboveAxis = measure.lineHeight / 2 + measure.lineHeight / 3 + 2;
    add(Compact(value), TextBox(measure, Compact(value), crossing - QPointF(0, aboveAxis)));
    for (const double x : {value, -value}) {
      // Outside the rim where the reactance arc meets it, pushed outwards by
      // its own size so that no corner dips into the disc.
      const Complex rim = *numeric::ReflectionOf({0, x}, unit);
      const QPointF anchor =
          PointOnChart({rim.re * (1 + gap / radius), rim.im * (1 + gap / radius)}, frame);
      const QString text =
          (x < 0 ? QStringLiteral("-j") : QStringLiteral("+j")) + Compact(std::fabs(x));
      const QRectF box = TextBox(measure, text, anchor);
      add(text, box.translated(rim.re * box.width() / 2, -rim.im * box.height() / 2));
    }
  }
  for (const double swr : kGridSwrs) {
    const QString text = QStringLiteral("SWR ") + Compact(swr);
    add(text, TextBox(measure, text, PointOnChart({0, -numeric::SwrCircle(swr).radius}, frame)));
  }
  return labels;
}

ChartLayout LayOutChart(QSizeF size, const QStringList& legend, const QString& reference,
                        const TextMeasure& measure) {
  ChartLayout layout;
  const double w = size.width();
  const double h = size.height();
  const double line = measure.lineHeight;
  const double margin = std::round(line / 2);

  // The status line along the bottom; the disc and its labels above it.
  layout.status = QRectF(margin, h - margin - line, w - 2 * margin, line);
  const QRectF area(margin / 2, margin / 2, w - margin, layout.status.top() - margin);
  Corners corners = PlaceCorners(w, margin, legend, reference, measure);
  layout.legend = corners.legend;

  // The disc centred in the whole area or in the part below the corners,
  // whichever holds the larger one.
  const std::array<QRectF, 2> boxes{layout.legend, corners.texts.back().rect};
  const double cornersBottom = std::max(boxes[0].bottom(), boxes[1].bottom());
  const QRectF below(area.left(), cornersBottom, area.width(), area.bottom() - cornersBottom);
  auto disc = LargestDisc(area, area, boxes, measure);
  auto lower = LargestDisc(below, area, boxes, measure);
  if (lower.first.side > disc.first.side) {
    disc = std::move(lower);
  }
  layout.frame = disc.first;
  layout.texts = std::move(disc.second);
  layout.texts.insert(layout.texts.end(), corners.texts.begin(), corners.texts.end());
  layout.texts.push_back({ChartTextRole::StatusLine, QString(), layout.status});
  return layout;
}

std::vector<TraceEnd> PlaceTraceEnds(std::vector<TraceEnd> ends, const ChartLayout& layout,
                                     QSizeF size, const TextMeasure& measure) {
  const QRectF bounds(QPointF(0, 0), size);
  std::vector<QRectF> obstacles{layout.legend};
  for (const ChartText& text : layout.texts) {
    obstacles.push_back(text.rect);
  }
  for (TraceEnd& end : ends) {
    // A point beyond the edges (a trace far outside the disc) has its text
    // at the nearest edge.
    const QPointF point(std::clamp(end.point.x(), 0.0, size.width()),
                        std::clamp(end.point.y(), 0.0, size.height()));
    const QSizeF textSize(measure.width(end.text) + 2, measure.lineHeight);
    end.rect = PlaceBeside(point, textSize, measure.lineHeight, obstacles, bounds);
    obstacles.push_back(end.rect);
  }
  return ends;
}

}  // namespace tolvar::app
