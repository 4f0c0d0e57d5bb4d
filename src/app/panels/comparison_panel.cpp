#include "app/panels/comparison_panel.h"

#include <QAbstractButton>

#include "app/controls/event_filters.h"
#include "app/controls/fields.h"
#include "app/layout/layout.h"
#include "calc/compare/compare.h"
#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/rf.h"

namespace tolvar::app {

namespace {

using C = Control;

}  // namespace

ComparisonPanel::ComparisonPanel(QWidget* window, const Controls& controls,
                                 ButtonPresses& presses)
    : Panel(window, controls), presses_(presses) {
  connect(controls_.button(C::CompareVoltagesButton), &QAbstractButton::clicked, this,
          &ComparisonPanel::compareVoltages);
  connect(controls_.button(C::CompareCurrentsButton), &QAbstractButton::clicked, this,
          &ComparisonPanel::compareCurrents);
  connect(controls_.button(C::TunerLossButton), &QAbstractButton::clicked, this,
          &ComparisonPanel::computeTunerLoss);

  // Leaving an S-parameter field (only a move between the window's own controls).
  connect(controls_.field(C::AntennaRe), &EntryField::focusLeft, this,
          [this](Qt::FocusReason reason) {
            checkAntennaPart(C::AntennaRe, kAntennaRealOutOfRange, reason);
          });
  connect(controls_.field(C::AntennaIm), &EntryField::focusLeft, this,
          [this](Qt::FocusReason reason) {
            checkAntennaPart(C::AntennaIm, kAntennaImaginaryOutOfRange, reason);
          });
  // S21 as measured is also S12 until the user types another one.
  connect(controls_.field(C::S21Re), &EntryField::focusLeft, this,
          [this] { controls_.setText(C::S12Re, controls_.text(C::S21Re)); });
  connect(controls_.field(C::S21Im), &EntryField::focusLeft, this,
          [this] { controls_.setText(C::S12Im, controls_.text(C::S21Im)); });
  for (const Control part : {C::AntennaRe, C::AntennaIm}) {
    connect(controls_.field(part), &QLineEdit::textChanged, this,
            &ComparisonPanel::antennaChanged);
  }
}

std::optional<numeric::Complex> ComparisonPanel::typedAntenna() const {
  try {
    return controls_.value(C::AntennaRe, C::AntennaIm);
  } catch (const numeric::ArithmeticFault&) {
    return std::nullopt;  // a number too large for a double
  }
}

void ComparisonPanel::setAntenna(numeric::Complex gamma) {
  writeEntries(C::AntennaRe, C::AntennaIm, gamma);
}

void ComparisonPanel::setTuner(const TunerS& s) {
  writeEntries(C::S11Re, C::S11Im, s.s11);
  writeEntries(C::S21Re, C::S21Im, s.s21);
  writeEntries(C::S22Re, C::S22Im, s.s22);
  // Leaving an S21 field copies it into S12: leave it now, before S12 is written.
  QWidget* focus = window()->focusWidget();
  if (focus == controls_.widget(C::S21Re) || focus == controls_.widget(C::S21Im)) {
    controls_.widget(C::S12Re)->setFocus(Qt::OtherFocusReason);
  }
  writeEntries(C::S12Re, C::S12Im, s.s12);
}

std::optional<Panel::ChartView> ComparisonPanel::chartView() const {
  if (!chartedResultOnScreen()) {
    return std::nullopt;
  }
  ChartMark antenna;
  antenna.legend = QStringLiteral("Antenna (tuner panel)");
  antenna.description =
      QStringLiteral("Antenna: Z = ") +
      ToQString(numeric::ComplexText(figures_.antennaZ, numeric::kTunerImpedanceNotation)) +
      QStringLiteral(" ohm");
  antenna.hue = MarkHue::Orange;
  antenna.path = {tuner_.antenna};

  // With a unit wave into port 1, the wave it sends back is the reflection there.
  const numeric::Complex rtx = figures_.waves.b1;
  ChartMark port;
  port.legend = QStringLiteral("Tuner RTX port");
  const auto z = numeric::ImpedanceOf(rtx, {calc::tuner::kVnaReferenceOhm, 0});
  port.description =
      QStringLiteral("Tuner RTX port: ") +
      (z ? QStringLiteral("Z = ") +
               ToQString(numeric::ComplexText(*z, numeric::kTunerImpedanceNotation)) +
               QStringLiteral(" ohm")
         : QStringLiteral("open circuit"));
  port.hue = MarkHue::Purple;
  port.path = {rtx};
  return ChartView{{calc::tuner::kVnaReferenceOhm, 0}, {antenna, port}};
}

bool ComparisonPanel::showsResultOf(Control frame) const {
  return tunerWroteLast_ == (frame == C::TunerFrame);
}

void ComparisonPanel::checkAntennaPart(Control field, const Message& outOfRange,
                                       Qt::FocusReason reason) {
  run(C::ComparisonResult, [&] {
    if (!calc::tuner::IsAntennaPartInRange(controls_.value(field))) {
      // The box comes first; the button press that took the focus away is dropped.
      presses_.cancelWithBox(reason, [&] { warn(outOfRange); });
      if (!calc::tuner::IsAntennaPartInRange(controls_.value(field))) {
        controls_.setText(field, QString());
      }
    }
  });
}

ComparisonPanel::Sides ComparisonPanel::readResistances() const {
  const double inputR =
      replacedZero(C::InputR, controls_.value(C::InputR), kZeroInputResistance);
  const double outputR =
      replacedZero(C::OutputR, controls_.value(C::OutputR), kZeroOutputResistance);
  return {{inputR, controls_.value(C::InputX)}, {outputR, controls_.value(C::OutputX)}};
}

void ComparisonPanel::compareVoltages() {
  tunerWroteLast_ = false;
  run(C::ComparisonResult, [&] {
    empty(LayoutRow(C::CompareVoltagesButton).clears);
    const Sides z = readResistances();
    const calc::compare::Side in{z.input, controls_.value(C::InputVoltage),
                                 voltageKind(C::InputVoltsPeakToPeak, C::InputVoltsPeak)};
    const calc::compare::Side out{z.output, controls_.value(C::OutputVoltage),
                                  voltageKind(C::OutputVoltsPeakToPeak, C::OutputVoltsPeak)};
    controls_.writeResult(
        C::ComparisonResult,
        ToQString(calc::compare::ComparisonText(calc::compare::CompareVoltages(in, out))));
  });
}

void ComparisonPanel::compareCurrents() {
  tunerWroteLast_ = false;
  run(C::ComparisonResult, [&] {
    empty(LayoutRow(C::CompareCurrentsButton).clears);
    const Sides z = readResistances();
    const calc::compare::Side in{z.input, controls_.value(C::InputCurrent)};
    const calc::compare::Side out{z.output, controls_.value(C::OutputCurrent)};
    controls_.writeResult(
        C::ComparisonResult,
        ToQString(calc::compare::ComparisonText(calc::compare::CompareCurrents(in, out))));
  });
}

void ComparisonPanel::computeTunerLoss() {
  tunerWroteLast_ = true;
  run(C::ComparisonResult, [&] {
    controls_.makeBold(C::ComparisonResult);
    empty(LayoutRow(C::TunerLossButton).clears);
    const calc::tuner::TunerEntries entries{
        controls_.value(C::AntennaRe, C::AntennaIm), controls_.value(C::S11Re, C::S11Im),
        controls_.value(C::S21Re, C::S21Im), controls_.value(C::S22Re, C::S22Im),
        controls_.value(C::S12Re, C::S12Im)};
    const auto outcome = calc::tuner::ComputeTunerLoss(entries);
    const QString text = ToQString(calc::tuner::TunerLossText(outcome));
    const auto* figures = calc::FiguresOf(outcome);
    if (figures != nullptr) {
      tuner_ = entries;
      figures_ = *figures;
    }
    writeChartedResult(C::ComparisonResult, text, figures != nullptr);
  });
}

}  // namespace tolvar::app

#include "moc_comparison_panel.cpp"
