#include "app/controls/build.h"

#include <QAbstractItemView>
#include <QComboBox>
#include <QFont>
#include <QFontMetrics>
#include <QFrame>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QStringList>
#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

#include "app/controls/event_filters.h"
#include "app/controls/fields.h"
#include "app/controls/shift_bar.h"
#include "app/controls/warning.h"
#include "app/layout/accessibility.h"
#include "app/layout/entry_rules.h"
#include "app/layout/layout.h"

namespace tolvar::app {

int Pixels(int twips) {
  return static_cast<int>(std::lround(static_cast<double>(twips) / kTwipsPerPixel));
}

// The layout was drawn for a narrow desktop sans-serif at 8.25 points; Liberation
// Sans keeps those metrics, where the common default sans-serif is too wide.
QFont WindowFont() {
  QFont font(QStringLiteral("Liberation Sans"));
  font.setStyleHint(QFont::SansSerif);
  font.setPointSizeF(8.25);
  return font;
}

namespace {

// Inserts line breaks between words so that every line of a button caption is
// at most `width` pixels wide in `font` (access-key "&" not counted).
QString WrapCaption(const QString& caption, const QFont& font, int width) {
  const QFontMetrics metrics(font);
  const auto shown = [&](const QString& text) {
    QString plain = text;
    plain.remove(QLatin1Char('&'));
    return metrics.horizontalAdvance(plain);
  };
  QStringList lines;
  QString line;
  for (const QString& word : caption.split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    const QString candidate = line.isEmpty() ? word : line + QLatin1Char(' ') + word;
    if (!line.isEmpty() && shown(candidate) > width) {
      lines << line;
      line = word;
    } else {
      line = candidate;
    }
  }
  lines << line;
  return lines.join(QLatin1Char('\n'));
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
  if (kind == ControlKind::Entry) {
    return new EntryField(text, parent);
  }
  auto* field = new QLineEdit(text, parent);
  field->setReadOnly(kind == ControlKind::Result);
  return field;
}

// The list's items come from its panel (SetListItems).
QWidget* CreateCableBox(const QString& text, QWidget* parent) {
  auto* box = new ListBox(parent);
  box->setEditable(true);
  // Lookup is exact: no inline, case-insensitive completion, no typed items.
  box->setCompleter(nullptr);
  box->setInsertPolicy(QComboBox::NoInsert);
  box->setEditText(text);
  return box;
}

QWidget* CreateControl(const ControlRow& row, QWidget* parent) {
  const QString text = ToQString(row.text);
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
      button->setText(WrapCaption(text, parent->font(), Pixels(row.width) - 2 * kButtonTextMargin));
      return button;
    }
    case ControlKind::Option: {
      auto* option = new QRadioButton(text, parent);
      option->setChecked((row.flags & kSelected) != 0);
      return option;
    }
    case ControlKind::CableBox:
      return CreateCableBox(text, parent);
    case ControlKind::PickList:
      return new ListBox(parent);
    case ControlKind::ScrollBar:
      return new ShiftBar(parent);
  }
  return nullptr;
}

void ApplyFlags(unsigned flags, QWidget* widget) {
  if ((flags & kDisabled) != 0) {
    widget->setEnabled(false);
    // Locked, not meaningless: the figures shown there stay readable.
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Disabled, QPalette::Text,
                     palette.color(QPalette::Active, QPalette::Text));
    widget->setPalette(palette);
  }
  if ((flags & kHidden) != 0) {
    widget->hide();
  }
  if ((flags & (kCondensed | kBold | kLarge)) != 0) {
    QFont font = widget->font();
    if ((flags & kCondensed) != 0) {
      font.setStretch(96);
    }
    if ((flags & kLarge) != 0) {
      font.setPointSize(24);
    }
    font.setBold((flags & kBold) != 0);
    widget->setFont(font);
  }
}

// Whenever `signal` fires, the fields are emptied.
template <typename Sender, typename Signal>
void EmptyWhen(Sender* sender, Signal signal, std::span<const Control> fields,
               const Controls& controls) {
  std::vector<QWidget*> emptied;
  for (const Control name : fields) {
    emptied.push_back(controls.widget(name));
  }
  QObject::connect(sender, signal, sender, [emptied] {
    for (QWidget* field : emptied) {
      SetFieldText(field, QString());
    }
  });
}

