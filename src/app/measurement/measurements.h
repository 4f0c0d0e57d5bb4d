#pragma once

#include <QList>
#include <QObject>
#include <QString>
#include <optional>

#include "app/chart/chart_source.h"
#include "calc/measurement/touchstone.h"

class QAction;
class QWidget;

namespace tolvar::app {

class ComparisonPanel;
class LinePanel;
class MeasurementWindow;
class SwrPanel;
struct Message;

// The measurements opened last, one 1-port (an antenna, a load) and one
// 2-port (a tuner); opening another replaces its kind. Files come in through
// actionOpenMeasurement (Ctrl+O, a file dialog), a file dropped on a watched
// widget, or the command line. A file that cannot be read gets a box naming
// it, the line and the fault, and changes nothing. The last one opened shows
// in the measurement window, whose actions put its values at the chosen
// frequency into the panels through the panels' own methods.
class Measurements : public ChartSource {
  Q_OBJECT

 public:
  struct Opened {
    QString name;  // the file's name, without its folder
    calc::measurement::Measurement data;
    int chosen = 0;  // the index of the chosen frequency
  };

  // The panels the measurement's values go into.
  struct Panels {
    SwrPanel& swr;
    ComparisonPanel& comparison;
    LinePanel& line;
  };
  Measurements(QWidget* window, Panels panels);

  // Opens a Touchstone file; false, after its box, when it cannot be read.
  bool open(const QString& path);
  QAction* openAction() const { return openAction_; }
  // A widget that takes a dropped file: drops of one file open it.
  void watchDrops(QWidget* widget);

  const std::optional<Opened>& onePort() const { return onePort_; }
  // How many files have opened: a new number is a new measurement.
  unsigned openedCount() const { return openedCount_; }
  const std::optional<Opened>& twoPort() const { return twoPort_; }

  // The 1-port's trace and the 2-port's S11 and S22 traces.
  std::optional<ChartView> chartView() const override;

 signals:
  // A file has opened or another frequency has been chosen.
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* addAction(const char* name, const QString& text, void (Measurements::*slot)());
  void openWithDialog();
  void show(Opened& opened);
  void choose(int index);
  const Opened* shown() const;
  void warn(const Message& message, const QString& first, const QString& second = {}) const;

  // The actions on the shown measurement at its chosen frequency.
  void useAsLoad();
  void useAtLine();
  void useAsAntenna();
  void useAsTuner();
  // The shown 1-port's impedance at its chosen frequency, or none after a box
  // when an R entry could not take it.
  std::optional<numeric::Complex> passiveImpedance() const;
  void announce();

  QWidget* window_;
  Panels panels_;
  std::optional<Opened> onePort_;
  std::optional<Opened> twoPort_;
  int shownPorts_ = 0;  // which of the two the window shows
  unsigned openedCount_ = 0;
  MeasurementWindow* view_ = nullptr;
  QAction* openAction_;
  QList<QAction*> useActions_;
};

}  // namespace tolvar::app
