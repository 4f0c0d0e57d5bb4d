// Markers on curves worked by hand, in figures exact in binary: they must come out exactly.
#include "calc/sweep/markers.h"

#include <gtest/gtest.h>

namespace {

using namespace tolvar::calc::sweep;
using Kind = MarkerKind;
using Value = std::optional<double>;
constexpr Value kNone = std::nullopt;

struct Point {
  double mhz = 0;
  Value swr, r = kNone, x = kNone;
};

// A curve written point by point, held as the columns FindMarkers reads.
struct Points {
  std::vector<double> mhz;
  std::vector<Value> swr, r, x;
  Points(std::initializer_list<Point> points) {
    for (const Point& p : points) {
      mhz.push_back(p.mhz);
      swr.push_back(p.swr);
      r.push_back(p.r);
      x.push_back(p.x);
    }
  }
  SweepCurve curve() const { return {mhz, swr, r, x}; }
};

// clang-format off
const Points kDipole{
//  MHz    SWR    R      X      a dipole's band
  {14.00, 1.875, 30,    -40},    // the band starts below SWR 2
  {14.25, 1.375, 40,    -10},
  {14.50, 1.125, 60,     30},    // the lowest SWR
  {14.75, 1.625, 80,     50},
  {15.00, 2.625, 100,    20},
  {15.25, 3.5,   kNone,   0},    // X touches 0 and turns back: one resonance
  {15.50, 4,     140,    15},
  {15.75, 5,     160, kNone},    // X changes sign across the gap: no resonance
  {16.00, 6,     180,    -5}};
// clang-format on

TEST(Markers, TieGapAndLevel) {
  const struct {
    const char* name;
    Points points;
    std::vector<Marker> markers;
  } cases[] = {
      {"a tie for the lowest SWR goes to the first; 1.5 halfway to 1.75 on each side",
       {{7.0, 1.75}, {7.5, 1.25}, {8.0, 1.75}, {8.5, 1.25}, {9.0, 1.75}},
       {{Kind::SwrMinimum, 7.5, 1.25}, {Kind::Swr15Low, 7.25, 1.5}, {Kind::Swr15High, 7.75, 1.5}}},
      {"a point without an SWR stops the walk down, though 7 MHz is above 2",
       {{7.0, 3}, {7.5, kNone}, {8.0, 1.25}, {8.5, 1.75}},
       {{Kind::SwrMinimum, 8.0, 1.25}, {Kind::Swr15High, 8.25, 1.5}}},
      {"a minimum at the level has no edges of it; 2 halfway to 2.5 on each side",
       {{7.0, 2.5}, {7.5, 1.5}, {8.0, 2.5}},
       {{Kind::SwrMinimum, 7.5, 1.5}, {Kind::Swr2Low, 7.25, 2}, {Kind::Swr2High, 7.75, 2}}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(FindMarkers(c.points.curve()), c.markers) << c.name;
  }
}

TEST(Markers, OfTheDipoleCopiedAsCsv) {
  // No SWR, and an X that starts at 0 and stays positive: no marker, no line.
  const auto none = FindMarkers(Points{{7.0, kNone, 50, 0}, {7.5, kNone, 60, 10}}.curve());
  EXPECT_EQ(MarkersCsv("measured", FindMarkers(kDipole.curve()), "carried", none),
            "curve,marker,MHz,SWR,R,X\n"
            "measured,SWR minimum,14.5,1.125,60,30\n"
            // X -10 -> 30: 0 at 1/4; 14.25 + 0.0625 MHz, SWR 1.375 - 0.0625, R 40 + 5.
            "measured,resonance,14.3125,1.3125,45,0\n"
            // X 20 -> 0: on the point, whose R is missing.
            "measured,resonance,15.25,3.5,,0\n"
            // SWR 1.375 -> 1.875 downwards: 1.5 at 1/4; 14.25 - 0.0625, R 40 - 2.5, X -10 - 7.5.
            "measured,SWR 1.5 low,14.1875,1.5,37.5,-17.5\n"
            // SWR 1.125 -> 1.625: 1.5 at 3/4; 14.5 + 0.1875, R 60 + 15, X 30 + 15.
            "measured,SWR 1.5 high,14.6875,1.5,75,45\n"
            // SWR 1.625 -> 2.625: 2 at 3/8; 14.75 + 0.09375, R 80 + 7.5, X 50 - 11.25.
            "measured,SWR 2 high,14.84375,2,87.5,38.75\n");
}

}  // namespace
