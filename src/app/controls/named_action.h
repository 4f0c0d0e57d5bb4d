#pragma once

#include <QKeySequence>
#include <QString>

class QAction;
class QWidget;

namespace tolvar::app {

// A window's action by its objectName, a name outside tools rely on. With a
// shortcut it is added to the window, so that the shortcut works wherever the
// focus is in it (no access key and no editing key of the fields uses one),
// and the menus show the shortcut.
QAction* NamedAction(QWidget* window, const char* name, const QString& text,
                     const QKeySequence& shortcut = {});

}  // namespace tolvar::app
