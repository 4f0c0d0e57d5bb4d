#include "numeric/significant.h"

#include <array>
#include <charconv>
#include <cmath>

namespace tolvar::numeric {

double RoundToSignificant(double value, int digits) {
  if (!std::isfinite(value) || value == 0) {
    return value;
  }
  // The decimal rounding of the shortest correct digits: printed with
  // `digits - 1` after the point in scientific form, then read back.
  std::array<char, 64> buffer{};
  const auto printed = std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                                     std::chars_format::scientific, digits - 1);
  double rounded = value;
  std::from_chars(buffer.data(), printed.ptr, rounded);
  return rounded;
}

Complex AsEntered(Complex value) {
  const double magnitude = Abs(value);
  const auto part = [magnitude](double x) {
    // A zero is written "0", never "-0".
    const bool negligible = x == 0 || std::fabs(x) < kNegligibleShare * magnitude;
    return negligible ? 0.0 : RoundToSignificant(x, kEntryDigits);
  };
  return {part(value.re), part(value.im)};
}

double AsEntered(double value) { return RoundToSignificant(value, kEntryDigits); }

}  // namespace tolvar::numeric
