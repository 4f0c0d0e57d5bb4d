#include "app/comparison_panel.h"

#include <QAbstractButton>
#include <QLineEdit>

#include "app/event_filters.h"
#include "app/fields.h"
#include "app/layout.h"
#include "calc/compare/compare.h"
#include "calc/messages.h"
#include "calc/tuner/tuner.h"

namespace tolvar::app {

namespace {

using C = Control;
using calc::compare::VoltageKind;

}  // namespace

ComparisonPanel::ComparisonPanel(QWidget* window, const Controls& controls, FocusHandlers& focus,
                                 ButtonPresses& presses)
    : Panel(window, controls), presses_(presses) {
  connect(controls_.button(C::Command3), &QAbstractButton::clicked, this,
          &ComparisonPanel::compareVoltages);
  connect(controls_.button(C::Command6), &QAbstractButton::clicked, this,
          &ComparisonPanel::compareCurrents);
  connect(controls_.button(C::Command8), &QAbstractButton::clicked, this,
          &ComparisonPanel::computeTunerLoss);

  // Leaving an S-parameter field (only a move between the window's own controls).
  focus.onLost(controls_.widget(C::Text30), [this](Qt::FocusReason reason) {
    checkAntennaPart(C::Text30, kAntennaRealOutOfRange, reason);
  });
  focus.onLost(controls_.widget(C::Text34), [this](Qt::FocusReason reason) {
    checkAntennaPart(C::Text34, kAntennaImaginaryOutOfRange, reason);
  });
  // S21 as measured is also S12 until the user types another one.
  focus.onLost(controls_.widget(C::Text33), [this](Qt::FocusReason) {
    controls_.setText(C::Text38, controls_.text(C::Text33));
  });
  focus.onLost(controls_.widget(C::Text32), [this](Qt::FocusReason) {
    controls_.setText(C::Text39, controls_.text(C::Text32));
  });
}

std::optional<Panel::ChartView> ComparisonPanel::chartView() const {
  if (!chartedResultOnScreen()) {
    return std::nullopt;
  }
  ChartMark antenna;
  antenna.legend = QStringLiteral("Antenna (tuner panel)");
  antenna.description =
      QStringLiteral("Antenna: Z = ") +
      ToQString(calc::tuner::ImpedanceText(calc::tuner::ImpedanceOhm(tuner_.antenna))) +
      QStringLiteral(" ohm");
  antenna.colour = QColor(0xe65100);
  antenna.path = {{tuner_.antenna.re, tuner_.antenna.im}};

  // With a unit wave into port 1, the wave it sends back is the reflection there.
  const calc::tuner::Complex rtx = calc::tuner::TunerWaves(tuner_).b1;
  ChartMark port;
  port.legend = QStringLiteral("Tuner RTX port");
  const auto z =
      numeric::ImpedanceFromReflection({rtx.re, rtx.im}, {calc::tuner::kVnaReferenceOhm, 0});
  port.description =
      QStringLiteral("Tuner RTX port: ") +
      (z ? QStringLiteral("Z = ") + ToQString(calc::tuner::ImpedanceText({z->r, z->x})) +
               QStringLiteral(" ohm")
         : QStringLiteral("open circuit"));
  port.colour = QColor(0x8e24aa);
  port.path = {{rtx.re, rtx.im}};
  return ChartView{{calc::tuner::kVnaReferenceOhm, 0}, {antenna, port}};
}

void ComparisonPanel::checkAntennaPart(Control field, const Message& outOfRange,
                                       Qt::FocusReason reason) {
  run(C::Text5, [&] {
    if (!calc::tuner::IsAntennaPartInRange(value(field))) {
      // The box comes first; the button press that took the focus away is dropped.
      presses_.cancel(reason);
      warn(outOfRange);
      if (!calc::tuner::IsAntennaPartInRange(value(field))) {
        controls_.setText(field, QString());
      }
    }
  });
}

void ComparisonPanel::checkResistances() const {
  replaceZero(C::Text15, kZeroInputResistance);
  replaceZero(C::Text16, kZeroOutputResistance);
}

void ComparisonPanel::compareVoltages() {
  run(C::Text5, [&] {
    empty(LayoutRow(C::Command3).clears);
    checkResistances();
    const auto kind = [this](Control peakToPeak, Control peak) {
      if (controls_.selected(peakToPeak)) {
        return VoltageKind::PeakToPeak;
      }
      return controls_.selected(peak) ? VoltageKind::Peak : VoltageKind::Rms;
    };
    const calc::compare::Side in{value(C::Text15), value(C::Text1), value(C::Text13),
                                 kind(C::Option3, C::Option14)};
    const calc::compare::Side out{value(C::Text16), value(C::Text17), value(C::Text14),
                                  kind(C::Option6, C::Option15)};
    writeResult(C::Text5, ToQString(calc::compare::CompareVoltages(in, out)));
  });
}

void ComparisonPanel::compareCurrents() {
  run(C::Text5, [&] {
    empty(LayoutRow(C::Command6).clears);
    checkResistances();
    const calc::compare::Side in{value(C::Text15), value(C::Text1), value(C::Text20)};
    const calc::compare::Side out{value(C::Text16), value(C::Text17), value(C::Text21)};
    writeResult(C::Text5, ToQString(calc::compare::CompareCurrents(in, out)));
  });
}

void ComparisonPanel::computeTunerLoss() {
  run(C::Text5, [&] {
    MakeBold(controls_.widget(C::Text5));
    empty(LayoutRow(C::Command8).clears);
    const auto read = [this](Control re, Control im) {
      return calc::tuner::Complex{value(re), value(im)};
    };
    const calc::tuner::TunerEntries entries{read(C::Text30, C::Text34), read(C::Text36, C::Text37),
                                            read(C::Text33, C::Text32), read(C::Text31, C::Text35),
                                            read(C::Text38, C::Text39)};
    const std::string text = calc::tuner::TunerLossText(entries);
    tuner_ = entries;
    writeChartedResult(C::Text5, ToQString(text), text != calc::kInvalidSParameters);
  });
}

}  // namespace tolvar::app
