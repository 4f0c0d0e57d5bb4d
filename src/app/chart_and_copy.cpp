#include "app/chart_and_copy.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QLineEdit>
#include <QMenu>
#include <QPlainTextEdit>
#include <algorithm>

#include "app/chart/smith_chart.h"
#include "app/controls/controls.h"
#include "app/panels/panel.h"
#include "app/panels/results_text.h"

namespace tolvar::app {

ChartAndCopy::ChartAndCopy(QWidget* window, const Controls& controls,
                           std::vector<PanelFrames> panels)
    : QObject(window), window_(window), controls_(controls), panels_(std::move(panels)) {
  // No access key (Alt) and no editing key of the fields uses their shortcuts.
  const auto action = [this, window](const char* name, const char* text, Qt::Key key,
                                     void (ChartAndCopy::*slot)()) {
    auto* created = new QAction(QString::fromLatin1(text), window);
    created->setObjectName(QString::fromLatin1(name));
    created->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | key));
    created->setShortcutVisibleInContextMenu(true);
    connect(created, &QAction::triggered, this, slot);
    window->addAction(created);
    return created;
  };
  chartAction_ = action("actionSmithChart", "Smith chart", Qt::Key_G, &ChartAndCopy::openChart);
  copyAction_ = action("actionCopyResults", "Copy results", Qt::Key_C, &ChartAndCopy::copyResults);

  menuActions_ = {chartAction_, copyAction_};
  for (const PanelFrames& panel : panels_) {
    for (const Control frame : panel.frames) {
      controls_.widget(frame)->installEventFilter(this);
    }
    if (std::find(sources_.begin(), sources_.end(), panel.panel) == sources_.end()) {
      addSource(panel.panel);
    }
  }
  // Fields with a menu of their own (copy, paste; the line result's copy and
  // select-all) offer the two actions too. A text area's menu is its viewport's.
  for (QLineEdit* field : window->findChildren<QLineEdit*>()) {
    field->installEventFilter(this);
  }
  qobject_cast<QPlainTextEdit*>(controls_.widget(Control::LineResult))
      ->viewport()
      ->installEventFilter(this);
}

void ChartAndCopy::addSource(ChartSource* source) {
  sources_.push_back(source);
  source->onChartChange([this, source] {
    if (source->chartView()) {
      referenceSource_ = source;
    }
    updateChart();
  });
}

void ChartAndCopy::addMenuAction(QAction* action) { menuActions_ << action; }

void ChartAndCopy::filterChartEvents(QObject* filter) { chartFilter_ = filter; }

bool ChartAndCopy::eventFilter(QObject* watched, QEvent* event) {
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

void ChartAndCopy::showMenu(const PanelFrames& panel, const QPoint& where, QMenu* menu) {
  if (!menu->isEmpty()) {
    menu->addSeparator();
  }
  menu->addActions(menuActions_);
  menuPanel_ = &panel;
  menu->exec(where);
  menuPanel_ = nullptr;
  delete menu;
}

const ChartAndCopy::PanelFrames* ChartAndCopy::panelOf(const QWidget* widget) const {
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

void ChartAndCopy::openChart() {
  if (chart_ == nullptr) {
    chart_ = new SmithChart(window_);
    if (chartFilter_ != nullptr) {
      chart_->installEventFilter(chartFilter_);
      chart_->setAcceptDrops(true);
    }
  }
  chart_->show();
  updateChart();
  chart_->raise();
  chart_->activateWindow();
}

void ChartAndCopy::updateChart() {
  if (chart_ == nullptr || !chart_->isVisible()) {
    return;
  }
  std::vector<ChartMark> marks;
  std::optional<numeric::Complex> reference;
  for (const ChartSource* source : sources_) {
    if (auto view = source->chartView()) {
      if (!reference || source == referenceSource_) {
        reference = view->reference;
      }
      for (ChartMark& mark : view->marks) {
        mark.reference = view->reference;
        marks.push_back(std::move(mark));
      }
    }
  }
  if (reference) {
    chart_->setReference(reference->re, reference->im);
  }
  chart_->setMarks(std::move(marks));
}

std::optional<Control> ChartAndCopy::currentPanel() const {
  const PanelFrames* panel = menuPanel_ != nullptr ? menuPanel_ : panelOf(window_->focusWidget());
  return panel != nullptr ? std::optional(panel->frames.front()) : std::nullopt;
}

void ChartAndCopy::copyResults() {
  const PanelFrames* panel = menuPanel_ != nullptr ? menuPanel_ : panelOf(window_->focusWidget());
  if (panel == nullptr) {
    return;  // the focus is on the help button, outside every panel
  }
  const Control frame = panel->frames.front();
  QApplication::clipboard()->setText(
      ResultsText(controls_, frame, panel->panel->showsResultOf(frame)));
}

}  // namespace tolvar::app

#include "moc_chart_and_copy.cpp"
