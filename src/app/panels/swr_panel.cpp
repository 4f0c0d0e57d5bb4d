#include "app/panels/swr_panel.h"

#include <QAbstractButton>

#include "calc/swr/conversions.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using C = Control;

}  // namespace

SwrPanel::SwrPanel(QWidget* window, const Controls& controls) : Panel(window, controls) {
  connect(controls_.button(C::SwrButton), &QAbstractButton::clicked, this, &SwrPanel::computeSwr);
  connect(controls_.button(C::PowerFromVoltageButton), &QAbstractButton::clicked, this,
          &SwrPanel::computePowerFromVoltage);
  connect(controls_.button(C::VoltageFromPowerButton), &QAbstractButton::clicked, this,
          &SwrPanel::computeVoltageFromPower);
  connect(controls_.button(C::PowerFromCurrentButton), &QAbstractButton::clicked, this,
          &SwrPanel::computePowerFromCurrent);
}

std::optional<Panel::ChartView> SwrPanel::chartView() const {
  if (!chartedResultOnScreen()) {
    return std::nullopt;
  }
  ChartMark load;
  load.legend = QStringLiteral("Load (SWR panel)");
  load.description =
      QStringLiteral("Load: ") + ImpedanceText(load_.load) + QStringLiteral(" against R0 = ") +
      ToQString(numeric::FormatFixed(load_.reference.re, 2)) + QStringLiteral(" ohm X0 = ") +
      ToQString(numeric::FormatFixed(load_.reference.im, 2)) + QStringLiteral(" ohm");
  load.hue = MarkHue::Blue;
  load.path = {figures_.gamma};
  load.swrCircle = true;
  return ChartView{load_.reference, {load}};
}

void SwrPanel::setLoad(numeric::Complex z) {
  writeEntries(C::MeasuredR, C::MeasuredX, z);
}

std::optional<numeric::Complex> SwrPanel::typedLoad() const {
  try {
    return controls_.value(C::MeasuredR, C::MeasuredX);
  } catch (const numeric::ArithmeticFault&) {
    return std::nullopt;
  }
}

numeric::Complex SwrPanel::readLoad() const {
  const double r = replacedZero(C::MeasuredR, controls_.value(C::MeasuredR), kZeroResistance);
  return {r, controls_.value(C::MeasuredX)};
}

void SwrPanel::computeSwr() {
  run(C::SwrResult, [&] {
    calc::swr::SwrEntries entries{controls_.value(C::MeasuredR, C::MeasuredX),
                                  controls_.value(C::ReferenceR, C::ReferenceX),
                                  controls_.value(C::ForwardPower)};
    entries.reference.re =
        replacedZero(C::ReferenceR, entries.reference.re, kZeroReferenceResistance);
    entries.load.re = replacedZero(C::MeasuredR, entries.load.re, kZeroResistance);
    const auto outcome = calc::swr::ComputeSwr(entries);
    const QString text = ToQString(calc::swr::SwrText(outcome));
    const auto* figures = calc::FiguresOf(outcome);
    if (figures != nullptr) {
      load_ = entries;
      figures_ = *figures;
    }
    writeChartedResult(C::SwrResult, text, figures != nullptr);
  });
}

template <typename Figures>
void SwrPanel::writeConversion(Control result,
                               const calc::swr::Conversion<Figures>& conversion) const {
  controls_.writeResult(result, ToQString(calc::swr::ConversionText(conversion.outcome)));
  controls_.setText(C::ForwardPower,
                    ToQString(calc::swr::ForwardPowerText(conversion.forwardPowerW)));
}

void SwrPanel::computePowerFromVoltage() {
  run(C::PowerFromVoltageResult, [&] {
    const numeric::Complex load = readLoad();
    writeConversion(C::PowerFromVoltageResult,
                    calc::swr::PowerFromVoltage(load, controls_.value(C::Voltage),
                                                voltageKind(C::VoltsPeakToPeak, C::VoltsPeak)));
  });
}

void SwrPanel::computeVoltageFromPower() {
  run(C::VoltageFromPowerResult, [&] {
    const numeric::Complex load = readLoad();
    const auto unit =
        controls_.selected(C::PowerInDbm) ? calc::swr::PowerUnit::Dbm : calc::swr::PowerUnit::Watt;
    writeConversion(C::VoltageFromPowerResult,
                    calc::swr::VoltageFromPower(load, controls_.value(C::Power), unit));
  });
}

void SwrPanel::computePowerFromCurrent() {
  run(C::PowerFromCurrentResult, [&] {
    // Without the zero check an empty resistance would divide 0 by 0.
    const numeric::Complex load = readLoad();
    writeConversion(C::PowerFromCurrentResult,
                    calc::swr::PowerFromCurrent(load, controls_.value(C::Current)));
  });
}

}  // namespace tolvar::app

#include "moc_swr_panel.cpp"
