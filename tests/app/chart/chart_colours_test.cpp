// The chart's colours: which palettes count as dark, and marks that keep the
// 3:1 contrast asked of graphics on the background they are drawn on.
#include "app/chart/chart_colours.h"

#include <gtest/gtest.h>

#include <QPalette>
#include <ostream>
#include <string>

namespace {

using tolvar::app::Contrast;
using tolvar::app::IsDarkPalette;
using tolvar::app::MarkColour;
using tolvar::app::MarkHue;
using tolvar::app::Readable;

struct Colours {
  const char* name;
  QColor window;
  QColor base;
  bool dark;
};

const Colours kPalettes[] = {
    {"FusionLight", QColor(0xef, 0xef, 0xef), Qt::white, false},
    {"TypicalDark", QColor(0x35, 0x35, 0x35), QColor(0x19, 0x19, 0x19), true},
    // Either side of the mid grey #7c7c7c, relative luminance 0.2.
    {"MidGreyJustLight", QColor(0x7c, 0x7c, 0x7c), QColor(0x7c, 0x7c, 0x7c), false},
    {"MidGreyJustDark", QColor(0x7b, 0x7b, 0x7b), QColor(0x7b, 0x7b, 0x7b), true},
    // By luminance, not HSL lightness: a blue at half lightness looks dark.
    {"PureBlue", Qt::blue, Qt::blue, true},
    // The marks are drawn on the disc, in Base.
    {"LightDiscInADarkWindow", QColor(0x2b, 0x2b, 0x2b), Qt::white, false},
};

void PrintTo(const Colours& row, std::ostream* out) { *out << row.name; }

class PaletteTest : public testing::TestWithParam<Colours> {};

TEST_P(PaletteTest, DarknessAndMarksReadableOnTheDisc) {
  const Colours& colours = GetParam();
  QPalette palette;
  palette.setColor(QPalette::Window, colours.window);
  palette.setColor(QPalette::Base, colours.base);
  EXPECT_EQ(IsDarkPalette(palette), colours.dark);
  for (int hue = 0; hue <= static_cast<int>(MarkHue::Gold); ++hue) {
    const QColor mark = MarkColour(static_cast<MarkHue>(hue), palette);
    EXPECT_GE(Contrast(mark, colours.base), 3) << hue << ' ' << mark.name().toStdString();
  }
}

INSTANTIATE_TEST_SUITE_P(Palettes, PaletteTest, testing::ValuesIn(kPalettes),
                         [](const testing::TestParamInfo<Colours>& row) {
                           return std::string(row.param.name);
                         });

TEST(Readable, ReachesThreeToOneKeepingTheHue) {
  // The contrast ratios of black on white and of the grey that just passes 4.5:1 on it.
  EXPECT_DOUBLE_EQ(Contrast(Qt::black, Qt::white), 21);
  EXPECT_NEAR(Contrast(QColor(0x76, 0x76, 0x76), Qt::white), 4.54, 0.01);

  const QColor light = Qt::white;
  const QColor dark(0x1e, 0x1e, 0x1e);
  const struct {
    QColor colour;
    QColor background;
  } kRows[] = {
      {QColor(0x1a, 0x23, 0x7e), dark},   // a caller's dark blue on a dark palette
      {QColor(0xff, 0xeb, 0x3b), light},  // a yellow on a light one
      {Qt::black, dark},
      {Qt::white, light},
      {QColor(0x7c, 0x7c, 0x7c), QColor(0x7c, 0x7c, 0x7c)},  // on itself
  };
  for (const auto& [colour, background] : kRows) {
    const QColor shown = Readable(colour, background);
    EXPECT_GE(Contrast(shown, background), 3) << colour.name().toStdString();
    EXPECT_EQ(shown.hslHue(), colour.hslHue()) << colour.name().toStdString();
  }
  // A colour that already stands out is kept as it is.
  EXPECT_EQ(Readable(QColor(0xc6, 0x28, 0x28), light), QColor(0xc6, 0x28, 0x28));
  EXPECT_EQ(Readable(QColor(0x64, 0xb5, 0xf6), dark), QColor(0x64, 0xb5, 0xf6));
}

}  // namespace
