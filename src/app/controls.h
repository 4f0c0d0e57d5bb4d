#pragma once

#include <QString>
#include <array>

#include "app/control_names.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace tolvar::app {

// The control's objectName.
QString ObjectName(Control control);

// The window's controls by name. Asking for a control the window lacks, or as
// a kind it is not, is a programming error that stops the program at once.
class Controls {
 public:
  void add(Control name, QWidget* widget);

  QWidget* widget(Control name) const;
  QLineEdit* entry(Control name) const;
  QAbstractButton* button(Control name) const;
  QRadioButton* option(Control name) const;
  QComboBox* comboBox(Control name) const;
  QScrollBar* scrollBar(Control name) const;

  // The entry's value by the leading-number rule; throws ArithmeticFault when
  // the number overflows a double.
  double value(Control entry) const;
  // Text of an entry, result or display field, single- or multi-line.
  QString text(Control field) const;
  // Sets the text; on an entry field this is a change like typing (it clears
  // the field's dependent results).
  void setText(Control field, const QString& text) const;
  // True when the option button is the selected one of its group.
  bool selected(Control option) const;

 private:
  template <typename T>
  T* as(Control name) const;

  std::array<QWidget*, kControlCount> widgets_{};
};

}  // namespace tolvar::app
