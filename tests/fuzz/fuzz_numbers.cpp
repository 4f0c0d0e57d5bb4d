// The leading-number reader on any bytes, and the formatter on what it reads
// and on raw doubles: no crash, the pattern's shape, and a round trip to within
// half a unit of the last shown digit.
#include <cmath>
#include <cstdint>
#include <cstring>
#include <regex>
#include <string>

#include "fuzz_check.h"
#include "numeric/entry_value.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace {

using tolvar::numeric::ArithmeticFault;
using tolvar::numeric::FormatFixed;
using tolvar::numeric::ReadEntryValue;

// An optional "-", digits, and when the pattern has decimals a dot and exactly
// that many digits.
const std::regex kPatternShape(R"(-?\d+(\.(\d+))?)");

// A finite value formats with 0 to 4 decimals; any other ends in a fault.
void CheckFormatting(double value) {
  for (int decimals = 0; decimals <= 4; ++decimals) {
    std::string shown;
    try {
      shown = FormatFixed(value, decimals);
    } catch (const ArithmeticFault&) {
      Require(!std::isfinite(value), "a finite value formats");
      continue;
    }
    Require(std::isfinite(value), "a value that is not finite is never formatted", shown);
    std::smatch shape;
    Require(std::regex_match(shown, shape, kPatternShape) && shape.length(2) == decimals,
            "formatted number has the pattern's shape", shown);
    const double back = ReadEntryValue(shown);
    Require(shown[0] != '-' || back < 0, "a value rounding to zero shows no minus", shown);
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-15;
    Require(std::fabs(back - value) <= tolerance, "formatting reads back within half a unit",
            shown);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  double value = 0;
  try {
    value = ReadEntryValue({reinterpret_cast<const char*>(data), size});
    Require(std::isfinite(value), "an entry reads as a finite number");
  } catch (const ArithmeticFault&) {
    // A number beyond a double: the handler reading it reports a fault.
  }
  CheckFormatting(value);
  if (size >= sizeof(double)) {
    std::memcpy(&value, data, sizeof value);
    CheckFormatting(value);
  }
  return 0;
}
