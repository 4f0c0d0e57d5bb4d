#include "app/layout.h"

#include <array>

namespace tolvar::app {

namespace {

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
  for (char c : a) out.chars[out.size++] = c;
  for (char c : b) out.chars[out.size++] = c;
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

// clang-format off
constexpr ControlSpec kLayout[] = {
  // Panels, outermost first.
  {"Frame1", K::Frame, "", 50, 0, 5200, 7200, "SWR, Power, Current, Voltage Computation", -1, 0, ""},
  {"Frame4", K::Frame, "Frame1", 120, 240, 5000, 750, "Measured Z", -1, 0, ""},
  {"Frame5", K::Frame, "Frame1", 120, 4680, 4935, 750, "Reference Z0", -1, 0, ""},
  {"Frame10", K::Group, "Frame1", 120, 2360, 825, 495, "", -1, 0, ""},
  {"Frame3", K::Group, "", 190, 1200, 1425, 495, "", -1, 0, ""},
  {"Frame2", K::Frame, "", 5340, 0, 4900, 7200, "Input - Output Comparison", -1, 0, ""},
  {"Frame6", K::Frame, "Frame2", 120, 240, 1455, 1575, "Input Z", -1, 0, ""},
  {"Frame7", K::Frame, "Frame2", 3360, 240, 1455, 1575, "Output Z", -1, 0, ""},
  {"Frame8", K::Group, "Frame2", 120, 1800, 900, 930, "", -1, 0, ""},
  {"Frame9", K::Group, "Frame2", 3120, 1920, 1080, 825, "", -1, 0, ""},
  {"Frame13", K::Frame, "Frame2", 120, 3360, 4695, 2535, "Antenna Tuner Losses with S-Parameters", -1, 0, ""},
  {"Frame14", K::Frame, "Frame13", 120, 240, 2175, 735, "S Ant. Real and Imag. parts", -1, 0, ""},
  {"Frame17", K::Frame, "Frame13", 2400, 240, 2175, 735, "S11 Real and Imag. parts", -1, 0, ""},
  {"Frame15", K::Frame, "Frame13", 120, 960, 2175, 735, "S21 Real and Imag. parts", -1, 0, ""},
  {"Frame16", K::Frame, "Frame13", 2400, 960, 2175, 735, "S22 Real and Imag. parts", -1, 0, ""},
  {"Frame18", K::Frame, "Frame13", 120, 1680, 2175, 735, "S12 Real and Imag. parts", -1, 0, ""},
  {"Frame11", K::Frame, "", 50, 7320, 10200, 2800, "Transmission Lines Voltage, Current and SWR. Max Freq.: 150 MHz", -1, 0, ""},
  {"Frame12", K::Frame, "Frame11", 70, 220, 2655, 550, "Shift direction", -1, 0, ""},
  {"Frame19", K::Frame, "Frame11", 70, 760, 10050, 1350, "Shift Lenght and Transmission Line Loss", -1, 0, ""},

  // SWR, power, current and voltage.
  {"Label2_0", K::Label, "Frame4", 120, 360, 735, 255, "R ohm:", -1, 0, ""},
  {"Text7", K::Entry, "Frame1", 960, 480, 615, 375, "", 0, 0, ""},
  {"Label2_1", K::Label, "Frame4", 1680, 360, 735, 255, "X ohm:", -1, 0, ""},
  {"Text8", K::Entry, "Frame1", 2400, 480, 615, 375, "", 1, 0, ""},
  {"Label8", K::Label, "Frame4", 3000, 105, 1575, 615, "Insert R and X as measured at the point of interest.", -1, 0, ""},
  {"Label4", K::Label, "Frame1", 120, 1000, 3255, 255, "To compute Power and Current from Voltage", -1, 0, ""},
  {"Option1", K::Option, "Frame3", 0, 0, 800, 255, "Vrms", 2, kSel, ""},
  {"Option2", K::Option, "Frame3", 720, 0, 615, 255, "Vpp", 4, 0, ""},
  {"Option13", K::Option, "Frame3", 0, 240, 615, 255, "Vp", 3, 0, ""},
  {"Text9", K::Entry, "Frame1", 1650, 1280, 615, 375, "", 5, 0, ""},
  {"Command1", K::Button, "Frame1", 2400, 1280, 2655, 375, "COMPUTE &PWR AND CURRENT", 6, 0, ""},
  {"Text2", K::Result, "Frame1", 120, 1720, 4935, 375, "", 64, kOff, ""},
  {"Label5", K::Label, "Frame1", 120, 2160, 3255, 255, "To compute Voltage and Current from Power", -1, 0, ""},
  {"Option8", K::Option, "Frame10", 0, 0, 800, 255, "Watt", 7, kSel, ""},
  {"Option7", K::Option, "Frame10", 0, 240, 800, 255, "dBm", 8, 0, ""},
  // The power-unit options stand where this caption was drawn, and their panel
  // always covered it.
  {"Label2_3", K::Label, "Frame1", 120, 2520, 735, 255, "Power W:", -1, kHidden, ""},
  {"Text10", K::Entry, "Frame1", 960, 2420, 615, 375, "", 9, 0, ""},
  {"Command2", K::Button, "Frame1", 1920, 2400, 3135, 375, "COMPUTE &VOLTAGE AND CURRENT", 10, 0, ""},
  {"Text3", K::Result, "Frame1", 120, 2860, 4935, 375, "", 84, kOff, ""},
  {"Label10", K::Label, "Frame1", 120, 3300, 3375, 255, "To compute Power and Voltage from Current", -1, 0, ""},
  {"Label11", K::Label, "Frame1", 120, 3650, 780, 255, "Current A:", -1, 0, ""},
  {"Text18", K::Entry, "Frame1", 960, 3550, 615, 375, "", 11, 0, ""},
  {"Command5", K::Button, "Frame1", 1920, 3550, 3135, 375, "COMPUTE POWER AND VOLT&AGE", 12, 0, ""},
  {"Text19", K::Result, "Frame1", 120, 3990, 4935, 375, "", 89, kOff, ""},
  {"Label3", K::Label, "Frame1", 120, 4450, 1215, 255, "Auxiliary Data:", -1, 0, ""},
  {"Label2_5", K::Label, "Frame5", 100, 360, 735, 255, "R0 ohm:", -1, 0, ""},
  {"Text12", K::Entry, "Frame1", 880, 4920, 615, 375, "50", 13, 0, ""},
  {"Label2_4", K::Label, "Frame5", 1500, 360, 735, 255, "X0 ohm:", -1, 0, ""},
  {"Text11", K::Entry, "Frame1", 2300, 4920, 615, 375, "0", 14, 0, ""},
  {"Label7", K::Label, "Frame5", 2950, 360, 1335, 255, "FWD PWR W:", -1, 0, ""},
  {"Text6", K::Entry, "Frame5", 4080, 240, 615, 375, "100", 15, 0, ""},
  {"Command4", K::Button, "Frame1", 120, 5520, 4935, 375, "COMPUTE &SWR AND AUXILIARY DATA", 16, 0, ""},
  {"Text4", K::MultiResult, "Frame1", 120, 6000, 4935, 1100, "", 66, kOff, ""},

  // Input - output comparison.
  {"Label2_7", K::Label, "Frame6", 120, 480, 735, 375, "R ohm:", -1, 0, ""},
  {"Text15", K::Entry, "Frame6", 720, 360, 615, 375, "", 17, 0, ""},
  {"Label2_6", K::Label, "Frame6", 120, 1080, 855, 255, "X ohm:", -1, 0, ""},
  {"Text1", K::Entry, "Frame6", 720, 960, 615, 375, "", 18, 0, ""},
  {"Label9", K::Label, "Frame2", 1605, 240, 1695, 1575, "Input can be, for instance, the radio port of tuner or another transformer, of a transmission line, or of an amplifier. Output can be the antenna port.", -1, 0, ""},
  {"Label2_9", K::Label, "Frame7", 120, 480, 735, 375, "R ohm:", -1, 0, ""},
  {"Text16", K::Entry, "Frame7", 720, 360, 615, 375, "", 24, 0, ""},
  {"Label2_8", K::Label, "Frame7", 120, 1080, 735, 255, "X ohm:", -1, 0, ""},
  {"Text17", K::Entry, "Frame7", 720, 960, 615, 375, "", 25, 0, ""},
  {"Option4", K::Option, "Frame8", 0, 120, 1000, 255, "IN Vrms", 19, kSel, ""},
  {"Option14", K::Option, "Frame8", 0, 360, 1000, 255, "IN Vp", 20, 0, ""},
  {"Option3", K::Option, "Frame8", 0, 600, 1000, 255, "IN Vpp", 21, 0, ""},
  {"Label14", K::Label, "Frame2", 1680, 1830, 1575, 255, "Voltage Comparison", -1, kCondensed, ""},
  {"Option5", K::Option, "Frame9", 0, 0, 1080, 255, "OUT Vrms", 26, kSel, ""},
  {"Option15", K::Option, "Frame9", 0, 240, 1050, 255, "OUT Vp", 27, 0, ""},
  {"Option6", K::Option, "Frame9", 20, 480, 1050, 255, "OUT Vpp", 28, 0, ""},
  {"Text13", K::Entry, "Frame2", 1080, 2110, 615, 375, "", 22, 0, ""},
  {"Command3", K::Button, "Frame2", 1800, 2110, 1150, 375, "&COMPARE V", 31, 0, ""},
  {"Text14", K::Entry, "Frame2", 4200, 2110, 615, 375, "", 29, 0, ""},
  {"Label6", K::Label, "Frame2", 1680, 2560, 1575, 255, "Current Comparison", -1, kCondensed, ""},
  {"Label12", K::Label, "Frame2", 240, 2920, 855, 255, "Input A:", -1, 0, ""},
  {"Text20", K::Entry, "Frame2", 1080, 2840, 615, 375, "", 23, 0, ""},
  {"Command6", K::Button, "Frame2", 1800, 2840, 1150, 375, "C&OMPARE A", 32, 0, ""},
  {"Label13", K::Label, "Frame2", 3360, 2920, 975, 255, "Output A:", -1, 0, ""},
  {"Text21", K::Entry, "Frame2", 4200, 2840, 615, 375, "", 30, 0, ""},
  {"", K::Label, "Frame14", 120, 360, 210, 255, "R:", -1, 0, ""},
  {"", K::Label, "Frame14", 1080, 360, 210, 255, "I:", -1, 0, ""},
  {"Text30", K::Entry, "Frame14", 340, 240, 655, 375, "", 33, 0, kTip30.view()},
  {"Text34", K::Entry, "Frame14", 1300, 240, 655, 375, "", 34, 0, kTip34.view()},
  {"", K::Label, "Frame17", 120, 360, 210, 255, "R:", -1, 0, ""},
  {"", K::Label, "Frame17", 1080, 360, 210, 255, "I:", -1, 0, ""},
  {"Text36", K::Entry, "Frame17", 340, 240, 655, 375, "", 35, 0, kTip36.view()},
  {"Text37", K::Entry, "Frame17", 1300, 240, 655, 375, "", 36, 0, kTip37.view()},
  {"", K::Label, "Frame15", 120, 360, 210, 255, "R:", -1, 0, ""},
  {"", K::Label, "Frame15", 1080, 360, 210, 255, "I:", -1, 0, ""},
  {"Text33", K::Entry, "Frame15", 340, 240, 655, 375, "", 37, 0, kTip33.view()},
  {"Text32", K::Entry, "Frame15", 1300, 240, 655, 375, "", 38, 0, kTip32.view()},
  {"", K::Label, "Frame16", 120, 360, 210, 255, "R:", -1, 0, ""},
  {"", K::Label, "Frame16", 1080, 360, 210, 255, "I:", -1, 0, ""},
  {"Text31", K::Entry, "Frame16", 340, 240, 655, 375, "", 39, 0, kTip31.view()},
  {"Text35", K::Entry, "Frame16", 1300, 240, 655, 375, "", 40, 0, kTip35.view()},
  {"", K::Label, "Frame18", 120, 360, 210, 255, "R:", -1, 0, ""},
  {"", K::Label, "Frame18", 1080, 360, 210, 255, "I:", -1, 0, ""},
  {"Text38", K::Entry, "Frame18", 340, 240, 655, 375, "", 41, 0, kTip38.view()},
  {"Text39", K::Entry, "Frame18", 1300, 240, 655, 375, "", 42, 0, kTip39.view()},
  {"Command8", K::Button, "Frame13", 2400, 1800, 1575, 615, "COMPUTE TUNER INSERTION &LOSS", 43, 0, ""},
  {"Text5", K::MultiResult, "Frame2", 120, 6000, 4695, 1100, "", 107, kOff, ""},

  // Transmission line.
  {"Option9", K::Option, "Frame12", 120, 240, 1125, 255, "<--- to ANT", 44, 0, ""},
  {"Option10", K::Option, "Frame12", 1440, 240, 1125, 255, "to RTX --->", 45, kSel, ""},
  {"Label16", K::Label, "Frame11", 2800, 500, 255, 255, "R:", -1, 0, ""},
  {"Text23", K::Entry, "Frame11", 3000, 400, 600, 375, "", 46, 0, "Insert resistance of the starting point (ohm)."},
  {"Label17", K::Label, "Frame11", 3650, 500, 255, 255, "X:", -1, 0, ""},
  {"Text24", K::Entry, "Frame11", 3850, 400, 600, 375, "", 47, 0, "Insert reactance of the starting point (ohm)."},
  {"Label21", K::Label, "Frame11", 4500, 480, 495, 255, "MHz:", -1, 0, ""},
  {"Text28", K::Entry, "Frame11", 4900, 400, 600, 375, "14.000", 48, 0, "Insert frequency (MHz)."},
  {"Label22", K::Label, "Frame11", 5580, 480, 495, 255, "watt:", -1, 0, ""},
  {"Text29", K::Entry, "Frame11", 6000, 400, 580, 375, "100", 49, 0, "Insert power (watt)."},
  {"Label19", K::Label, "Frame11", 6600, 495, 615, 255, "RTX Z:", -1, 0, ""},
  {"Text26", K::Entry, "Frame11", 7150, 400, 375, 375, "50", 50, 0, "Insert RTX impedance (ohm)."},
  {"Label36", K::Label, "Frame11", 7400, 180, 2700, 615, "ENTRY SWR > 25 OR F > 150 MHz: DATA NOT RELIABLE!", -1, kHidden, ""},
  {"HScroll1", K::ScrollBar, "Frame19", 3245, 120, 6740, 255, "", 57, 0, ""},
  {"Combo2", K::CableBox, "Frame19", 80, 400, 3170, 315, "Messi e Paoloni Pota-Flex 6", 134, 0, ""},
  {"Text22", K::MultiResult, "Frame19", 3245, 400, 6740, 900, "", 124, 0, ""},
  {"Option16", K::Option, "Frame19", 50, 900, 1215, 210, "Auto", 51, kSel, ""},
  {"Option11", K::Option, "Frame19", 50, 1100, 1215, 210, "dB/100 mtrs.", 52, kCondensed, ""},
  {"Text40", K::Entry, "Frame19", 1280, 930, 380, 375, "0", 53, kOff, ""},
  {"Label18", K::Label, "Frame19", 1680, 1000, 255, 255, "Z:", -1, 0, ""},
  {"Text25", K::Entry, "Frame19", 1850, 930, 500, 375, "50", 54, kOff, "Insert transmission line characteristic impedance (ohm)."},
  {"Label20", K::Label, "Frame19", 2370, 1000, 375, 255, "V.F.:", -1, 0, ""},
  {"Text27", K::Entry, "Frame19", 2730, 930, 500, 375, "0.67", 55, kOff, "Insert transmission line velocity factor."},
  {"Label34", K::Label, "Frame11", 75, 2100, 855, 615, "N. of lambda/2 cycles:", -1, 0, ""},
  {"Combo1", K::PickList, "Frame11", 840, 2300, 660, 315, "1", 56, 0, ""},
  {"Text41", K::Display, "Frame11", 1575, 2300, 1860, 315, "0.00 - 7.18 mt", 59, kOff, ""},
  {"Label23", K::Label, "Frame11", 3460, 2100, 5490, 615, "Shift in degrees and lambda is the electrical shift (360\u00b0 are one lambda or two complete turns on the Smith Chart), while shift in meters indicates the phisical lenght. Degrees and lambda are negative when shifting towards the antenna.", -1, kCondensed, ""},
  {"Command9", K::Button, "Frame11", 8970, 2100, 1140, 600, "SWAP PO&WER", 58, 0, ""},

  // The help button lies over the comparison panel, on top of everything.
  {"Command7", K::Button, "", 9480, 5160, 495, 615, "&?", 60, 0, ""},
};
// clang-format on

}  // namespace

std::span<const ControlSpec> WindowLayout() { return kLayout; }

}  // namespace tolvar::app
