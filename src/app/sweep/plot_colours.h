#pragma once

#include <QColor>

#include "app/chart/chart_colours.h"
#include "app/sweep/plot_data.h"

class QPalette;

namespace tolvar::app {

// Whether a palette is dark: the chart's one rule, IsDarkPalette.

// The colour of a curve of `role`: one hue per role, lighter on a dark
// window so it stands out as much as on a light one.
QColor RoleColour(CurveRole role, bool dark);

// The colours of a plot's frame, from the window's palette.
struct FrameColours {
  QColor background;
  QColor text;
  QColor axisLine;
  QColor grid;
  QColor chosen;  // the dashed line of the chosen frequency
};
FrameColours FrameColoursOf(const QPalette& palette);

}  // namespace tolvar::app
