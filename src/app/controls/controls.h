#pragma once

#include <QString>
#include <array>
#include <string_view>

#include "app/layout/control.h"
#include "numeric/complex.h"

class QAbstractButton;
class QComboBox;
class QLineEdit;
class QRadioButton;
class QScrollBar;
class QWidget;

namespace tolvar::app {

class EntryField;
class ListBox;
class ShiftBar;

// A calculator's or a table's text for the window.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The control's objectName: its layout name.
QString ObjectName(Control control);

// The window's controls by what they hold, and the one way handlers read and
// write them. Asking for a control the window lacks, or as a kind it is not,
// is a programming error that stops the program at once.
class Controls {
 public:
  void add(Control name, QWidget* widget);

  QWidget* widget(Control name) const;
  QLineEdit* entry(Control name) const;
  EntryField* field(Control name) const;  // an entry, with its focus signals
  ListBox* listBox(Control name) const;
  ShiftBar* shiftBar(Control name) const;
  QAbstractButton* button(Control name) const;
  QRadioButton* option(Control name) const;
  QComboBox* comboBox(Control name) const;
  QScrollBar* scrollBar(Control name) const;

  // The entry's number by the leading-number rule, read afresh from its text;
  // throws ArithmeticFault when it overflows a double.
  double value(Control entry) const;
  // Two entries as one complex value: R and X, or a real and an imaginary part.
  numeric::Complex value(Control re, Control im) const;
  // Text of an entry, result or display field, single- or multi-line.
  QString text(Control field) const;
  // Sets the text; on an entry field this is a change like typing (it clears
  // the field's dependent results).
  void setText(Control field, const QString& text) const;
  // A calculator's write into its result field, which turns bold at the first
  // write, for good.
  void writeResult(Control result, const QString& text) const;
  void makeBold(Control result) const;
  // True when the option button is the selected one of its group.
  bool selected(Control option) const;
  // Paints an entry field in the desktop's highlight colours, or back in its own.
  void setHighlighted(Control field, bool on) const;

 private:
  template <typename T>
  T* as(Control name) const;

  std::array<QWidget*, kControlCount> widgets_{};
};

// Text of a field widget, single- or multi-line; empty for other widgets.
QString FieldText(const QWidget* field);
void SetFieldText(QWidget* field, const QString& text);

}  // namespace tolvar::app
