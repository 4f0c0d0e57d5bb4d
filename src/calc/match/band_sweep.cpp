#include "calc/match/band.h"

#include <cmath>

#include "calc/sweep/csv_cell.h"
#include "numeric/power.h"
#include "numeric/rf.h"

namespace tolvar::calc::match {

namespace {

using measurement::kHertzPerMegahertz;
using sweep::CsvCell;

// `zOhm` carried along the chain's line towards the radio with the line's
// loss; itself with no loss without a line; none where the line fails.
std::optional<std::pair<Complex, double>> TowardsRadio(const Chain& chain, Complex zOhm,
                                                       double mhz) {
  if (!chain.line) {
    return std::pair(zOhm, 0.0);
  }
  const sweep::Carried carried =
      sweep::CarryAlong(*chain.line, line::Direction::TowardsTransmitter, zOhm, mhz);
  if (!carried.z || !carried.totalLossDb) {
    return std::nullopt;
  }
  return std::pair(*carried.z, *carried.totalLossDb);
}

void SetLosses(BandPoint& point, double networkLossDb, double lineLossDb) {
  point.networkLossDb = networkLossDb;
  point.lineLossDb = lineLossDb;
  point.totalLossDb = networkLossDb + lineLossDb;
}

// The line carries the antenna to the network, which gets the radio's power.
void NetworkAtRadio(const Chain& chain, Complex antennaOhm, BandPoint& point) {
  const auto carried = TowardsRadio(chain, antennaOhm, point.mhz);
  if (!carried || !numeric::IsFinite(carried->first)) {
    return;
  }
  point.loadOhm = carried->first;
  const auto network = Evaluate(chain.network, chain.qualities,
                                {carried->first, chain.referenceOhm, point.mhz}, chain.radioW);
  if (network) {
    point.radioOhm = network->inputOhm;
    point.radioSwr = network->inputSwr;
    SetLosses(point, network->lossDb, carried->second);
    point.elements = network->elements;
  }
}

// The network feeds the antenna, the line carries its input to the radio,
// and the network gets what the line leaves of the radio's power.
void NetworkAtAntenna(const Chain& chain, Complex antennaOhm, BandPoint& point) {
  if (!numeric::IsFinite(antennaOhm)) {
    return;
  }
  point.loadOhm = antennaOhm;
  const Termination at{antennaOhm, chain.referenceOhm, point.mhz};
  const auto network = Evaluate(chain.network, chain.qualities, at, chain.radioW);
  if (!network) {
    return;
  }
  point.networkLossDb = network->lossDb;
  const auto carried = TowardsRadio(chain, network->inputOhm, point.mhz);
  if (!carried) {
    return;
  }
  point.radioOhm = carried->first;
  point.radioSwr = numeric::SwrOfImpedance(carried->first, chain.referenceOhm);
  SetLosses(point, network->lossDb, carried->second);
  // What the parts bear grows with the power the network gets: their
  // dissipation as it, their voltages and currents as its root.
  const double share = 1 / numeric::PowerRatioOfDecibels(carried->second);
  point.elements = network->elements;
  for (ElementFigures& part : point.elements) {
    part.dissipatedW *= share;
    part.peakV *= std::sqrt(share);
    part.rmsA *= std::sqrt(share);
  }
}

}  // namespace

std::vector<BandPoint> SweepBand(const measurement::Measurement& antenna, const Chain& chain) {
  std::vector<BandPoint> points;
  points.reserve(antenna.frequencyHz.size());
  for (std::size_t i = 0; i < antenna.frequencyHz.size(); ++i) {
    BandPoint point;
    point.mhz = antenna.frequencyHz[i] / kHertzPerMegahertz;
    // An open circuit has no impedance to match: the point has no values.
    const auto antennaOhm = numeric::ImpedanceOf(antenna.s11[i], {antenna.referenceOhm, 0});
    if (antennaOhm && chain.placement == Placement::AtRadio) {
      NetworkAtRadio(chain, *antennaOhm, point);
    } else if (antennaOhm) {
      NetworkAtAntenna(chain, *antennaOhm, point);
    }
    points.push_back(std::move(point));
  }
  return points;
}

std::string BandSweepCsv(const std::vector<BandPoint>& points) {
  std::string csv = "MHz,R_load,X_load,SWR_radio,network_loss_dB,line_loss_dB,total_loss_dB\n";
  for (const BandPoint& p : points) {
    const auto part = [&p](double Complex::*which) {
      return p.loadOhm ? std::optional((*p.loadOhm).*which) : std::nullopt;
    };
    csv += CsvCell(p.mhz) + ',' + CsvCell(part(&Complex::re)) + ',' + CsvCell(part(&Complex::im)) +
           ',' + CsvCell(p.radioSwr) + ',' + CsvCell(p.networkLossDb) + ',' +
           CsvCell(p.lineLossDb) + ',' + CsvCell(p.totalLossDb) + '\n';
  }
  return csv;
}

}  // namespace tolvar::calc::match
