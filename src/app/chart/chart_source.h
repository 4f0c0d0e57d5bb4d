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
  // Called whenever chartView() may have changed, in the order they were given.
  void onChartChange(std::function<void()> callback) { listeners_.push_back(std::move(callback)); }

 protected:
  void chartChanged() const {
    for (const auto& listener : listeners_) {
      listener();
    }
  }

 private:
  std::vector<std::function<void()>> listeners_;
};

}  // namespace tolvar::app
