#include "app/panels/line_panel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "app/controls/event_filters.h"
#include "app/layout/layout.h"
#include "calc/line/cable_catalogue.h"
#include "calc/line/line.h"
#include "numeric/entry_value.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using C = Control;
using calc::line::kShiftSteps;

const calc::line::Cable& CatalogueEntry(std::int16_t index) {
  return calc::line::CableCatalogue().at(static_cast<std::size_t>(index));
}

// Enough points along the path that it reads as a smooth spiral: one for
// every 5 degrees that Gamma turns, within bounds that keep a bar event quick.
int PathSamples(const calc::line::StartPoint& start) {
  constexpr double kDegreesPerSample = 5;
  constexpr int kFewest = 16;
  constexpr int kMost = 2048;
  const double samples = std::ceil(std::fabs(start.phaseTurnDeg) / kDegreesPerSample);
  return static_cast<int>(std::clamp(samples, double{kFewest}, double{kMost}));
}

QString Formatted(double value, int decimals) {
  return ToQString(numeric::FormatFixed(value, decimals));
}

// Where a direction click puts the bar: the position nearest to no shift in
// the first cycle (1, not 0, towards the transmitter).
constexpr int kTowardsAntennaStart = kShiftSteps;
constexpr int kTowardsTransmitterStart = 1;

}  // namespace

LinePanel::LinePanel(QWidget* window, const Controls& controls, FocusHandlers& focus)
    : Panel(window, controls) {
  QComboBox* cable = controls_.comboBox(C::CableBox);
  QComboBox* cycles = controls_.comboBox(C::CyclesBox);
  QScrollBar* bar = controls_.scrollBar(C::ShiftBar);
  connect(cable, &QComboBox::editTextChanged, this, [this] { refresh(false); });
  focus.onLost(cable, [this](Qt::FocusReason) { refresh(false); });
  // A new cycle count only refreshes; the next run of the line computation reads it.
  connect(cycles, &QComboBox::currentTextChanged, this, [this] { refresh(true); });
  focus.onLost(cycles, [this](Qt::FocusReason) { refresh(true); });
  connect(controls_.option(C::AutoLineData), &QRadioButton::clicked, this,
          &LinePanel::chooseAutoMode);
  connect(controls_.option(C::ManualLineData), &QRadioButton::clicked, this,
          &LinePanel::chooseManualMode);
  for (const Control field : {C::VelocityFactor, C::Frequency}) {
    focus.onLost(controls_.widget(field),
                 [this, field](Qt::FocusReason) { refreshAfterLeaving(field); });
  }

  connect(bar, &QScrollBar::valueChanged, this, &LinePanel::shiftEvent);
  focus.onGained(bar, [this](Qt::FocusReason) { shiftEvent(); });
  focus.onLost(bar, [this](Qt::FocusReason) { shiftEvent(); });
  // A direction click runs the computation only when the bar really moves.
  connect(controls_.option(C::TowardsAntenna), &QRadioButton::clicked, bar,
          [bar] { bar->setValue(kTowardsAntennaStart); });
  connect(controls_.option(C::TowardsTransmitter), &QRadioButton::clicked, bar,
          [bar] { bar->setValue(kTowardsTransmitterStart); });
  connect(controls_.button(C::SwapPowerButton), &QAbstractButton::clicked, this,
          &LinePanel::swapPower);
}

bool LinePanel::manualLineData() const { return controls_.selected(C::ManualLineData); }

void LinePanel::lookUpCable() {
  // A name that is not in the catalogue keeps the previous cable.
  const int found =
      calc::line::FindCable(controls_.comboBox(C::CableBox)->currentText().toStdString());
  if (found >= 0) {
    cable_ = static_cast<std::int16_t>(found);
  }
}

LinePanel::LineData LinePanel::loadLineData() const {
  if (manualLineData()) {
    return {controls_.value(C::LineZ), controls_.value(C::VelocityFactor)};
  }
  const calc::line::Cable& cable = CatalogueEntry(cable_);
  return {cable.impedanceOhm(), cable.velocityFactor()};
}

void LinePanel::showCatalogueData(const LineData& data) {
  if (manualLineData()) {
    return;
  }
  controls_.setText(C::LineZ, Formatted(data.z, 1));
  controls_.setText(C::VelocityFactor, Formatted(data.velocityFactor, 3));
  // The loss at the frequency on screen; a negative one (pasted) has none.
  const double mhz = controls_.value(C::Frequency);
  if (mhz >= 0) {
    controls_.setText(
        C::LineLoss,
        ToQString(calc::line::LossText(calc::line::LossDbPer100m(CatalogueEntry(cable_), mhz))));
  }
}

