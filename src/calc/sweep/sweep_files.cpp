#include <optional>
#include <string>

#include "calc/measurement/touchstone_writer.h"
#include "calc/sweep/csv_cell.h"
#include "calc/sweep/sweep.h"
#include "numeric/format.h"
#include "numeric/rf.h"

namespace tolvar::calc::sweep {

namespace {

using measurement::kHertzPerMegahertz;

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
    csv += CsvCell(p.mhz) + ',' + CsvCell(Part(p.measured, &Complex::re)) + ',' +
           CsvCell(Part(p.measured, &Complex::im)) + ',' + CsvCell(p.measuredSwr) + ',' +
           CsvCell(Part(p.carried, &Complex::re)) + ',' + CsvCell(Part(p.carried, &Complex::im)) +
           ',' + CsvCell(p.carriedSwr) + ',' + CsvCell(p.lineLossDb) + '\n';
  }
  return csv;
}

std::string TunerSweepCsv(const std::vector<TunerPoint>& points) {
  std::string csv = "MHz,SAnt_re,SAnt_im,tuner_loss_dB\n";
  for (const TunerPoint& p : points) {
    csv += CsvCell(p.mhz) + ',' + CsvCell(Part(p.antenna, &Complex::re)) + ',' +
           CsvCell(Part(p.antenna, &Complex::im)) + ',' + CsvCell(p.lossDb) + '\n';
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
