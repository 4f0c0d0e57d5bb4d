// Handlers of the transmission-line panel: the refresh of the line parameters
// on show, the shift controls, the power swap and the line computation.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <cmath>

#include "app/event_filters.h"
#include "app/fields.h"
#include "app/main_window.h"
#include "calc/line/cable_catalogue.h"
#include "calc/line/line.h"
#include "numeric/entry_value.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace tolvar {

namespace {

const calc::line::Cable& CatalogueEntry(std::int16_t index) {
  return calc::line::CableCatalogue().at(static_cast<std::size_t>(index));
}

}  // namespace

void MainWindow::connectLinePanel() {
  auto* cable = comboBox(QStringLiteral("Combo2"));
  auto* cycles = comboBox(QStringLiteral("Combo1"));
  auto* bar = qobject_cast<QScrollBar*>(control(QStringLiteral("HScroll1")));
  connect(cable, &QComboBox::editTextChanged, this, [this] { refreshLine(true, false); });
  focusHandlers_->onLost(cable, [this](Qt::FocusReason) { refreshLine(true, false); });
  connect(qobject_cast<QRadioButton*>(control(QStringLiteral("Option16"))), &QRadioButton::clicked,
          this, &MainWindow::chooseAutoMode);
  connect(qobject_cast<QRadioButton*>(control(QStringLiteral("Option11"))), &QRadioButton::clicked,
          this, &MainWindow::chooseManualMode);
  // A new cycle count only refreshes; the next run of the line computation reads it.
  connect(cycles, &QComboBox::currentTextChanged, this, [this] { refreshLine(true, true); });
  focusHandlers_->onLost(cycles, [this](Qt::FocusReason) { refreshLine(true, true); });
  focusHandlers_->onLost(control(QStringLiteral("Text27")),
                         [this](Qt::FocusReason) { refreshAfterLeaving(false); });
  focusHandlers_->onLost(control(QStringLiteral("Text28")),
                         [this](Qt::FocusReason) { refreshAfterLeaving(true); });

  connect(bar, &QScrollBar::valueChanged, this, &MainWindow::shiftEvent);
  focusHandlers_->onGained(bar, [this](Qt::FocusReason) { shiftEvent(); });
  focusHandlers_->onLost(bar, [this](Qt::FocusReason) { shiftEvent(); });
  connect(qobject_cast<QRadioButton*>(control(QStringLiteral("Option9"))), &QRadioButton::clicked,
          this, [this, bar] {
            app::SetFieldText(control(QStringLiteral("Text22")), QString());
            bar->setValue(720);  // runs the computation only when the bar moves
          });
  connect(qobject_cast<QRadioButton*>(control(QStringLiteral("Option10"))), &QRadioButton::clicked,
          this, [this, bar] {
            app::SetFieldText(control(QStringLiteral("Text22")), QString());
            bar->setValue(1);
          });
  connect(button(QStringLiteral("Command9")), &QPushButton::clicked, this, &MainWindow::swapPower);
}

bool MainWindow::manualLineData() const {
  return app::IsSelected(control(QStringLiteral("Option11")));
}

void MainWindow::lookupCable() {
  // A name that is not in the catalogue keeps the previous cable.
  const int found =
      calc::line::FindCable(comboBox(QStringLiteral("Combo2"))->currentText().toStdString());
  if (found >= 0) {
    line_.IND = static_cast<std::int16_t>(found);
  }
}

void MainWindow::loadLineParameters() {
  if (manualLineData()) {
    line_.LZL = value(QStringLiteral("Text25"));
    line_.LVF = value(QStringLiteral("Text27"));
  } else {
    line_.LZL = CatalogueEntry(line_.IND).z / 10.0;
    line_.LVF = CatalogueEntry(line_.IND).vf / 1000.0;
  }
}

void MainWindow::showCatalogueData() {
  if (manualLineData()) {
    return;
  }
  entry(QStringLiteral("Text25"))->setText(app::ToQString(numeric::FormatFixed(line_.LZL, 1)));
  entry(QStringLiteral("Text27"))->setText(app::ToQString(numeric::FormatFixed(line_.LVF, 3)));
  // The loss at the frequency on screen; a negative one (pasted) has none.
  const double mhz = value(QStringLiteral("Text28"));
  if (mhz >= 0) {
    line_.PPP = calc::line::LossDbPer100m(CatalogueEntry(line_.IND), mhz);
    entry(QStringLiteral("Text40"))->setText(app::ToQString(numeric::FormatFixed(line_.PPP, 1)));
  }
}

void MainWindow::showHalfWaveRange() {
  const auto range =
      calc::line::HalfWaveRange(line_.NL, line_.LVF, value(QStringLiteral("Text28")));
  if (range) {  // a frequency of 0 has no range: the previous one stays
    entry(QStringLiteral("Text41"))->setText(app::ToQString(*range));
  }
}

void MainWindow::refreshLine(bool display, bool range) {
  QWidget* result = control(QStringLiteral("Text22"));
  app::RunHandler(result, [&] {
    app::SetFieldText(result, QString());
    lookupCable();
    loadLineParameters();
    if (display) {
      showCatalogueData();
    }
    if (range) {
      showHalfWaveRange();
    }
  });
}

void MainWindow::refreshAfterLeaving(bool frequency) {
  QWidget* result = control(QStringLiteral("Text22"));
  app::RunHandler(result, [&] {
    app::SetFieldText(result, QString());
    app::MakeBold(result);
    lookupCable();
    loadLineParameters();
    showHalfWaveRange();
    if (frequency && value(QStringLiteral("Text28")) > 150) {
      control(QStringLiteral("Label36"))->show();
    }
  });
}