void LinePanel::showHalfWaveRange(double velocityFactor) {
  const auto range =
      calc::line::HalfWaveRange(cycles_, velocityFactor, controls_.value(C::Frequency));
  if (range) {  // a frequency of 0 has no range: the previous one stays
    controls_.setText(C::HalfWaveRange, ToQString(*range));
  }
}

void LinePanel::refresh(bool showRange) {
  run(C::LineResult, [&] {
    controls_.setText(C::LineResult, QString());
    lookUpCable();
    const LineData data = loadLineData();
    showCatalogueData(data);
    if (showRange) {
      showHalfWaveRange(data.velocityFactor);
    }
  });
}

void LinePanel::refreshAfterLeaving(Control field) {
  run(C::LineResult, [&] {
    controls_.setText(C::LineResult, QString());
    controls_.makeBold(C::LineResult);
    lookUpCable();
    showHalfWaveRange(loadLineData().velocityFactor);
    if (field == C::Frequency && calc::line::FrequencyUnreliable(controls_.value(C::Frequency))) {
      controls_.widget(C::UnreliableNote)->show();
    }
  });
}

void LinePanel::frequencyWritten() { refreshAfterLeaving(C::Frequency); }

std::optional<calc::sweep::SweptLine> LinePanel::sweptLine() const {
  try {
    const bool manual = manualLineData();
    const int named =
        calc::line::FindCable(controls_.comboBox(C::CableBox)->currentText().toStdString());
    const calc::line::Cable& cable =
        CatalogueEntry(named >= 0 ? static_cast<std::int16_t>(named) : cable_);
    calc::sweep::SweptLine swept;
    calc::line::LineEntries& e = swept.panel;
    const LineData data =
        manual ? loadLineData() : LineData{cable.impedanceOhm(), cable.velocityFactor()};
    e.lineZ = data.z;
    e.velocityFactor = data.velocityFactor;
    e.rtxZ = controls_.value(C::RtxZ);
    e.mhz = controls_.value(C::Frequency);
    e.cycles =
        numeric::ReadEntryValue(controls_.comboBox(C::CyclesBox)->currentText().toStdString());
    e.slider = controls_.scrollBar(C::ShiftBar)->value();
    e.direction = controls_.selected(C::TowardsAntenna) ? calc::line::Direction::TowardsAntenna
                                                        : calc::line::Direction::TowardsTransmitter;
    e.lossPer100m = manual ? controls_.value(C::LineLoss) : calc::line::LossDbPer100m(cable, e.mhz);
    swept.cable = manual ? nullptr : &cable;
    if (!(e.mhz > 0) || !(e.velocityFactor > 0) || !(e.lineZ > 0) || !(e.rtxZ > 0)) {
      return std::nullopt;  // the line computation would warn about these first
    }
    swept.lengthM = calc::sweep::LengthM(e);
    return swept;
  } catch (const numeric::ArithmeticFault&) {
    return std::nullopt;  // an entry too large for a double
  }
}

void LinePanel::chooseAutoMode() {
  // The option's click has emptied the result (its row in the layout).
  run(C::LineResult, [&] {
    for (const ControlRow& row : WindowLayout()) {
      if ((row.flags & kLineData) != 0) {
        controls_.widget(*row.name)->setEnabled(false);
      }
    }
    lookUpCable();
    showCatalogueData(loadLineData());
  });
}

void LinePanel::chooseManualMode() {
  // The option's click has emptied the result (its row in the layout).
  for (const ControlRow& row : WindowLayout()) {
    if ((row.flags & kLineData) != 0) {
      controls_.setText(*row.name, QString());
      controls_.widget(*row.name)->setEnabled(true);
    }
  }
}

void LinePanel::shiftEvent() {
  controls_.setHighlighted(C::LinePower, false);
  computeLine();
}

void LinePanel::checkZeroEntries(bool manual) const {
  replaceZero(C::StartR, kZeroResistance);
  if (manual) {
    replaceZero(C::LineZ, kZeroLineImpedance);
  }
  replaceZero(C::RtxZ, kZeroRtxImpedance);
  if (manual) {
    replaceZero(C::VelocityFactor, kZeroVelocityFactor);
  }
  replaceZero(C::Frequency, kZeroFrequency);
  replaceZero(C::LinePower, kZeroPower);
}

