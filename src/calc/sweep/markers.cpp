#include "calc/sweep/markers.h"

#include <array>
#include <cmath>
#include <cstddef>

#include "calc/sweep/csv_cell.h"

namespace tolvar::calc::sweep {

namespace {

using Column = std::span<const std::optional<double>>;

// The value of `column` at point `i`, where the point has a finite one.
std::optional<double> ValueAt(const SweepCurve& curve, Column column, std::size_t i) {
  if (i >= column.size() || !column[i] || !std::isfinite(*column[i]) ||
      !std::isfinite(curve.mhz[i])) {
    return std::nullopt;
  }
  return column[i];
}

// The value `fraction` of the way from one point's value to the next's, where
// both have one. std::lerp gives each end exactly at 0 and 1.
std::optional<double> Between(const std::optional<double>& from, const std::optional<double>& to,
                              double fraction) {
  if (!from || !to) {
    return std::nullopt;
  }
  return std::lerp(*from, *to, fraction);
}

// The marker `fraction` of the way from point `from` to point `to`, every
// value on the straight line between them.
Marker Interpolated(const SweepCurve& curve, MarkerKind kind, std::size_t from, std::size_t to,
                    double fraction) {
  const auto between = [&](Column column) {
    return Between(ValueAt(curve, column, from), ValueAt(curve, column, to), fraction);
  };
  return {kind, std::lerp(curve.mhz[from], curve.mhz[to], fraction), between(curve.swr),
          between(curve.r), between(curve.x)};
}

// The first point with the lowest SWR; none on a curve without an SWR.
std::optional<std::size_t> LowestSwr(const SweepCurve& curve) {
  std::optional<std::size_t> lowest;
  double lowestSwr = 0;
  for (std::size_t i = 0; i < curve.mhz.size(); ++i) {
    const std::optional<double> swr = ValueAt(curve, curve.swr, i);
    if (swr && (!lowest || *swr < lowestSwr)) {  // strictly lower: the first of a tie stays
      lowest = i;
      lowestSwr = *swr;
    }
  }
  return lowest;
}

void AddResonances(const SweepCurve& curve, std::vector<Marker>& markers) {
  std::optional<double> before;
  for (std::size_t i = 0; i < curve.mhz.size(); ++i) {
    const std::optional<double> x = ValueAt(curve, curve.x, i);
    // A sampled 0 ends the run before it and starts none: a touch counts once.
    if (before && x && ((*before < 0 && *x >= 0) || (*before > 0 && *x <= 0))) {
      // The two differ in sign or x is 0, so the fraction lies in (0, 1].
      Marker resonance =
          Interpolated(curve, MarkerKind::Resonance, i - 1, i, *before / (*before - *x));
      resonance.x = 0.0;
      markers.push_back(resonance);
    }
    before = x;
  }
}

// The edge where the SWR reaches `level`, walking from the point `lowest`
// (below the level) up or down one point at a time.
std::optional<Marker> Edge(const SweepCurve& curve, std::size_t lowest, double level, bool up,
                           MarkerKind kind) {
  double innerSwr = *ValueAt(curve, curve.swr, lowest);
  for (std::size_t inner = lowest; up ? inner + 1 < curve.mhz.size() : inner > 0;) {
    const std::size_t outer = up ? inner + 1 : inner - 1;
    const std::optional<double> outerSwr = ValueAt(curve, curve.swr, outer);
    // A point without an SWR stops the walk: what lies beyond it is not
    // joined to the minimum, and an edge there would be a guess.
    if (!outerSwr) {
      return std::nullopt;
    }
    if (*outerSwr >= level) {
      // innerSwr < level <= outerSwr, so the fraction lies in (0, 1].
      Marker edge =
          Interpolated(curve, kind, inner, outer, (level - innerSwr) / (*outerSwr - innerSwr));
      edge.swr = level;
      return edge;
    }
    inner = outer;
    innerSwr = *outerSwr;
  }
  return std::nullopt;  // the band ends below the level
}

struct EdgeLevel {
  double swr;
  MarkerKind low;
  MarkerKind high;
};
constexpr std::array kEdgeLevels{EdgeLevel{1.5, MarkerKind::Swr15Low, MarkerKind::Swr15High},
                                 EdgeLevel{2, MarkerKind::Swr2Low, MarkerKind::Swr2High}};

void AddRows(std::string& csv, std::string_view curveName, std::span<const Marker> markers) {
  for (const Marker& m : markers) {
    csv.append(curveName).append(",").append(MarkerName(m.kind));
    csv += ',' + CsvCell(m.mhz) + ',' + CsvCell(m.swr) + ',' + CsvCell(m.r) + ',' + CsvCell(m.x) +
           '\n';
  }
}

}  // namespace

std::string_view MarkerName(MarkerKind kind) {
  switch (kind) {
    case MarkerKind::SwrMinimum:
      return "SWR minimum";
    case MarkerKind::Resonance:
      return "resonance";
    case MarkerKind::Swr15Low:
      return "SWR 1.5 low";
    case MarkerKind::Swr15High:
      return "SWR 1.5 high";
    case MarkerKind::Swr2Low:
      return "SWR 2 low";
    case MarkerKind::Swr2High:
      return "SWR 2 high";
  }
  return {};
}

std::vector<Marker> FindMarkers(const SweepCurve& curve) {
  std::vector<Marker> markers;
  const std::optional<std::size_t> lowest = LowestSwr(curve);
  if (lowest) {
    markers.push_back({MarkerKind::SwrMinimum, curve.mhz[*lowest],
                       ValueAt(curve, curve.swr, *lowest), ValueAt(curve, curve.r, *lowest),
                       ValueAt(curve, curve.x, *lowest)});
  }
  AddResonances(curve, markers);
  for (const EdgeLevel& level : kEdgeLevels) {
    // A minimum at or above the level is inside no band of it.
    if (!lowest || !(*ValueAt(curve, curve.swr, *lowest) < level.swr)) {
      continue;
    }
    for (const bool up : {false, true}) {
      if (auto edge = Edge(curve, *lowest, level.swr, up, up ? level.high : level.low)) {
        markers.push_back(*edge);
      }
    }
  }
  return markers;
}

std::string MarkersCsv(std::string_view firstCurve, std::span<const Marker> first,
                       std::string_view secondCurve, std::span<const Marker> second) {
  std::string csv = "curve,marker,MHz,SWR,R,X\n";
  AddRows(csv, firstCurve, first);
  AddRows(csv, secondCurve, second);
  return csv;
}

}  // namespace tolvar::calc::sweep
