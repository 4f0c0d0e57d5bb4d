#include "app/panel_menus.h"

#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <algorithm>

#include "app/controls/controls.h"
#include "app/panels/panel.h"

namespace tolvar::app {

PanelMenus::PanelMenus(QWidget* window, const Controls& controls, std::vector<PanelFrames> panels)
    : QObject(window), window_(window), controls_(controls), panels_(std::move(panels)) {
  for (const PanelFrames& panel : panels_) {
    for (const Control frame : panel.frames) {
      controls_.widget(frame)->installEventFilter(this);
    }
  }
  // Fields with a menu of their own (copy, paste; the line result's copy and
  // select-all) offer the actions too. A text area's menu is its viewport's.
  for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
    field->installEventFilter(this);
  }
  qobject_cast<QPlainTextEdit*>(controls_.widget(Control::LineResult))
      ->viewport()
      ->installEventFilter(this);
}

void PanelMenus::addAction(QAction* action, std::vector<Control> onlyFor) {
  actions_.push_back({action, std::move(onlyFor)});
}

bool PanelMenus::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ContextMenu) {
    return false;
  }
  auto* widget = qobject_cast<QWidget*>(watched);
  const PanelFrames* panel = panelOf(widget);
  if (panel == nullptr || !widget->isEnabled()) {
    return false;
  }
  // A field's own menu, with the panel's actions after it; a disabled result
  // field has passed the event on to its panel.
  QMenu* menu = nullptr;
  const auto* click = static_cast<QContextMenuEvent*>(event);
  if (auto* line = qobject_cast<QLineEdit*>(widget)) {
    menu = line->createStandardContextMenu();
  } else if (auto* text = qobject_cast<QPlainTextEdit*>(widget->parentWidget())) {
    menu = text->createStandardContextMenu(click->pos());
  } else {
    menu = new QMenu(window_);
  }
  showMenu(*panel, click->globalPos(), menu);
  return true;
}

void PanelMenus::showMenu(const PanelFrames& panel, const QPoint& where, QMenu* menu) {
  if (!menu->isEmpty()) {
    menu->addSeparator();
  }
  menuPanel_ = &panel;
  emit aboutToShow();
  for (const MenuAction& item : actions_) {
    const auto& only = item.onlyFor;
    if (only.empty() || std::find(only.begin(), only.end(), panel.frames.front()) != only.end()) {
      menu->addAction(item.action);
    }
  }
  menu->exec(where);
  menuPanel_ = nullptr;
  delete menu;
}

const PanelMenus::PanelFrames* PanelMenus::panelOf(const QWidget* widget) const {
  for (; widget != nullptr; widget = widget->parentWidget()) {
    for (const PanelFrames& panel : panels_) {
      for (const Control frame : panel.frames) {
        if (controls_.widget(frame) == widget) {
          return &panel;
        }
      }
    }
  }
  return nullptr;
}

const PanelMenus::PanelFrames* PanelMenus::currentPanel() const {
  return menuPanel_ != nullptr ? menuPanel_ : panelOf(window_->focusWidget());
}

std::optional<Control> PanelMenus::currentFrame() const {
  const PanelFrames* panel = currentPanel();
  return panel != nullptr ? std::optional(panel->frames.front()) : std::nullopt;
}

}  // namespace tolvar::app

#include "moc_panel_menus.cpp"
