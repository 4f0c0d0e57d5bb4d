#pragma once

#include <string>

namespace tolvar::numeric {

// Formats value with the pattern "0", "0.0", "0.00", "0.000" or "0.0000"
// (decimals 0 to 4): at least one digit before the point, exactly `decimals`
// digits after it, rounded to the nearest, a leading "-" for a negative value,
// no grouping, and always the dot whatever the locale says. An exact tie at the
// last digit rounds away from zero; a negative value that rounds to zero shows
// without "-". A value that is not finite is an ArithmeticFault.
std::string FormatFixed(double value, int decimals);

// The shortest decimal text that reads back to exactly `value` (by
// ReadEntryValue as by from_chars), with the dot: "73.08", "-0.3125",
// "0.00012". Beyond 1e21 and below 1e-6 it takes an exponent ("1.5e-07"),
// which an entry field reads too. A value that is not finite is an
// ArithmeticFault.
std::string ShortestText(double value);

// The sign shown before the magnitude of an imaginary part: "-" for a negative
// value, "+" otherwise.
inline const char* SignText(double value) { return value < 0 ? "-" : "+"; }

}  // namespace tolvar::numeric
