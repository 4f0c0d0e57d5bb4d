#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "calc/measurement/touchstone.h"
#include "calc/sweep/markers.h"
#include "calc/sweep/sweep.h"

namespace tolvar::app {

// The points of a measurement at `indices` (rising), as a measurement of its own.
calc::measurement::Measurement PointsAt(const calc::measurement::Measurement& measurement,
                                        const std::vector<std::size_t>& indices);

// The SWR of an impedance [ohm] on a real reference [ohm]; none for none, or
// where it has none (an active load): numeric::SwrOfImpedance of a value that
// may be missing.
std::optional<double> SwrOn(const std::optional<numeric::Complex>& z, double referenceOhm);

// The markers of a measured 1-port, its SWR on its own reference, at every point.
std::vector<calc::sweep::Marker> MeasuredMarkers(const calc::measurement::Measurement& onePort);
// The markers of the carried curve of a line sweep, its SWR on `radioOhm`.
std::vector<calc::sweep::Marker> CarriedMarkers(const std::vector<calc::sweep::LinePoint>& points,
                                                double radioOhm);

// Why a point of a line sweep has no carried value, in a few words ("an
// active load", "no antenna-side SWR gives the measured one"); empty for a
// point that has one.
QString NoValueReason(const calc::sweep::LinePoint& point, const calc::sweep::SweptLine& swept);

// The frequencies of the points without a carried value as runs: "6.5 to
// 6.857 MHz, 7.35 MHz".
QString RunsWithoutValue(const std::vector<calc::sweep::LinePoint>& points);

}  // namespace tolvar::app
