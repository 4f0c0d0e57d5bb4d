#pragma once

#include "calc/line/line.h"

namespace tolvar::testing {

// The worked line run: 100 + j50 ohm on a 50-ohm line, VF 0.66, 2 dB / 100 m,
// 14 MHz, 100 W, cycle 1, slider 360 (a quarter wave).
inline calc::line::LineEntries WorkedLineRun(calc::line::Direction direction, double rtxZ) {
  calc::line::LineEntries e{};
  e.startR = 100;
  e.startX = 50;
  e.zAtStart = 50;
  e.zNow = 50;
  e.lineZ = 50;
  e.velocityFactor = 0.66;
  e.lossPer100m = 2;
  e.rtxZ = rtxZ;
  e.mhz = 14;
  e.power = 100;
  e.cycles = 1;
  e.slider = 360;
  e.direction = direction;
  return e;
}

}  // namespace tolvar::testing
