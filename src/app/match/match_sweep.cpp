#include "app/match/match_sweep.h"

#include "app/match/match_design.h"
#include "app/measurement/drawn_points.h"
#include "app/measurement/measurement_window.h"
#include "app/measurement/measurements.h"
#include "app/panels/line_panel.h"
#include "app/sweep/sweep_points.h"
#include "numeric/rf.h"

namespace tolvar::app {

namespace {

using calc::measurement::kHertzPerMegahertz;

std::vector<calc::sweep::Marker> RadioMarkers(const std::vector<calc::match::BandPoint>& points) {
  std::vector<double> mhz;
  std::vector<std::optional<double>> swr;
  std::vector<std::optional<double>> r;
  std::vector<std::optional<double>> x;
  for (const auto& p : points) {
    mhz.push_back(p.mhz);
    swr.push_back(p.radioSwr);
    r.push_back(p.radioOhm ? std::optional(p.radioOhm->re) : std::nullopt);
    x.push_back(p.radioOhm ? std::optional(p.radioOhm->im) : std::nullopt);
  }
  return calc::sweep::FindMarkers({mhz, swr, r, x});
}

}  // namespace

MatchSweep::MatchSweep(QObject* parent, const Measurements& measurements, const LinePanel& line,
                       const MatchDesign& design)
    : DeferredChartSource(parent), measurements_(measurements), line_(line), design_(design) {}

std::optional<calc::match::Chain> MatchSweep::chain() const {
  const calc::match::Solution* chosen = design_.chosenSolution();
  const auto& inputs = design_.inputs();
  if (!measurements_.onePort() || chosen == nullptr || !inputs) {
    return std::nullopt;
  }
  return calc::match::Chain{chosen->network, inputs->qualities, inputs->placement,
                            line_.sweptLine(),        inputs->design.referenceOhm,
                            inputs->powerW};
}

void MatchSweep::update() {
  const bool had = chain_.has_value();
  chain_ = chain();
  if (!had && !chain_) {
    return;  // no band before, none now: nothing to tell
  }
  points_.clear();
  markers_.clear();
  if (chain_) {
    const auto& onePort = *measurements_.onePort();
    const auto drawn = DrawnIndices(onePort.data.frequencyHz.size(), std::nullopt);
    points_ = calc::match::SweepBand(PointsAt(onePort.data, drawn), *chain_);
    markers_ = RadioMarkers(points_);
  }
  emit chartChanged();
  emit updated();
}

std::vector<calc::match::BandPoint> MatchSweep::fullPoints() const {
  if (!chain_ || !measurements_.onePort()) {
    return {};
  }
  return calc::match::SweepBand(measurements_.onePort()->data, *chain_);
}

std::optional<ChartSource::ChartView> MatchSweep::chartView() const {
  if (!chain_ || points_.empty()) {
    return std::nullopt;
  }
  const numeric::Complex reference{chain_->referenceOhm, 0};
  ChartMark mark;
  mark.legend = QStringLiteral("Matched, at the radio");
  mark.hue = MarkHue::Gold;
  mark.trace = true;
  for (const auto& p : points_) {
    if (const auto gamma = p.radioOhm ? numeric::ReflectionOf(*p.radioOhm, reference)
                                      : std::nullopt) {
      mark.path.push_back(*gamma);
    }
  }
  if (mark.path.empty()) {
    return std::nullopt;
  }
  mark.ends = {MegahertzText(points_.front().mhz * kHertzPerMegahertz),
               MegahertzText(points_.back().mhz * kHertzPerMegahertz)};
  mark.description = mark.legend + QStringLiteral(": ") + QString::number(mark.path.size()) +
                     QStringLiteral(" points through the matching network");
  return ChartView{reference, {mark}};
}

}  // namespace tolvar::app

#include "moc_match_sweep.cpp"
