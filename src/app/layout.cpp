#include "app/layout.h"

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
constexpr auto kTip30 = Join<256>(kAntTip, "Insert the real part of the S11 as S Ant. real part.");
constexpr auto kTip34 =
    Join<256>(kAntTip, "Insert the imaginary part of the S11 as S Ant. imaginary part.");
constexpr auto kTip36 = Join<256>(kFwdTip, "Read S11 on the VNA and insert the real part.");
constexpr auto kTip37 = Join<256>(kFwdTip, "Read S11 on the VNA and insert the imaginary part.");
constexpr auto kTip33 = Join<256>(kFwdTip, "Read S21 on the VNA and insert the real part.");
constexpr auto kTip32 = Join<256>(kFwdTip, "Read S21 on the VNA and insert the imaginary part.");
constexpr auto kTip31 =
    Join<256>(kRevTip, "Read S11 on the VNA and insert the real part as S22 real part.");
constexpr auto kTip35 =
    Join<256>(kRevTip, "Read S11 on the VNA and insert the imaginary part as S22 imaginary part.");
constexpr auto kTip38 =
    Join<256>(kRevTip, "Read S21 on the VNA and insert the real part as S12 real part.");
constexpr auto kTip39 =
    Join<256>(kRevTip, "Read S21 on the VNA and insert the imaginary part as S12 imaginary part.");

constexpr unsigned kSel = kSelected;
constexpr unsigned kOff = kDisabled;

// What an option's click empties: the result its choice no longer matches.
constexpr Control kVoltageResult[] = {C::Text2};
constexpr Control kPowerResult[] = {C::Text3};
constexpr Control kComparisonResult[] = {C::Text5};
constexpr Control kLineResult[] = {C::Text22};
// What a button of the comparison panel empties first: the inputs of the two
// other calculators that share its result field.
constexpr Control kBesideVoltages[] = {C::Text20, C::Text21, C::Text30, C::Text31,
                                       C::Text32, C::Text33, C::Text34, C::Text35,
                                       C::Text36, C::Text37, C::Text38, C::Text39};
constexpr Control kBesideCurrents[] = {C::Text13, C::Text14, C::Text30, C::Text31,
                                       C::Text32, C::Text33, C::Text34, C::Text35,
                                       C::Text36, C::Text37, C::Text38, C::Text39};
constexpr Control kBesideTuner[] = {C::Text13, C::Text14, C::Text20, C::Text21};

