#include "app/fields.h"

#include <QApplication>
#include <QFont>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPalette>
#include <QPlainTextEdit>
#include <QStringList>

#include "app/messages.h"
#include "numeric/entry_value.h"
#include "numeric/fault.h"

namespace tolvar::app {

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

void MakeBold(QWidget* field) {
  QFont font = field->font();
  font.setBold(true);
  field->setFont(font);
}

void WriteResult(QWidget* field, const QString& text) {
  MakeBold(field);
  SetFieldText(field, text);
}

void SetHighlighted(QWidget* field, bool on) {
  QPalette palette = QApplication::palette(field);
  if (on) {
    palette.setColor(QPalette::Base, palette.color(QPalette::Highlight));
    palette.setColor(QPalette::Text, palette.color(QPalette::HighlightedText));
  }
  field->setPalette(palette);
}

double EntryValue(const QLineEdit* entry) {
  return numeric::ReadEntryValue(entry->text().toStdString());
}

void RunHandler(QWidget* resultField, const std::function<void()>& handler) {
  try {
    handler();
  } catch (const numeric::ArithmeticFault&) {
    WriteResult(resultField, ToQString(kFaultSentence));
  }
}

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

}  // namespace tolvar::app
