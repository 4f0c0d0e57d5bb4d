#pragma once

#include <array>
#include <cstddef>
#include <string_view>

namespace tolvar::calc::line {

// One cable of the built-in catalogue, in the units the data came in.
struct Cable {
  std::string_view name;  // exactly as shown in the cable box
  int z;                  // characteristic impedance, tenths of an ohm
  int vf;                 // velocity factor, thousandths
  int k0;                 // loss, constant term [1e-6 dB / 100 ft]
  int k1;                 // loss per sqrt(MHz) [1e-6 dB / 100 ft]
  int k2;                 // loss per MHz [1e-6 dB / 100 ft]

  double impedanceOhm() const { return z / 10.0; }
  double velocityFactor() const { return vf / 1000.0; }
};

inline constexpr std::size_t kCableCount = 73;

// The catalogue in the cable box's order: a position in the box is an index here.
const std::array<Cable, kCableCount>& CableCatalogue();

// Index of the cable whose name equals `name` exactly (case and blanks count),
// or -1 when none does.
int FindCable(std::string_view name);

// The cable's loss in dB per 100 m at `mhz`. Some cables' coefficients give a
// negative loss at very low frequencies; it is returned unchanged. A negative
// frequency has no square root: it throws ArithmeticFault.
double LossDbPer100m(const Cable& cable, double mhz);

}  // namespace tolvar::calc::line
