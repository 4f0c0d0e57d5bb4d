#include "app/main_window.h"

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
#include "app/entry_rules.h"
#include "app/event_filters.h"
#include "app/fields.h"
#include "app/guide.h"
#include "app/layout.h"
#include "calc/line/cable_catalogue.h"

namespace tolvar {

namespace {

using app::ControlKind;
using app::ControlSpec;

int Pixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / app::kTwipsPerPixel));
}

QString Text(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The layout was drawn for a narrow desktop sans-serif at 8.25 points; Liberation
// Sans keeps those metrics, where the common default sans-serif is too wide.
QFont WindowFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  return font;
}

constexpr int kButtonTextMargin = 3;  // pixels left free at each side of a caption

QWidget* CreateControl(const ControlSpec& row, QWidget* parent) {
  const QString text = Text(row.text);
  switch (row.kind) {
    case ControlKind::Frame: {
      auto* frame = new QGroupBox(text, parent);
      frame->setAutoFillBackground(true);
      return frame;
    }
    case ControlKind::Group: {
      auto* group = new QFrame(parent);
      group->setFrameShape(QFrame::NoFrame);
      group->setAutoFillBackground(true);
      return group;
    }
    case ControlKind::Label: {
      auto* label = new QLabel(text, parent);
      label->setWordWrap(true);
      label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
      return label;
    }
    case ControlKind::Entry:
      return new QLineEdit(text, parent);
    case ControlKind::Result: {
      auto* result = new QLineEdit(text, parent);
      result->setReadOnly(true);
      return result;
    }
    case ControlKind::Display:
      return new QLineEdit(text, parent);
    case ControlKind::MultiResult: {
      auto* result = new QPlainTextEdit(text, parent);
      result->setReadOnly(true);
      result->setTabChangesFocus(true);
      result->document()->setDocumentMargin(2);
      return result;
    }
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
    case ControlKind::CableBox: {
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
    case ControlKind::PickList: {
      auto* box = new QComboBox(parent);
      for (int n = 1; n <= 40; ++n) {
        box->addItem(QString::number(n));
      }
      return box;
    }
    case ControlKind::ScrollBar: {
      auto* bar = new QScrollBar(Qt::Horizontal, parent);
      bar->setRange(0, 720);
      bar->setSingleStep(1);
      bar->setPageStep(20);
      bar->setFocusPolicy(Qt::StrongFocus);  // reached by Tab, sees focus events
      return bar;
    }
  }
  return nullptr;
}

}  // namespace

MainWindow::MainWindow(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(QStringLiteral("Tolvar 3.1 \u2013 feed-line calculator"));
  setFont(WindowFont());
  setFixedSize(Pixels(app::kClientWidthTwips), Pixels(app::kClientHeightTwips));
  buildControls();
  applyEntryRules();
  applyAccessibleNames();
  applyTabOrder();
  startUp();
  connectHandlers();
}

void MainWindow::buildControls() {
  auto* toolTips = new app::ToolTipWrapper(this, 60);
  for (const ControlSpec& row : app::WindowLayout()) {
    QWidget* parent = row.parent.empty() ? this : controls_.value(Text(row.parent));
    QWidget* widget = CreateControl(row, parent);
    widget->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
    if (!row.name.empty()) {
      widget->setObjectName(Text(row.name));
      controls_.insert(Text(row.name), widget);
    }
    if (!row.tooltip.empty()) {
      widget->setToolTip(Text(row.tooltip));
      toolTips->wrap(widget);
    }
    if ((row.flags & app::kDisabled) != 0) {
      widget->setEnabled(false);
      // Locked, not meaningless: the figures shown there stay readable.
      QPalette palette = widget->palette();
      palette.setColor(QPalette::Disabled, QPalette::Text,
                       palette.color(QPalette::Active, QPalette::Text));
      widget->setPalette(palette);
    }
    if ((row.flags & app::kHidden) != 0) {
      widget->hide();
    }
    if ((row.flags & app::kCondensed) != 0) {
      QFont condensed = widget->font();
      condensed.setStretch(96);
      widget->setFont(condensed);
    }
  }
  // Option groups are opaque panels: they cover what the layout left beneath them.
  for (const ControlSpec& row : app::WindowLayout()) {
    if (row.kind == ControlKind::Group) {
      control(Text(row.name))->raise();
    }
  }
  control(QStringLiteral("Command7"))->raise();
}

