#pragma once

#include <QObject>
#include <optional>
#include <vector>

#include "app/chart/smith_chart.h"

namespace tolvar::app {

// What the Smith chart shows from one place: a panel's result on screen, a
// measurement opened from a file, a sweep carried through the feed system.
class ChartSource : public QObject {
  Q_OBJECT

 public:
  // Its marks and the impedance they are reflections against [ohm].
  struct ChartView {
    numeric::Complex reference;
    std::vector<ChartMark> marks;
  };

  // None while it has nothing to show.
  virtual std::optional<ChartView> chartView() const = 0;

 signals:
  // chartView() may have changed.
  void chartChanged();

 protected:
  explicit ChartSource(QObject* parent) : QObject(parent) {}
};

// A source computed from others, brought up to date once when control returns
// to the event loop however many changes one user action makes.
class DeferredChartSource : public ChartSource {
  Q_OBJECT

 public:
  // Something it reads may have changed.
  void scheduleUpdate();

 signals:
  // It has been brought up to date.
  void updated();

 protected:
  explicit DeferredChartSource(QObject* parent) : ChartSource(parent) {}
  // Computes anew and announces what changed (chartChanged, updated).
  virtual void update() = 0;

 private:
  bool updatePending_ = false;
};

}  // namespace tolvar::app
