#include "app/swr_panel.h"

#include <QAbstractButton>

#include "app/fields.h"
#include "calc/messages.h"
#include "calc/swr/conversions.h"
#include "calc/swr/swr.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using C = Control;

}  // namespace

SwrPanel::SwrPanel(QWidget* window, const Controls& controls) : Panel(window, controls) {
  connect(controls_.button(C::Command4), &QAbstractButton::clicked, this, &SwrPanel::computeSwr);
  connect(controls_.button(C::Command1), &QAbstractButton::clicked, this,
          &SwrPanel::computePowerFromVoltage);
  connect(controls_.button(C::Command2), &QAbstractButton::clicked, this,
          &SwrPanel::computeVoltageFromPower);
  connect(controls_.button(C::Command5), &QAbstractButton::clicked, this,
          &SwrPanel::computePowerFromCurrent);
}

std::optional<Panel::ChartView> SwrPanel::chartView() const {
  if (!chartedResultOnScreen()) {
    return std::nullopt;
  }
  const calc::swr::Reflection gamma = calc::swr::ReflectionOfLoad(load_);
  ChartMark load;
  load.legend = QStringLiteral("Load (SWR panel)");
  load.description = QStringLiteral("Load: ") + ImpedanceText(load_.r, load_.x) +
                     QStringLiteral(" against R0 = ") +
                     ToQString(numeric::FormatFixed(load_.r0, 2)) + QStringLiteral(" ohm X0 = ") +
                     ToQString(numeric::FormatFixed(load_.x0, 2)) + QStringLiteral(" ohm");
  load.colour = QColor(0x1565c0);
  load.path = {{gamma.re, gamma.im}};
  load.swrCircle = true;
  return ChartView{{load_.r0, load_.x0}, {load}};
}

void SwrPanel::checkMeasuredResistance() const { replaceZero(C::Text7, kZeroResistance); }

void SwrPanel::computeSwr() {
  run(C::Text4, [&] {
    replaceZero(C::Text12, kZeroReferenceResistance);
    checkMeasuredResistance();
    const calc::swr::SwrEntries entries{value(C::Text7), value(C::Text8), value(C::Text12),
                                        value(C::Text11), value(C::Text6)};
    const std::string text = calc::swr::SwrText(entries);
    load_ = entries;
    writeChartedResult(C::Text4, ToQString(text), text != calc::kNoForwardPower);
  });
}

void SwrPanel::computePowerFromVoltage() {
  run(C::Text2, [&] {
    checkMeasuredResistance();
    auto kind = calc::swr::VoltageKind::Rms;
    if (controls_.selected(C::Option2)) {
      kind = calc::swr::VoltageKind::PeakToPeak;
    } else if (controls_.selected(C::Option13)) {
      kind = calc::swr::VoltageKind::Peak;
    }
    const auto conversion =
        calc::swr::PowerFromVoltage(value(C::Text7), value(C::Text8), value(C::Text9), kind);
    writeResult(C::Text2, ToQString(conversion.text));
    controls_.setText(C::Text6, ToQString(conversion.forwardPower));
  });
}

void SwrPanel::computeVoltageFromPower() {
  run(C::Text3, [&] {
    checkMeasuredResistance();
    const auto unit =
        controls_.selected(C::Option7) ? calc::swr::PowerUnit::Dbm : calc::swr::PowerUnit::Watt;
    const auto conversion =
        calc::swr::VoltageFromPower(value(C::Text7), value(C::Text8), value(C::Text10), unit);
    writeResult(C::Text3, ToQString(conversion.text));
    controls_.setText(C::Text6, ToQString(conversion.forwardPower));
  });
}

void SwrPanel::computePowerFromCurrent() {
  run(C::Text19, [&] {
    // Without this check an empty resistance would divide 0 by 0.
    checkMeasuredResistance();
    const auto conversion =
        calc::swr::PowerFromCurrent(value(C::Text7), value(C::Text8), value(C::Text18));
    writeResult(C::Text19, ToQString(conversion.text));
    controls_.setText(C::Text6, ToQString(conversion.forwardPower));
  });
}

}  // namespace tolvar::app
