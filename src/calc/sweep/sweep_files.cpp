#include <optional>
#include <string>

#include "calc/sweep/sweep.h"
#include "numeric/format.h"
#include "numeric/smith.h"

namespace tolvar::calc::sweep {

namespace {

using measurement::kHertzPerMegahertz;

}  // namespace

std::string CsvCell(const std::optional<double>& value) {
  return value ? numeric::ShortestText(*value) : std::string();
}

std::string LineSweepCsv(const std::vector<LinePoint>& points) {
  std::string csv =
      "MHz,R_measured,X_measured,SWR_measured,R_carried,X_carried,SWR_carried,"
      "line_loss_dB\n";
  for (const LinePoint& p : points) {
    const auto part = [&p](double Complex::*which) {
      return p.carried ? std::optional((*p.carried).*which) : std::nullopt;
    };
    csv += CsvCell(p.mhz) + ',' + CsvCell(p.measured.re) + ',' + CsvCell(p.measured.im) + ',' +
           CsvCell(p.measuredSwr) + ',' + CsvCell(part(&Complex::re)) + ',' +
           CsvCell(part(&Complex::im)) + ',' + CsvCell(p.carriedSwr) + ',' + CsvCell(p.lineLossDb) +
           '\n';
  }
  return csv;
}

std::string TunerSweepCsv(const std::vector<TunerPoint>& points) {
  std::string csv = "MHz,SAnt_re,SAnt_im,tuner_loss_dB\n";
  for (const TunerPoint& p : points) {
    const auto part = [&p](double Complex::*which) {
      return p.antenna ? std::optional((*p.antenna).*which) : std::nullopt;
    };
    csv += CsvCell(p.mhz) + ',' + CsvCell(part(&Complex::re)) + ',' + CsvCell(part(&Complex::im)) +
           ',' + CsvCell(p.lossDb) + '\n';
  }
  return csv;
}

std::string CarriedTouchstone(const std::vector<LinePoint>& points, const std::string& comment) {
  constexpr double kReferenceOhm = 50;
  std::string text = "! " + comment + "\n# Hz S RI R 50\n";
  for (const LinePoint& p : points) {
    const auto gamma =
        p.carried ? numeric::ReflectionFromImpedance(*p.carried, {kReferenceOhm, 0}) : std::nullopt;
    if (gamma) {
      text += numeric::ShortestText(p.mhz * kHertzPerMegahertz) + ' ' +
              numeric::ShortestText(gamma->re) + ' ' + numeric::ShortestText(gamma->im) + '\n';
    }
  }
  return text;
}

}  // namespace tolvar::calc::sweep
