#pragma once

// Where the chart puts its disc and its texts, on plain geometry: the grid's
// labels around the disc, the legend and the reference in the top corners,
// the status line along the bottom, the largest disc that leaves them all
// readable, and the texts at the traces' ends beside their points. Texts are
// measured by the caller (the widget with its font's metrics, a test with a
// fixed width per character), so nothing here needs a window.

#include <QPointF>
#include <QRectF>
#include <QSizeF>
#include <QString>
#include <QStringList>
#include <array>
#include <cstddef>
#include <functional>
#include <utility>
#include <vector>

#include "numeric/smith.h"

namespace tolvar::app {

// The normalised values the grid draws and labels, and its SWR circles.
inline constexpr std::array<double, 5> kGridValues{0.2, 0.5, 1, 2, 5};
inline constexpr std::array<double, 3> kGridSwrs{1.5, 2, 3};

// How the chart's font measures a text [pixels].
struct TextMeasure {
  double lineHeight = 0;
  std::function<double(const QString&)> width;
  // The text cut at its end, an ellipsis added, to at most `room` wide.
  std::function<QString(const QString& text, double room)> elided;
};

enum class ChartTextRole { GridLabel, Legend, Reference, StatusLine, TraceEnd };
struct ChartText {
  ChartTextRole role;
  QString text;
  QRectF rect;  // where it is drawn; for the status line, the whole line kept for it
};

// A trace's end: its text (the frequency there) and the point it names
// [pixels]; `mark` is the trace's place among the chart's marks.
struct TraceEnd {
  std::size_t mark = 0;
  QString text;
  QPointF point;
  QRectF rect{};  // where the text is drawn, once placed
};

struct ChartLayout {
  numeric::ChartFrame frame{0, 0, 1};
  std::vector<ChartText> texts;  // grid labels first, then the legend, reference, status
  QRectF legend;                 // the legend's box, swatches included
  QRectF status;
};

// The font's size [points] for a chart of `size` [pixels]: it grows with the
// window (8.25 pt, the main window's, at the default size) but never shrinks.
double ChartFontPoints(QSizeF size);

// Where a reflection coefficient lies in `frame` [pixels].
QPointF PointOnChart(numeric::Complex gamma, const numeric::ChartFrame& frame);

// Up to three decimals without trailing zeros: "50", "52.5", "0.001".
QString Compact(double value);

// A rectangle of the text's size whose centre is `centre`.
QRectF TextBox(const TextMeasure& measure, const QString& text, QPointF centre);

// The grid's labels for a disc in `frame`: the resistances along the real
// axis, the reactances outside the rim, the SWR circles below the centre.
std::vector<ChartText> GridLabels(const numeric::ChartFrame& frame, const TextMeasure& measure);

// The disc and every text of a chart of `size` [pixels] with these legend
// lines and reference text.
ChartLayout LayOutChart(QSizeF size, const QStringList& legend, const QString& reference,
                        const TextMeasure& measure);

// The ends of a chart of `size` [pixels] laid out as `layout`, each text
// placed beside its point, in order: right above it where that is clear of
// the layout's texts, the legend's box, the ends placed before and the
// chart's edges; else the nearest clear place around it; else the one that
// covers the least.
std::vector<TraceEnd> PlaceTraceEnds(std::vector<TraceEnd> ends, const ChartLayout& layout,
                                     QSizeF size, const TextMeasure& measure);

}  // namespace tolvar::app
