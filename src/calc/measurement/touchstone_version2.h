#pragma once

// Version 2.0 of the Touchstone format: keywords in brackets around the
// network data. Internal to the reader.

#include "calc/measurement/touchstone.h"
#include "calc/measurement/touchstone_text.h"

namespace tolvar::calc::measurement::detail {

// Whether the first line with content, line, is "[Version] 2.0"; another
// version is refused.
bool IsVersion2(const Line& line);

// Reads the rest of a version-2.0 file: keywords up to [Network Data], its
// data, perhaps [Noise Data], and [End]. The noise data, the lines between
// [Begin Information] and [End Information] and what follows [End] are
// skipped unread; a later option line is ignored, as in version 1.
Measurement ReadVersion2(LineCursor& lines, int portsFromName);

}  // namespace tolvar::calc::measurement::detail
