#pragma once

#include <string_view>

namespace tolvar::calc {

// The sentences a calculator writes into its result field instead of a result.

// SWR and auxiliary data.
inline constexpr std::string_view kNoForwardPower = "Insert a proper Forward Power value!";

// Power, voltage and current conversions.
inline constexpr std::string_view kNoVoltage = "Insert a proper voltage value!";
inline constexpr std::string_view kNoPower = "Insert a proper power value!";
// A power that is not above 0 on a non-zero entry (a pasted negative resistance,
// or a dBm entry so low that the power underflows) has no dBm value or voltage.
inline constexpr std::string_view kNoDbm = "Power in dBm cannot be computed from these entries!";
inline constexpr std::string_view kNoVoltageFromPower =
    "Voltage cannot be computed from these entries!";

// Current conversion and current comparison alike.
inline constexpr std::string_view kNoCurrent = "Insert a proper current value!";

// Voltage comparison.
inline constexpr std::string_view kNoComparedVoltage = "Insert a proper Voltage value!";

// Tuner insertion loss.
inline constexpr std::string_view kInvalidSParameters =
    "Invalid Data: check all the S- Parameters.";

// Transmission line, whose loss (a cable's model far above 150 MHz or below
// about 0.1 MHz, or a pasted entry) is below 0: a line cannot gain power.
inline constexpr std::string_view kNegativeLineLoss =
    "INVALID DATA: LINE LOSS BELOW 0 dB AT THIS FREQUENCY (A CABLE CANNOT GAIN POWER)!";

// Transmission line, towards the antenna.
inline constexpr std::string_view kEntrySwrTooHigh =
    "INVALID DATA: ENTRY SWR TOO HIGH (Reflected Power from the Antenna would be higher than "
    "Forward Power to the Antenna)!";

// Matching network, the high-pass T: entries it cannot design with. Why an
// output capacitor gives no T is a sentence of its own, with the figures.
inline constexpr std::string_view kTNeedsFrequency = "A T network needs a frequency above 0 MHz.";
inline constexpr std::string_view kTNeedsOutputCapacitor =
    "A T network needs an output capacitor above 0 pF.";
inline constexpr std::string_view kTNeedsReference =
    "A T network needs a reference impedance above 0 ohm.";
inline constexpr std::string_view kTNeedsLoadResistance =
    "A T network needs a load whose resistance is above 0 ohm.";

}  // namespace tolvar::calc
