#pragma once

#include <cmath>

namespace tolvar::numeric {

// x raised to the power 2.0, as every calculator squares.
inline double Square(double x) { return std::pow(x, 2.0); }

}  // namespace tolvar::numeric
