#pragma once

#include <QString>
#include <QStringList>
#include <cstddef>

#include "app/match/match_design.h"

namespace tolvar::app {

// What the Match window says, from the figures.

// Why the entries give no design (an entry that must be above 0, or not
// below it), or empty when they do. The T's output capacitor is not among
// them: without it the L networks still stand, and the T says why it has none.
QString MatchInputsFault(const MatchInputs& inputs);

// "2. L: series L 0.916 µH, shunt C 91.3 pF: loss 0.0851 dB (1.94 %), SWR 1.028"
QString SolutionText(std::size_t number, const calc::match::Solution& solution);
// A line per part, radio side first: "1 series L 0.916 µH, X 82.6 ohm: 1.64 W,
// 165 V peak, 1.41 A".
QStringList ElementLines(const calc::match::Solution& solution);
// "0.0851 dB": the network loss as the window shows it.
QString LossText(double lossDb);

}  // namespace tolvar::app
