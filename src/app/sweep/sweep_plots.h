#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace tolvar::app {

class MatchSweep;
class SweepPlot;
class Sweeps;

// The sweep plot window (actionSweepPlot, Ctrl+Shift+P): the line sweep's
// SWR, return loss, R and X and line loss, and the tuner's insertion loss,
// drawn anew whenever the sweeps change while it shows.
class SweepPlots : public QObject {
  Q_OBJECT

 public:
  SweepPlots(QWidget* window, const Sweeps& sweeps, const MatchSweep& match);
  QAction* action() const { return action_; }
  // Draws the sweeps as they are now, when the window shows.
  void update();

 private:
  void showPlot();

  QWidget* window_;
  const Sweeps& sweeps_;
  const MatchSweep& match_;
  QAction* action_;
  SweepPlot* plot_ = nullptr;
};

}  // namespace tolvar::app
