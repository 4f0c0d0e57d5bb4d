#pragma once

#include <QObject>

class QAction;
class QWidget;

namespace tolvar::app {

class Controls;
class PanelMenus;

// "Copy results" (actionCopyResults, Ctrl+Shift+C): the entries and results
// of the panel the action is for, as plain text on the clipboard.
class ResultsCopy : public QObject {
  Q_OBJECT

 public:
  ResultsCopy(QWidget* window, const Controls& controls, const PanelMenus& menus);
  QAction* action() const { return action_; }

 private:
  void copy();

  const Controls& controls_;
  const PanelMenus& menus_;
  QAction* action_;
};

}  // namespace tolvar::app
