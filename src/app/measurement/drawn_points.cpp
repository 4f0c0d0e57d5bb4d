#include "app/measurement/drawn_points.h"

#include <algorithm>

namespace tolvar::app {

std::vector<std::size_t> DrawnIndices(std::size_t count, std::optional<std::size_t> chosen) {
  std::vector<std::size_t> indices;
  if (count <= kDrawnPoints) {
    indices.resize(count);
    for (std::size_t i = 0; i < count; ++i) {
      indices[i] = i;
    }
    return indices;
  }
  indices.reserve(kDrawnPoints + 1);
  for (std::size_t k = 0; k < kDrawnPoints; ++k) {
    indices.push_back(k * (count - 1) / (kDrawnPoints - 1));
  }
  if (chosen && *chosen < count) {
    const auto at = std::lower_bound(indices.begin(), indices.end(), *chosen);
    if (at == indices.end() || *at != *chosen) {
      indices.insert(at, *chosen);
    }
  }
  return indices;
}

}  // namespace tolvar::app
