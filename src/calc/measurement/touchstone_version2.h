#pragma once

// Versions 2.0 and 2.1 of the Touchstone format: keywords in brackets around
// the network data. Internal to the reader.

#include <optional>

#include "calc/measurement/touchstone.h"
#include "calc/measurement/touchstone_repair.h"
#include "calc/measurement/touchstone_text.h"

namespace tolvar::calc::measurement::detail {

// 2.1 reads as 2.0 for 1- and 2-ports, but its option line may give a
// reference per port.
enum class Version2 { Zero, One };

// The version of a file whose first line with content, line, is "[Version]
// 2.0" or "[Version] 2.1"; nothing for another first line. Another version is
// refused.
std::optional<Version2> Version2Of(const Line& line);

// Reads the rest of a version-2.x file: keywords up to [Network Data], its
// data, perhaps [Noise Data], and [End]. The noise data, the lines between
// [Begin Information] and [End Information] and what follows [End] are
// skipped unread; a later option line is ignored, as in version 1.
Measurement ReadVersion2(LineCursor& lines, Version2 version, int portsFromName,
                         const PortImpedanceComments& comments);

}  // namespace tolvar::calc::measurement::detail
