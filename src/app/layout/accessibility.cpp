#include "app/layout/accessibility.h"

namespace tolvar::app {

namespace {

using C = Control;

constexpr AccessibleName kNames[] = {
    // SWR, power, current and voltage.
    {C::MeasuredR, "Measured Z, R ohm"},
    {C::MeasuredX, "Measured Z, X ohm"},
    {C::Voltage, "Voltage, to compute power and current"},
    {C::Power, "Power, W or dBm, to compute voltage and current"},
    {C::Current, "Current A, to compute power and voltage"},
    {C::ReferenceR, "Reference Z0, R0 ohm"},
    {C::ReferenceX, "Reference Z0, X0 ohm"},
    {C::ForwardPower, "Reference Z0, forward power W"},
    {C::PowerFromVoltageResult, "Power and current from voltage, result"},
    {C::VoltageFromPowerResult, "Voltage and current from power, result"},
    {C::PowerFromCurrentResult, "Power and voltage from current, result"},
    {C::SwrResult, "SWR and auxiliary data, result"},
    // Input - output comparison and the tuner.
    {C::InputR, "Input Z, R ohm"},
    {C::InputX, "Input Z, X ohm"},
    {C::OutputR, "Output Z, R ohm"},
    {C::OutputX, "Output Z, X ohm"},
    {C::InputVoltage, "Voltage comparison, input voltage"},
    {C::OutputVoltage, "Voltage comparison, output voltage"},
    {C::InputCurrent, "Current comparison, input A"},
    {C::OutputCurrent, "Current comparison, output A"},
    {C::AntennaRe, "S Ant. real part"},
    {C::AntennaIm, "S Ant. imaginary part"},
    {C::S11Re, "S11 real part"},
    {C::S11Im, "S11 imaginary part"},
    {C::S21Re, "S21 real part"},
    {C::S21Im, "S21 imaginary part"},
    {C::S22Re, "S22 real part"},
    {C::S22Im, "S22 imaginary part"},
    {C::S12Re, "S12 real part"},
    {C::S12Im, "S12 imaginary part"},
    {C::ComparisonResult, "Input - output comparison and tuner loss, result"},
    // Transmission line.
    {C::StartR, "Starting point, R ohm"},
    {C::StartX, "Starting point, X ohm"},
    {C::Frequency, "Transmission line, frequency MHz"},
    {C::LinePower, "Transmission line, power watt"},
    {C::RtxZ, "Transmission line, RTX Z ohm"},
    {C::LineLoss, "Line loss, dB per 100 metres"},
    {C::LineZ, "Line Z ohm"},
    {C::VelocityFactor, "Line velocity factor"},
    {C::LineResult, "Transmission line, result"},
    {C::HalfWaveRange, "Length range of the half-wave cycle"},
    {C::CyclesBox, "N. of lambda/2 cycles"},
    {C::CableBox, "Cable"},
    {C::ShiftBar, "Shift along the line"},
    // The captionless groups of options.
    {C::VoltageKindGroup, "Voltage kind, to compute power and current"},
    {C::PowerUnitGroup, "Power unit, to compute voltage and current"},
    {C::InputVoltageKindGroup, "Voltage comparison, input voltage kind"},
    {C::OutputVoltageKindGroup, "Voltage comparison, output voltage kind"},
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
