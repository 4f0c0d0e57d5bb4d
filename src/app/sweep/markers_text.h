#pragma once

#include <QString>
#include <vector>

#include "calc/sweep/markers.h"

namespace tolvar::app {

// The markers of a curve in a line for the measurement window, naming the
// reference its SWR stands on: "Measured, SWR on 50 ohm: lowest 1.470 at
// 7.100 MHz; resonance at 7.100 MHz (R 73.50 ohm); SWR < 2 from 6.905 to
// 7.322 MHz". `curve` names the curve; no markers give an empty text.
QString MarkersLine(const QString& curve, double referenceOhm,
                    const std::vector<calc::sweep::Marker>& markers);

class Sweeps;
// The lines of the measured and the carried curve.
QString MarkersText(const Sweeps& sweeps);

}  // namespace tolvar::app
