#include "app/accessibility.h"

namespace tolvar::app {

namespace {

using C = Control;

constexpr AccessibleName kNames[] = {
    // SWR, power, current and voltage.
    {C::Text7, "Measured Z, R ohm"},
    {C::Text8, "Measured Z, X ohm"},
    {C::Text9, "Voltage, to compute power and current"},
    {C::Text10, "Power, W or dBm, to compute voltage and current"},
    {C::Text18, "Current A, to compute power and voltage"},
    {C::Text12, "Reference Z0, R0 ohm"},
    {C::Text11, "Reference Z0, X0 ohm"},
    {C::Text6, "Reference Z0, forward power W"},
    {C::Text2, "Power and current from voltage, result"},
    {C::Text3, "Voltage and current from power, result"},
    {C::Text19, "Power and voltage from current, result"},
    {C::Text4, "SWR and auxiliary data, result"},
    // Input - output comparison and the tuner.
    {C::Text15, "Input Z, R ohm"},
    {C::Text1, "Input Z, X ohm"},
    {C::Text16, "Output Z, R ohm"},
    {C::Text17, "Output Z, X ohm"},
    {C::Text13, "Voltage comparison, input voltage"},
    {C::Text14, "Voltage comparison, output voltage"},
    {C::Text20, "Current comparison, input A"},
    {C::Text21, "Current comparison, output A"},
    {C::Text30, "S Ant. real part"},
    {C::Text34, "S Ant. imaginary part"},
    {C::Text36, "S11 real part"},
    {C::Text37, "S11 imaginary part"},
    {C::Text33, "S21 real part"},
    {C::Text32, "S21 imaginary part"},
    {C::Text31, "S22 real part"},
    {C::Text35, "S22 imaginary part"},
    {C::Text38, "S12 real part"},
    {C::Text39, "S12 imaginary part"},
    {C::Text5, "Input - output comparison and tuner loss, result"},
    // Transmission line.
    {C::Text23, "Starting point, R ohm"},
    {C::Text24, "Starting point, X ohm"},
    {C::Text28, "Transmission line, frequency MHz"},
    {C::Text29, "Transmission line, power watt"},
    {C::Text26, "Transmission line, RTX Z ohm"},
    {C::Text40, "Line loss, dB per 100 metres"},
    {C::Text25, "Line Z ohm"},
    {C::Text27, "Line velocity factor"},
    {C::Text22, "Transmission line, result"},
    {C::Text41, "Length range of the half-wave cycle"},
    {C::Combo1, "N. of lambda/2 cycles"},
    {C::Combo2, "Cable"},
    {C::HScroll1, "Shift along the line"},
    // The captionless groups of options.
    {C::Frame3, "Voltage kind, to compute power and current"},
    {C::Frame10, "Power unit, to compute voltage and current"},
    {C::Frame8, "Voltage comparison, input voltage kind"},
    {C::Frame9, "Voltage comparison, output voltage kind"},
};

}  // namespace

std::span<const AccessibleName> AccessibleNames() { return kNames; }

std::string_view AccessibleNameOf(Control control) {
  for (const AccessibleName& named : kNames) {
    if (named.control == control) {
      return named.name;
    }
  }
  return {};
}

}  // namespace tolvar::app
