#pragma once

#include <QString>
#include <cstddef>
#include <optional>
#include <vector>

#include "app/sweep/plot_axes.h"

namespace tolvar::app {

// What a curve stands for, which gives its colour in a light and a dark
// palette alike: the measured end is blue, the end through the line green.
enum class CurveRole {
  Measured,
  Carried,
  LineLoss,
  MatchedLoss,
  MeasuredResistance,
  MeasuredReactance,
  CarriedResistance,
  CarriedReactance,
  TunerLoss,
};

// One curve: its name, a value per frequency (none where it has none),
// whether it stands against the right-hand axis, the unit its readout gives
// and its role.
struct PlotCurve {
  QString name;
  std::vector<std::optional<double>> values;
  bool right = false;
  QString unit{};
  CurveRole role = CurveRole::Measured;

  bool operator==(const PlotCurve&) const = default;
};

// A point to tell on a curve ("min", "res", "1.5"): drawn with its label.
struct PlotMarker {
  double mhz = 0;
  double value = 0;
  QString label;
  std::size_t curve = 0;  // the index of the curve it is on

  bool operator==(const PlotMarker&) const = default;
};

// One plot: its tab's title, the unit of its left axis, its frequencies
// [MHz] and its curves, the unit of the right-hand curves (if any), what each
// axis shows, which measurement its frequencies come from, why it may have
// nothing to draw, and its markers.
struct PlotData {
  QString title;
  QString unit;
  std::vector<double> mhz;
  std::vector<PlotCurve> curves;
  QString rightUnit{};
  AxisKind leftAxis = AxisKind::Free;
  AxisKind rightAxis = AxisKind::Free;
  int source = 0;  // the owner's number for the file of the frequencies
  QString emptyReason{};
  std::vector<PlotMarker> markers{};

  bool operator==(const PlotData&) const = default;
};

}  // namespace tolvar::app
