#include "app/sweep/plot_colours.h"

#include <QPalette>
#include <array>
#include <cmath>

namespace tolvar::app {

namespace {

struct RoleHue {
  CurveRole role;
  QRgb light;  // on a light window
  QRgb dark;   // on a dark window
};

constexpr std::array kRoleHues{
    RoleHue{CurveRole::Measured, 0x1f63c7, 0x6aa8ff},
    RoleHue{CurveRole::Carried, 0x21862c, 0x6fd67a},
    RoleHue{CurveRole::LineLoss, 0xc25a00, 0xffa040},
    RoleHue{CurveRole::MatchedLoss, 0x8a4fbf, 0xc69cff},
    RoleHue{CurveRole::MeasuredResistance, 0x1f63c7, 0x6aa8ff},
    RoleHue{CurveRole::MeasuredReactance, 0xb0308f, 0xf070cc},
    RoleHue{CurveRole::CarriedResistance, 0x21862c, 0x6fd67a},
    RoleHue{CurveRole::CarriedReactance, 0x9a6700, 0xe0b040},
    RoleHue{CurveRole::TunerLoss, 0xc0282d, 0xff6b6b},
};

// `share` of `to` in `from`, channel by channel.
QColor Mix(const QColor& from, const QColor& to, double share) {
  const auto channel = [share](int a, int b) {
    return static_cast<int>(std::lround(a + (b - a) * share));
  };
  return {channel(from.red(), to.red()), channel(from.green(), to.green()),
          channel(from.blue(), to.blue())};
}

}  // namespace

QColor RoleColour(CurveRole role, bool dark) {
  for (const RoleHue& hue : kRoleHues) {
    if (hue.role == role) {
      return QColor::fromRgb(dark ? hue.dark : hue.light);
    }
  }
  return {};
}

FrameColours FrameColoursOf(const QPalette& palette) {
  const QColor window = palette.color(QPalette::Window);
  const QColor text = palette.color(QPalette::WindowText);
  constexpr double kGridShare = 0.18;
  constexpr double kLineShare = 0.45;
  constexpr double kChosenShare = 0.75;
  return {window, text, Mix(window, text, kLineShare), Mix(window, text, kGridShare),
          Mix(window, text, kChosenShare)};
}

}  // namespace tolvar::app
