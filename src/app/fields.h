#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QFont;
class QLineEdit;
class QWidget;

namespace tolvar::app {

// A calculator's or a table's text for the window.
inline QString ToQString(std::string_view text) {
  return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// Text of an entry, result or display field, single- or multi-line.
QString FieldText(const QWidget* field);
// Sets the text; on an entry field this is a change like typing (it clears the
// field's dependent results).
void SetFieldText(QWidget* field, const QString& text);
// A result field turns bold at its calculator's first write, for good.
void MakeBold(QWidget* field);
// A calculator's write into its result field.
void WriteResult(QWidget* field, const QString& text);

// Paints an entry field in the desktop's highlight colours, or back in its own.
void SetHighlighted(QWidget* field, bool on);

// The entry's value by the leading-number rule; throws ArithmeticFault when the
// number overflows a double.
double EntryValue(const QLineEdit* entry);

// Runs one event handler. An ArithmeticFault ends it where it was thrown; what
// it wrote before stays, and resultField then shows the fault sentence so that
// no earlier result stays beside entries that did not produce it.
void RunHandler(QWidget* resultField, const std::function<void()>& handler);

// Inserts line breaks between words so that every line of a button caption is
// at most `width` pixels wide in `font` (access-key "&" not counted).
QString WrapCaption(const QString& caption, const QFont& font, int width);

}  // namespace tolvar::app
