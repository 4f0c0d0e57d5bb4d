#pragma once

// Measured or computed S-parameters out as a Touchstone 1.1 file, the form
// ReadTouchstone takes back.

#include <string>
#include <string_view>

#include "calc/measurement/touchstone.h"

namespace tolvar::calc::measurement {

// The file of a 1-port (S11) or a 2-port (S11, S21, S12, S22): the comment
// ("! " before each of its lines), the option line "# Hz S RI R <reference>",
// then a line per frequency with the frequency [Hz] and each S-parameter's
// real and imaginary parts, a 2-port's in the order S11 S21 S12 S22. Every
// number is the shortest text that reads back to the same double; lines end
// with LF. The measurement holds one value per frequency of each of its
// parameters (std::out_of_range otherwise); a value that is not finite is an
// ArithmeticFault.
std::string WriteTouchstone(const Measurement& measurement, std::string_view comment);

}  // namespace tolvar::calc::measurement