void MainWindow::chooseAutoMode() {
  QWidget* result = control(QStringLiteral("Text22"));
  app::RunHandler(result, [&] {
    app::SetFieldText(result, QString());
    for (const char* name : {"Text40", "Text25", "Text27"}) {
      control(QString::fromLatin1(name))->setEnabled(false);
    }
    lookupCable();
    loadLineParameters();
    showCatalogueData();
  });
}

void MainWindow::chooseManualMode() {
  app::SetFieldText(control(QStringLiteral("Text22")), QString());
  emptyFields({"Text25", "Text27", "Text40"});
  for (const char* name : {"Text40", "Text25", "Text27"}) {
    control(QString::fromLatin1(name))->setEnabled(true);
  }
}

void MainWindow::shiftEvent() {
  app::SetHighlighted(control(QStringLiteral("Text29")), false);
  computeLine();
}

void MainWindow::computeLine() {
  QWidget* result = control(QStringLiteral("Text22"));
  line_.complete = false;
  app::RunHandler(result, [&] {
    app::MakeBold(result);
    lookupCable();
    const bool manual = manualLineData();
    replaceZero(entry(QStringLiteral("Text23")), QStringLiteral("Resistance cannot be 0!"),
                QStringLiteral("Resistance"));
    if (manual) {
      replaceZero(entry(QStringLiteral("Text25")), QStringLiteral("Line Impedence cannot be 0!"),
                  QStringLiteral("Line Impedence"));
    }
    replaceZero(entry(QStringLiteral("Text26")), QStringLiteral("RTX Impedence cannot be 0!"),
                QStringLiteral("RTX Impedence"));
    if (manual) {
      replaceZero(entry(QStringLiteral("Text27")), QStringLiteral("Velocity Factor cannot be 0!"),
                  QStringLiteral("Velocity Factor"));
    }
    replaceZero(entry(QStringLiteral("Text28")), QStringLiteral("Frequency cannot be 0!"),
                QStringLiteral("Frequency"));
    replaceZero(entry(QStringLiteral("Text29")), QStringLiteral("Power cannot be 0!"),
                QStringLiteral("Power"));

    calc::line::LineEntries e{};
    e.zAtStart = value(QStringLiteral("Text25"));  // before the catalogue rewrites it
    e.startR = value(QStringLiteral("Text23"));
    e.startX = value(QStringLiteral("Text24"));
    e.rtxZ = value(QStringLiteral("Text26"));
    loadLineParameters();
    if (manual) {
      e.lossPer100m = value(QStringLiteral("Text40"));
    } else {
      entry(QStringLiteral("Text25"))->setText(app::ToQString(numeric::FormatFixed(line_.LZL, 1)));
      entry(QStringLiteral("Text27"))->setText(app::ToQString(numeric::FormatFixed(line_.LVF, 3)));
    }
    e.lineZ = line_.LZL;
    e.velocityFactor = line_.LVF;
    line_.LMHZ = value(QStringLiteral("Text28"));
    e.mhz = line_.LMHZ;
    // While swapping, the unrounded swapped power, not the field's one decimal.
    e.power = line_.CF == 1 ? line_.Watt : value(QStringLiteral("Text29"));
    line_.LPWR = e.power;
    line_.NL =
        numeric::ReadEntryValue(comboBox(QStringLiteral("Combo1"))->currentText().toStdString());
    e.cycles = line_.NL;
    e.slider = qobject_cast<QScrollBar*>(control(QStringLiteral("HScroll1")))->value();
    e.direction = app::IsSelected(control(QStringLiteral("Option9")))
                      ? calc::line::Direction::TowardsAntenna
                      : calc::line::Direction::TowardsTransmitter;

    const calc::line::StartPoint start = calc::line::FindStartPoint(e, line_.LPHI);
    line_.LPHI = start.LPHI;
    control(QStringLiteral("Label36"))->setVisible(start.unreliable);
    if (!manual) {
      e.lossPer100m = calc::line::LossDbPer100m(CatalogueEntry(line_.IND), line_.LMHZ);
    }
    e.zNow = value(QStringLiteral("Text25"));
    const calc::line::LineResult run = calc::line::ComputeLine(e, start);
    line_.LPWR = run.farPower;
    showHalfWaveRange();
    if (!manual) {
      entry(QStringLiteral("Text40"))->setText(app::ToQString(run.lossText));
    }
    app::WriteResult(result, app::ToQString(run.text));
    line_.complete = run.complete;
  });
}

void MainWindow::swapPower() {
  QWidget* result = control(QStringLiteral("Text22"));
  app::RunHandler(result, [&] {
    const double P = value(QStringLiteral("Text29"));
    // Only a power and a completed last run give a far-point power to swap with.
    if (!(P > 0 && line_.complete && line_.LPWR != 0)) {
      computeLine();
      return;
    }
    numeric::FaultWatch watch;
    const double swapped = std::pow(P, 2.0) / line_.LPWR;
    watch.check();
    line_.Watt = swapped;
    entry(QStringLiteral("Text29"))->setText(app::ToQString(numeric::FormatFixed(line_.Watt, 1)));
    app::SetHighlighted(control(QStringLiteral("Text29")), true);
    line_.CF = 1;
    computeLine();
    line_.CF = 0;
  });
}

}  // namespace tolvar
