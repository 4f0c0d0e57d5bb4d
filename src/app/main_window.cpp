#include "app/main_window.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QDesktopServices>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>
#include <vector>

#include "app/accessibility.h"
#include "app/chart_and_copy.h"
#include "app/comparison_panel.h"
#include "app/entry_rules.h"
#include "app/event_filters.h"
#include "app/fields.h"
#include "app/guide.h"
#include "app/layout.h"
#include "app/line_panel.h"
#include "app/messages.h"
#include "app/swr_panel.h"
#include "calc/line/cable_catalogue.h"
#include "calc/line/line.h"

namespace tolvar {

namespace {

using app::ControlKind;
using app::ControlSpec;

int Pixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / app::kTwipsPerPixel));
}

QString Text(std::string_view text) { return app::ToQString(text); }

// The layout was drawn for a narrow desktop sans-serif at 8.25 points; Liberation
// Sans keeps those metrics, where the common default sans-serif is too wide.
QFont WindowFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  return font;
}

constexpr int kButtonTextMargin = 3;  // pixels left free at each side of a caption

QWidget* CreatePanel(ControlKind kind, const QString& caption, QWidget* parent) {
  QWidget* panel = nullptr;
  if (kind == ControlKind::CaptionedPanel) {
    panel = new QGroupBox(caption, parent);
  } else {
    auto* group = new QFrame(parent);
    group->setFrameShape(QFrame::NoFrame);
    panel = group;
  }
  panel->setAutoFillBackground(true);
  return panel;
}

QWidget* CreateTextField(ControlKind kind, const QString& text, QWidget* parent) {
  if (kind == ControlKind::MultiResult) {
    auto* result = new QPlainTextEdit(text, parent);
    result->setReadOnly(true);
    result->setTabChangesFocus(true);
    result->document()->setDocumentMargin(2);
    return result;
  }
  auto* field = new QLineEdit(text, parent);
  field->setReadOnly(kind == ControlKind::Result);
  return field;
}

QWidget* CreateCableBox(const QString& text, QWidget* parent) {
  auto* box = new QComboBox(parent);
  box->setEditable(true);
  // Lookup is exact: no inline, case-insensitive completion, no typed items.
  box->setCompleter(nullptr);
  box->setInsertPolicy(QComboBox::NoInsert);
  for (const auto& cable : calc::line::CableCatalogue()) {
    box->addItem(Text(cable.name));
  }
  box->setEditText(text);
  return box;
}

QWidget* CreateCyclesBox(QWidget* parent) {
  auto* box = new QComboBox(parent);
  for (int n = 1; n <= calc::line::kMaxCycles; ++n) {
    box->addItem(QString::number(n));
  }
  return box;
}

QWidget* CreateShiftBar(QWidget* parent) {
  auto* bar = new QScrollBar(Qt::Horizontal, parent);
  bar->setRange(0, calc::line::kShiftSteps);
  bar->setSingleStep(1);
  bar->setPageStep(20);                  // a page is five electrical degrees
  bar->setFocusPolicy(Qt::StrongFocus);  // reached by Tab, sees focus events
  return bar;
}