void CreateControls(QWidget* window, Controls& controls) {
  auto* toolTips = new ToolTipWrapper(window, 60);
  for (const ControlRow& row : WindowLayout()) {
    QWidget* parent = row.parent ? controls.widget(*row.parent) : window;
    QWidget* widget = CreateControl(row, parent);
    widget->setGeometry(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
    if (row.name) {
      widget->setObjectName(ToQString(row.layoutName));
      controls.add(*row.name, widget);
    }
    if (!row.tooltip.empty()) {
      widget->setToolTip(ToQString(row.tooltip));
      toolTips->wrap(widget);
    }
    ApplyFlags(row.flags, widget);
  }
  // Option groups are opaque panels: they cover what the layout left beneath them.
  for (const ControlRow& row : WindowLayout()) {
    if (row.kind == ControlKind::OptionPanel) {
      controls.widget(*row.name)->raise();
    }
  }
  controls.widget(Control::HelpButton)->raise();
}

void ApplyEntryAndOptionRules(QWidget* window, const Controls& controls) {
  auto* keyGuard = new EntryKeyGuard(window);
  QObject::connect(keyGuard, &EntryKeyGuard::commaRefused, window,
                   [window] { ShowWarning(window, kUseDot); });
  for (const EntryRule& rule : EntryRules()) {
    QLineEdit* field = controls.entry(rule.field);
    keyGuard->guard(field, rule.filter);
    EmptyWhen(field, &QLineEdit::textChanged, rule.clears, controls);
  }
  // A new choice empties the result that no longer matches it.
  for (const ControlRow& row : WindowLayout()) {
    if (row.kind == ControlKind::Option && !row.clears.empty()) {
      EmptyWhen(controls.option(*row.name), &QRadioButton::clicked, row.clears, controls);
    }
  }
}

void ApplyAccessibility(const Controls& controls) {
  for (const AccessibleName& named : AccessibleNames()) {
    controls.widget(named.control)->setAccessibleName(ToQString(named.name));
  }
  // Results are disabled or read-only; their text still reaches assistive
  // technology as the field's description, kept current.
  for (const ControlRow& row : WindowLayout()) {
    if (row.kind == ControlKind::Result || row.kind == ControlKind::Display) {
      auto* field = controls.entry(*row.name);
      field->setAccessibleDescription(field->text());
      QObject::connect(field, &QLineEdit::textChanged, field,
                       [field](const QString& text) { field->setAccessibleDescription(text); });
    } else if (row.kind == ControlKind::MultiResult) {
      auto* field = qobject_cast<QPlainTextEdit*>(controls.widget(*row.name));
      QObject::connect(field, &QPlainTextEdit::textChanged, field,
                       [field] { field->setAccessibleDescription(field->toPlainText()); });
    }
  }
}

void ApplyTabOrder(const Controls& controls) {
  std::vector<std::pair<int, QWidget*>> order;
  for (const ControlRow& row : WindowLayout()) {
    if (row.tab >= 0) {
      order.emplace_back(row.tab, controls.widget(*row.name));
    }
  }
  std::sort(order.begin(), order.end(),
            [](const auto& a, const auto& b) { return a.first < b.first; });
  for (std::size_t i = 1; i < order.size(); ++i) {
    QWidget::setTabOrder(order[i - 1].second, order[i].second);
  }
}

}  // namespace

void SetListItems(QComboBox* box, const QStringList& items) {
  const QString typed = box->currentText();
  box->clear();
  box->addItems(items);
  int widest = 0;
  for (const QString& item : items) {
    widest = std::max(widest, box->view()->fontMetrics().horizontalAdvance(item));
  }
  if (box->isEditable()) {
    box->setEditText(typed);  // adding items put the first one there
  }
  // The open list is as wide as its longest item, beside its scroll bar.
  constexpr int kItemMargins = 16;
  box->view()->setMinimumWidth(widest + kItemMargins +
                               box->view()->verticalScrollBar()->sizeHint().width());
}

void BuildControls(QWidget* window, Controls& controls) {
  CreateControls(window, controls);
  ApplyEntryAndOptionRules(window, controls);
  ApplyAccessibility(controls);
  ApplyTabOrder(controls);
}

}  // namespace tolvar::app
