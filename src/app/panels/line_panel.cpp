#include "app/panels/line_panel.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QRadioButton>
#include <QStringList>
#include <algorithm>
#include <cmath>

#include "app/controls/build.h"
#include "app/controls/fields.h"
#include "app/controls/shift_bar.h"
#include "app/layout/layout.h"
#include "calc/line/cable_catalogue.h"
#include "calc/line/line.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using C = Control;
using calc::line::kShiftSteps;

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

QStringList CableNames() {
  QStringList names;
  for (const auto& cable : calc::line::CableCatalogue()) {
    names << ToQString(cable.name);
  }
  return names;
}

QStringList CycleNumbers() {
  QStringList numbers;
  for (int n = 1; n <= calc::line::kMaxCycles; ++n) {
    numbers << QString::number(n);
  }
  return numbers;
}

}  // namespace

LinePanel::LinePanel(QWidget* window, const Controls& controls) : Panel(window, controls) {
  ListBox* cable = controls_.listBox(C::CableBox);
  ListBox* cycles = controls_.listBox(C::CyclesBox);
  ShiftBar* bar = controls_.shiftBar(C::ShiftBar);
  SetListItems(cable, CableNames());
  SetListItems(cycles, CycleNumbers());
  bar->setRange(0, kShiftSteps);

  connect(cable, &QComboBox::editTextChanged, this, [this] { refresh(false); });
  connect(cable, &ListBox::focusLeft, this, [this] { refresh(false); });
  // A new cycle count only refreshes; the next run of the line computation reads it.
  connect(cycles, &QComboBox::currentTextChanged, this, [this] { refresh(true); });
  connect(cycles, &ListBox::focusLeft, this, [this] { refresh(true); });
  connect(controls_.option(C::AutoLineData), &QRadioButton::clicked, this,
          &LinePanel::chooseAutoMode);
  connect(controls_.option(C::ManualLineData), &QRadioButton::clicked, this,
          &LinePanel::chooseManualMode);
  for (const Control field : {C::VelocityFactor, C::Frequency}) {
    connect(controls_.field(field), &EntryField::focusLeft, this,
            [this, field] { refreshAfterLeaving(field); });
  }

  connect(bar, &QScrollBar::valueChanged, this, &LinePanel::shiftEvent);
  connect(bar, &ShiftBar::focusEntered, this, &LinePanel::shiftEvent);
  connect(bar, &ShiftBar::focusLeft, this, &LinePanel::shiftEvent);
  // A direction click runs the computation only when the bar really moves.
  connect(controls_.option(C::TowardsAntenna), &QRadioButton::clicked, bar,
          [bar] { bar->setValue(kTowardsAntennaStart); });
  connect(controls_.option(C::TowardsTransmitter), &QRadioButton::clicked, bar,
          [bar] { bar->setValue(kTowardsTransmitterStart); });
  connect(controls_.button(C::SwapPowerButton), &QAbstractButton::clicked, this,
          &LinePanel::swapPower);

  // What a sweep along the line reads.
  connect(bar, &QScrollBar::valueChanged, this, &LinePanel::lineChanged);
  for (const Control option :
       {C::TowardsAntenna, C::TowardsTransmitter, C::AutoLineData, C::ManualLineData}) {
    connect(controls_.option(option), &QRadioButton::clicked, this, &LinePanel::lineChanged);
  }
  connect(cable, &QComboBox::editTextChanged, this, &LinePanel::lineChanged);
  connect(cycles, &QComboBox::currentTextChanged, this, &LinePanel::lineChanged);
  for (const Control entry : {C::Frequency, C::LineZ, C::VelocityFactor, C::LineLoss, C::RtxZ}) {
    connect(controls_.entry(entry), &QLineEdit::textChanged, this, &LinePanel::lineChanged);
  }
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
    controls_.setText(C::LineLoss,
                      ToQString(calc::line::LossText(calc::line::LossDbPer100m(cable(), mhz))));
  }
}

void LinePanel::showHalfWaveRange(double velocityFactor, double mhz) {
  const auto range = calc::line::HalfWaveRange(cycle_, velocityFactor, mhz);
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
      showHalfWaveRange(data.velocityFactor, controls_.value(C::Frequency));
    }
  });
}

void LinePanel::refreshAfterLeaving(Control field) {
  run(C::LineResult, [&] {
    controls_.setText(C::LineResult, QString());
    controls_.makeBold(C::LineResult);
    lookUpCable();
    const double mhz = controls_.value(C::Frequency);
    showHalfWaveRange(loadLineData().velocityFactor, mhz);
    if (field == C::Frequency && calc::line::FrequencyUnreliable(mhz)) {
      controls_.widget(C::UnreliableNote)->show();
    }
  });
}

void LinePanel::setLineStart(numeric::Complex z, double mhz) {
  writeEntries(C::StartR, C::StartX, z);
  writeEntry(C::Frequency, mhz);
  refreshAfterLeaving(C::Frequency);
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

void LinePanel::computeLine(std::optional<double> swappedPowerW) {
  lastRunComplete_ = false;
  run(C::LineResult, [&] {
    controls_.makeBold(C::LineResult);
    lookUpCable();
    const calc::line::LineEntries entries = readEntries(swappedPowerW);
    if (!manualLineData()) {
      // The line data the run computes with, as the catalogue gives it.
      controls_.setText(C::LineZ, Formatted(entries.lineZ, 1));
      controls_.setText(C::VelocityFactor, Formatted(entries.velocityFactor, 3));
    }
    writeRun(entries, calc::line::RunLine(entries, lastPhaseDeg_));
  });
}

void LinePanel::writeRun(const calc::line::LineEntries& entries, const calc::line::LineRun& run) {
  lastPhaseDeg_ = run.start.phaseDeg;
  controls_.widget(C::UnreliableNote)->setVisible(run.start.unreliable);
  const auto* figures = calc::FiguresOf(run.outcome);
  lastFarPowerW_ = figures != nullptr ? figures->far.powerW : 0;
  showHalfWaveRange(entries.velocityFactor, entries.mhz);
  if (!manualLineData()) {
    controls_.setText(C::LineLoss, ToQString(calc::line::LossText(entries.lossPer100m)));
  }
  lastRunComplete_ = figures != nullptr;
  if (figures != nullptr) {
    charted_ = entries;
    chartedStart_ = run.start;
    chartedFigures_ = *figures;
    chartedPath_.reset();
  }
  writeChartedResult(C::LineResult, ToQString(calc::line::LineResultText(run.outcome)),
                     figures != nullptr);
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
  if (!chartedPath_) {
    try {
      chartedPath_ = calc::line::LinePath(charted_, chartedStart_, PathSamples(chartedStart_));
    } catch (const numeric::ArithmeticFault&) {
      // Some point between had no value: the far point alone, as the result shows it.
      chartedPath_ = std::vector{chartedFigures_.far.gamma};
    }
  }
  far.path = *chartedPath_;
  return ChartView{{charted_.lineZ, 0}, {start, far}};
}

std::optional<LinePanel::FarPoint> LinePanel::farPoint() const {
  if (!chartedResultOnScreen()) {
    return std::nullopt;
  }
  return FarPoint{chartedFigures_.far.z, charted_.mhz};
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
