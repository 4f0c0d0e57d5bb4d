// Markers on curves worked by hand, in figures exact in binary: they must come out exactly.
#include "calc/sweep/markers.h"

#include <gtest/gtest.h>

#include <tuple>

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
  {15.25, 3.5,   kNone,   0},    // X touches 0 and turns back: one resonance, with no R
  {15.50, 4,     140,    15},
  {15.75, 5,     160, kNone},    // X changes sign across the gap: no resonance
  {16.00, 6,     180,    -5}};
// clang-format on

TEST(Markers, TieGapAndLevel) {
  const std::tuple<const char*, Points, std::vector<Marker>> cases[] = {
      {"a tie for the lowest SWR goes to the first; 1.5 halfway to 1.75 on each side",
       {{7.0, 1.75}, {7.5, 1.25}, {8.0, 1.75}, {8.5, 1.25}, {9.0, 1.75}},
       {{Kind::SwrMinimum, 7.5, 1.25}, {Kind::Swr15Low, 7.25, 1.5}, {Kind::Swr15High, 7.75, 1.5}}},
      {"a gap in the SWR stops the walk down, though 7 MHz is above 2; 1.5 on the last point",
       {{7.0, 3}, {7.5, kNone}, {8.0, 1.25}, {8.5, 1.5}},
       {{Kind::SwrMinimum, 8.0, 1.25}, {Kind::Swr15High, 8.5, 1.5}}},
      {"X touching 0 from below is one resonance; a minimum at 1.5 has no edges of it",
       {{7.0, 1.75, kNone, -5}, {7.5, 1.5, kNone, 0}, {8.0, 1.75, kNone, -5}},
       {{Kind::SwrMinimum, 7.5, 1.5, kNone, 0}, {Kind::Resonance, 7.5, 1.5, kNone, 0}}},
  };
  for (const auto& [name, points, markers] : cases) {
    EXPECT_EQ(FindMarkers(points.curve()), markers) << name;
  }
}

TEST(Markers, CopiedAsCsv) {
  // No SWR column, and an X that starts at 0 and stays positive: no marker, no line.
  const Points carried{{7.0, kNone, 50, 0}, {7.5, kNone, 60, 10}};
  const auto none = FindMarkers({carried.mhz, {}, carried.r, carried.x});
  EXPECT_EQ(MarkersCsv("measured", FindMarkers(kDipole.curve()), "carried", none),
            "curve,marker,MHz,SWR,R,X\n"
            "measured,SWR minimum,14.5,1.125,60,30\n"
            // X -10 -> 30: 0 at 1/4; 14.25 + 0.0625 MHz, SWR 1.375 - 0.0625, R 40 + 5.
            "measured,resonance,14.3125,1.3125,45,0\n"
            "measured,resonance,15.25,3.5,,0\n"
            // SWR 1.375 -> 1.875 downwards: 1.5 at 1/4; 14.25 - 0.0625, R 40 - 2.5, X -10 - 7.5.
            "measured,SWR 1.5 low,14.1875,1.5,37.5,-17.5\n"
            // SWR 1.125 -> 1.625: 1.5 at 3/4; 14.5 + 0.1875, R 60 + 15, X 30 + 15.
            "measured,SWR 1.5 high,14.6875,1.5,75,45\n"
            // SWR 1.625 -> 2.625: 2 at 3/8; 14.75 + 0.09375, R 80 + 7.5, X 50 - 11.25.
            "measured,SWR 2 high,14.84375,2,87.5,38.75\n");
  EXPECT_EQ(MarkersCsv("measured", none, "carried", std::vector<Marker>{{Kind::Swr2Low, 7, 2}}),
            "curve,marker,MHz,SWR,R,X\ncarried,SWR 2 low,7,2,,\n");
}

}  // namespace
