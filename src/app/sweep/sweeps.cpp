#include "app/sweep/sweeps.h"

#include "app/controls/controls.h"
#include "app/measurement/drawn_points.h"
#include "app/measurement/measurement_window.h"
#include "app/measurement/measurements.h"
#include "app/panels/comparison_panel.h"
#include "app/panels/line_panel.h"
#include "app/sweep/sweep_points.h"
#include "calc/tuner/tuner.h"
#include "numeric/format.h"
#include "numeric/rf.h"

namespace tolvar::app {

namespace {

using calc::measurement::kHertzPerMegahertz;
using calc::sweep::LinePoint;

bool SameLine(const std::optional<calc::sweep::SweptLine>& a,
              const std::optional<calc::sweep::SweptLine>& b) {
  if (!a || !b) {
    return !a && !b;
  }
  const calc::line::LineEntries& x = a->panel;
  const calc::line::LineEntries& y = b->panel;
  return a->cable == b->cable && a->lengthM == b->lengthM && x.lineZ == y.lineZ &&
         x.velocityFactor == y.velocityFactor && x.lossPer100m == y.lossPer100m && x.mhz == y.mhz &&
         x.shift.direction == y.shift.direction && x.rtxZ == y.rtxZ;
}

}  // namespace

Sweeps::Sweeps(QObject* parent, const Measurements& measurements, const LinePanel& line,
               const ComparisonPanel& tuner)
    : DeferredChartSource(parent),
      measurements_(measurements),
      linePanel_(line),
      tunerPanel_(tuner) {}

void Sweeps::update() {
  const bool lineChanged = recomputeLine();
  const bool tunerChanged = recomputeTuner();
  const auto& onePort = measurements_.onePort();
  const std::optional<double> chosen =
      onePort ? std::optional(onePort->data.frequencyHz.at(
                                  static_cast<std::size_t>(onePort->chosen)) /
                              kHertzPerMegahertz)
              : std::nullopt;
  const bool chosenChanged = chosen != chosenMhz_;
  chosenMhz_ = chosen;
  if (lineChanged || chosenChanged) {
    emit chartChanged();
  }
  if (lineChanged || tunerChanged || chosenChanged) {
    emit updated();
  }
}

bool Sweeps::recomputeLine() {
  const auto& onePort = measurements_.onePort();
  const auto swept = onePort ? linePanel_.sweptLine() : std::nullopt;
  const unsigned opening = onePort ? measurements_.openedCount() : 0;
  // A band drawn at fewer points than it has holds the chosen one among them.
  const std::size_t count = onePort ? onePort->data.frequencyHz.size() : 0;
  const auto chosen = count > kDrawnPoints ? std::optional(static_cast<std::size_t>(onePort->chosen))
                                           : std::nullopt;
  if (opening != markedOpening_) {
    markedOpening_ = opening;
    measuredMarkers_ = onePort ? MeasuredMarkers(onePort->data)
                               : std::vector<calc::sweep::Marker>{};
  }
  if (SameLine(swept, swept_) && opening == sweptOpening_ && chosen == sweptChosen_) {
    return false;
  }
  swept_ = swept;
  sweptOpening_ = opening;
  sweptChosen_ = chosen;
  line_.clear();
  carriedMarkers_.clear();
  drawn_ = DrawnIndices(count, chosen);
  if (swept_) {
    line_ = calc::sweep::SweepLine(PointsAt(onePort->data, drawn_), *swept_);
    carriedMarkers_ = CarriedMarkers(line_, carriedReferenceOhm());
  }
  return true;
}

bool Sweeps::recomputeTuner() {
  const auto& twoPort = measurements_.twoPort();
  const unsigned opening = twoPort ? measurements_.openedCount() : 0;
  // A number too large for a double: no antenna of its own.
  const numeric::Complex typed = tunerPanel_.typedAntenna().value_or(numeric::Complex{});
  if (opening == tunerOpening_ && tunerAntenna_ == typed) {
    return false;
  }
  tunerOpening_ = opening;
  tunerAntenna_ = typed;
  tuner_.clear();
  if (twoPort) {
    const auto& onePort = measurements_.onePort();
    const auto drawn = DrawnIndices(twoPort->data.frequencyHz.size(), std::nullopt);
    tuner_ = calc::sweep::SweepTuner(PointsAt(twoPort->data, drawn),
                                     onePort ? std::optional(onePort->data) : std::nullopt, typed);
  }
  return true;
}

std::vector<calc::sweep::LinePoint> Sweeps::fullLineSweep() const {
  const auto& onePort = measurements_.onePort();
  if (!onePort || !swept_) {
    return {};
  }
  return calc::sweep::SweepLine(onePort->data, *swept_);
}

std::vector<calc::sweep::TunerPoint> Sweeps::fullTunerSweep() const {
  const auto& twoPort = measurements_.twoPort();
  if (!twoPort) {
    return {};
  }
  const auto& onePort = measurements_.onePort();
  return calc::sweep::SweepTuner(twoPort->data,
                                 onePort ? std::optional(onePort->data) : std::nullopt,
                                 tunerAntenna_.value_or(numeric::Complex{}));
}

std::vector<calc::sweep::Marker> Sweeps::fullCarriedMarkers() const {
  return CarriedMarkers(fullLineSweep(), carriedReferenceOhm());
}

double Sweeps::measuredReferenceOhm() const {
  const auto& onePort = measurements_.onePort();
  return onePort ? onePort->data.referenceOhm : calc::tuner::kVnaReferenceOhm;
}

double Sweeps::carriedReferenceOhm() const {
  return swept_ ? swept_->panel.rtxZ : calc::tuner::kVnaReferenceOhm;
}

std::optional<double> Sweeps::chosenMhz() const { return chosenMhz_; }

QString Sweeps::carriedName() const {
  const auto& onePort = measurements_.onePort();
  if (!onePort || !swept_) {
    return {};
  }
  const bool towardsAntenna =
      swept_->panel.shift.direction == calc::line::Direction::TowardsAntenna;
  return onePort->name +
         (towardsAntenna ? QStringLiteral(" at the antenna") : QStringLiteral(" at the radio"));
}

std::optional<ChartSource::ChartView> Sweeps::chartView() const {
  const auto& onePort = measurements_.onePort();
  if (!swept_ || line_.empty() || !onePort) {
    return std::nullopt;
  }
  const numeric::Complex lineZ{swept_->panel.lineZ, 0};
  ChartMark mark;
  mark.legend = carriedName();
  mark.hue = MarkHue::Brown;
  mark.reference = lineZ;
  mark.trace = true;
  std::optional<std::size_t> first;
  std::size_t last = 0;
  for (std::size_t i = 0; i < line_.size(); ++i) {
    const auto gamma =
        line_[i].carried ? numeric::ReflectionOf(*line_[i].carried, lineZ) : std::nullopt;
    if (gamma) {
      first = first.value_or(mark.path.size());
      last = mark.path.size();
      mark.path.push_back(*gamma);
      if (drawn_[i] == static_cast<std::size_t>(onePort->chosen)) {
        mark.chosen = mark.path.size() - 1;
      }
    }
  }
  if (mark.path.empty()) {
    return std::nullopt;
  }
  mark.ends = {MegahertzText(line_.front().mhz * kHertzPerMegahertz),
               MegahertzText(line_.back().mhz * kHertzPerMegahertz)};
  mark.description = mark.legend + QStringLiteral(": ") + QString::number(last - *first + 1) +
                     QStringLiteral(" points carried along ") +
                     ToQString(numeric::FormatFixed(swept_->lengthM, 2)) +
                     QStringLiteral(" m of the line");
  return ChartView{lineZ, {mark}};
}

}  // namespace tolvar::app

#include "moc_sweeps.cpp"
