#include <string>

#include "calc/match/match.h"
#include "calc/sweep/csv_cell.h"

namespace tolvar::calc::match {

namespace {

using sweep::CsvCell;

// One element's line: its place and part, then its lot in the evaluation.
std::string ElementLine(std::size_t solution, const Network& network, std::size_t order,
                        const std::optional<Evaluation>& evaluation) {
  const Element& element = network.elements[order];
  const bool inductor = element.kind == Kind::Inductor;
  const auto figure = [&](double ElementFigures::*which) {
    return evaluation ? std::optional(evaluation->elements[order].*which) : std::nullopt;
  };
  const auto count = [](std::size_t n) { return CsvCell(static_cast<double>(n)); };
  return count(solution + 1) + (network.topology == Topology::L ? ",L," : ",T,") +
         count(order + 1) + (element.connection == Connection::Series ? ",series," : ",shunt,") +
         (inductor ? "L," : "C,") +
         CsvCell(inductor ? element.value * kMicrohenriesPerHenry
                          : element.value * kPicofaradsPerFarad) +
         (inductor ? ",uH," : ",pF,") + CsvCell(element.reactanceOhm) + ',' +
         CsvCell(figure(&ElementFigures::dissipatedW)) + ',' +
         CsvCell(figure(&ElementFigures::peakV)) + ',' + CsvCell(figure(&ElementFigures::rmsA)) +
         ',' + CsvCell(evaluation ? std::optional(evaluation->lossDb) : std::nullopt) + ',' +
         CsvCell(evaluation ? evaluation->inputSwr : std::nullopt) + '\n';
}

}  // namespace

std::string SolutionsCsv(const std::vector<Solution>& solutions) {
  std::string csv =
      "solution,topology,order,connection,kind,value,unit,reactance_ohm,dissipated_W,peak_V,"
      "rms_A,network_loss_dB,input_SWR\n";
  for (std::size_t s = 0; s < solutions.size(); ++s) {
    // A matched load's network has no elements, and so no line.
    for (std::size_t k = 0; k < solutions[s].network.elements.size(); ++k) {
      csv += ElementLine(s, solutions[s].network, k, solutions[s].evaluation);
    }
  }
  return csv;
}

}  // namespace tolvar::calc::match
