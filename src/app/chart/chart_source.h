#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "app/chart/smith_chart.h"

namespace tolvar::app {

// What the Smith chart shows from one place: a panel's result on screen, or
// a measurement opened from a file.
class ChartSource {
 public:
  // Its marks and the impedance they are reflections against [ohm].
  struct ChartView {
    numeric::Complex reference;
    std::vector<ChartMark> marks;
  };

  ChartSource() = default;
  ChartSource(const ChartSource&) = delete;
  ChartSource& operator=(const ChartSource&) = delete;
  ChartSource(ChartSource&&) = delete;
  ChartSource& operator=(ChartSource&&) = delete;
  virtual ~ChartSource() = default;

  // None while it has nothing to show.
  virtual std::optional<ChartView> chartView() const = 0;
  // Called whenever chartView() may have changed.
  void onChartChange(std::function<void()> callback) { changed_ = std::move(callback); }

 protected:
  void chartChanged() const {
    if (changed_) {
      changed_();
    }
  }

 private:
  std::function<void()> changed_;
};

}  // namespace tolvar::app
