// Where companion windows go: beside the calculator, inside the screen, clear
// of the calculator and of each other, at the scalings desktops use.
#include <gtest/gtest.h>

#include "app/companion.h"

namespace {

using tolvar::app::PlaceBeside;

struct Case {
  const char* name;
  QRect screen;
  QRect main;
  QSize wanted;
  std::vector<QRect> taken;
  QRect expected;
  bool clear = true;  // of the calculator and the others: false where no room is left
};

// The calculator is 688 x 678 at 100 % (with a 20-px title bar, 698); a
// 1920 x 1080 screen is 1280 x 720 at 150 % and 960 x 540 at 200 %.
const Case kCases[] = {
    {"room on the right", {0, 0, 1920, 1080}, {0, 0, 688, 698}, {496, 520}, {},
     {696, 0, 496, 520}},
    {"the second one below the first", {0, 0, 1920, 1080}, {0, 0, 688, 698}, {496, 520},
     {{696, 0, 496, 520}}, {696, 528, 496, 520}},
    {"on the left when the calculator sits right", {0, 0, 1920, 1080}, {1200, 100, 688, 698},
     {496, 520}, {}, {696, 0, 496, 520}},
    {"150 %: the plot shrunk to the room on the right", {0, 0, 1280, 720}, {0, 0, 688, 698},
     {736, 520}, {}, {696, 0, 584, 520}},
    {"150 %: the chart on the left of a calculator placed right", {0, 0, 1280, 720},
     {560, 0, 688, 698}, {496, 520}, {}, {56, 0, 496, 520}},
    {"four on a 1920 x 1200 screen: the plot shrunk below the chart", {0, 0, 1920, 1200},
     {617, 270, 688, 720}, {736, 520}, {{1313, 0, 576, 480}, {113, 0, 496, 520}},
     {0, 528, 609, 520}},
    {"200 %: no room anywhere, at the screen's right edge", {0, 0, 960, 540}, {0, 0, 688, 698},
     {496, 520}, {}, {464, 0, 496, 520}, false},
};

TEST(CompanionPlace, StaysOnScreenClearOfTheCalculatorAndTheOthers) {
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    const QRect place = PlaceBeside(c.main, c.wanted, {376, 400}, c.screen, c.taken);
    EXPECT_EQ(place, c.expected);
    EXPECT_TRUE(c.screen.contains(place));
    if (c.clear) {
      EXPECT_FALSE(place.intersects(c.main));
      for (const QRect& other : c.taken) EXPECT_FALSE(place.intersects(other));
    }
  }
}

}  // namespace
