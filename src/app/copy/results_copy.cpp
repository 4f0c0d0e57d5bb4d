#include "app/copy/results_copy.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>

#include "app/controls/named_action.h"
#include "app/copy/results_text.h"
#include "app/panel_menus.h"
#include "app/panels/panel.h"

namespace tolvar::app {

ResultsCopy::ResultsCopy(QWidget* window, const Controls& controls, const PanelMenus& menus)
    : QObject(window),
      controls_(controls),
      menus_(menus),
      action_(NamedAction(window, "actionCopyResults", QStringLiteral("Copy results"),
                          QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_C))) {
  connect(action_, &QAction::triggered, this, &ResultsCopy::copy);
}

void ResultsCopy::copy() {
  const PanelMenus::PanelFrames* panel = menus_.currentPanel();
  if (panel == nullptr) {
    return;  // the focus is on the help button, outside every panel
  }
  const Control frame = panel->frames.front();
  QApplication::clipboard()->setText(
      ResultsText(controls_, frame, panel->panel->showsResultOf(frame)));
}

}  // namespace tolvar::app

#include "moc_results_copy.cpp"
