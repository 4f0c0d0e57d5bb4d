#include <cmath>

#include "calc/sweep/sweep.h"
#include "numeric/fault.h"
#include "numeric/rf.h"

namespace tolvar::calc::sweep {

namespace {

using measurement::kHertzPerMegahertz;

bool TowardsAntenna(const line::LineEntries& entries) {
  return entries.shift.direction == line::Direction::TowardsAntenna;
}

// The point carried along the line, as the line computation carries the
// panel's start point; throws ArithmeticFault where it has no value.
void Carry(const SweptLine& swept, LinePoint& point) {
  line::LineEntries e = swept.panel;
  e.start = *point.measured;
  e.zShownBefore = e.lineZ;
  e.zShownAfter = e.lineZ;
  e.mhz = point.mhz;
  e.lossPer100m = LossDbPer100m(swept, point.mhz);
  line::StartPoint start = line::FindStartPoint(e, 0);
  if (start.rho < 1) {
    point.measuredSwr = start.entrySwr;
  }
  // An active load has no place on the line; a line cannot gain power.
  if (!(point.measured->re >= 0) || !(e.lossPer100m >= 0)) {
    return;
  }
  const double wavelengths = swept.lengthM / (start.wavelengthM * e.velocityFactor);
  start = line::ShiftedTo(start, (TowardsAntenna(e) ? -360 : 360) * wavelengths);
  const line::FarPoint far = line::Propagate(e, start);
  point.matchedLossDb = far.matchedLossDb;
  if (far.found && numeric::IsFinite(far.z)) {
    point.carried = far.z;
    point.carriedSwr = far.swr;
    point.lineLossDb = far.totalLossDb;
  }
}

}  // namespace

double LengthM(const line::LineEntries& panel) {
  const double shiftDeg = line::ShiftDegrees(panel);
  const double shiftLambda = TowardsAntenna(panel) ? -shiftDeg / 360 : shiftDeg / 360;
  return shiftLambda * (line::kSpeedOfLight / panel.mhz) * panel.velocityFactor;
}

double LossDbPer100m(const SweptLine& swept, double mhz) {
  if (swept.cable != nullptr) {
    return line::LossDbPer100m(*swept.cable, mhz);
  }
  return swept.panel.lossPer100m * std::sqrt(mhz / swept.panel.mhz);
}

std::vector<LinePoint> SweepLine(const measurement::Measurement& onePort, const SweptLine& swept) {
  std::vector<LinePoint> points;
  points.reserve(onePort.frequencyHz.size());
  for (std::size_t i = 0; i < onePort.frequencyHz.size(); ++i) {
    LinePoint point;
    point.mhz = onePort.frequencyHz[i] / kHertzPerMegahertz;
    point.measured = numeric::ImpedanceOf(onePort.s11[i], {onePort.referenceOhm, 0});
    try {
      if (point.measured) {
        Carry(swept, point);
      }
    } catch (const numeric::ArithmeticFault&) {
      point.carried.reset();  // this point has no carried values
    }
    points.push_back(point);
  }
  return points;
}

}  // namespace tolvar::calc::sweep
