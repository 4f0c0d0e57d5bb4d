#pragma once

#include <QString>
#include <QWidget>
#include <optional>
#include <vector>

#include "app/sweep/plot_chart.h"
#include "app/sweep/plot_data.h"

class QAction;
class QLabel;
class QTabWidget;

namespace tolvar::app {

class PlotView;

// Quantities against frequency, one plot a tab, in a window of its own
// (objectName "SweepPlot"): the line sweep's SWR, return loss, R and X and
// line loss at both ends, and the tuner's insertion loss. The pointer's
// readout gives the frequency under it and every curve's value there in the
// curve's unit. A click chooses the nearest sampled frequency (the owner
// moves the dashed chosen line with setChosen); a rectangle dragged with the
// left button zooms, Escape or "Reset zoom" goes back; the context menu can
// also make the SWR axis logarithmic. Markers ("min", "2") sit on their
// curves. The window follows the palette and saves the open tab's plot as a
// PNG.
class SweepPlot : public QWidget {
  Q_OBJECT

 public:
  using Curve = PlotCurve;
  using Marker = PlotMarker;
  using Plot = PlotData;

  explicit SweepPlot(QWidget* parent);

  // Shows the plots; a plot keeps its tab, a tab whose plot is not given
  // goes. A zoom stays while a plot keeps its frequencies.
  void setPlots(const std::vector<Plot>& plots);
  void setChosen(std::optional<double> mhz);
  // What the readout says with the pointer at `mhz` on the shown plot.
  QString readoutAt(double mhz) const;
  bool savePng(const QString& path) const;
  // Where the shown plot draws its markers, in its view's pixels.
  std::vector<MarkerSpot> markerSpots() const;

 signals:
  // A click on the shown plot chose its sampled frequency nearest to the
  // pointer [MHz], of the plot's source.
  void frequencyClicked(int /*source*/, double /*mhz*/);

 protected:
  void changeEvent(QEvent* event) override;

 private:
  PlotView* viewOf(const QString& title);
  void fillShown();
  // Draws every plot anew when it next shows (new colours or axes).
  void redrawAll();
  void zoomShown(const std::optional<PlotZoom>& zoom);
  void choose(double mhz);
  void saveWithDialog();
  const Plot* shownPlot() const;
  PlotView* shownView() const;

  QTabWidget* tabs_;
  QLabel* readout_;
  QAction* resetZoom_;
  QAction* logSwr_;
  std::vector<Plot> shown_;                    // in the order of the tabs
  std::vector<std::optional<PlotZoom>> zoom_;  // of each tab
  std::vector<bool> stale_;                    // not drawn since it last changed
  std::optional<double> chosen_;
};

}  // namespace tolvar::app
