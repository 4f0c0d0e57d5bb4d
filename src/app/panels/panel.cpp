#include "app/panels/panel.h"

#include <QLineEdit>
#include <QPlainTextEdit>

#include "app/controls/warning.h"
#include "app/layout/messages.h"
#include "numeric/entry_value.h"
#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/significant.h"

namespace tolvar::app {

Panel::Panel(QWidget* window, const Controls& controls)
    : ChartSource(window), controls_(controls), window_(window) {}

void Panel::warn(const Message& message) const { ShowWarning(window_, message); }

double Panel::replacedZero(Control entry, double typed, const Message& message) const {
  if (typed != 0) {
    return typed;
  }
  warn(message);
  controls_.setText(entry, ToQString(kZeroReplacement));
  return numeric::ReadEntryValue(kZeroReplacement);
}

namespace {

void WriteShortest(const Controls& controls, Control entry, double value) {
  const QString text = ToQString(numeric::ShortestText(value));
  controls.setText(entry, text);
  if (!text.contains(QLatin1Char('e'))) {
    controls.entry(entry)->setCursorPosition(0);
  }
}

}  // namespace

void Panel::writeEntry(Control entry, double value) const {
  WriteShortest(controls_, entry, numeric::AsEntered(value));
}

void Panel::writeEntries(Control re, Control im, numeric::Complex value) const {
  const numeric::Complex entered = numeric::AsEntered(value);
  WriteShortest(controls_, re, entered.re);
  WriteShortest(controls_, im, entered.im);
}

numeric::VoltageKind Panel::voltageKind(Control peakToPeak, Control peak) const {
  if (controls_.selected(peakToPeak)) {
    return numeric::VoltageKind::PeakToPeak;
  }
  return controls_.selected(peak) ? numeric::VoltageKind::Peak : numeric::VoltageKind::Rms;
}

void Panel::empty(std::span<const Control> fields) const {
  for (const Control field : fields) {
    controls_.setText(field, QString());
  }
}

void Panel::run(Control result, const std::function<void()>& handler) const {
  try {
    handler();
  } catch (const numeric::ArithmeticFault&) {
    controls_.writeResult(result, ToQString(kFaultSentence));
  }
}

QString Panel::ImpedanceText(numeric::Complex z) {
  return ToQString(numeric::ComplexText(z, numeric::kLabelledImpedanceNotation));
}

void Panel::writeChartedResult(Control result, const QString& text, bool charted) {
  if (!charted) {
    controls_.writeResult(result, text);  // the field's change takes earlier figures off
    return;
  }
  QWidget* field = controls_.widget(result);
  if (!watching_) {
    // From now on, any other text in the field takes the figures off the chart.
    watching_ = true;
    connect(qobject_cast<QPlainTextEdit*>(field), &QPlainTextEdit::textChanged, this,
            [this, field] {
              if (!writing_ && !charted_.isEmpty() && FieldText(field) != charted_) {
                charted_.clear();
                emit chartChanged();
              }
            });
  }
  writing_ = true;
  controls_.writeResult(result, text);
  writing_ = false;
  charted_ = FieldText(field);
  emit chartChanged();
}

}  // namespace tolvar::app

#include "moc_panel.cpp"
