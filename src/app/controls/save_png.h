#pragma once

#include <QString>
#include <functional>

class QWidget;

namespace tolvar::app {

// Asks where to save a picture (a PNG; the ending added when missing), saves
// it with `save`, and says so in a box when it could not be written. `what`
// names it in the dialog's title and the box: "the Smith chart", "the plot".
void SavePngWithDialog(QWidget* parent, const QString& what, const QString& suggested,
                       const std::function<bool(const QString&)>& save);

}  // namespace tolvar::app
