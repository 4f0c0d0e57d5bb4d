#include "app/controls/named_action.h"

#include <QAction>
#include <QWidget>

namespace tolvar::app {

QAction* NamedAction(QWidget* window, const char* name, const QString& text,
                     const QKeySequence& shortcut) {
  auto* action = new QAction(text, window);
  action->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) {
    action->setShortcut(shortcut);
    action->setShortcutVisibleInContextMenu(true);
    window->addAction(action);
  }
  return action;
}

}  // namespace tolvar::app
