#pragma once

// The chart's colours: the marks' shades for a light or a dark palette, made
// to stand out from the background they are drawn on, and the one rule that
// says whether a palette is dark.

#include <QColor>

class QPalette;

namespace tolvar::app {

// The hues marks come in. The chart picks each one's shade from a set for
// light palettes or one for dark ones, so that it stands out from the disc.
enum class MarkHue { Red, Blue, Green, Purple, Orange, Teal, Pink, Olive, Brown, Indigo, Gold };

// Relative luminance of an sRGB colour, 0 for black to 1 for white.
double Luminance(const QColor& colour);
// The contrast ratio of two colours, 1 for equal luminances to 21 for black on white.
double Contrast(const QColor& a, const QColor& b);

// Darker than a mid grey (#7c7c7c, relative luminance 0.2).
bool IsDarkBackground(const QColor& background);
// A palette is dark when its Base is: the colour plots and the chart's disc
// are drawn on, and the one marks must stand out from.
bool IsDarkPalette(const QPalette& palette);

// `colour` made lighter (on a dark background) or darker (on a light one), its
// hue kept, until it has the 3:1 contrast asked of graphics against `background`.
QColor Readable(QColor colour, const QColor& background);

// The mark's shade from the set for the palette's darkness, readable on its Base.
QColor MarkColour(MarkHue hue, const QPalette& palette);

// `shareOfA` of `a` and the rest of `b`, channel by channel.
QColor Mix(const QColor& a, const QColor& b, float shareOfA);

}  // namespace tolvar::app
