#include "app/controls.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <QWidget>

#include "app/fields.h"

namespace tolvar::app {

QString ObjectName(Control control) {
  const std::string_view name = NameOf(control);
  return QString::fromLatin1(name.data(), static_cast<qsizetype>(name.size()));
}

void Controls::add(Control name, QWidget* widget) {
  widgets_[static_cast<std::size_t>(name)] = widget;
}

QWidget* Controls::widget(Control name) const {
  QWidget* found = widgets_[static_cast<std::size_t>(name)];
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
QAbstractButton* Controls::button(Control name) const { return as<QAbstractButton>(name); }
QRadioButton* Controls::option(Control name) const { return as<QRadioButton>(name); }
QComboBox* Controls::comboBox(Control name) const { return as<QComboBox>(name); }
QScrollBar* Controls::scrollBar(Control name) const { return as<QScrollBar>(name); }

double Controls::value(Control entry) const { return EntryValue(this->entry(entry)); }

QString Controls::text(Control field) const { return FieldText(widget(field)); }

void Controls::setText(Control field, const QString& text) const {
  SetFieldText(widget(field), text);
}

bool Controls::selected(Control option) const { return this->option(option)->isChecked(); }

}  // namespace tolvar::app
