#pragma once

#include <QList>
#include <QObject>
#include <optional>
#include <vector>

#include "app/layout/control.h"

class QAction;
class QMenu;
class QPoint;
class QWidget;

namespace tolvar::app {

class Controls;
class Panel;

// The context menu of every panel (a right-click anywhere on it, its fields'
// own menus included): the field's own entries, then the window's actions for
// panels. It also tells which panel an action is for: the one whose menu is
// open, else the one holding the focus.
class PanelMenus : public QObject {
  Q_OBJECT

 public:
  // A panel of the window: the frames it covers (the first one is its own)
  // and its handlers.
  struct PanelFrames {
    std::vector<Control> frames;
    Panel* panel;
  };
  PanelMenus(QWidget* window, const Controls& controls, std::vector<PanelFrames> panels);

  // Adds an action to the menus of the panels whose own frames are listed
  // (every panel's when none is), after those added before.
  void addAction(QAction* action, std::vector<Control> onlyFor = {});
  // The panel an action is for, if any (the help button lies outside them all).
  const PanelFrames* currentPanel() const;
  // Its own frame.
  std::optional<Control> currentFrame() const;

 signals:
  // A panel's menu is about to show: actions may enable themselves for it.
  void aboutToShow();

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void showMenu(const PanelFrames& panel, const QPoint& where, QMenu* menu);
  const PanelFrames* panelOf(const QWidget* widget) const;

  QWidget* window_;
  const Controls& controls_;
  std::vector<PanelFrames> panels_;
  struct MenuAction {
    QAction* action;
    std::vector<Control> onlyFor;
  };
  std::vector<MenuAction> actions_;
  const PanelFrames* menuPanel_ = nullptr;  // the panel whose menu is open
};

}  // namespace tolvar::app
