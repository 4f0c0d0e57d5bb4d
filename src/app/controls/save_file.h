#pragma once

#include <QString>
#include <string_view>

namespace tolvar::app {

// Writes `text` as the whole of the file at `path`, or leaves the file as it
// was: false when it cannot be written.
bool WriteWholeFile(const QString& path, std::string_view text);

}  // namespace tolvar::app
