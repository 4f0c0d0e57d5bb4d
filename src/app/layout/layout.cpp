#include "app/layout/layout.h"

#include <array>
#include <stdexcept>
#include <string>

namespace tolvar::app {

namespace {

using C = Control;
using K = ControlKind;

constexpr std::string_view kAntTip =
    "Connect the first port of the VNA to the cable from the antenna, leaving the second port "
    "of the VNA unconnected. ";
constexpr std::string_view kFwdTip =
    "Connect the first port of the VNA to the RTX port of the tuner and the second port to the "
    "ANT port of the tuner. ";
constexpr std::string_view kRevTip =
    "Connect the first port of the VNA to the ANT port of the tuner and the second port to the "
    "RTX port of the tuner. ";

// Joins tooltip pieces at compile time.
template <std::size_t N>
struct Joined {
  std::array<char, N> chars{};
  std::size_t size = 0;
  constexpr std::string_view view() const { return {chars.data(), size}; }
};
template <std::size_t N>
constexpr Joined<N> Join(std::string_view a, std::string_view b) {
  Joined<N> out;
  for (const char c : a) {
    out.chars[out.size++] = c;
  }
  for (const char c : b) {
    out.chars[out.size++] = c;
  }
  return out;
}
constexpr auto kAntennaReTip =
    Join<256>(kAntTip, "Insert the real part of the S11 as S Ant. real part.");
constexpr auto kAntennaImTip =
    Join<256>(kAntTip, "Insert the imaginary part of the S11 as S Ant. imaginary part.");
constexpr auto kS11ReTip = Join<256>(kFwdTip, "Read S11 on the VNA and insert the real part.");
constexpr auto kS11ImTip = Join<256>(kFwdTip, "Read S11 on the VNA and insert the imaginary part.");
constexpr auto kS21ReTip = Join<256>(kFwdTip, "Read S21 on the VNA and insert the real part.");
constexpr auto kS21ImTip = Join<256>(kFwdTip, "Read S21 on the VNA and insert the imaginary part.");
constexpr auto kS22ReTip =
    Join<256>(kRevTip, "Read S11 on the VNA and insert the real part as S22 real part.");
constexpr auto kS22ImTip =
    Join<256>(kRevTip, "Read S11 on the VNA and insert the imaginary part as S22 imaginary part.");
constexpr auto kS12ReTip =
    Join<256>(kRevTip, "Read S21 on the VNA and insert the real part as S12 real part.");
constexpr auto kS12ImTip =
    Join<256>(kRevTip, "Read S21 on the VNA and insert the imaginary part as S12 imaginary part.");

constexpr unsigned kSel = kSelected;
constexpr unsigned kOff = kDisabled;

// What an option's click empties: the result its choice no longer matches.
constexpr Control kVoltageResult[] = {C::PowerFromVoltageResult};
constexpr Control kPowerResult[] = {C::VoltageFromPowerResult};
constexpr Control kComparisonResult[] = {C::ComparisonResult};
constexpr Control kLineResult[] = {C::LineResult};
// What a button of the comparison panel empties first: the inputs of the two
// other calculators that share its result field.
constexpr Control kBesideVoltages[] = {C::InputCurrent, C::OutputCurrent, C::AntennaRe, C::S22Re,
                                       C::S21Im,        C::S21Re,         C::AntennaIm, C::S22Im,
                                       C::S11Re,        C::S11Im,         C::S12Re,     C::S12Im};
constexpr Control kBesideCurrents[] = {C::InputVoltage, C::OutputVoltage, C::AntennaRe, C::S22Re,
                                       C::S21Im,        C::S21Re,         C::AntennaIm, C::S22Im,
                                       C::S11Re,        C::S11Im,         C::S12Re,     C::S12Im};
constexpr Control kBesideTuner[] = {C::InputVoltage, C::OutputVoltage, C::InputCurrent,
                                    C::OutputCurrent};

// clang-format off
constexpr ControlRow kLayout[] = {
  // Panels, outermost first.
  {C::SwrFrame, "Frame1", K::CaptionedPanel, {}, 50, 0, 5200, 7200, "SWR, Power, Current, Voltage Computation", -1, 0, ""},
  {C::MeasuredZFrame, "Frame4", K::CaptionedPanel, C::SwrFrame, 120, 240, 5000, 750, "Measured Z", -1, 0, ""},
  {C::ReferenceZFrame, "Frame5", K::CaptionedPanel, C::SwrFrame, 120, 4680, 4935, 750, "Reference Z0", -1, 0, ""},
  {C::PowerUnitGroup, "Frame10", K::OptionPanel, C::SwrFrame, 120, 2360, 825, 495, "", -1, 0, ""},
  {C::VoltageKindGroup, "Frame3", K::OptionPanel, {}, 190, 1200, 1425, 495, "", -1, 0, ""},
  {C::ComparisonFrame, "Frame2", K::CaptionedPanel, {}, 5340, 0, 4900, 7200, "Input - Output Comparison", -1, 0, ""},
  {C::InputZFrame, "Frame6", K::CaptionedPanel, C::ComparisonFrame, 120, 240, 1455, 1575, "Input Z", -1, 0, ""},
  {C::OutputZFrame, "Frame7", K::CaptionedPanel, C::ComparisonFrame, 3360, 240, 1455, 1575, "Output Z", -1, 0, ""},
  {C::InputVoltageKindGroup, "Frame8", K::OptionPanel, C::ComparisonFrame, 120, 1800, 900, 930, "", -1, 0, ""},
  {C::OutputVoltageKindGroup, "Frame9", K::OptionPanel, C::ComparisonFrame, 3120, 1920, 1080, 825, "", -1, 0, ""},
  {C::TunerFrame, "Frame13", K::CaptionedPanel, C::ComparisonFrame, 120, 3360, 4695, 2535, "Antenna Tuner Losses with S-Parameters", -1, 0, ""},
  {C::AntennaFrame, "Frame14", K::CaptionedPanel, C::TunerFrame, 120, 240, 2175, 735, "S Ant. Real and Imag. parts", -1, 0, ""},
  {C::S11Frame, "Frame17", K::CaptionedPanel, C::TunerFrame, 2400, 240, 2175, 735, "S11 Real and Imag. parts", -1, 0, ""},
  {C::S21Frame, "Frame15", K::CaptionedPanel, C::TunerFrame, 120, 960, 2175, 735, "S21 Real and Imag. parts", -1, 0, ""},
  {C::S22Frame, "Frame16", K::CaptionedPanel, C::TunerFrame, 2400, 960, 2175, 735, "S22 Real and Imag. parts", -1, 0, ""},
  {C::S12Frame, "Frame18", K::CaptionedPanel, C::TunerFrame, 120, 1680, 2175, 735, "S12 Real and Imag. parts", -1, 0, ""},
  {C::LineFrame, "Frame11", K::CaptionedPanel, {}, 50, 7320, 10200, 2800, "Transmission Lines Voltage, Current and SWR. Max Freq.: 150 MHz", -1, 0, ""},
  {C::ShiftDirectionFrame, "Frame12", K::CaptionedPanel, C::LineFrame, 70, 220, 2655, 550, "Shift direction", -1, 0, ""},
  {C::ShiftAndLossFrame, "Frame19", K::CaptionedPanel, C::LineFrame, 70, 760, 10050, 1350, "Shift Lenght and Transmission Line Loss", -1, 0, ""},

  // SWR, power, current and voltage.
  {C::MeasuredRLabel, "Label2_0", K::Label, C::MeasuredZFrame, 120, 360, 735, 255, "R ohm:", -1, 0, ""},
  {C::MeasuredR, "Text7", K::Entry, C::SwrFrame, 960, 480, 615, 375, "", 0, 0, ""},
  {C::MeasuredXLabel, "Label2_1", K::Label, C::MeasuredZFrame, 1680, 360, 735, 255, "X ohm:", -1, 0, ""},
  {C::MeasuredX, "Text8", K::Entry, C::SwrFrame, 2400, 480, 615, 375, "", 1, 0, ""},
  {C::MeasuredZHint, "Label8", K::Label, C::MeasuredZFrame, 3000, 105, 1575, 615, "Insert R and X as measured at the point of interest.", -1, 0, ""},
  {C::PowerFromVoltageCaption, "Label4", K::Label, C::SwrFrame, 120, 1000, 3255, 255, "To compute Power and Current from Voltage", -1, 0, ""},
  {C::VoltsRms, "Option1", K::Option, C::VoltageKindGroup, 0, 0, 800, 255, "Vrms", 2, kSel, "", kVoltageResult},
  {C::VoltsPeakToPeak, "Option2", K::Option, C::VoltageKindGroup, 720, 0, 615, 255, "Vpp", 4, 0, "", kVoltageResult},
  {C::VoltsPeak, "Option13", K::Option, C::VoltageKindGroup, 0, 240, 615, 255, "Vp", 3, 0, "", kVoltageResult},
  {C::Voltage, "Text9", K::Entry, C::SwrFrame, 1650, 1280, 615, 375, "", 5, 0, ""},
  {C::PowerFromVoltageButton, "Command1", K::Button, C::SwrFrame, 2400, 1280, 2655, 375, "COMPUTE &PWR AND CURRENT", 6, 0, ""},
  {C::PowerFromVoltageResult, "Text2", K::Result, C::SwrFrame, 120, 1720, 4935, 375, "", 64, kOff, ""},
  {C::VoltageFromPowerCaption, "Label5", K::Label, C::SwrFrame, 120, 2160, 3255, 255, "To compute Voltage and Current from Power", -1, 0, ""},
  {C::PowerInWatts, "Option8", K::Option, C::PowerUnitGroup, 0, 0, 800, 255, "Watt", 7, kSel, "", kPowerResult},
  {C::PowerInDbm, "Option7", K::Option, C::PowerUnitGroup, 0, 240, 800, 255, "dBm", 8, 0, "", kPowerResult},
  // The power-unit options stand where this caption was drawn, and their panel
  // always covered it.
  {C::PowerLabel, "Label2_3", K::Label, C::SwrFrame, 120, 2520, 735, 255, "Power W:", -1, kHidden, ""},
  {C::Power, "Text10", K::Entry, C::SwrFrame, 960, 2420, 615, 375, "", 9, 0, ""},
  {C::VoltageFromPowerButton, "Command2", K::Button, C::SwrFrame, 1920, 2400, 3135, 375, "COMPUTE &VOLTAGE AND CURRENT", 10, 0, ""},
  {C::VoltageFromPowerResult, "Text3", K::Result, C::SwrFrame, 120, 2860, 4935, 375, "", 84, kOff, ""},
  {C::PowerFromCurrentCaption, "Label10", K::Label, C::SwrFrame, 120, 3300, 3375, 255, "To compute Power and Voltage from Current", -1, 0, ""},
  {C::CurrentLabel, "Label11", K::Label, C::SwrFrame, 120, 3650, 780, 255, "Current A:", -1, 0, ""},
  {C::Current, "Text18", K::Entry, C::SwrFrame, 960, 3550, 615, 375, "", 11, 0, ""},
  {C::PowerFromCurrentButton, "Command5", K::Button, C::SwrFrame, 1920, 3550, 3135, 375, "COMPUTE POWER AND VOLT&AGE", 12, 0, ""},
  {C::PowerFromCurrentResult, "Text19", K::Result, C::SwrFrame, 120, 3990, 4935, 375, "", 89, kOff, ""},
  {C::AuxiliaryDataCaption, "Label3", K::Label, C::SwrFrame, 120, 4450, 1215, 255, "Auxiliary Data:", -1, 0, ""},
  {C::ReferenceRLabel, "Label2_5", K::Label, C::ReferenceZFrame, 100, 360, 735, 255, "R0 ohm:", -1, 0, ""},
  {C::ReferenceR, "Text12", K::Entry, C::SwrFrame, 880, 4920, 615, 375, "50", 13, 0, ""},
  {C::ReferenceXLabel, "Label2_4", K::Label, C::ReferenceZFrame, 1500, 360, 735, 255, "X0 ohm:", -1, 0, ""},
  {C::ReferenceX, "Text11", K::Entry, C::SwrFrame, 2300, 4920, 615, 375, "0", 14, 0, ""},
  {C::ForwardPowerLabel, "Label7", K::Label, C::ReferenceZFrame, 2950, 360, 1335, 255, "FWD PWR W:", -1, 0, ""},
  {C::ForwardPower, "Text6", K::Entry, C::ReferenceZFrame, 4080, 240, 615, 375, "100", 15, 0, ""},
  {C::SwrButton, "Command4", K::Button, C::SwrFrame, 120, 5520, 4935, 375, "COMPUTE &SWR AND AUXILIARY DATA", 16, 0, ""},
  {C::SwrResult, "Text4", K::MultiResult, C::SwrFrame, 120, 6000, 4935, 1100, "", 66, kOff, ""},

  // Input - output comparison.
  {C::InputRLabel, "Label2_7", K::Label, C::InputZFrame, 120, 480, 735, 375, "R ohm:", -1, 0, ""},
  {C::InputR, "Text15", K::Entry, C::InputZFrame, 720, 360, 615, 375, "", 17, 0, ""},
  {C::InputXLabel, "Label2_6", K::Label, C::InputZFrame, 120, 1080, 855, 255, "X ohm:", -1, 0, ""},
  {C::InputX, "Text1", K::Entry, C::InputZFrame, 720, 960, 615, 375, "", 18, 0, ""},
  {C::ComparisonHint, "Label9", K::Label, C::ComparisonFrame, 1605, 240, 1695, 1575, "Input can be, for instance, the radio port of tuner or another transformer, of a transmission line, or of an amplifier. Output can be the antenna port.", -1, 0, ""},
  {C::OutputRLabel, "Label2_9", K::Label, C::OutputZFrame, 120, 480, 735, 375, "R ohm:", -1, 0, ""},
  {C::OutputR, "Text16", K::Entry, C::OutputZFrame, 720, 360, 615, 375, "", 24, 0, ""},
  {C::OutputXLabel, "Label2_8", K::Label, C::OutputZFrame, 120, 1080, 735, 255, "X ohm:", -1, 0, ""},
  {C::OutputX, "Text17", K::Entry, C::OutputZFrame, 720, 960, 615, 375, "", 25, 0, ""},
  {C::InputVoltsRms, "Option4", K::Option, C::InputVoltageKindGroup, 0, 120, 1000, 255, "IN Vrms", 19, kSel, "", kComparisonResult},
  {C::InputVoltsPeak, "Option14", K::Option, C::InputVoltageKindGroup, 0, 360, 1000, 255, "IN Vp", 20, 0, "", kComparisonResult},
  {C::InputVoltsPeakToPeak, "Option3", K::Option, C::InputVoltageKindGroup, 0, 600, 1000, 255, "IN Vpp", 21, 0, "", kComparisonResult},
  {C::VoltageComparisonCaption, "Label14", K::Label, C::ComparisonFrame, 1680, 1830, 1575, 255, "Voltage Comparison", -1, kCondensed, ""},
  {C::OutputVoltsRms, "Option5", K::Option, C::OutputVoltageKindGroup, 0, 0, 1080, 255, "OUT Vrms", 26, kSel, "", kComparisonResult},
  {C::OutputVoltsPeak, "Option15", K::Option, C::OutputVoltageKindGroup, 0, 240, 1050, 255, "OUT Vp", 27, 0, "", kComparisonResult},
  {C::OutputVoltsPeakToPeak, "Option6", K::Option, C::OutputVoltageKindGroup, 20, 480, 1050, 255, "OUT Vpp", 28, 0, "", kComparisonResult},
  {C::InputVoltage, "Text13", K::Entry, C::ComparisonFrame, 1080, 2110, 615, 375, "", 22, 0, ""},
  {C::CompareVoltagesButton, "Command3", K::Button, C::ComparisonFrame, 1800, 2110, 1150, 375, "&COMPARE V", 31, 0, "", kBesideVoltages},
  {C::OutputVoltage, "Text14", K::Entry, C::ComparisonFrame, 4200, 2110, 615, 375, "", 29, 0, ""},
  {C::CurrentComparisonCaption, "Label6", K::Label, C::ComparisonFrame, 1680, 2560, 1575, 255, "Current Comparison", -1, kCondensed, ""},
  {C::InputCurrentLabel, "Label12", K::Label, C::ComparisonFrame, 240, 2920, 855, 255, "Input A:", -1, 0, ""},
  {C::InputCurrent, "Text20", K::Entry, C::ComparisonFrame, 1080, 2840, 615, 375, "", 23, 0, ""},
  {C::CompareCurrentsButton, "Command6", K::Button, C::ComparisonFrame, 1800, 2840, 1150, 375, "C&OMPARE A", 32, 0, "", kBesideCurrents},
  {C::OutputCurrentLabel, "Label13", K::Label, C::ComparisonFrame, 3360, 2920, 975, 255, "Output A:", -1, 0, ""},
  {C::OutputCurrent, "Text21", K::Entry, C::ComparisonFrame, 4200, 2840, 615, 375, "", 30, 0, ""},
  {{}, "", K::Label, C::AntennaFrame, 120, 360, 210, 255, "R:", -1, 0, ""},
  {{}, "", K::Label, C::AntennaFrame, 1080, 360, 210, 255, "I:", -1, 0, ""},
  {C::AntennaRe, "Text30", K::Entry, C::AntennaFrame, 340, 240, 655, 375, "", 33, 0, kAntennaReTip.view()},
  {C::AntennaIm, "Text34", K::Entry, C::AntennaFrame, 1300, 240, 655, 375, "", 34, 0, kAntennaImTip.view()},
  {{}, "", K::Label, C::S11Frame, 120, 360, 210, 255, "R:", -1, 0, ""},
  {{}, "", K::Label, C::S11Frame, 1080, 360, 210, 255, "I:", -1, 0, ""},
  {C::S11Re, "Text36", K::Entry, C::S11Frame, 340, 240, 655, 375, "", 35, 0, kS11ReTip.view()},
  {C::S11Im, "Text37", K::Entry, C::S11Frame, 1300, 240, 655, 375, "", 36, 0, kS11ImTip.view()},
  {{}, "", K::Label, C::S21Frame, 120, 360, 210, 255, "R:", -1, 0, ""},
  {{}, "", K::Label, C::S21Frame, 1080, 360, 210, 255, "I:", -1, 0, ""},
  {C::S21Re, "Text33", K::Entry, C::S21Frame, 340, 240, 655, 375, "", 37, 0, kS21ReTip.view()},
  {C::S21Im, "Text32", K::Entry, C::S21Frame, 1300, 240, 655, 375, "", 38, 0, kS21ImTip.view()},
  {{}, "", K::Label, C::S22Frame, 120, 360, 210, 255, "R:", -1, 0, ""},
  {{}, "", K::Label, C::S22Frame, 1080, 360, 210, 255, "I:", -1, 0, ""},
  {C::S22Re, "Text31", K::Entry, C::S22Frame, 340, 240, 655, 375, "", 39, 0, kS22ReTip.view()},
  {C::S22Im, "Text35", K::Entry, C::S22Frame, 1300, 240, 655, 375, "", 40, 0, kS22ImTip.view()},
  {{}, "", K::Label, C::S12Frame, 120, 360, 210, 255, "R:", -1, 0, ""},
  {{}, "", K::Label, C::S12Frame, 1080, 360, 210, 255, "I:", -1, 0, ""},
  {C::S12Re, "Text38", K::Entry, C::S12Frame, 340, 240, 655, 375, "", 41, 0, kS12ReTip.view()},
  {C::S12Im, "Text39", K::Entry, C::S12Frame, 1300, 240, 655, 375, "", 42, 0, kS12ImTip.view()},
  {C::TunerLossButton, "Command8", K::Button, C::TunerFrame, 2400, 1800, 1575, 615, "COMPUTE TUNER INSERTION &LOSS", 43, 0, "", kBesideTuner},
  {C::ComparisonResult, "Text5", K::MultiResult, C::ComparisonFrame, 120, 6000, 4695, 1100, "", 107, kOff, ""},

  // Transmission line.
  {C::TowardsAntenna, "Option9", K::Option, C::ShiftDirectionFrame, 120, 240, 1125, 255, "<--- to ANT", 44, 0, "", kLineResult},
  {C::TowardsTransmitter, "Option10", K::Option, C::ShiftDirectionFrame, 1440, 240, 1125, 255, "to RTX --->", 45, kSel, "", kLineResult},
  {C::StartRLabel, "Label16", K::Label, C::LineFrame, 2800, 500, 255, 255, "R:", -1, 0, ""},
  {C::StartR, "Text23", K::Entry, C::LineFrame, 3000, 400, 600, 375, "", 46, 0, "Insert resistance of the starting point (ohm)."},
  {C::StartXLabel, "Label17", K::Label, C::LineFrame, 3650, 500, 255, 255, "X:", -1, 0, ""},
  {C::StartX, "Text24", K::Entry, C::LineFrame, 3850, 400, 600, 375, "", 47, 0, "Insert reactance of the starting point (ohm)."},
  {C::FrequencyLabel, "Label21", K::Label, C::LineFrame, 4500, 480, 495, 255, "MHz:", -1, 0, ""},
  {C::Frequency, "Text28", K::Entry, C::LineFrame, 4900, 400, 600, 375, "14.000", 48, 0, "Insert frequency (MHz)."},
  {C::LinePowerLabel, "Label22", K::Label, C::LineFrame, 5580, 480, 495, 255, "watt:", -1, 0, ""},
  {C::LinePower, "Text29", K::Entry, C::LineFrame, 6000, 400, 580, 375, "100", 49, 0, "Insert power (watt)."},
  {C::RtxZLabel, "Label19", K::Label, C::LineFrame, 6600, 495, 615, 255, "RTX Z:", -1, 0, ""},
  {C::RtxZ, "Text26", K::Entry, C::LineFrame, 7150, 400, 375, 375, "50", 50, 0, "Insert RTX impedance (ohm)."},
  {C::UnreliableNote, "Label36", K::Label, C::LineFrame, 7400, 180, 2700, 615, "ENTRY SWR > 25 OR F > 150 MHz: DATA NOT RELIABLE!", -1, kHidden | kBold, ""},
  {C::ShiftBar, "HScroll1", K::ScrollBar, C::ShiftAndLossFrame, 3245, 120, 6740, 255, "", 57, 0, ""},
  {C::CableBox, "Combo2", K::CableBox, C::ShiftAndLossFrame, 80, 400, 3170, 315, "Messi e Paoloni Pota-Flex 6", 134, 0, ""},
  {C::LineResult, "Text22", K::MultiResult, C::ShiftAndLossFrame, 3245, 400, 6740, 900, "", 124, 0, ""},
  {C::AutoLineData, "Option16", K::Option, C::ShiftAndLossFrame, 50, 900, 1215, 210, "Auto", 51, kSel, "", kLineResult},
  {C::ManualLineData, "Option11", K::Option, C::ShiftAndLossFrame, 50, 1100, 1215, 210, "dB/100 mtrs.", 52, kCondensed, "", kLineResult},
  {C::LineLoss, "Text40", K::Entry, C::ShiftAndLossFrame, 1280, 930, 380, 375, "0", 53, kOff | kLineData, ""},
  {C::LineZLabel, "Label18", K::Label, C::ShiftAndLossFrame, 1680, 1000, 255, 255, "Z:", -1, 0, ""},
  {C::LineZ, "Text25", K::Entry, C::ShiftAndLossFrame, 1850, 930, 500, 375, "50", 54, kOff | kLineData, "Insert transmission line characteristic impedance (ohm)."},
  {C::VelocityFactorLabel, "Label20", K::Label, C::ShiftAndLossFrame, 2370, 1000, 375, 255, "V.F.:", -1, 0, ""},
  {C::VelocityFactor, "Text27", K::Entry, C::ShiftAndLossFrame, 2730, 930, 500, 375, "0.67", 55, kOff | kLineData, "Insert transmission line velocity factor."},
  {C::CyclesLabel, "Label34", K::Label, C::LineFrame, 75, 2100, 855, 615, "N. of lambda/2 cycles:", -1, 0, ""},
  {C::CyclesBox, "Combo1", K::PickList, C::LineFrame, 840, 2300, 660, 315, "1", 56, 0, ""},
  {C::HalfWaveRange, "Text41", K::Display, C::LineFrame, 1575, 2300, 1860, 315, "0.00 - 7.18 mt", 59, kOff, ""},
  {C::ShiftHint, "Label23", K::Label, C::LineFrame, 3460, 2100, 5490, 615, "Shift in degrees and lambda is the electrical shift (360\u00b0 are one lambda or two complete turns on the Smith Chart), while shift in meters indicates the phisical lenght. Degrees and lambda are negative when shifting towards the antenna.", -1, kCondensed, ""},
  {C::SwapPowerButton, "Command9", K::Button, C::LineFrame, 8970, 2100, 1140, 600, "SWAP PO&WER", 58, 0, ""},

  // The help button lies over the comparison panel, on top of everything.
  {C::HelpButton, "Command7", K::Button, {}, 9480, 5160, 495, 615, "&?", 60, kBold | kLarge, ""},
};
// clang-format on

}  // namespace

std::span<const ControlRow> WindowLayout() { return kLayout; }

const ControlRow& LayoutRow(Control control) {
  static const auto kRowIndex = [] {
    std::array<const ControlRow*, kControlCount> index{};
    for (const ControlRow& row : kLayout) {
      if (row.name) {
        index[static_cast<std::size_t>(*row.name)] = &row;
      }
    }
    return index;
  }();
  const ControlRow* row = kRowIndex[static_cast<std::size_t>(control)];
  if (row == nullptr) {
    throw std::logic_error("no layout row for control " +
                           std::to_string(static_cast<int>(control)));
  }
  return *row;
}

std::string_view LayoutName(Control control) { return LayoutRow(control).layoutName; }

}  // namespace tolvar::app
