#include "app/chart/chart_colours.h"

#include <QPalette>
#include <algorithm>
#include <array>
#include <cmath>

namespace tolvar::app {

namespace {

// The marks' colours, in the order of MarkHue, for a light and a dark
// background: each stands out from its background and from the others.
constexpr std::array<QRgb, 11> kLightMarkColours{
    0xffc62828, 0xff1565c0, 0xff2e7d32, 0xff8e24aa, 0xffe65100, 0xff00838f,
    0xffad1457, 0xff827717, 0xff6d4c41, 0xff283593, 0xffb28704};
constexpr std::array<QRgb, 11> kDarkMarkColours{
    0xffff7070, 0xff64b5f6, 0xff81c784, 0xffce93d8, 0xffffb74d, 0xff4dd0e1,
    0xfff48fb1, 0xffdce775, 0xffbcaaa4, 0xff9fa8da, 0xffffe082};

}  // namespace

double Luminance(const QColor& colour) {
  const auto linear = [](float channel) {
    return channel <= 0.04045f ? channel / 12.92 : std::pow((channel + 0.055) / 1.055, 2.4);
  };
  return 0.2126 * linear(colour.redF()) + 0.7152 * linear(colour.greenF()) +
         0.0722 * linear(colour.blueF());
}

double Contrast(const QColor& a, const QColor& b) {
  const double first = Luminance(a);
  const double second = Luminance(b);
  return (std::max(first, second) + 0.05) / (std::min(first, second) + 0.05);
}

// Luminance, not HSL lightness: a pure blue is as dark to the eye as it is to
// the contrast that Readable() reaches, though its lightness is a half.
bool IsDarkBackground(const QColor& background) { return Luminance(background) < 0.2; }

bool IsDarkPalette(const QPalette& palette) {
  return IsDarkBackground(palette.color(QPalette::Base));
}

// A caller's dark blue still shows on a dark palette, a yellow on a light one.
QColor Readable(QColor colour, const QColor& background) {
  const int step = IsDarkBackground(background) ? 12 : -12;
  for (int i = 0; i < 22 && Contrast(colour, background) < 3; ++i) {
    colour = QColor::fromHsl(colour.hslHue(), colour.hslSaturation(),
                             std::clamp(colour.lightness() + step, 0, 255));
  }
  return colour;
}

QColor MarkColour(MarkHue hue, const QPalette& palette) {
  const auto& set = IsDarkPalette(palette) ? kDarkMarkColours : kLightMarkColours;
  return Readable(QColor::fromRgb(set.at(static_cast<std::size_t>(hue))),
                  palette.color(QPalette::Base));
}

QColor Mix(const QColor& a, const QColor& b, float shareOfA) {
  const float rest = 1 - shareOfA;
  return QColor::fromRgbF(a.redF() * shareOfA + b.redF() * rest,
                          a.greenF() * shareOfA + b.greenF() * rest,
                          a.blueF() * shareOfA + b.blueF() * rest);
}

}  // namespace tolvar::app
