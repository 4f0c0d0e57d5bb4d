#pragma once

// One number cell of the CSV texts calc/sweep writes, so every file it makes
// reads back the same way.

#include <optional>
#include <string>

#include "numeric/format.h"

namespace tolvar::calc::sweep {

// The shortest text that reads back to `value`, with the dot; an empty cell
// where there is no value.
inline std::string CsvCell(const std::optional<double>& value) {
  return value ? numeric::ShortestText(*value) : std::string();
}

}  // namespace tolvar::calc::sweep