void MainWindow::applyEntryRules() {
  keyGuard_ = new app::EntryKeyGuard(this, [this] {
    warn(QStringLiteral("Use Dot as Decimal Separator!"), QStringLiteral("Decimal Separation"));
  });
  for (const app::EntryRule& rule : app::EntryRules()) {
    QLineEdit* field = entry(Text(rule.field));
    keyGuard_->guard(field, rule.filter);
    std::vector<QWidget*> results;
    for (const std::string_view name : rule.clears) {
      results.push_back(control(Text(name)));
    }
    connect(field, &QLineEdit::textChanged, this, [results] {
      for (QWidget* result : results) {
        app::SetFieldText(result, QString());
      }
    });
  }
}

void MainWindow::applyAccessibleNames() {
  for (const app::AccessibleName& named : app::AccessibleNames()) {
    control(Text(named.control))->setAccessibleName(Text(named.name));
  }
  // Results are disabled or read-only; their text still reaches assistive
  // technology as the field's description, kept current.
  for (const char* name : {"Text2", "Text3", "Text19", "Text41"}) {
    auto* field = entry(QString::fromLatin1(name));
    field->setAccessibleDescription(field->text());
    connect(field, &QLineEdit::textChanged, field,
            [field](const QString& text) { field->setAccessibleDescription(text); });
  }
  for (const char* name : {"Text4", "Text5", "Text22"}) {
    auto* field = qobject_cast<QPlainTextEdit*>(control(QString::fromLatin1(name)));
    connect(field, &QPlainTextEdit::textChanged, field,
            [field] { field->setAccessibleDescription(field->toPlainText()); });
  }
}

void MainWindow::applyTabOrder() {
  std::vector<std::pair<int, QWidget*>> order;
  for (const ControlSpec& row : app::WindowLayout()) {
    if (row.tab >= 0) {
      order.emplace_back(row.tab, control(Text(row.name)));
    }
  }
  std::sort(order.begin(), order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
  }
}

void MainWindow::startUp() {
  line_.NL = 1.0;
  line_.CF = 0;
  line_.CONT = static_cast<std::int16_t>(comboBox(QStringLiteral("Combo2"))->count() - 1);
  control(QStringLiteral("Label19"))->setProperty("text", QStringLiteral("RTX Z:"));
  QPushButton* help = button(QStringLiteral("Command7"));
  QFont helpFont = help->font();
  helpFont.setPointSize(24);
  helpFont.setBold(true);
  help->setFont(helpFont);
  comboBox(QStringLiteral("Combo1"))->setCurrentIndex(0);
  entry(QStringLiteral("Text41"))->setText(QStringLiteral("0.00 - 7.18 mt"));
  QWidget* unreliable = control(QStringLiteral("Label36"));
  QFont bold = unreliable->font();
  bold.setBold(true);
  unreliable->setFont(bold);
  qobject_cast<QRadioButton*>(control(QStringLiteral("Option16")))->setChecked(true);
  for (const char* name : {"Text40", "Text25", "Text27"}) {
    control(QString::fromLatin1(name))->setEnabled(false);
  }
}

void MainWindow::connectHandlers() {
  focusHandlers_ = new app::FocusHandlers(this);
  presses_ = new app::ButtonPresses(this);
  for (QPushButton* button : findChildren<QPushButton*>()) {
    presses_->watch(button);
  }
  connectSwrPanel();
  connectComparisonPanel();
  connectLinePanel();
  connect(button(QStringLiteral("Command7")), &QPushButton::clicked, this, &MainWindow::openGuide);
}

bool MainWindow::focusNextPrevChild(bool next) {
  app::MakeSelectedOptionsTabStops(this);
  return QWidget::focusNextPrevChild(next);
}

QWidget* MainWindow::control(const QString& name) const { return controls_.value(name); }

QLineEdit* MainWindow::entry(const QString& name) const {
  return qobject_cast<QLineEdit*>(control(name));
}

QPushButton* MainWindow::button(const QString& name) const {
  return qobject_cast<QPushButton*>(control(name));
}

QComboBox* MainWindow::comboBox(const QString& name) const {
  return qobject_cast<QComboBox*>(control(name));
}

void MainWindow::warn(const QString& text, const QString& title) {
  QMessageBox box(QMessageBox::Warning, title, text, QMessageBox::Ok, this);
  box.exec();
}

void MainWindow::replaceZero(QLineEdit* field, const QString& text, const QString& title) {
  if (app::EntryValue(field) == 0) {
    warn(text, title);
    if (app::EntryValue(field) == 0) {
      field->setText(QStringLiteral("0.001"));
    }
  }
}

double MainWindow::value(const QString& field) const { return app::EntryValue(entry(field)); }

void MainWindow::openGuide() {
  // Whatever the desktop answers, the help button reports nothing.
  QDesktopServices::openUrl(app::GuideUrl());
}

}  // namespace tolvar
