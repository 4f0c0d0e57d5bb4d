#pragma once

#include <string_view>

namespace tolvar::app {

// The window's own texts: its warning boxes (text and title) and what it
// writes into fields itself. What the calculators write is in calc/messages.h;
// captions, start texts and tooltips are in the layout table.
struct Message {
  std::string_view text;
  std::string_view title;
};

inline constexpr Message kUseDot{"Use Dot as Decimal Separator!", "Decimal Separation"};

inline constexpr Message kZeroReferenceResistance{"Reference Resistance cannot be 0!",
                                                  "Reference Resistance"};
inline constexpr Message kZeroResistance{"Resistance cannot be 0!", "Resistance"};
inline constexpr Message kZeroInputResistance{"Input Resistance cannot be 0!", "Input Resistance"};
inline constexpr Message kZeroOutputResistance{"Output Resistance cannot be 0!",
                                               "Output Resistance"};
inline constexpr Message kZeroLineImpedance{"Line Impedence cannot be 0!", "Line Impedence"};
inline constexpr Message kZeroRtxImpedance{"RTX Impedence cannot be 0!", "RTX Impedence"};
inline constexpr Message kZeroVelocityFactor{"Velocity Factor cannot be 0!", "Velocity Factor"};
inline constexpr Message kZeroFrequency{"Frequency cannot be 0!", "Frequency"};
inline constexpr Message kZeroPower{"Power cannot be 0!", "Power"};

inline constexpr Message kAntennaRealOutOfRange{"R is a number > -1 and < 1",
                                                "Invalid S. Ant. real part"};
inline constexpr Message kAntennaImaginaryOutOfRange{"I is a number > -1 and < 1",
                                                     "Invalid S. Ant. imaginary part"};

// The help button's box when the desktop cannot open the guide; %1 is the
// guide's path or address.
inline constexpr Message kGuideNotOpened{
    "The desktop could not open the user guide. Open it yourself, from:\n%1", "User guide"};

// What replaces an entry of exactly 0 that a calculator would divide by.
inline constexpr std::string_view kZeroReplacement = "0.001";

// The sentence a result field shows when its handler met an arithmetic fault.
inline constexpr std::string_view kFaultSentence =
    "These entries cannot be computed: check them and try again.";

}  // namespace tolvar::app
