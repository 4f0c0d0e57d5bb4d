#pragma once

#include <optional>
#include <vector>

#include "app/chart/chart_source.h"
#include "calc/match/band.h"
#include "calc/sweep/markers.h"

namespace tolvar::app {

class LinePanel;
class MatchDesign;
class Measurements;

// The chosen matching network over the measured band: with a 1-port open, at
// each of its drawn points the chain of the antenna, the line panel's line
// and the network (at the radio or at the feed point), the SWR the radio sees
// on R0 with its markers, and the losses. The input trace shows on the Smith
// chart; the plot's Match tab and the CSV read it from here.
class MatchSweep : public DeferredChartSource {
  Q_OBJECT

 public:
  MatchSweep(QObject* parent, const Measurements& measurements, const LinePanel& line,
             const MatchDesign& design);

  const std::vector<calc::match::BandPoint>& points() const { return points_; }
  const std::vector<calc::sweep::Marker>& markers() const { return markers_; }
  double referenceOhm() const { return chain_ ? chain_->referenceOhm : 0; }
  // Every point of the measurement, for copying.
  std::vector<calc::match::BandPoint> fullPoints() const;
  std::optional<ChartView> chartView() const override;

 protected:
  void update() override;

 private:
  std::optional<calc::match::Chain> chain() const;

  const Measurements& measurements_;
  const LinePanel& line_;
  const MatchDesign& design_;
  std::optional<calc::match::Chain> chain_;
  std::vector<calc::match::BandPoint> points_;
  std::vector<calc::sweep::Marker> markers_;
};

}  // namespace tolvar::app
