#include "app/line_panel.h"

#include <QAbstractButton>
#include <QComboBox>
#include <QLineEdit>
#include <QRadioButton>
#include <QScrollBar>
#include <algorithm>
#include <cmath>

#include "app/event_filters.h"
#include "app/fields.h"
#include "app/layout.h"
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
  QComboBox* cable = controls_.comboBox(C::Combo2);
  QComboBox* cycles = controls_.comboBox(C::Combo1);
  QScrollBar* bar = controls_.scrollBar(C::HScroll1);
  connect(cable, &QComboBox::editTextChanged, this, [this] { refresh(false); });
  focus.onLost(cable, [this](Qt::FocusReason) { refresh(false); });
  // A new cycle count only refreshes; the next run of the line computation reads it.
  connect(cycles, &QComboBox::currentTextChanged, this, [this] { refresh(true); });
  focus.onLost(cycles, [this](Qt::FocusReason) { refresh(true); });
  connect(controls_.option(C::Option16), &QRadioButton::clicked, this, &LinePanel::chooseAutoMode);
  connect(controls_.option(C::Option11), &QRadioButton::clicked, this,
          &LinePanel::chooseManualMode);
  for (const Control field : {C::Text27, C::Text28}) {
    focus.onLost(controls_.widget(field),
                 [this, field](Qt::FocusReason) { refreshAfterLeaving(field); });
  }

  connect(bar, &QScrollBar::valueChanged, this, &LinePanel::shiftEvent);
  focus.onGained(bar, [this](Qt::FocusReason) { shiftEvent(); });
  focus.onLost(bar, [this](Qt::FocusReason) { shiftEvent(); });
  // A direction click runs the computation only when the bar really moves.
  connect(controls_.option(C::Option9), &QRadioButton::clicked, bar,
          [bar] { bar->setValue(kTowardsAntennaStart); });
  connect(controls_.option(C::Option10), &QRadioButton::clicked, bar,
          [bar] { bar->setValue(kTowardsTransmitterStart); });
  connect(controls_.button(C::Command9), &QAbstractButton::clicked, this, &LinePanel::swapPower);
}

bool LinePanel::manualLineData() const { return controls_.selected(C::Option11); }

void LinePanel::lookUpCable() {
  // A name that is not in the catalogue keeps the previous cable.
  const int found =
      calc::line::FindCable(controls_.comboBox(C::Combo2)->currentText().toStdString());
  if (found >= 0) {
    cable_ = static_cast<std::int16_t>(found);
  }
}

LinePanel::LineData LinePanel::loadLineData() const {
  if (manualLineData()) {
    return {value(C::Text25), value(C::Text27)};
  }
  const calc::line::Cable& cable = CatalogueEntry(cable_);
  return {cable.impedanceOhm(), cable.velocityFactor()};
}

void LinePanel::showCatalogueData(const LineData& data) {
  if (manualLineData()) {
    return;
  }
  controls_.setText(C::Text25, Formatted(data.z, 1));
  controls_.setText(C::Text27, Formatted(data.velocityFactor, 3));
  // The loss at the frequency on screen; a negative one (pasted) has none.
  const double mhz = value(C::Text28);
  if (mhz >= 0) {
    controls_.setText(C::Text40,
                      Formatted(calc::line::LossDbPer100m(CatalogueEntry(cable_), mhz), 1));
  }
}

void LinePanel::showHalfWaveRange(double velocityFactor) {
  const auto range = calc::line::HalfWaveRange(cycles_, velocityFactor, value(C::Text28));
  if (range) {  // a frequency of 0 has no range: the previous one stays
    controls_.setText(C::Text41, ToQString(*range));
  }
}

void LinePanel::refresh(bool showRange) {
  run(C::Text22, [&] {
    controls_.setText(C::Text22, QString());
    lookUpCable();
    const LineData data = loadLineData();
    showCatalogueData(data);
    if (showRange) {
      showHalfWaveRange(data.velocityFactor);
    }
  });
}

void LinePanel::refreshAfterLeaving(Control field) {
  run(C::Text22, [&] {
    controls_.setText(C::Text22, QString());
    MakeBold(controls_.widget(C::Text22));
    lookUpCable();
    showHalfWaveRange(loadLineData().velocityFactor);
    if (field == C::Text28 && calc::line::FrequencyUnreliable(value(C::Text28))) {
      controls_.widget(C::Label36)->show();
    }
  });
}

