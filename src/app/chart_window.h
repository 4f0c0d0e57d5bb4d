#pragma once

#include <QObject>
#include <vector>

class QAction;
class QWidget;

namespace tolvar::app {

class ChartSource;
class SmithChart;

// The Smith chart beside the window (actionSmithChart, Ctrl+Shift+G): it
// shows the marks of every source that has something to show, and follows
// each change they announce.
class ChartWindow : public QObject {
  Q_OBJECT

 public:
  explicit ChartWindow(QWidget* window);

  // A source of marks; the chart shows the sources in the order given.
  void addSource(ChartSource* source);
  QAction* openAction() const { return openAction_; }
  // The chart window, once it has been opened.
  SmithChart* chart() const { return chart_; }

 signals:
  // The chart window has been made (at its first opening).
  void chartMade(QWidget* /*chart*/);

 private:
  void openChart();
  void sourceChanged(const ChartSource* source);
  void updateChart();

  QWidget* window_;
  QAction* openAction_;
  std::vector<const ChartSource*> sources_;
  SmithChart* chart_ = nullptr;
  const ChartSource* referenceSource_ = nullptr;  // the source whose marks came last
};

}  // namespace tolvar::app
