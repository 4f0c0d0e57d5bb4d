#include "app/panels/panel.h"

#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>

#include "app/layout/messages.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace tolvar::app {

Panel::Panel(QWidget* window, const Controls& controls)
    : QObject(window), controls_(controls), window_(window) {}

void Panel::warn(const Message& message) const {
  QMessageBox box(QMessageBox::Warning, ToQString(message.title), ToQString(message.text),
                  QMessageBox::Ok, window_);
  box.exec();
}

void Panel::replaceZero(Control entry, const Message& message) const {
  if (controls_.value(entry) == 0) {
    warn(message);
    if (controls_.value(entry) == 0) {
      controls_.setText(entry, ToQString(kZeroReplacement));
    }
  }
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
                chartChanged();
              }
            });
  }
  writing_ = true;
  controls_.writeResult(result, text);
  writing_ = false;
  charted_ = FieldText(field);
  chartChanged();
}

}  // namespace tolvar::app

#include "moc_panel.cpp"
