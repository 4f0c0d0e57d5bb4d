#pragma once

// The chart's parts drawn with a painter from its layout, font and palette:
// the grid (the widget keeps it in a cached pixmap), the marks over it, and
// the legend's lines with their swatches.

#include <QColor>
#include <QFont>
#include <QRect>
#include <vector>

#include "app/chart/chart_layout.h"

class QFontMetricsF;
class QPainter;
class QPalette;

namespace tolvar::app {

struct ChartMark;

// Texts measured as `metrics` draws them.
TextMeasure MeasureWith(const QFontMetricsF& metrics);

// The traces' ends' texts (`marks` in the order given), each at its first or
// last finite point in `frame`, not yet placed.
std::vector<TraceEnd> TraceEndsOf(const std::vector<ChartMark>& marks,
                                  const numeric::ChartFrame& frame);

// A mark's dot: a third of a line of `font` [pixels].
double DotRadius(const QFont& font);

// The window's background over `area`, the disc, its circles (with
// `admittance`, the conductance and susceptance ones too) and the grid's labels.
void DrawGrid(QPainter& painter, QRect area, const ChartLayout& layout, const QFont& font,
              const QPalette& palette, bool admittance);

// Each mark in its colour (`colours` runs beside `marks`): its SWR circle, its
// line, its dot or, for a trace, a ring on its chosen point.
void DrawMarks(QPainter& painter, const std::vector<ChartMark>& marks,
               const std::vector<QColor>& colours, const numeric::ChartFrame& frame,
               const QFont& font, const QPalette& palette);

// Each trace end's text, placed, in its mark's colour on a patch of the
// background, so that the lines it crosses do not run through the digits.
void DrawTraceEnds(QPainter& painter, const std::vector<TraceEnd>& ends,
                   const std::vector<QColor>& colours, const QFont& font, const QPalette& palette);

// Each of the legend's lines beside a swatch in its mark's colour.
void DrawLegend(QPainter& painter, const std::vector<ChartMark>& marks,
                const std::vector<QColor>& colours, const ChartLayout& layout, const QFont& font,
                const QPalette& palette);

}  // namespace tolvar::app