QWidget* CreateControl(const ControlSpec& row, QWidget* parent) {
  const QString text = Text(row.text);
  switch (row.kind) {
    case ControlKind::CaptionedPanel:
    case ControlKind::OptionPanel:
      return CreatePanel(row.kind, text, parent);
    case ControlKind::Label: {
      auto* label = new QLabel(text, parent);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ControlKind::Entry:
    case ControlKind::Result:
    case ControlKind::Display:
    case ControlKind::MultiResult:
      return CreateTextField(row.kind, text, parent);
    case ControlKind::Button: {
      auto* button = new QPushButton(parent);
      button->setText(
          app::WrapCaption(text, parent->font(), Pixels(row.width) - 2 * kButtonTextMargin));
      return button;
    }
    case ControlKind::Option: {
      auto* option = new QRadioButton(text, parent);
      option->setChecked((row.flags & app::kSelected) != 0);
      return option;
    }
    case ControlKind::CableBox:
      return CreateCableBox(text, parent);
    case ControlKind::PickList:
      return CreateCyclesBox(parent);
    case ControlKind::ScrollBar:
      return CreateShiftBar(parent);
  }
  return nullptr;
}

void ApplyFlags(unsigned flags, QWidget* widget) {
  if ((flags & app::kDisabled) != 0) {
    widget->setEnabled(false);
    // Locked, not meaningless: the figures shown there stay readable.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     palette.color(QPalette::Active, QPalette::Text));
    widget->setPalette(palette);
  }
  if ((flags & app::kHidden) != 0) {
    widget->hide();
  }
  if ((flags & (app::kCondensed | app::kBold | app::kLarge)) != 0) {
    QFont font = widget->font();
    if ((flags & app::kCondensed) != 0) {
      font.setStretch(96);
    }
    if ((flags & app::kLarge) != 0) {
      font.setPointSize(24);
    }
    font.setBold((flags & app::kBold) != 0);
    widget->setFont(font);
  }
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Tolvar 3.1 \u2013 feed-line calculator"));
  setFont(WindowFont());
  setFixedSize(Pixels(app::kClientWidthTwips), Pixels(app::kClientHeightTwips));
  buildControls();
  applyEntryRules();
  applyOptionRules();
  applyAccessibility();
  applyTabOrder();
  createPanels();
}

void MainWindow::buildControls() {
  auto* toolTips = new app::ToolTipWrapper(this, 60);
  for (const ControlSpec& row : app::WindowLayout()) {
    QWidget* parent = row.parent ? controls_.widget(*row.parent) : this;
    QWidget* widget = CreateControl(row, parent);
    widget->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
    if (row.name) {
      widget->setObjectName(app::ObjectName(*row.name));
      controls_.add(*row.name, widget);
    }
    if (!row.tooltip.empty()) {
      widget->setToolTip(Text(row.tooltip));
      toolTips->wrap(widget);
    }
    ApplyFlags(row.flags, widget);
  }
  // Option groups are opaque panels: they cover what the layout left beneath them.
  for (const ControlSpec& row : app::WindowLayout()) {
    if (row.kind == ControlKind::OptionPanel) {
      controls_.widget(*row.name)->raise();
    }
  }
  controls_.widget(app::Control::Command7)->raise();
}

void MainWindow::applyEntryRules() {
  auto* keyGuard = new app::EntryKeyGuard(this, [this] {
    QMessageBox box(QMessageBox::Warning, Text(app::kUseDot.title), Text(app::kUseDot.text),
                    QMessageBox::Ok, this);
    box.exec();
  });
  for (const app::EntryRule& rule : app::EntryRules()) {
    QLineEdit* field = controls_.entry(rule.field);
    keyGuard->guard(field, rule.filter);
    std::vector<QWidget*> results;
    for (const app::Control name : rule.clears) {
      results.push_back(controls_.widget(name));
    }
    connect(field, &QLineEdit::textChanged, this, [results] {
      for (QWidget* result : results) {
        app::SetFieldText(result, QString());
      }
    });
  }
}

void MainWindow::applyOptionRules() {
  // A new choice empties the result that no longer matches it.
  for (const ControlSpec& row : app::WindowLayout()) {
    if (row.kind != ControlKind::Option || row.clears.empty()) {
      continue;
    }
    std::vector<QWidget*> results;
    for (const app::Control name : row.clears) {
      results.push_back(controls_.widget(name));
    }
    connect(controls_.option(*row.name), &QRadioButton::clicked, this, [results] {
      for (QWidget* result : results) {
        app::SetFieldText(result, QString());
      }
    });
  }
}

void MainWindow::applyAccessibility() {
  for (const app::AccessibleName& named : app::AccessibleNames()) {
    controls_.widget(named.control)->setAccessibleName(Text(named.name));
  }
  // Results are disabled or read-only; their text still reaches assistive
  // technology as the field's description, kept current.
  for (const ControlSpec& row : app::WindowLayout()) {
    if (row.kind == ControlKind::Result || row.kind == ControlKind::Display) {
      auto* field = controls_.entry(*row.name);
      field->setAccessibleDescription(field->text());
      connect(field, &QLineEdit::textChanged, field,
              [field](const QString& text) { field->setAccessibleDescription(text); });
    } else if (row.kind == ControlKind::MultiResult) {
      auto* field = qobject_cast<QPlainTextEdit*>(controls_.widget(*row.name));
      connect(field, &QPlainTextEdit::textChanged, field,
              [field] { field->setAccessibleDescription(field->toPlainText()); });
    }
  }
}

void MainWindow::applyTabOrder() {
  std::vector<std::pair<int, QWidget*>> order;
  for (const ControlSpec& row : app::WindowLayout()) {
    if (row.tab >= 0) {
      order.emplace_back(row.tab, controls_.widget(*row.name));
    }
  }
  std::sort(order.begin(), order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
  }
}

void MainWindow::createPanels() {
  auto* focus = new app::FocusHandlers(this);
  auto* presses = new app::ButtonPresses(this);
  for (const ControlSpec& row : app::WindowLayout()) {
    if (row.kind == ControlKind::Button) {
      presses->watch(controls_.widget(*row.name));
    }
  }
  using C = app::Control;
  new app::ChartAndCopy(this, controls_,
                        {{{C::Frame1, C::Frame3}, new app::SwrPanel(this, controls_)},
                         {{C::Frame2}, new app::ComparisonPanel(this, controls_, *focus, *presses)},
                         {{C::Frame11}, new app::LinePanel(this, controls_, *focus)}});
  // Whatever the desktop answers, the help button reports nothing.
  connect(controls_.button(app::Control::Command7), &QAbstractButton::clicked, this,
          [] { QDesktopServices::openUrl(app::GuideUrl()); });
}

bool MainWindow::focusNextPrevChild(bool next) {
  app::MakeSelectedOptionsTabStops(this);
  return QWidget::focusNextPrevChild(next);
}

}  // namespace tolvar
