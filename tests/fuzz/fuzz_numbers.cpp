// The leading-number reader on any bytes, and the formatter on what it reads
// and on raw doubles: no crash, the pattern's shape, and a round trip to within
// half a unit of the last shown digit.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <string>

#include "fuzz_check.h"
#include "numeric/entry_value.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace {

using tolvar::numeric::FormatFixed;
using tolvar::numeric::ReadEntryValue;

// An optional "-", digits, and when the pattern has decimals a dot and exactly
// that many digits.
bool HasPatternShape(const std::string& text, int decimals) {
  const auto digits = [&](std::size_t from, std::size_t to) {
    return from < to && to <= text.size() &&
           std::all_of(text.begin() + static_cast<std::ptrdiff_t>(from),
                       text.begin() + static_cast<std::ptrdiff_t>(to),
                       [](char c) { return c >= '0' && c <= '9'; });
  };
  const std::size_t start = text.starts_with('-') ? 1 : 0;
  if (decimals == 0) {
    return digits(start, text.size());
  }
  const std::size_t point = text.size() - static_cast<std::size_t>(decimals) - 1;
  return point < text.size() && text[point] == '.' && digits(start, point) &&
         digits(point + 1, text.size());
}

void CheckFormatting(double value) {
  for (int decimals = 0; decimals <= 4; ++decimals) {
    const std::string shown = FormatFixed(value, decimals);
    Require(HasPatternShape(shown, decimals), "formatted number has the pattern's shape", shown);
    Require(ShowsNoNonNumber(shown), "formatted number is a number", shown);
    const bool zero = shown.find_first_not_of("-0.") == std::string::npos;
    Require(!(zero && shown[0] == '-'), "a value rounding to zero shows no minus", shown);
    const double back = ReadEntryValue(shown);
    const double tolerance = 0.5 * std::pow(10.0, -decimals) + std::fabs(value) * 1e-15;
    Require(std::fabs(back - value) <= tolerance, "formatting reads back within half a unit",
            shown);
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  try {
    const double value = ReadEntryValue(text);
    Require(std::isfinite(value), "an entry reads as a finite number");
    CheckFormatting(value);
  } catch (const tolvar::numeric::ArithmeticFault&) {
    // A number beyond a double: the handler reading it reports a fault.
  }
  if (size >= sizeof(double)) {
    double raw = 0;
    std::memcpy(&raw, data, sizeof raw);
    if (std::isfinite(raw)) {
      CheckFormatting(raw);
    } else {
      bool faulted = false;
      try {
        FormatFixed(raw, 2);
      } catch (const tolvar::numeric::ArithmeticFault&) {
        faulted = true;
      }
      Require(faulted, "a value that is not finite is never formatted");
    }
  }
  return 0;
}
