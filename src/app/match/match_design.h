#pragma once

#include <QString>
#include <optional>
#include <vector>

#include "app/chart/chart_source.h"
#include "calc/match/band.h"
#include "calc/match/match.h"

namespace tolvar::app {

// What the Match window's entries say, each read once.
struct MatchInputs {
  calc::match::Termination design;  // the load, the radio's R0, the frequency
  double powerW = 0;                // accepted at the network's input
  calc::match::Qualities qualities;
  double outputPf = 0;  // the T's capacitor at the load
  calc::match::Placement placement = calc::match::Placement::AtRadio;
};

// The networks that match the Match window's load: every L network and the
// high-pass T, each evaluated with the parts' Qs and ordered by loss, and the
// one the user has chosen, whose path from the load to the centre the Smith
// chart shows (series parts along constant-resistance arcs, shunt parts along
// constant-conductance arcs).
class MatchDesign : public ChartSource {
  Q_OBJECT

 public:
  explicit MatchDesign(QObject* parent);

  // New entries, or none with the reason they give no design: the designs
  // anew, the network chosen before kept where it is designed again.
  void setInputs(const std::optional<MatchInputs>& inputs, const QString& why = {});
  void choose(int index);

  const std::optional<MatchInputs>& inputs() const { return inputs_; }
  const std::vector<calc::match::Solution>& solutions() const { return solutions_; }
  // Why there is no high-pass T, or why there is no design at all.
  const QString& notes() const { return notes_; }
  int chosen() const { return chosen_; }
  const calc::match::Solution* chosenSolution() const;

  std::optional<ChartView> chartView() const override;

 signals:
  // The designs or the chosen one have changed.
  void changed();

 private:
  std::optional<MatchInputs> inputs_;
  std::vector<calc::match::Solution> solutions_;
  QString notes_;
  int chosen_ = 0;
};

// "91.3 pF", "0.916 µH": a part's value.
QString ElementValueText(const calc::match::Element& element);
// "L: series L 0.916 µH, shunt C 91.3 pF" — a network by its parts, radio side first.
QString NetworkText(const calc::match::Network& network);
// The chosen network's path [Gamma on R0] from the load to the input, lossless.
std::vector<numeric::Complex> MatchPath(const calc::match::Network& network,
                                        const calc::match::Termination& design);

}  // namespace tolvar::app
