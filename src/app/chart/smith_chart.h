#pragma once

// A Smith chart in a window of its own. The caller hands it marks (reflection
// coefficients with a legend and an accessible description) and the reference
// impedance; the chart draws its grid once into a pixmap cached at the screen's
// pixel ratio and, on each paint, only the marks, the legend and the texts over
// it. Pointing at the disc shows Z, Gamma and SWR in the status line; the
// context menu toggles the admittance grid and saves the chart as a PNG.
// Where the disc and the texts go is worked out without a window in
// chart_layout.h; the colours live in chart_colours.h, the drawing in
// chart_painting.h.

#include <QFont>
#include <QPixmap>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <optional>
#include <utility>
#include <vector>

#include "app/chart/chart_colours.h"
#include "app/chart/chart_layout.h"
#include "numeric/smith.h"

class QAction;

namespace tolvar::app {

struct ChartMark {
  QString legend;       // the legend's line, e.g. "Load (SWR panel)"; empty: not in the legend
  QString description;  // its line of the chart's accessible description
  MarkHue hue = MarkHue::Red;
  // Reflection coefficients against `reference` [ohm]. One point: a dot; more:
  // a line with a dot on the last point, or for a trace no dot but a ring on
  // the `chosen` point and `ends` written beside the first and last points.
  std::vector<numeric::Complex> path;
  numeric::Complex reference{50, 0};
  bool swrCircle = false;  // also draws |Gamma| = |last point|
  bool trace = false;
  std::optional<std::size_t> chosen{};
  std::pair<QString, QString> ends{};
};

class SmithChart : public QWidget {
  Q_OBJECT

 public:
  explicit SmithChart(QWidget* parent = nullptr);

  // The impedance [ohm] the readout's Z refers to, shown in the top right corner.
  // A value that is not finite leaves the reference as it was.
  void setReference(double ohmR, double ohmX = 0);
  void setMarks(std::vector<ChartMark> marks);
  const std::vector<ChartMark>& marks() const;
  void setAdmittanceGrid(bool on);
  bool admittanceGrid() const;
  // The chart as the user sees it, without the pointer's readout, at the
  // screen's pixel ratio.
  bool savePng(const QString& path) const;

  // What the status line shows with the pointer at `position` [widget pixels]:
  // Z, |Gamma| with its angle, and SWR; empty on the rim and outside it. Near
  // a mark's point Z is that mark's, against its own reference, and the
  // readout names the mark; elsewhere Z is against the chart's reference.
  QString readoutAt(QPointF position) const;
  // Copies the marks as the accessible description lists them.
  void copyMarks() const;
  // The square the unit circle fills [widget pixels].
  QRectF discRect() const;

  using TextRole = ChartTextRole;
  using PlacedText = ChartText;
  // Every text the chart draws at its present size and marks, the status
  // line last.
  std::vector<PlacedText> placedTexts() const;

  QSize sizeHint() const override;

 signals:
  // "Save as PNG…" was chosen: whoever shows the chart asks where (savePng).
  void saveRequested();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void changeEvent(QEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  void relayout();
  void placeTraceEnds();
  void refreshReadout();
  // The mark and point nearest to `position` within a dot's reach, if any.
  std::optional<std::pair<std::size_t, std::size_t>> markAt(QPointF position) const;

  void paintChart(QPainter& painter, const QString& readout) const;
  const QPixmap& grid() const;

  std::vector<ChartMark> marks_;
  numeric::Complex reference_{50, 0};
  bool admittance_ = false;
  std::optional<QPointF> pointer_;  // over the widget, or none
  QString readout_;
  QFont font_;
  ChartLayout layout_;
  std::vector<TraceEnd> traceEnds_;  // placed for layout_ and marks_
  mutable QPixmap grid_;             // the static grid, rebuilt when it no longer matches
  mutable bool gridStale_ = true;
  QAction* admittanceAction_;
};

}  // namespace tolvar::app