// clang-format off
constexpr ControlSpec kLayout[] = {
  // Panels, outermost first.
  {C::Frame1, K::CaptionedPanel, {}, 50, 0, 5200, 7200, "SWR, Power, Current, Voltage Computation", -1, 0, ""},
  {C::Frame4, K::CaptionedPanel, C::Frame1, 120, 240, 5000, 750, "Measured Z", -1, 0, ""},
  {C::Frame5, K::CaptionedPanel, C::Frame1, 120, 4680, 4935, 750, "Reference Z0", -1, 0, ""},
  {C::Frame10, K::OptionPanel, C::Frame1, 120, 2360, 825, 495, "", -1, 0, ""},
  {C::Frame3, K::OptionPanel, {}, 190, 1200, 1425, 495, "", -1, 0, ""},
  {C::Frame2, K::CaptionedPanel, {}, 5340, 0, 4900, 7200, "Input - Output Comparison", -1, 0, ""},
  {C::Frame6, K::CaptionedPanel, C::Frame2, 120, 240, 1455, 1575, "Input Z", -1, 0, ""},
  {C::Frame7, K::CaptionedPanel, C::Frame2, 3360, 240, 1455, 1575, "Output Z", -1, 0, ""},
  {C::Frame8, K::OptionPanel, C::Frame2, 120, 1800, 900, 930, "", -1, 0, ""},
  {C::Frame9, K::OptionPanel, C::Frame2, 3120, 1920, 1080, 825, "", -1, 0, ""},
  {C::Frame13, K::CaptionedPanel, C::Frame2, 120, 3360, 4695, 2535, "Antenna Tuner Losses with S-Parameters", -1, 0, ""},
  {C::Frame14, K::CaptionedPanel, C::Frame13, 120, 240, 2175, 735, "S Ant. Real and Imag. parts", -1, 0, ""},
  {C::Frame17, K::CaptionedPanel, C::Frame13, 2400, 240, 2175, 735, "S11 Real and Imag. parts", -1, 0, ""},
  {C::Frame15, K::CaptionedPanel, C::Frame13, 120, 960, 2175, 735, "S21 Real and Imag. parts", -1, 0, ""},
  {C::Frame16, K::CaptionedPanel, C::Frame13, 2400, 960, 2175, 735, "S22 Real and Imag. parts", -1, 0, ""},
  {C::Frame18, K::CaptionedPanel, C::Frame13, 120, 1680, 2175, 735, "S12 Real and Imag. parts", -1, 0, ""},
  {C::Frame11, K::CaptionedPanel, {}, 50, 7320, 10200, 2800, "Transmission Lines Voltage, Current and SWR. Max Freq.: 150 MHz", -1, 0, ""},
  {C::Frame12, K::CaptionedPanel, C::Frame11, 70, 220, 2655, 550, "Shift direction", -1, 0, ""},
  {C::Frame19, K::CaptionedPanel, C::Frame11, 70, 760, 10050, 1350, "Shift Lenght and Transmission Line Loss", -1, 0, ""},

  // SWR, power, current and voltage.
  {C::Label2_0, K::Label, C::Frame4, 120, 360, 735, 255, "R ohm:", -1, 0, ""},
  {C::Text7, K::Entry, C::Frame1, 960, 480, 615, 375, "", 0, 0, ""},
  {C::Label2_1, K::Label, C::Frame4, 1680, 360, 735, 255, "X ohm:", -1, 0, ""},
  {C::Text8, K::Entry, C::Frame1, 2400, 480, 615, 375, "", 1, 0, ""},
  {C::Label8, K::Label, C::Frame4, 3000, 105, 1575, 615, "Insert R and X as measured at the point of interest.", -1, 0, ""},
  {C::Label4, K::Label, C::Frame1, 120, 1000, 3255, 255, "To compute Power and Current from Voltage", -1, 0, ""},
  {C::Option1, K::Option, C::Frame3, 0, 0, 800, 255, "Vrms", 2, kSel, "", kVoltageResult},
  {C::Option2, K::Option, C::Frame3, 720, 0, 615, 255, "Vpp", 4, 0, "", kVoltageResult},
  {C::Option13, K::Option, C::Frame3, 0, 240, 615, 255, "Vp", 3, 0, "", kVoltageResult},
  {C::Text9, K::Entry, C::Frame1, 1650, 1280, 615, 375, "", 5, 0, ""},
  {C::Command1, K::Button, C::Frame1, 2400, 1280, 2655, 375, "COMPUTE &PWR AND CURRENT", 6, 0, ""},
  {C::Text2, K::Result, C::Frame1, 120, 1720, 4935, 375, "", 64, kOff, ""},
  {C::Label5, K::Label, C::Frame1, 120, 2160, 3255, 255, "To compute Voltage and Current from Power", -1, 0, ""},
  {C::Option8, K::Option, C::Frame10, 0, 0, 800, 255, "Watt", 7, kSel, "", kPowerResult},
  {C::Option7, K::Option, C::Frame10, 0, 240, 800, 255, "dBm", 8, 0, "", kPowerResult},
  // The power-unit options stand where this caption was drawn, and their panel
  // always covered it.
  {C::Label2_3, K::Label, C::Frame1, 120, 2520, 735, 255, "Power W:", -1, kHidden, ""},
  {C::Text10, K::Entry, C::Frame1, 960, 2420, 615, 375, "", 9, 0, ""},
  {C::Command2, K::Button, C::Frame1, 1920, 2400, 3135, 375, "COMPUTE &VOLTAGE AND CURRENT", 10, 0, ""},
  {C::Text3, K::Result, C::Frame1, 120, 2860, 4935, 375, "", 84, kOff, ""},
  {C::Label10, K::Label, C::Frame1, 120, 3300, 3375, 255, "To compute Power and Voltage from Current", -1, 0, ""},
  {C::Label11, K::Label, C::Frame1, 120, 3650, 780, 255, "Current A:", -1, 0, ""},
  {C::Text18, K::Entry, C::Frame1, 960, 3550, 615, 375, "", 11, 0, ""},
  {C::Command5, K::Button, C::Frame1, 1920, 3550, 3135, 375, "COMPUTE POWER AND VOLT&AGE", 12, 0, ""},
  {C::Text19, K::Result, C::Frame1, 120, 3990, 4935, 375, "", 89, kOff, ""},
  {C::Label3, K::Label, C::Frame1, 120, 4450, 1215, 255, "Auxiliary Data:", -1, 0, ""},
  {C::Label2_5, K::Label, C::Frame5, 100, 360, 735, 255, "R0 ohm:", -1, 0, ""},
  {C::Text12, K::Entry, C::Frame1, 880, 4920, 615, 375, "50", 13, 0, ""},
  {C::Label2_4, K::Label, C::Frame5, 1500, 360, 735, 255, "X0 ohm:", -1, 0, ""},
  {C::Text11, K::Entry, C::Frame1, 2300, 4920, 615, 375, "0", 14, 0, ""},
  {C::Label7, K::Label, C::Frame5, 2950, 360, 1335, 255, "FWD PWR W:", -1, 0, ""},
  {C::Text6, K::Entry, C::Frame5, 4080, 240, 615, 375, "100", 15, 0, ""},
  {C::Command4, K::Button, C::Frame1, 120, 5520, 4935, 375, "COMPUTE &SWR AND AUXILIARY DATA", 16, 0, ""},
  {C::Text4, K::MultiResult, C::Frame1, 120, 6000, 4935, 1100, "", 66, kOff, ""},

  // Input - output comparison.
  {C::Label2_7, K::Label, C::Frame6, 120, 480, 735, 375, "R ohm:", -1, 0, ""},
  {C::Text15, K::Entry, C::Frame6, 720, 360, 615, 375, "", 17, 0, ""},
  {C::Label2_6, K::Label, C::Frame6, 120, 1080, 855, 255, "X ohm:", -1, 0, ""},
  {C::Text1, K::Entry, C::Frame6, 720, 960, 615, 375, "", 18, 0, ""},
  {C::Label9, K::Label, C::Frame2, 1605, 240, 1695, 1575, "Input can be, for instance, the radio port of tuner or another transformer, of a transmission line, or of an amplifier. Output can be the antenna port.", -1, 0, ""},
  {C::Label2_9, K::Label, C::Frame7, 120, 480, 735, 375, "R ohm:", -1, 0, ""},
  {C::Text16, K::Entry, C::Frame7, 720, 360, 615, 375, "", 24, 0, ""},
  {C::Label2_8, K::Label, C::Frame7, 120, 1080, 735, 255, "X ohm:", -1, 0, ""},
  {C::Text17, K::Entry, C::Frame7, 720, 960, 615, 375, "", 25, 0, ""},
  {C::Option4, K::Option, C::Frame8, 0, 120, 1000, 255, "IN Vrms", 19, kSel, "", kComparisonResult},
  {C::Option14, K::Option, C::Frame8, 0, 360, 1000, 255, "IN Vp", 20, 0, "", kComparisonResult},
  {C::Option3, K::Option, C::Frame8, 0, 600, 1000, 255, "IN Vpp", 21, 0, "", kComparisonResult},
  {C::Label14, K::Label, C::Frame2, 1680, 1830, 1575, 255, "Voltage Comparison", -1, kCondensed, ""},
  {C::Option5, K::Option, C::Frame9, 0, 0, 1080, 255, "OUT Vrms", 26, kSel, "", kComparisonResult},
  {C::Option15, K::Option, C::Frame9, 0, 240, 1050, 255, "OUT Vp", 27, 0, "", kComparisonResult},
  {C::Option6, K::Option, C::Frame9, 20, 480, 1050, 255, "OUT Vpp", 28, 0, "", kComparisonResult},
  {C::Text13, K::Entry, C::Frame2, 1080, 2110, 615, 375, "", 22, 0, ""},
  {C::Command3, K::Button, C::Frame2, 1800, 2110, 1150, 375, "&COMPARE V", 31, 0, "", kBesideVoltages},
  {C::Text14, K::Entry, C::Frame2, 4200, 2110, 615, 375, "", 29, 0, ""},
  {C::Label6, K::Label, C::Frame2, 1680, 2560, 1575, 255, "Current Comparison", -1, kCondensed, ""},
  {C::Label12, K::Label, C::Frame2, 240, 2920, 855, 255, "Input A:", -1, 0, ""},
  {C::Text20, K::Entry, C::Frame2, 1080, 2840, 615, 375, "", 23, 0, ""},
  {C::Command6, K::Button, C::Frame2, 1800, 2840, 1150, 375, "C&OMPARE A", 32, 0, "", kBesideCurrents},
  {C::Label13, K::Label, C::Frame2, 3360, 2920, 975, 255, "Output A:", -1, 0, ""},
  {C::Text21, K::Entry, C::Frame2, 4200, 2840, 615, 375, "", 30, 0, ""},
  {{}, K::Label, C::Frame14, 120, 360, 210, 255, "R:", -1, 0, ""},
  {{}, K::Label, C::Frame14, 1080, 360, 210, 255, "I:", -1, 0, ""},
  {C::Text30, K::Entry, C::Frame14, 340, 240, 655, 375, "", 33, 0, kTip30.view()},
  {C::Text34, K::Entry, C::Frame14, 1300, 240, 655, 375, "", 34, 0, kTip34.view()},
  {{}, K::Label, C::Frame17, 120, 360, 210, 255, "R:", -1, 0, ""},
  {{}, K::Label, C::Frame17, 1080, 360, 210, 255, "I:", -1, 0, ""},
  {C::Text36, K::Entry, C::Frame17, 340, 240, 655, 375, "", 35, 0, kTip36.view()},
  {C::Text37, K::Entry, C::Frame17, 1300, 240, 655, 375, "", 36, 0, kTip37.view()},
  {{}, K::Label, C::Frame15, 120, 360, 210, 255, "R:", -1, 0, ""},
  {{}, K::Label, C::Frame15, 1080, 360, 210, 255, "I:", -1, 0, ""},
  {C::Text33, K::Entry, C::Frame15, 340, 240, 655, 375, "", 37, 0, kTip33.view()},
  {C::Text32, K::Entry, C::Frame15, 1300, 240, 655, 375, "", 38, 0, kTip32.view()},
  {{}, K::Label, C::Frame16, 120, 360, 210, 255, "R:", -1, 0, ""},
  {{}, K::Label, C::Frame16, 1080, 360, 210, 255, "I:", -1, 0, ""},
  {C::Text31, K::Entry, C::Frame16, 340, 240, 655, 375, "", 39, 0, kTip31.view()},
  {C::Text35, K::Entry, C::Frame16, 1300, 240, 655, 375, "", 40, 0, kTip35.view()},
  {{}, K::Label, C::Frame18, 120, 360, 210, 255, "R:", -1, 0, ""},
  {{}, K::Label, C::Frame18, 1080, 360, 210, 255, "I:", -1, 0, ""},
  {C::Text38, K::Entry, C::Frame18, 340, 240, 655, 375, "", 41, 0, kTip38.view()},
  {C::Text39, K::Entry, C::Frame18, 1300, 240, 655, 375, "", 42, 0, kTip39.view()},
  {C::Command8, K::Button, C::Frame13, 2400, 1800, 1575, 615, "COMPUTE TUNER INSERTION &LOSS", 43, 0, "", kBesideTuner},
  {C::Text5, K::MultiResult, C::Frame2, 120, 6000, 4695, 1100, "", 107, kOff, ""},

  // Transmission line.
  {C::Option9, K::Option, C::Frame12, 120, 240, 1125, 255, "<--- to ANT", 44, 0, "", kLineResult},
  {C::Option10, K::Option, C::Frame12, 1440, 240, 1125, 255, "to RTX --->", 45, kSel, "", kLineResult},
  {C::Label16, K::Label, C::Frame11, 2800, 500, 255, 255, "R:", -1, 0, ""},
  {C::Text23, K::Entry, C::Frame11, 3000, 400, 600, 375, "", 46, 0, "Insert resistance of the starting point (ohm)."},
  {C::Label17, K::Label, C::Frame11, 3650, 500, 255, 255, "X:", -1, 0, ""},
  {C::Text24, K::Entry, C::Frame11, 3850, 400, 600, 375, "", 47, 0, "Insert reactance of the starting point (ohm)."},
  {C::Label21, K::Label, C::Frame11, 4500, 480, 495, 255, "MHz:", -1, 0, ""},
  {C::Text28, K::Entry, C::Frame11, 4900, 400, 600, 375, "14.000", 48, 0, "Insert frequency (MHz)."},
  {C::Label22, K::Label, C::Frame11, 5580, 480, 495, 255, "watt:", -1, 0, ""},
  {C::Text29, K::Entry, C::Frame11, 6000, 400, 580, 375, "100", 49, 0, "Insert power (watt)."},
  {C::Label19, K::Label, C::Frame11, 6600, 495, 615, 255, "RTX Z:", -1, 0, ""},
  {C::Text26, K::Entry, C::Frame11, 7150, 400, 375, 375, "50", 50, 0, "Insert RTX impedance (ohm)."},
  {C::Label36, K::Label, C::Frame11, 7400, 180, 2700, 615, "ENTRY SWR > 25 OR F > 150 MHz: DATA NOT RELIABLE!", -1, kHidden | kBold, ""},
  {C::HScroll1, K::ScrollBar, C::Frame19, 3245, 120, 6740, 255, "", 57, 0, ""},
  {C::Combo2, K::CableBox, C::Frame19, 80, 400, 3170, 315, "Messi e Paoloni Pota-Flex 6", 134, 0, ""},
  {C::Text22, K::MultiResult, C::Frame19, 3245, 400, 6740, 900, "", 124, 0, ""},
  {C::Option16, K::Option, C::Frame19, 50, 900, 1215, 210, "Auto", 51, kSel, "", kLineResult},
  {C::Option11, K::Option, C::Frame19, 50, 1100, 1215, 210, "dB/100 mtrs.", 52, kCondensed, "", kLineResult},
  {C::Text40, K::Entry, C::Frame19, 1280, 930, 380, 375, "0", 53, kOff | kLineData, ""},
  {C::Label18, K::Label, C::Frame19, 1680, 1000, 255, 255, "Z:", -1, 0, ""},
  {C::Text25, K::Entry, C::Frame19, 1850, 930, 500, 375, "50", 54, kOff | kLineData, "Insert transmission line characteristic impedance (ohm)."},
  {C::Label20, K::Label, C::Frame19, 2370, 1000, 375, 255, "V.F.:", -1, 0, ""},
  {C::Text27, K::Entry, C::Frame19, 2730, 930, 500, 375, "0.67", 55, kOff | kLineData, "Insert transmission line velocity factor."},
  {C::Label34, K::Label, C::Frame11, 75, 2100, 855, 615, "N. of lambda/2 cycles:", -1, 0, ""},
  {C::Combo1, K::PickList, C::Frame11, 840, 2300, 660, 315, "1", 56, 0, ""},
  {C::Text41, K::Display, C::Frame11, 1575, 2300, 1860, 315, "0.00 - 7.18 mt", 59, kOff, ""},
  {C::Label23, K::Label, C::Frame11, 3460, 2100, 5490, 615, "Shift in degrees and lambda is the electrical shift (360\u00b0 are one lambda or two complete turns on the Smith Chart), while shift in meters indicates the phisical lenght. Degrees and lambda are negative when shifting towards the antenna.", -1, kCondensed, ""},
  {C::Command9, K::Button, C::Frame11, 8970, 2100, 1140, 600, "SWAP PO&WER", 58, 0, ""},

  // The help button lies over the comparison panel, on top of everything.
  {C::Command7, K::Button, {}, 9480, 5160, 495, 615, "&?", 60, kBold | kLarge, ""},
};
// clang-format on

}  // namespace

std::span<const ControlSpec> WindowLayout() { return kLayout; }

const ControlSpec& LayoutRow(Control control) {
  static const auto rows = [] {
    std::array<const ControlSpec*, kControlCount> index{};
    for (const ControlSpec& row : kLayout) {
      if (row.name) {
        index[static_cast<std::size_t>(*row.name)] = &row;
      }
    }
    return index;
  }();
  const ControlSpec* row = rows[static_cast<std::size_t>(control)];
  if (row == nullptr) {
    throw std::logic_error("no layout row for " + std::string(NameOf(control)));
  }
  return *row;
}

}  // namespace tolvar::app
