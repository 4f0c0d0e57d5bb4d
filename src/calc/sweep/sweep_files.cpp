#include <optional>
#include <string>

#include "calc/measurement/touchstone_writer.h"
#include "calc/sweep/sweep.h"
#include "numeric/format.h"
#include "numeric/rf.h"

namespace tolvar::calc::sweep {

namespace {

using measurement::kHertzPerMegahertz;

std::string Cell(const std::optional<double>& value) {
  return value ? numeric::ShortestText(*value) : std::string();
}

// One part of a value that may be missing.
std::optional<double> Part(const std::optional<Complex>& value, double Complex::*which) {
  return value ? std::optional((*value).*which) : std::nullopt;
}

}  // namespace

std::string LineSweepCsv(const std::vector<LinePoint>& points) {
  std::string csv =
      "MHz,R_measured,X_measured,SWR_measured,R_carried,X_carried,SWR_carried,"
      "line_loss_dB\n";
  for (const LinePoint& p : points) {
    csv += Cell(p.mhz) + ',' + Cell(Part(p.measured, &Complex::re)) + ',' +
           Cell(Part(p.measured, &Complex::im)) + ',' + Cell(p.measuredSwr) + ',' +
           Cell(Part(p.carried, &Complex::re)) + ',' + Cell(Part(p.carried, &Complex::im)) + ',' +
           Cell(p.carriedSwr) + ',' + Cell(p.lineLossDb) + '\n';
  }
  return csv;
}

std::string TunerSweepCsv(const std::vector<TunerPoint>& points) {
  std::string csv = "MHz,SAnt_re,SAnt_im,tuner_loss_dB\n";
  for (const TunerPoint& p : points) {
    csv += Cell(p.mhz) + ',' + Cell(Part(p.antenna, &Complex::re)) + ',' +
           Cell(Part(p.antenna, &Complex::im)) + ',' + Cell(p.lossDb) + '\n';
  }
  return csv;
}

std::string CarriedTouchstone(const std::vector<LinePoint>& points, const std::string& comment) {
  measurement::Measurement carried;
  carried.ports = 1;
  carried.referenceOhm = 50;
  for (const LinePoint& p : points) {
    const auto gamma =
        p.carried ? numeric::ReflectionOf(*p.carried, {carried.referenceOhm, 0}) : std::nullopt;
    if (gamma) {
      carried.frequencyHz.push_back(p.mhz * kHertzPerMegahertz);
      carried.s11.push_back(*gamma);
    }
  }
  return measurement::WriteTouchstone(carried, comment);
}

}  // namespace tolvar::calc::sweep
