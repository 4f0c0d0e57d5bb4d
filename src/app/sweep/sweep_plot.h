#pragma once

#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <vector>

class QChartView;
class QLabel;
class QTabWidget;

namespace tolvar::app {

// Quantities against frequency, one plot a tab, in a window of its own
// (objectName "SweepPlot"): the line sweep's SWR, return loss, R and X and
// line loss at both ends, and the tuner's insertion loss. The pointer's
// readout gives the frequency under it and every curve's value there; the
// chosen frequency is a dashed line; the window follows the palette and saves
// the open tab's plot as a PNG.
class SweepPlot : public QWidget {
  Q_OBJECT

 public:
  // One curve: its name, a value per frequency (none where it has none), and
  // whether it stands against the right-hand axis.
  struct Curve {
    QString name;
    std::vector<std::optional<double>> values;
    bool right = false;
  };
  // One plot: its tab's title, the unit of its values, its frequencies [MHz]
  // and its curves.
  struct Plot {
    QString title;
    QString unit;
    std::vector<double> mhz;
    std::vector<Curve> curves;
    QString rightUnit{};  // of the right-hand curves
  };

  explicit SweepPlot(QWidget* parent);

  // Shows the plots; a plot keeps its tab, a tab whose plot is not given goes.
  void setPlots(const std::vector<Plot>& plots);
  void setChosen(std::optional<double> mhz);
  // What the readout says with the pointer at `mhz` on the shown plot.
  QString readoutAt(double mhz) const;
  bool savePng(const QString& path) const;

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QChartView* viewOf(const QString& title);
  void fill(QChartView* view, const Plot& plot);
  void fillShown();
  void markChosen(QChartView* view) const;
  void applyPalette(QChartView* view);
  void saveWithDialog();
  const Plot* shownPlot() const;

  QTabWidget* tabs_;
  QLabel* readout_;
  std::vector<Plot> shown_;  // in the order of the tabs
  std::vector<bool> stale_;  // not drawn since it last changed
  std::optional<double> chosen_;
};

}  // namespace tolvar::app
