#pragma once

#include <QList>
#include <QObject>
#include <optional>
#include <vector>

#include "app/layout/control.h"

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace tolvar::app {

class ChartSource;
class Controls;
class Panel;
class SmithChart;

// The Smith chart beside the window and the copying of results: two actions
// on the window (actionSmithChart, actionCopyResults) with their shortcuts,
// and a context menu on every panel that offers both. The chart shows the
// marks of every panel whose result is on screen and follows each change.
class ChartAndCopy : public QObject {
  Q_OBJECT

 public:
  // A panel of the window: the frames it covers (the first one is its own)
  // and its handlers.
  struct PanelFrames {
    std::vector<Control> frames;
    Panel* panel;
  };
  ChartAndCopy(QWidget* window, const Controls& controls, std::vector<PanelFrames> panels);

  // Another source of the chart's marks besides the panels (a measurement).
  void addSource(ChartSource* source);
  // Another action for every panel's menu, after the chart and the copy.
  void addMenuAction(QAction* action);
  // Sees the chart window's events once it exists (a file dropped on it).
  void filterChartEvents(QObject* filter);
  // The frame of the panel whose menu is open, else of the one holding the focus.
  std::optional<Control> currentPanel() const;
  // The chart window, once it has been opened.
  SmithChart* chart() const { return chart_; }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void openChart();
  void updateChart();
  void copyResults();
  void showMenu(const PanelFrames& panel, const QPoint& where, QMenu* menu);
  const PanelFrames* panelOf(const QWidget* widget) const;

  QWidget* window_;
  const Controls& controls_;
  std::vector<PanelFrames> panels_;
  std::vector<ChartSource*> sources_;  // each panel once, then the others
  QList<QAction*> menuActions_;
  QObject* chartFilter_ = nullptr;
  QAction* chartAction_;
  QAction* copyAction_;
  SmithChart* chart_ = nullptr;
  const PanelFrames* menuPanel_ = nullptr;        // the panel whose menu is open
  const ChartSource* referenceSource_ = nullptr;  // the source whose marks came last
};

}  // namespace tolvar::app
