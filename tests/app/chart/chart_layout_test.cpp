// The chart's geometry without a window, texts measured at a fixed width per
// character: at every size the grid's labels, the legend, the reference and
// the status line stay inside the chart and apart, the corners keep off the
// disc, and the disc grows until the texts leave no room.
#include "app/chart/chart_layout.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <ostream>
#include <string>
#include <vector>

namespace {

using tolvar::app::ChartLayout;
using tolvar::app::ChartText;
using tolvar::app::ChartTextRole;
using tolvar::app::LayOutChart;
using tolvar::app::TextMeasure;

// About the chart's 8.25 pt font at the default size.
constexpr double kCharWidth = 7;
constexpr double kLineHeight = 13;

TextMeasure FixedWidth() {
  const auto width = [](const QString& text) {
    return kCharWidth * static_cast<double>(text.size());
  };
  return {kLineHeight, width, [width](const QString& text, double room) {
            if (width(text) <= room) return text;
            const auto kept = static_cast<qsizetype>(room / kCharWidth) - 1;
            return text.left(std::max<qsizetype>(kept, 0)) + QChar(0x2026);
          }};
}

// How far apart two boxes are, 0 where they touch or overlap.
double Gap(const QRectF& a, const QRectF& b) {
  const double across = std::max({a.left() - b.right(), b.left() - a.right(), 0.0});
  const double down = std::max({a.top() - b.bottom(), b.top() - a.bottom(), 0.0});
  return std::hypot(across, down);
}

bool IsCorner(const ChartText& text) {
  return text.role == ChartTextRole::Legend || text.role == ChartTextRole::Reference;
}

struct Sizing {
  const char* name;
  QSizeF size;
  QStringList legend;
  bool referenceBeside;  // beside the legend, else below it
  bool lowered;          // the disc below the middle, its labels clear of the corners
};

const QString kLoad = QStringLiteral("Load (SWR panel)");
const QString kLong = QStringLiteral("A legend far longer than any corner of the chart holds");
const QString kWiderThanTheChart = kLong + QStringLiteral(", longer even than the chart is wide");

const Sizing kSizings[] = {
    {"Default", {480, 480}, {kLoad, kLoad, kLoad}, true, false},
    {"WideWithOneMark", {800, 500}, {kLoad}, true, false},
    {"WideWithALongLegend", {800, 500}, {kLong}, true, true},
    {"TallWithFourMarks", {400, 640}, {kLoad, kLoad, kLoad, kLoad}, true, false},
    {"SmallestWithEveryPanelsMarks",
     {360, 360},
     {kLoad, "Antenna (tuner panel)", "Tuner RTX port", "Line start point",
      "Line far point and path"},
     false,
     true},
    {"NarrowerThanItsLegend", {360, 600}, {kWiderThanTheChart}, false, false},
    {"NoMarks", {480, 480}, {}, true, false},
    {"LowWithNoMarks", {400, 360}, {}, true, true},
};

void PrintTo(const Sizing& row, std::ostream* out) { *out << row.name; }

class ChartLayoutTest : public testing::TestWithParam<Sizing> {};

TEST_P(ChartLayoutTest, TextsFitApartAndTheDiscTakesTheRoomLeft) {
  const Sizing& sizing = GetParam();
  const QString reference = QStringLiteral("Reference 1234.5 - j678.25 ohm");
  const ChartLayout layout = LayOutChart(sizing.size, sizing.legend, reference, FixedWidth());
  const QRectF chart(QPointF(0, 0), sizing.size);
  const QPointF centre(layout.frame.centreX, layout.frame.centreY);
  const double radius = layout.frame.side / 2;
  const QRectF disc(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius));
  ASSERT_FALSE(layout.texts.empty());
  const QRectF status = layout.texts.back().rect;
  EXPECT_EQ(layout.texts.back().role, ChartTextRole::StatusLine);

  std::vector<std::string> misfits;
  double room = chart.width();  // the least a label or the rim could still move outwards
  for (auto text = layout.texts.begin(); text != layout.texts.end(); ++text) {
    const std::string name = text->text.toStdString();
    if (!chart.contains(text->rect)) misfits.push_back(name + " leaves the chart");
    for (auto other = layout.texts.begin(); other != text; ++other) {
      if (other->rect.intersects(text->rect)) {
        misfits.push_back(name + " over " + other->text.toStdString());
      }
      if (text->role == ChartTextRole::GridLabel && IsCorner(*other)) {
        room = std::min(room, Gap(text->rect, other->rect));
      }
    }
    const QPointF nearest(std::clamp(centre.x(), text->rect.left(), text->rect.right()),
                          std::clamp(centre.y(), text->rect.top(), text->rect.bottom()));
    const double fromRim = std::hypot(nearest.x() - centre.x(), nearest.y() - centre.y()) - radius;
    if (IsCorner(*text)) {
      if (fromRim <= 0) misfits.push_back(name + " on the disc");
      room = std::min(room, fromRim);
    }
    const QPointF middle = text->rect.center() - centre;
    if (text->text.contains('j') &&
        std::hypot(middle.x(), middle.y()) < radius + 0.75 * kLineHeight) {
      misfits.push_back(name + " not clear of the rim");  // a reactance's label
    }
    if (text->role == ChartTextRole::Legend && !sizing.legend.contains(text->text) &&
        FixedWidth().width(text->text) < sizing.size.width() - 60) {
      misfits.push_back(name + " cut though the chart has room");
    }
    if (text->role == ChartTextRole::GridLabel) {
      room = std::min({room, text->rect.left(), chart.right() - text->rect.right(),
                       text->rect.top(), status.top() - text->rect.bottom()});
    }
  }
  EXPECT_EQ(misfits, std::vector<std::string>{});
  EXPECT_TRUE(chart.contains(disc) && disc.bottom() < status.top());
  EXPECT_DOUBLE_EQ(centre.x(), sizing.size.width() / 2);
  EXPECT_DOUBLE_EQ(chart.bottom() - status.bottom(), status.left());  // a margin all round
  // The disc grows till a label or the rim comes within a line of an edge or a corner.
  EXPECT_LT(room, kLineHeight);
  // Centred above the status line, or lower where its labels would meet the corners.
  const double lowered = centre.y() - status.top() / 2;
  EXPECT_TRUE(sizing.lowered ? lowered > 1 : std::abs(lowered) < 1) << lowered;

  std::vector<QRectF> legend;
  QRectF referenceBox;
  for (const ChartText& text : layout.texts) {
    if (text.role == ChartTextRole::Legend) legend.push_back(text.rect);
    if (text.role == ChartTextRole::Reference) referenceBox = text.rect;
  }
  EXPECT_EQ(legend.size(), static_cast<std::size_t>(sizing.legend.size()));
  EXPECT_LT(chart.right() - referenceBox.right(), kLineHeight);  // in the top right corner
  if (sizing.referenceBeside) {
    EXPECT_LT(referenceBox.top(), kLineHeight);
  } else {
    EXPECT_GE(referenceBox.top(), legend.back().bottom());
  }
}

INSTANTIATE_TEST_SUITE_P(Sizes, ChartLayoutTest, testing::ValuesIn(kSizings),
                         [](const testing::TestParamInfo<Sizing>& row) {
                           return std::string(row.param.name);
                         });

}  // namespace