void LinePanel::chooseAutoMode() {
  // The option's click has emptied the result (its row in the layout).
  run(C::Text22, [&] {
    for (const ControlSpec& row : WindowLayout()) {
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
  for (const ControlSpec& row : WindowLayout()) {
    if ((row.flags & kLineData) != 0) {
      controls_.setText(*row.name, QString());
      controls_.widget(*row.name)->setEnabled(true);
    }
  }
}

void LinePanel::shiftEvent() {
  SetHighlighted(controls_.widget(C::Text29), false);
  computeLine();
}

void LinePanel::checkZeroEntries(bool manual) const {
  replaceZero(C::Text23, kZeroResistance);
  if (manual) {
    replaceZero(C::Text25, kZeroLineImpedance);
  }
  replaceZero(C::Text26, kZeroRtxImpedance);
  if (manual) {
    replaceZero(C::Text27, kZeroVelocityFactor);
  }
  replaceZero(C::Text28, kZeroFrequency);
  replaceZero(C::Text29, kZeroPower);
}

calc::line::LineEntries LinePanel::readEntries(bool manual, std::optional<double> swappedPowerW) {
  calc::line::LineEntries e{};
  e.zAtStart = value(C::Text25);  // before the catalogue rewrites it
  e.startR = value(C::Text23);
  e.startX = value(C::Text24);
  e.rtxZ = value(C::Text26);
  const LineData data = loadLineData();
  if (manual) {
    e.lossPer100m = value(C::Text40);
  } else {
    controls_.setText(C::Text25, Formatted(data.z, 1));
    controls_.setText(C::Text27, Formatted(data.velocityFactor, 3));
  }
  e.lineZ = data.z;
  e.velocityFactor = data.velocityFactor;
  e.mhz = value(C::Text28);
  // A swap runs with the unrounded swapped power, not the field's one decimal.
  e.power = swappedPowerW ? *swappedPowerW : value(C::Text29);
  cycles_ = numeric::ReadEntryValue(controls_.comboBox(C::Combo1)->currentText().toStdString());
  e.cycles = cycles_;
  e.slider = controls_.scrollBar(C::HScroll1)->value();
  e.direction = controls_.selected(C::Option9) ? calc::line::Direction::TowardsAntenna
                                               : calc::line::Direction::TowardsTransmitter;
  return e;
}

void LinePanel::computeLine(std::optional<double> swappedPowerW) {
  lastRunComplete_ = false;
  run(C::Text22, [&] {
    MakeBold(controls_.widget(C::Text22));
    lookUpCable();
    const bool manual = manualLineData();
    checkZeroEntries(manual);
    calc::line::LineEntries e = readEntries(manual, swappedPowerW);

    const calc::line::StartPoint start = calc::line::FindStartPoint(e, lastPhaseDeg_);
    lastPhaseDeg_ = start.phaseDeg;
    controls_.widget(C::Label36)->setVisible(start.unreliable);
    if (!manual) {
      e.lossPer100m = calc::line::LossDbPer100m(CatalogueEntry(cable_), e.mhz);
    }
    e.zNow = value(C::Text25);
    const calc::line::LineResult result = calc::line::ComputeLine(e, start);
    lastFarPowerW_ = result.farPower;
    showHalfWaveRange(e.velocityFactor);
    if (!manual) {
      controls_.setText(C::Text40, ToQString(result.lossText));
    }
    lastRunComplete_ = result.complete;
    charted_ = e;
    chartedStart_ = start;
    chartedFar_ = result.far;
    writeChartedResult(C::Text22, ToQString(result.text), result.complete);
  });
}

std::optional<Panel::ChartView> LinePanel::chartView() const {
  if (!chartedResultOnScreen()) {
    return std::nullopt;
  }
  ChartMark start;
  start.legend = QStringLiteral("Line start point");
  start.description =
      QStringLiteral("Line start point: ") + ImpedanceText(charted_.startR, charted_.startX);
  start.colour = QColor(0x2e7d32);
  start.path = {{chartedStart_.gammaRe, chartedStart_.gammaIm}};

  ChartMark far;
  far.legend = QStringLiteral("Line far point and path");
  far.description =
      QStringLiteral("Line far point: ") + ImpedanceText(chartedFar_.r, chartedFar_.x);
  far.colour = QColor(0xc62828);
  try {
    for (const auto& point :
         calc::line::LinePath(charted_, chartedStart_, PathSamples(chartedStart_))) {
      far.path.push_back({point.re, point.im});
    }
  } catch (const numeric::ArithmeticFault&) {
    // Some point between had no value: the far point alone, as the result shows it.
    far.path = {{chartedFar_.gammaRe, chartedFar_.gammaIm}};
  }
  return ChartView{{charted_.lineZ, 0}, {start, far}};
}

void LinePanel::swapPower() {
  run(C::Text22, [&] {
    const double entered = value(C::Text29);
    // Only a power and a completed last run give a far-point power to swap with.
    if (!calc::line::CanSwapPower(entered, lastRunComplete_, lastFarPowerW_)) {
      computeLine();
      return;
    }
    const double swapped = calc::line::SwappedPowerW(entered, lastFarPowerW_);
    controls_.setText(C::Text29, Formatted(swapped, 1));
    SetHighlighted(controls_.widget(C::Text29), true);
    computeLine(swapped);
  });
}

}  // namespace tolvar::app
