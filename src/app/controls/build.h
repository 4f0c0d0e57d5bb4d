#pragma once

#include <QFont>
#include <QStringList>

#include "app/controls/controls.h"

class QComboBox;
class QWidget;

namespace tolvar::app {

// A length of the layout table [twips] on screen [pixels, at 96 dpi].
int Pixels(int twips);

// The layout was drawn for a narrow desktop sans-serif at 8.25 points.
QFont WindowFont();

// Builds every control of the layout table on `window` into `controls` and
// wires the rules the tables state: the entries' key filters (a comma gets
// its box), what a change of each entry and a click of each option empties,
// the accessible names and descriptions, and the tab order.
void BuildControls(QWidget* window, Controls& controls);

// Puts the items into a drop-down list, keeping an editable list's text, and
// makes its open list as wide as its longest item.
void SetListItems(QComboBox* box, const QStringList& items);

}  // namespace tolvar::app
