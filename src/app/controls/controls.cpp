#include "app/controls/controls.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QScrollBar>

#include "app/controls/fields.h"
#include "app/controls/shift_bar.h"
#include "app/layout/layout.h"
#include "numeric/entry_value.h"

namespace tolvar::app {

QString ObjectName(Control control) { return ToQString(LayoutName(control)); }

void Controls::add(Control name, QWidget* widget) {
  widgets_.at(static_cast<std::size_t>(name)) = widget;
}

QWidget* Controls::widget(Control name) const {
  QWidget* found = widgets_.at(static_cast<std::size_t>(name));
  if (found == nullptr) {
    qFatal("the window has no control %s", qPrintable(ObjectName(name)));
  }
  return found;
}

template <typename T>
T* Controls::as(Control name) const {
  T* typed = qobject_cast<T*>(widget(name));
  if (typed == nullptr) {
    qFatal("control %s is not a %s", qPrintable(ObjectName(name)), T::staticMetaObject.className());
  }
  return typed;
}

QLineEdit* Controls::entry(Control name) const { return as<QLineEdit>(name); }
EntryField* Controls::field(Control name) const { return as<EntryField>(name); }
ListBox* Controls::listBox(Control name) const { return as<ListBox>(name); }
ShiftBar* Controls::shiftBar(Control name) const { return as<ShiftBar>(name); }
QAbstractButton* Controls::button(Control name) const { return as<QAbstractButton>(name); }
QRadioButton* Controls::option(Control name) const { return as<QRadioButton>(name); }
QComboBox* Controls::comboBox(Control name) const { return as<QComboBox>(name); }
QScrollBar* Controls::scrollBar(Control name) const { return as<QScrollBar>(name); }

double Controls::value(Control entry) const {
  return numeric::ReadEntryValue(this->entry(entry)->text().toStdString());
}

numeric::Complex Controls::value(Control re, Control im) const { return {value(re), value(im)}; }

QString Controls::text(Control field) const { return FieldText(widget(field)); }

void Controls::setText(Control field, const QString& text) const {
  SetFieldText(widget(field), text);
}

void Controls::writeResult(Control result, const QString& text) const {
  makeBold(result);
  setText(result, text);
}

void Controls::makeBold(Control result) const {
  QWidget* field = widget(result);
  QFont font = field->font();
  font.setBold(true);
  field->setFont(font);
}

bool Controls::selected(Control option) const { return this->option(option)->isChecked(); }

void Controls::setHighlighted(Control field, bool on) const {
  QWidget* shown = widget(field);
  QPalette palette = QApplication::palette(shown);
  if (on) {
    palette.setColor(QPalette::Base, palette.color(QPalette::Highlight));
    palette.setColor(QPalette::Text, palette.color(QPalette::HighlightedText));
  }
  shown->setPalette(palette);
}

QString FieldText(const QWidget* field) {
  if (const auto* line = qobject_cast<const QLineEdit*>(field)) {
    return line->text();
  }
  if (const auto* multi = qobject_cast<const QPlainTextEdit*>(field)) {
    return multi->toPlainText();
  }
  return {};
}

void SetFieldText(QWidget* field, const QString& text) {
  if (auto* line = qobject_cast<QLineEdit*>(field)) {
    line->setText(text);
  } else if (auto* multi = qobject_cast<QPlainTextEdit*>(field)) {
    multi->setPlainText(text);
  }
}

}  // namespace tolvar::app
