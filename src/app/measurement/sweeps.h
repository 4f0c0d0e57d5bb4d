#pragma once

#include <QList>
#include <QObject>
#include <functional>
#include <optional>
#include <vector>

#include "app/chart/chart_source.h"
#include "app/controls/controls.h"
#include "calc/sweep/sweep.h"

class QAction;

namespace tolvar::app {

class LinePanel;
class Measurements;
class SweepPlot;
struct Message;

// The measured sweeps carried through the feed system, kept current with the
// line result on screen and the measurements opened: the 1-port along the
// line panel's line and length (the line sweep), the 2-port as the tuner with
// the 1-port or the typed S Ant. as its antenna (the tuner sweep). They show
// as plots (actionSweepPlot), the carried impedances as a trace on the Smith
// chart, and go out as CSV or Touchstone (actionCopySweep, actionSaveSweep)
// for the panel holding the focus or the menu.
class Sweeps : public QObject, public ChartSource {
  Q_OBJECT

 public:
  Sweeps(QWidget* window, const Controls& controls, Measurements& measurements, LinePanel& line);

  QList<QAction*> actions() const { return actions_; }
  // Which panel the copy and the save are for: the one whose menu is open, or
  // the one holding the focus.
  void setPanelLookup(std::function<std::optional<Control>()> lookup);

  const std::vector<calc::sweep::LinePoint>& lineSweep() const { return line_; }
  const std::vector<calc::sweep::TunerPoint>& tunerSweep() const { return tuner_; }

  // The carried impedances as a trace, against the line's impedance.
  std::optional<ChartView> chartView() const override;

 private:
  // Computes the line sweep anew when the line or the 1-port has changed;
  // true when it did. The chart is told when `tellChart`: a change that did
  // not come through the chart's own sources.
  bool recomputeLine(bool tellChart);
  void recomputeTuner();
  void showPlot();
  void updatePlot();
  void copySweep();
  void saveSweep();
  std::optional<Control> panelAsked() const;
  void warn(const Message& message) const;
  QString carriedName() const;

  QWidget* window_;
  const Controls& controls_;
  Measurements& measurements_;
  LinePanel& linePanel_;
  std::function<std::optional<Control>()> panelLookup_;
  QList<QAction*> actions_;
  SweepPlot* plot_ = nullptr;
  std::optional<calc::sweep::SweptLine> swept_;  // the line of the line sweep
  unsigned sweptOpening_ = 0;                    // and the opening of the 1-port it carried
  std::vector<calc::sweep::LinePoint> line_;
  std::vector<calc::sweep::TunerPoint> tuner_;
};

}  // namespace tolvar::app
