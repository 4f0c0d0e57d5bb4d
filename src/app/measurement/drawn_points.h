#pragma once

#include <cstddef>
#include <optional>
#include <vector>

namespace tolvar::app {

// The plots and the chart draw a measured band at the resolution a window
// shows, not at the file's: at most this many points, evenly spread over the
// band. Copying and saving use every point.
inline constexpr std::size_t kDrawnPoints = 1001;

// The indices of the points drawn of a band of `count` points: every one up to
// kDrawnPoints, else evenly spaced ones from the first to the last, with
// `chosen` (the chosen point) among them; rising.
std::vector<std::size_t> DrawnIndices(std::size_t count, std::optional<std::size_t> chosen);

}  // namespace tolvar::app
