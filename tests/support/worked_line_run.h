#pragma once

#include "calc/line/line.h"

namespace tolvar::testing {

// 100 W on a 50-ohm line, VF 0.66, at R + jX [ohm], loss [dB / 100 m], the bar
// at `quarterDegrees` in `cycle`.
inline calc::line::LineEntries LineRun(calc::line::Direction direction, double r, double x,
                                       double loss, int quarterDegrees, int cycle = 1,
                                       double rtxZ = 50, double mhz = 14) {
  return {.start = {r, x},
          .lineZ = 50,
          .velocityFactor = 0.66,
          .lossPer100m = loss,
          .mhz = mhz,
          .power = 100,
          .rtxZ = rtxZ,
          .shift = {cycle, quarterDegrees, direction},
          .zShownBefore = 50,
          .zShownAfter = 50};
}

// The worked line run: 100 + j50 ohm, 2 dB / 100 m, 14 MHz, a quarter wave.
inline calc::line::LineEntries WorkedLineRun(calc::line::Direction direction, double rtxZ) {
  return LineRun(direction, 100, 50, 2, 360, 1, rtxZ);
}

}  // namespace tolvar::testing
