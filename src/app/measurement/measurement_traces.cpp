// The measurements' traces on the Smith chart, drawn at the chart's resolution.
#include "app/measurement/drawn_points.h"
#include "app/measurement/measurement_window.h"
#include "app/measurement/measurements.h"
#include "calc/tuner/tuner.h"

namespace tolvar::app {

namespace {

using calc::measurement::Measurement;
using numeric::Complex;

// A trace of the values at the drawn points, the chosen one ringed.
ChartMark Trace(const Measurements::Opened& opened, const std::vector<Complex>& values,
                const QString& legend, MarkHue hue) {
  const Measurement& m = opened.data;
  const auto chosen = static_cast<std::size_t>(opened.chosen);
  ChartMark mark;
  mark.legend = legend;
  mark.hue = hue;
  mark.reference = {m.referenceOhm, 0};
  mark.trace = true;
  for (const std::size_t i : DrawnIndices(values.size(), chosen)) {
    if (i == chosen) {
      mark.chosen = mark.path.size();
    }
    mark.path.push_back(values[i]);
  }
  mark.ends = {MegahertzText(m.frequencyHz.front()), MegahertzText(m.frequencyHz.back())};
  mark.description = legend + QStringLiteral(": ") + QString::number(values.size()) +
                     QStringLiteral(" points from ") + mark.ends.first + QStringLiteral(" to ") +
                     mark.ends.second + QStringLiteral(", chosen ") +
                     MegahertzText(m.frequencyHz[chosen]);
  return mark;
}

}  // namespace

std::optional<ChartSource::ChartView> Measurements::chartView() const {
  ChartView view{{calc::tuner::kVnaReferenceOhm, 0}, {}};
  const auto add = [&view](ChartMark mark) {
    view.reference = mark.reference;
    view.marks.push_back(std::move(mark));
  };
  if (onePort_) {
    add(Trace(*onePort_, onePort_->data.s11, onePort_->name, MarkHue::Teal));
  }
  if (twoPort_) {
    add(Trace(*twoPort_, twoPort_->data.s11, twoPort_->name + QStringLiteral(" S11"),
              MarkHue::Pink));
    add(Trace(*twoPort_, twoPort_->data.s22, twoPort_->name + QStringLiteral(" S22"),
              MarkHue::Olive));
  }
  if (view.marks.empty()) {
    return std::nullopt;
  }
  return view;
}

}  // namespace tolvar::app
