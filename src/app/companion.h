#pragma once

#include <QRect>
#include <QSize>
#include <vector>

class QWidget;

namespace tolvar::app {

// Where a companion window (the measurement, the plot, the chart) goes when it
// first shows: beside the calculator, inside the screen's free area, clear of
// the calculator and of the companions already shown. `main` and `taken` are
// frames on the screen, `wanted` the companion's size with its frame,
// `smallest` the least it can be shrunk to. Tried in turn: right of the
// calculator, left of it, below, above, each column from the top down past
// the companions already there, from the screen's top and then level with
// the calculator; a companion too large for every place is shrunk to the room
// beside the calculator (not below its smallest), and where no place is left
// it goes where it covers least of the calculator and the others.
QRect PlaceBeside(const QRect& main, QSize wanted, QSize smallest, const QRect& screen,
                  const std::vector<QRect>& taken);

// Moves and sizes `companion` by PlaceBeside the first time it shows, before
// it is shown; later shows keep where the user put it.
void ShowBeside(QWidget* companion, QWidget* main);

}  // namespace tolvar::app
