// The line panel's entries as typed values: the one place that reads them.
#include <QComboBox>

#include "app/controls/shift_bar.h"
#include "app/panels/line_panel.h"
#include "numeric/entry_value.h"
#include "numeric/fault.h"
#include "numeric/format.h"

namespace tolvar::app {

namespace {

using C = Control;

const calc::line::Cable& CatalogueEntry(std::int16_t index) {
  return calc::line::CableCatalogue().at(static_cast<std::size_t>(index));
}

// The value a field shows `value` as, with `decimals` decimals, reads back as:
// the catalogue's impedance once the panel has shown it.
double AsTheFieldShowsIt(double value, int decimals) {
  return numeric::ReadEntryValue(numeric::FormatFixed(value, decimals));
}

}  // namespace

bool LinePanel::manualLineData() const { return controls_.selected(C::ManualLineData); }

void LinePanel::lookUpCable() {
  // A name that is not in the catalogue keeps the previous cable.
  const int found =
      calc::line::FindCable(controls_.comboBox(C::CableBox)->currentText().toStdString());
  if (found >= 0) {
    cable_ = static_cast<std::int16_t>(found);
  }
}

const calc::line::Cable& LinePanel::cable() const { return CatalogueEntry(cable_); }

LinePanel::LineData LinePanel::loadLineData() const {
  if (manualLineData()) {
    return {controls_.value(C::LineZ), controls_.value(C::VelocityFactor)};
  }
  return {cable().impedanceOhm(), cable().velocityFactor()};
}

calc::line::Shift LinePanel::readShift() const {
  // The cycles list holds 1 to kMaxCycles in order.
  return {controls_.comboBox(C::CyclesBox)->currentIndex() + 1,
          controls_.scrollBar(C::ShiftBar)->value(),
          controls_.selected(C::TowardsAntenna) ? calc::line::Direction::TowardsAntenna
                                                : calc::line::Direction::TowardsTransmitter};
}

calc::line::LineEntries LinePanel::readEntries(std::optional<double> swappedPowerW) {
  const bool manual = manualLineData();
  calc::line::LineEntries e{};
  // The zero checks' boxes come in this order, each as its entry is read.
  e.start.re = replacedZero(C::StartR, controls_.value(C::StartR), kZeroResistance);
  const double typedZ = manual ? replacedZero(C::LineZ, controls_.value(C::LineZ),
                                              kZeroLineImpedance)
                               : 0;
  e.rtxZ = replacedZero(C::RtxZ, controls_.value(C::RtxZ), kZeroRtxImpedance);
  const double typedVelocityFactor =
      manual ? replacedZero(C::VelocityFactor, controls_.value(C::VelocityFactor),
                            kZeroVelocityFactor)
             : 0;
  e.mhz = replacedZero(C::Frequency, controls_.value(C::Frequency), kZeroFrequency);
  const double typedPower = replacedZero(C::LinePower, controls_.value(C::LinePower), kZeroPower);

  e.start.im = controls_.value(C::StartX);
  e.zShownBefore = controls_.value(C::LineZ);
  if (manual) {
    e.lineZ = typedZ;
    e.velocityFactor = typedVelocityFactor;
    e.lossPer100m = controls_.value(C::LineLoss);
    e.zShownAfter = typedZ;
  } else {
    e.lineZ = cable().impedanceOhm();
    e.velocityFactor = cable().velocityFactor();
    e.lossPer100m = calc::line::LossDbPer100m(cable(), e.mhz);
    e.zShownAfter = AsTheFieldShowsIt(e.lineZ, 1);
  }
  e.power = swappedPowerW.value_or(typedPower);
  e.shift = readShift();
  cycle_ = e.shift.cycle;
  return e;
}

std::optional<double> LinePanel::frequencyMhz() const {
  try {
    return controls_.value(C::Frequency);
  } catch (const numeric::ArithmeticFault&) {
    return std::nullopt;
  }
}

std::optional<calc::sweep::SweptLine> LinePanel::sweptLine() const {
  try {
    const bool manual = manualLineData();
    // The cable named now, which the next run will look up.
    const int named =
        calc::line::FindCable(controls_.comboBox(C::CableBox)->currentText().toStdString());
    const calc::line::Cable& swept =
        CatalogueEntry(named >= 0 ? static_cast<std::int16_t>(named) : cable_);
    calc::sweep::SweptLine line;
    calc::line::LineEntries& e = line.panel;
    e.lineZ = manual ? controls_.value(C::LineZ) : swept.impedanceOhm();
    e.velocityFactor = manual ? controls_.value(C::VelocityFactor) : swept.velocityFactor();
    e.rtxZ = controls_.value(C::RtxZ);
    e.mhz = controls_.value(C::Frequency);
    e.shift = readShift();
    e.lossPer100m = manual ? controls_.value(C::LineLoss) : calc::line::LossDbPer100m(swept, e.mhz);
    line.cable = manual ? nullptr : &swept;
    if (!(e.mhz > 0) || !(e.velocityFactor > 0) || !(e.lineZ > 0) || !(e.rtxZ > 0)) {
      return std::nullopt;  // the line computation would warn about these first
    }
    line.lengthM = calc::sweep::LengthM(e);
    return line;
  } catch (const numeric::ArithmeticFault&) {
    return std::nullopt;  // an entry too large for a double
  }
}

}  // namespace tolvar::app
