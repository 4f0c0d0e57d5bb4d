// The chart's geometry without a window, texts measured at a fixed width per
// character: at every size the grid's labels, the legend, the reference and
// the status line stay inside the chart and apart, the corners keep off the
// disc, and the disc grows until the texts leave no room; the texts at the
// traces' ends keep clear of them all and of each other, near their points.
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
using tolvar::app::PlaceTraceEnds;
using tolvar::app::PointOnChart;
using tolvar::app::TextMeasure;
using tolvar::app::TraceEnd;

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

// Traces' ends on a chart of the default size with three legend lines.
struct EndAt {
  const char* text;
  tolvar::numeric::Complex gamma;
  bool staysAbove;  // the place right above its point is free: the text stands there
};

struct Ends {
  const char* name;
  std::vector<EndAt> ends;
  double reach;  // how far from its point [lines] an end's text may stand
};

const Ends kEnds[] = {
    // A dipole's sweep ending at SWR 2 straight below the centre, on the label.
    {"DipoleEndingOnTheSwr2Label",
     {{"7.4 MHz", {0.45, 0.35}, true}, {"6.8 MHz", {0, -1.0 / 3}, false}},
     1},
    // The measured trace and the one carried to the feed, or a 2-port's S11 and S22.
    {"TwoTracesEndingTogether",
     {{"6.8 MHz", {-0.3, -0.6}, true},
      {"6.8 MHz", {-0.3, -0.6}, false},
      {"14.35 MHz", {-0.3, -0.6}, false}},
     1.5},
    {"EndJustUnderTheRimLabelPlusJ1", {{"14.35 MHz", {0, 0.95}, false}}, 1},
    {"EndInTheTopLeftCornerUnderTheLegend", {{"3.8 MHz", {-1.07, 0.87}, false}}, 1},
    // Its point lies beyond the chart's top right corner, behind the reference.
    {"EndFarOutsideTheDisc", {{"30 MHz", {5, 5}, false}}, 2.5},
};

void PrintTo(const Ends& row, std::ostream* out) { *out << row.name; }

class TraceEndsTest : public testing::TestWithParam<Ends> {};

TEST_P(TraceEndsTest, KeepClearOfEveryTextInsideTheChartNearTheirPoints) {
  const Ends& row = GetParam();
  const QSizeF size(480, 480);
  const QRectF chart(QPointF(0, 0), size);
  const ChartLayout layout =
      LayOutChart(size, {kLoad, kLoad, kLoad}, QStringLiteral("Reference 50 ohm"), FixedWidth());
  std::vector<TraceEnd> ends;
  for (std::size_t i = 0; i < row.ends.size(); ++i) {
    ends.push_back({i, row.ends[i].text, PointOnChart(row.ends[i].gamma, layout.frame)});
  }
  const std::vector<TraceEnd> placed = PlaceTraceEnds(ends, layout, size, FixedWidth());
  ASSERT_EQ(placed.size(), ends.size());

  std::vector<std::string> misfits;
  for (std::size_t i = 0; i < placed.size(); ++i) {
    const QRectF& rect = placed[i].rect;
    const std::string name = std::to_string(i) + " " + row.ends[i].text;
    EXPECT_EQ(placed[i].mark, i);
    EXPECT_EQ(placed[i].text, QString(row.ends[i].text));
    EXPECT_GE(rect.width(), FixedWidth().width(placed[i].text)) << name;
    EXPECT_GE(rect.height(), kLineHeight) << name;
    if (!chart.contains(rect)) misfits.push_back(name + " leaves the chart");
    if (rect.intersects(layout.legend)) misfits.push_back(name + " over the legend");
    for (const ChartText& text : layout.texts) {
      if (rect.intersects(text.rect)) misfits.push_back(name + " over " + text.text.toStdString());
    }
    for (std::size_t j = 0; j < i; ++j) {
      if (rect.intersects(placed[j].rect))
        misfits.push_back(name + " over end " + std::to_string(j));
    }
    // Where the trace leaves the chart, its text stands at the nearest edge.
    const QPointF point(std::clamp(ends[i].point.x(), 0.0, size.width()),
                        std::clamp(ends[i].point.y(), 0.0, size.height()));
    const double fromPoint = Gap(rect, QRectF(point, QSizeF(0, 0)));
    EXPECT_GT(fromPoint, 0) << name << " covers its point";
    EXPECT_LE(fromPoint, row.reach * kLineHeight) << name;
    const bool rightAbove = std::abs(rect.center().x() - point.x()) < 1e-9 &&
                            rect.bottom() < point.y() &&
                            point.y() - rect.bottom() < kLineHeight / 2;
    EXPECT_EQ(rightAbove, row.ends[i].staysAbove) << name;
  }
  EXPECT_EQ(misfits, std::vector<std::string>{});
}

INSTANTIATE_TEST_SUITE_P(Chart, TraceEndsTest, testing::ValuesIn(kEnds),
                         [](const testing::TestParamInfo<Ends>& row) {
                           return std::string(row.param.name);
                         });

}  // namespace
