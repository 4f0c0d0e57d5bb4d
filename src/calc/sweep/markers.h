#pragma once

// Markers on a sweep's curve, as an antenna analyser shows them: the lowest
// SWR, the resonances, and the band edges at SWR 1.5 and 2 on each side of the
// lowest SWR. Between two neighbouring points the curve is a straight line; a
// point without a value breaks it there, and nothing is interpolated across it.

#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace tolvar::calc::sweep {

// A curve as the plots hold it: its frequencies [MHz], strictly rising, and a
// column per quantity with a value where the point has one. A column shorter
// than the frequencies has no value beyond its end (an empty one has none); a
// value that is not finite, or any value of a point whose frequency is not
// finite, counts as none.
struct SweepCurve {
  std::span<const double> mhz;
  std::span<const std::optional<double>> swr;
  std::span<const std::optional<double>> r;  // [ohm]
  std::span<const std::optional<double>> x;  // [ohm]
};

// The kinds in the order FindMarkers gives them.
enum class MarkerKind { SwrMinimum, Resonance, Swr15Low, Swr15High, Swr2Low, Swr2High };

struct Marker {
  MarkerKind kind = MarkerKind::SwrMinimum;
  double mhz = 0;
  std::optional<double> swr{};
  std::optional<double> r{};  // [ohm]
  std::optional<double> x{};  // [ohm]

  bool operator==(const Marker&) const = default;
};

// The label of a kind, as the window and the CSV write it: "SWR minimum",
// "resonance", "SWR 1.5 low", "SWR 1.5 high", "SWR 2 low", "SWR 2 high".
std::string_view MarkerName(MarkerKind kind);

// The curve's markers, in this order:
// - SWR minimum: the point with the lowest SWR (the first of a tie), its
//   values as sampled. None on a curve without an SWR.
// - resonance, in frequency order: wherever X goes from one sign to 0 or
//   the other sign between two neighbouring points, X[i] < 0 <= X[i+1] or
//   X[i] > 0 >= X[i+1]. A sampled X of exactly 0 closes a run of one sign and
//   opens none, so a curve that touches 0 (or passes through it on a point)
//   counts once, at that point; a curve that starts at 0 does not count there.
//   The frequency where X is 0 on the straight line between the two points;
//   SWR and R on the same line; X = 0.
// - SWR 1.5 low and high, SWR 2 low and high: from the minimum outwards, the
//   first two neighbouring points with the SWR below the level on the inner
//   one and at or above it on the outer one; the frequency where the SWR is
//   the level on the line between them, R and X on the same line, SWR = the
//   level. None where the band ends first or a point without an SWR comes
//   first, and neither edge of a level the minimum already reaches.
// A value between two points needs both of them to have one.
// Each point is read a few times at most and nothing but the result is
// allocated: the time grows linearly with the points.
std::vector<Marker> FindMarkers(const SweepCurve& curve);

// The markers of two curves as CSV for the clipboard: the header
// "curve,marker,MHz,SWR,R,X", then a line per marker of the first curve and
// of the second, in their order, each starting with the curve's name as given
// (a name with a comma would shift the cells). The numbers as the sweep's CSV
// writes them; lines end with LF.
std::string MarkersCsv(std::string_view firstCurve, std::span<const Marker> first,
                       std::string_view secondCurve, std::span<const Marker> second);

}  // namespace tolvar::calc::sweep
