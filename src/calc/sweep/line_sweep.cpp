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

// The start carried along the line, as the line computation carries the
// panel's start point; throws ArithmeticFault where it has no value, leaving
// what it found before.
void Carry(const SweptLine& swept, line::Direction direction, Complex startOhm, double mhz,
           Carried& carried) {
  line::LineEntries e = swept.panel;
  e.start = startOhm;
  e.zShownBefore = e.lineZ;
  e.zShownAfter = e.lineZ;
  e.mhz = mhz;
  e.lossPer100m = LossDbPer100m(swept, mhz);
  e.shift.direction = direction;
  line::StartPoint start = line::FindStartPoint(e, 0);
  if (start.rho < 1) {
    carried.startSwr = start.entrySwr;
  }
  // An active load has no place on the line; a line cannot gain power.
  if (!(startOhm.re >= 0) || !(e.lossPer100m >= 0)) {
    return;
  }
  const double wavelengths = swept.lengthM / (start.wavelengthM * e.velocityFactor);
  start = line::ShiftedTo(start, (TowardsAntenna(e) ? -360 : 360) * wavelengths);
  const line::FarPoint far = line::Propagate(e, start);
  carried.matchedLossDb = far.matchedLossDb;
  if (far.found && numeric::IsFinite(far.z)) {
    carried.z = far.z;
    carried.swr = far.swr;
    carried.totalLossDb = far.totalLossDb;
  }
}

}  // namespace

Carried CarryAlong(const SweptLine& swept, line::Direction direction, Complex startOhm,
                   double mhz) {
  Carried carried;
  try {
    if (numeric::IsFinite(startOhm)) {
      Carry(swept, direction, startOhm, mhz, carried);
    }
  } catch (const numeric::ArithmeticFault&) {
    carried.z.reset();  // this point has no carried values
  }
  return carried;
}

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
    if (point.measured) {
      const Carried carried =
          CarryAlong(swept, swept.panel.shift.direction, *point.measured, point.mhz);
      point.measuredSwr = carried.startSwr;
      point.matchedLossDb = carried.matchedLossDb;
      point.carried = carried.z;
      point.carriedSwr = carried.swr;
      point.lineLossDb = carried.totalLossDb;
    }
    points.push_back(point);
  }
  return points;
}

}  // namespace tolvar::calc::sweep
