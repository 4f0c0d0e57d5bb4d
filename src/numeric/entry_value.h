#pragma once

#include <string_view>

namespace tolvar::numeric {

// Reads the number at the start of an entry's text (the leading-number rule):
// blanks (space, tab, line feed) are ignored wherever they stand; then an
// optional sign, digits with at most one dot, and an optional exponent "E" or
// "D" (either case) with an optional sign and digits. Reading stops at the first
// character that does not fit; a text that does not begin with a number reads
// as 0. The comma is never a decimal separator ("3,5" reads as 3). A number
// too large for a double throws ArithmeticFault; one too small reads as 0.
double ReadEntryValue(std::string_view text);

}  // namespace tolvar::numeric
