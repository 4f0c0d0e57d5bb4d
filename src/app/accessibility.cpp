#include "app/accessibility.h"

namespace tolvar::app {

namespace {

constexpr AccessibleName kNames[] = {
    // SWR, power, current and voltage.
    {"Text7", "Measured Z, R ohm"},
    {"Text8", "Measured Z, X ohm"},
    {"Text9", "Voltage, to compute power and current"},
    {"Text10", "Power, W or dBm, to compute voltage and current"},
    {"Text18", "Current A, to compute power and voltage"},
    {"Text12", "Reference Z0, R0 ohm"},
    {"Text11", "Reference Z0, X0 ohm"},
    {"Text6", "Reference Z0, forward power W"},
    {"Text2", "Power and current from voltage, result"},
    {"Text3", "Voltage and current from power, result"},
    {"Text19", "Power and voltage from current, result"},
    {"Text4", "SWR and auxiliary data, result"},
    // Input - output comparison and the tuner.
    {"Text15", "Input Z, R ohm"},
    {"Text1", "Input Z, X ohm"},
    {"Text16", "Output Z, R ohm"},
    {"Text17", "Output Z, X ohm"},
    {"Text13", "Voltage comparison, input voltage"},
    {"Text14", "Voltage comparison, output voltage"},
    {"Text20", "Current comparison, input A"},
    {"Text21", "Current comparison, output A"},
    {"Text30", "S Ant. real part"},
    {"Text34", "S Ant. imaginary part"},
    {"Text36", "S11 real part"},
    {"Text37", "S11 imaginary part"},
    {"Text33", "S21 real part"},
    {"Text32", "S21 imaginary part"},
    {"Text31", "S22 real part"},
    {"Text35", "S22 imaginary part"},
    {"Text38", "S12 real part"},
    {"Text39", "S12 imaginary part"},
    {"Text5", "Input - output comparison and tuner loss, result"},
    // Transmission line.
    {"Text23", "Starting point, R ohm"},
    {"Text24", "Starting point, X ohm"},
    {"Text28", "Transmission line, frequency MHz"},
    {"Text29", "Transmission line, power watt"},
    {"Text26", "Transmission line, RTX Z ohm"},
    {"Text40", "Line loss, dB per 100 metres"},
    {"Text25", "Line Z ohm"},
    {"Text27", "Line velocity factor"},
    {"Text22", "Transmission line, result"},
    {"Text41", "Length range of the half-wave cycle"},
    {"Combo1", "N. of lambda/2 cycles"},
    {"Combo2", "Cable"},
    {"HScroll1", "Shift along the line"},
};

}  // namespace

std::span<const AccessibleName> AccessibleNames() { return kNames; }

}  // namespace tolvar::app
