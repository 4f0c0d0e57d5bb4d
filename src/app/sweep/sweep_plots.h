#pragma once

#include <QList>
#include <QObject>

class QAction;
class QWidget;

namespace tolvar::app {

class MatchSweep;
class Measurements;
class SweepPlot;
class Sweeps;

// The sweep plot window (actionSweepPlot, Ctrl+Shift+P): the line sweep's
// SWR, return loss, R and X and line loss, and the tuner's insertion loss,
// drawn anew whenever the sweeps change while it shows.
class SweepPlots : public QObject {
  Q_OBJECT

 public:
  SweepPlots(QWidget* window, const Sweeps& sweeps, const MatchSweep& match,
             const Measurements& measurements);
  QAction* action() const { return action_; }
  // Another action for the plot's menu.
  void addMenuAction(QAction* action) { menuActions_ << action; }
  // Draws the sweeps as they are now, when the window shows.
  void update();

 signals:
  // A click on a plot chose the point nearest `mhz` of the 1-port (ports 1)
  // or the 2-port.
  void frequencyClicked(int /*ports*/, double /*mhz*/);

 private:
  void showPlot();

  QWidget* window_;
  const Sweeps& sweeps_;
  const MatchSweep& match_;
  const Measurements& measurements_;
  QList<QAction*> menuActions_;
  QAction* action_;
  SweepPlot* plot_ = nullptr;
};

}  // namespace tolvar::app
