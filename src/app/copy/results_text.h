#pragma once

#include <QString>

#include "app/layout/control.h"

namespace tolvar::app {

class Controls;

// The panel's entries, choices, notes and results as plain text, one line
// each, labelled as the window labels them and with the numbers exactly as
// shown: what "Copy results" puts on the clipboard. `panel` is SwrFrame,
// ComparisonFrame, TunerFrame or LineFrame; empty fields and hidden notes are
// left out, and so is the result field when `withResult` is false (the
// comparisons and the tuner share one).
QString ResultsText(const Controls& controls, Control panel, bool withResult);

}  // namespace tolvar::app
