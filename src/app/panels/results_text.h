#pragma once

#include <QString>

#include "app/layout/control.h"

namespace tolvar::app {

class Controls;

// The panel's entries, choices and results as plain text, one line each,
// labelled as the window labels them and with the numbers exactly as shown:
// what "Copy results" puts on the clipboard. `panel` is SwrFrame, ComparisonFrame or
// LineFrame; empty fields are left out.
QString ResultsText(const Controls& controls, Control panel);

}  // namespace tolvar::app
