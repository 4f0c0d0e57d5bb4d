#pragma once

#include <QString>
#include <cstddef>

#include "calc/measurement/touchstone.h"

namespace tolvar::app {

// What the measurement window says of one point, each value naming the
// reference it stands on.

// A 1-port: its impedance, its reflection and SWR on the file's reference,
// and on the VNA's 50 ohm (what S Ant. takes) where that differs.
QString OnePortValues(const calc::measurement::Measurement& measurement, std::size_t index);

// A 2-port's four S-parameters on 50 ohm (`on50`), with the digits Use as
// tuner writes (up to 12 significant ones), or as magnitude in dB and angle;
// the reference named, the file's where it has no finite values on 50 ohm.
enum class SForm { RealImaginary, DecibelsAngle };
QString TwoPortValues(const calc::measurement::Measurement& on50, std::size_t index, SForm form);

}  // namespace tolvar::app
