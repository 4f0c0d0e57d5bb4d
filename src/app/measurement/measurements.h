#pragma once

#include <QList>
#include <QString>
#include <QStringList>
#include <optional>
#include <vector>

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

// The measurements at hand: one 1-port (an antenna, a load) and one 2-port (a
// tuner), opened through actionOpenMeasurement (Ctrl+O, a file dialog), a
// file dropped on a watched widget, or the command line; a file replaces the
// one of its kind. A file that cannot be read gets a box naming it, the line
// and the fault, and changes nothing. The measurement window shows either;
// its actions put the values of the file they apply to, at that file's chosen
// frequency, into the panels through the panels' own methods.
class Measurements : public ChartSource {
  Q_OBJECT

 public:
  struct Opened {
    QString name;  // the file's name, without its folder
    calc::measurement::Measurement data;
    // The same on the VNA's 50 ohm where the file's reference differs; none
    // where it has no finite value there (active data).
    std::optional<calc::measurement::Measurement> renormalised;
    QStringList notes;  // what reading the file repaired or noticed, a line each
    int chosen = 0;     // the index of the chosen frequency
    // The values on 50 ohm, or none (see renormalised).
    const calc::measurement::Measurement* onVna() const;
  };

  // The panels the measurement's values go into.
  struct Panels {
    SwrPanel& swr;
    ComparisonPanel& comparison;
    LinePanel& line;
  };
  Measurements(QWidget* window, Panels panels);

  // Opens a Touchstone file, reading it off the window's thread (with a
  // progress box that can cancel when it takes longer than a moment); false,
  // after its box, when it cannot be read, or when cancelled.
  bool open(const QString& path);
  QAction* openAction() const { return openAction_; }
  // Another action for the measurement window's menu.
  void addMenuAction(QAction* action) { menuActions_ << action; }
  // A widget that takes a dropped file: drops of one file open it.
  void watchDrops(QWidget* widget);

  const std::optional<Opened>& onePort() const { return onePort_; }
  const std::optional<Opened>& twoPort() const { return twoPort_; }
  // How many files have opened: a new number is a new measurement.
  unsigned openedCount() const { return openedCount_; }
  // Chooses the point of the 1-port (ports 1) or the 2-port nearest `mhz`.
  void chooseNearest(int ports, double mhz);
  // The markers' lines for the measurement window.
  void showMarkers(const QString& text);
  // True while the measurement window is the active one (an action from its
  // menu is for its chosen point).
  bool viewIsActive() const;

  // The 1-port's trace and the 2-port's S11 and S22 traces, each of at most
  // as many points as the chart draws.
  std::optional<ChartView> chartView() const override;

 signals:
  // A file has opened or another frequency has been chosen.
  void changed();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  QAction* addAction(const char* name, const QString& text, void (Measurements::*slot)());
  void openWithDialog();
  void accept(Opened opened);
  void show(int ports);
  void showFile(int position);
  void choose(int index);
  void enableActions();
  std::optional<Opened>& ofPorts(int ports) { return ports == 1 ? onePort_ : twoPort_; }
  void warn(const Message& message, const QStringList& args) const;
  void announce();

  // The actions, each on the file it applies to at that file's chosen frequency.
  void useAsLoad();
  void useAtLine();
  void useAsAntenna();
  void useAsTuner();
  // The 1-port's impedance at its chosen frequency, or none after a box when
  // an R entry could not take it.
  std::optional<numeric::Complex> passiveImpedance() const;

  QWidget* window_;
  Panels panels_;
  std::optional<Opened> onePort_;
  std::optional<Opened> twoPort_;
  std::vector<int> order_;  // the kinds at hand (1, 2) in the order opened
  int shownPorts_ = 0;      // which of the two the window shows
  unsigned openedCount_ = 0;
  bool opening_ = false;  // a file is being read
  MeasurementWindow* view_ = nullptr;
  QAction* openAction_;
  QList<QAction*> useActions_;
  QList<QAction*> menuActions_;
};

}  // namespace tolvar::app
