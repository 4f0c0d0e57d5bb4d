#include "app/chart/chart_painting.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPainterPath>
#include <QPalette>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <utility>

#include "app/chart/chart_colours.h"
#include "app/chart/smith_chart.h"

namespace tolvar::app {

namespace {

using numeric::ChartFrame;
using numeric::Circle;

QPointF Centre(const ChartFrame& frame) { return {frame.centreX, frame.centreY}; }

// Labels inside the disc sit on a patch of its background, so the lines they
// cross do not run through the digits.
void DrawGridLabels(QPainter& painter, const ChartLayout& layout, const QFont& font,
                    const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  const QColor windowInk = palette.color(QPalette::WindowText);
  const QColor base = palette.color(QPalette::Base);
  const QColor ink = palette.color(QPalette::Text);
  const QPointF centre = Centre(layout.frame);
  const double radius = layout.frame.side / 2;
  painter.setFont(font);
  for (const ChartText& label : layout.texts) {
    if (label.role != ChartTextRole::GridLabel) {
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

// The mark's points on screen; one that is not finite has nowhere to go. Of a
// long path (a measured sweep) only points two pixels apart are kept, and the
// last: a 2-pixel line looks the same and draws in a fraction of the time.
QPolygonF PointsOf(const ChartMark& mark, const ChartFrame& frame) {
  constexpr double kClosest = 2;  // [pixels]
  QPolygonF points;
  for (std::size_t i = 0; i < mark.path.size(); ++i) {
    if (!numeric::IsFinite(mark.path[i])) {
      continue;
    }
    const QPointF point = PointOnChart(mark.path[i], frame);
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

// A dot on each mark's last point or, for a trace, a ring on its chosen point.
void DrawPoints(QPainter& painter, const std::vector<ChartMark>& marks,
                const std::vector<QColor>& colours, const ChartFrame& frame, const QFont& font,
                const QColor& base) {
  const double dot = DotRadius(font);
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const ChartMark& mark = marks[i];
    if (mark.trace) {
      if (mark.chosen && *mark.chosen < mark.path.size() &&
          numeric::IsFinite(mark.path[*mark.chosen])) {
        painter.setPen(QPen(colours[i], 2));
        painter.setBrush(base);
        painter.drawEllipse(PointOnChart(mark.path[*mark.chosen], frame), dot, dot);
      }
      continue;
    }
    const QPolygonF points = PointsOf(mark, frame);
    if (!points.isEmpty()) {
      painter.setPen(QPen(base, 1.5));
      painter.setBrush(colours[i]);
      painter.drawEllipse(points.back(), dot, dot);
    }
  }
}

}  // namespace

TextMeasure MeasureWith(const QFontMetricsF& metrics) {
  return {metrics.height(),
          [metrics](const QString& text) { return metrics.horizontalAdvance(text); },
          [metrics](const QString& text, double room) {
            return metrics.elidedText(text, Qt::ElideRight, room);
          }};
}

std::vector<TraceEnd> TraceEndsOf(const std::vector<ChartMark>& marks, const ChartFrame& frame) {
  std::vector<TraceEnd> ends;
  const auto finite = [](const numeric::Complex& gamma) { return numeric::IsFinite(gamma); };
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const std::vector<numeric::Complex>& path = marks[i].path;
    const auto first = std::find_if(path.begin(), path.end(), finite);
    if (!marks[i].trace || first == path.end()) {
      continue;
    }
    const auto last = std::find_if(path.rbegin(), path.rend(), finite);
    for (const auto& [text, gamma] :
         {std::pair{marks[i].ends.first, *first}, std::pair{marks[i].ends.second, *last}}) {
      if (!text.isEmpty()) {
        ends.push_back({i, text, PointOnChart(gamma, frame)});
      }
    }
  }
  return ends;
}

double DotRadius(const QFont& font) { return QFontMetricsF(font).height() / 3; }

void DrawGrid(QPainter& painter, QRect area, const ChartLayout& layout, const QFont& font,
              const QPalette& palette, bool admittance) {
  const QColor window = palette.color(QPalette::Window);
  const QColor base = palette.color(QPalette::Base);
  const QColor ink = palette.color(QPalette::Text);
  const ChartFrame& frame = layout.frame;
  const QPointF centre = Centre(frame);
  const double radius = frame.side / 2;

  painter.fillRect(area, window);
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
    const QPointF middle = PointOnChart({circle.x, circle.y}, frame);
    const QRectF box(middle - QPointF(scaled, scaled), QSizeF(2 * scaled, 2 * scaled));
    QPainterPath path;
    path.arcMoveTo(box, arc.startDegrees);
    path.arcTo(box, arc.startDegrees, arc.sweepDegrees);
    painter.drawPath(path);
  };
  painter.setBrush(Qt::NoBrush);
  if (admittance) {
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
  painter.drawLine(PointOnChart({-1, 0}, frame), PointOnChart({1, 0}, frame));
  QPen swrPen(Mix(ink, base, 0.5f), 1, Qt::CustomDashLine);
  swrPen.setDashPattern({4, 3});
  painter.setPen(swrPen);
  for (const double swr : kGridSwrs) {
    drawCircle(numeric::SwrCircle(swr));
  }
  painter.setPen(QPen(Mix(ink, base, 0.7f), 1.3));
  painter.drawEllipse(centre, radius, radius);

  DrawGridLabels(painter, layout, font, palette);
}

// The lines first, then every mark's points over all the lines, so that a
// path starting at another mark's point does not cover it.
void DrawMarks(QPainter& painter, const std::vector<ChartMark>& marks,
               const std::vector<QColor>& colours, const ChartFrame& frame, const QFont& font,
               const QPalette& palette) {
  const QColor base = palette.color(QPalette::Base);
  painter.setRenderHint(QPainter::Antialiasing);
  for (std::size_t i = 0; i < marks.size(); ++i) {
    const ChartMark& mark = marks[i];
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
  DrawPoints(painter, marks, colours, frame, font, base);
}

void DrawTraceEnds(QPainter& painter, const std::vector<TraceEnd>& ends,
                   const std::vector<QColor>& colours, const QFont& font, const QPalette& palette) {
  const QColor base = palette.color(QPalette::Base);
  painter.setFont(font);
  for (const TraceEnd& end : ends) {
    painter.fillRect(end.rect, base);
    painter.setPen(colours[end.mark]);
    painter.drawText(end.rect, Qt::AlignCenter, end.text);
  }
}

void DrawLegend(QPainter& painter, const std::vector<ChartMark>& marks,
                const std::vector<QColor>& colours, const ChartLayout& layout, const QFont& font,
                const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  const double dot = DotRadius(font);
  painter.setFont(font);
  painter.setRenderHint(QPainter::Antialiasing);
  auto text = std::find_if(layout.texts.begin(), layout.texts.end(),
                           [](const ChartText& t) { return t.role == ChartTextRole::Legend; });
  for (std::size_t i = 0; i < marks.size() && text != layout.texts.end(); ++i) {
    if (marks[i].legend.isEmpty()) {
      continue;
    }
    const double y = text->rect.center().y();
    const double left = layout.legend.left();
    const double right = text->rect.left() - dot;
    painter.setPen(QPen(colours[i], 2, Qt::SolidLine, Qt::RoundCap));
    painter.drawLine(QPointF(left, y), QPointF(right, y));
    painter.setPen(QPen(window, 1.5));
    painter.setBrush(colours[i]);
    painter.drawEllipse(QPointF((left + right) / 2, y), dot, dot);
    painter.setPen(palette.color(QPalette::WindowText));
    painter.drawText(text->rect, Qt::AlignLeft | Qt::AlignVCenter, text->text);
    ++text;
  }
}

}  // namespace tolvar::app
