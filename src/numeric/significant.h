#pragma once

#include "numeric/complex.h"

namespace tolvar::numeric {

// A measured or computed value as an entry takes it: a file's values come
// through conversions whose last bits are noise, which an entry would show
// as "73.50000000000001" or an X of "1.1368683781439031e-13".

// `value` rounded to `digits` significant decimal digits (1 to 17); a value
// that is not finite is returned as it is.
double RoundToSignificant(double value, int digits);

// Each part rounded to kEntryDigits significant digits, and a part smaller
// than kNegligibleShare of the value's magnitude made 0.
inline constexpr int kEntryDigits = 12;
inline constexpr double kNegligibleShare = 1e-12;
Complex AsEntered(Complex value);
double AsEntered(double value);

}  // namespace tolvar::numeric