calc::line::LineEntries LinePanel::readEntries(bool manual, std::optional<double> swappedPowerW) {
  calc::line::LineEntries e{};
  e.zAtStart = controls_.value(C::LineZ);  // before the catalogue rewrites it
  e.start = controls_.value(C::StartR, C::StartX);
  e.rtxZ = controls_.value(C::RtxZ);
  const LineData data = loadLineData();
  if (manual) {
    e.lossPer100m = controls_.value(C::LineLoss);
  } else {
    controls_.setText(C::LineZ, Formatted(data.z, 1));
    controls_.setText(C::VelocityFactor, Formatted(data.velocityFactor, 3));
  }
  e.lineZ = data.z;
  e.velocityFactor = data.velocityFactor;
  e.mhz = controls_.value(C::Frequency);
  // A swap runs with the unrounded swapped power, not the field's one decimal.
  e.power = swappedPowerW ? *swappedPowerW : controls_.value(C::LinePower);
  cycles_ = numeric::ReadEntryValue(controls_.comboBox(C::CyclesBox)->currentText().toStdString());
  e.cycles = cycles_;
  e.slider = controls_.scrollBar(C::ShiftBar)->value();
  e.direction = controls_.selected(C::TowardsAntenna) ? calc::line::Direction::TowardsAntenna
                                                      : calc::line::Direction::TowardsTransmitter;
  return e;
}

void LinePanel::computeLine(std::optional<double> swappedPowerW) {
  lastRunComplete_ = false;
  run(C::LineResult, [&] {
    controls_.makeBold(C::LineResult);
    lookUpCable();
    const bool manual = manualLineData();
    checkZeroEntries(manual);
    calc::line::LineEntries e = readEntries(manual, swappedPowerW);

    const calc::line::StartPoint start = calc::line::FindStartPoint(e, lastPhaseDeg_);
    lastPhaseDeg_ = start.phaseDeg;
    controls_.widget(C::UnreliableNote)->setVisible(start.unreliable);
    if (!manual) {
      e.lossPer100m = calc::line::LossDbPer100m(CatalogueEntry(cable_), e.mhz);
    }
    e.zNow = controls_.value(C::LineZ);
    const auto outcome = calc::line::ComputeLine(e, start);
    const QString text = ToQString(calc::line::LineResultText(outcome));
    const auto* figures = calc::FiguresOf(outcome);
    lastFarPowerW_ = figures != nullptr ? figures->far.powerW : 0;
    showHalfWaveRange(e.velocityFactor);
    if (!manual) {
      controls_.setText(C::LineLoss, ToQString(calc::line::LossText(e.lossPer100m)));
    }
    lastRunComplete_ = figures != nullptr;
    if (figures != nullptr) {
      charted_ = e;
      chartedStart_ = start;
      chartedFigures_ = *figures;
    }
    writeChartedResult(C::LineResult, text, figures != nullptr);
  });
}

std::optional<Panel::ChartView> LinePanel::chartView() const {
  if (!chartedResultOnScreen()) {
    return std::nullopt;
  }
  ChartMark start;
  start.legend = QStringLiteral("Line start point");
  start.description = QStringLiteral("Line start point: ") + ImpedanceText(charted_.start);
  start.hue = MarkHue::Green;
  start.path = {chartedStart_.gamma};

  ChartMark far;
  far.legend = QStringLiteral("Line far point and path");
  far.description = QStringLiteral("Line far point: ") + ImpedanceText(chartedFigures_.far.z);
  far.hue = MarkHue::Red;
  try {
    far.path = calc::line::LinePath(charted_, chartedStart_, PathSamples(chartedStart_));
  } catch (const numeric::ArithmeticFault&) {
    // Some point between had no value: the far point alone, as the result shows it.
    far.path = {chartedFigures_.far.gamma};
  }
  return ChartView{{charted_.lineZ, 0}, {start, far}};
}

void LinePanel::swapPower() {
  run(C::LineResult, [&] {
    const double entered = controls_.value(C::LinePower);
    // Only a power and a completed last run give a far-point power to swap with.
    if (!calc::line::CanSwapPower(entered, lastRunComplete_, lastFarPowerW_)) {
      computeLine();
      return;
    }
    const double swapped = calc::line::SwappedPowerW(entered, lastFarPowerW_);
    controls_.setText(C::LinePower, Formatted(swapped, 1));
    controls_.setHighlighted(C::LinePower, true);
    computeLine(swapped);
  });
}

}  // namespace tolvar::app

#include "moc_line_panel.cpp"
