#pragma once

#include "calc/line/line.h"

namespace tolvar::testing {

// 100 W on a 50-ohm line, VF 0.66, at R + jX [ohm], loss [dB / 100 m], slider [1/4 deg].
inline calc::line::LineEntries LineRun(calc::line::Direction direction, double r, double x,
                                       double loss, int slider, double cycles = 1, double rtxZ = 50,
                                       double mhz = 14) {
  return {{r, x}, 50, 50, 50, 0.66, loss, rtxZ, mhz, 100, cycles, slider, direction};
}

// The worked line run: 100 + j50 ohm, 2 dB / 100 m, 14 MHz, a quarter wave.
inline calc::line::LineEntries WorkedLineRun(calc::line::Direction direction, double rtxZ) {
  return LineRun(direction, 100, 50, 2, 360, 1, rtxZ);
}

}  // namespace tolvar::testing
