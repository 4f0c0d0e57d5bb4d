#include "app/chart/chart_source.h"

#include <QTimer>

namespace tolvar::app {

void DeferredChartSource::scheduleUpdate() {
  if (!updatePending_) {
    updatePending_ = true;
    QTimer::singleShot(0, this, [this] {
      updatePending_ = false;
      update();
    });
  }
}

}  // namespace tolvar::app

#include "moc_chart_source.cpp"
