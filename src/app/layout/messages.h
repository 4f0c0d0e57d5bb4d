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

// Opening a measurement: %1 is the file's name, %2 what is wrong.
inline constexpr Message kMeasurementFault{"%1: %2", "Open measurement"};
inline constexpr Message kMeasurementUnreadable{"%1: the file cannot be read (%2).",
                                                "Open measurement"};
inline constexpr Message kMeasurementTooLarge{
    "%1: the file is larger than %2 MB, far larger than any measurement.", "Open measurement"};
// Using a measurement's value where an entry's rules refuse it: %1 the
// frequency, %2 the value.
inline constexpr Message kActiveLoad{
    "At %1 the measurement's resistance is below 0 (%2 ohm): an R entry takes none.",
    "Use measurement"};
inline constexpr Message kOpenCircuit{
    "At %1 the measurement is an open circuit (%2): it has no finite R and X.", "Use measurement"};
inline constexpr Message kAntennaNotPassive{
    "At %1 the measurement reflects all it gets or more (%2): S Ant. takes a reflection "
    "whose parts lie between -1 and 1, inside the unit circle.",
    "Use measurement"};

// Copying or saving a sweep that is not there.
inline constexpr Message kNoLineSweep{
    "No line sweep yet: open a 1-port measurement (an antenna, a load) and move the shift bar, "
    "so that the line panel shows a result.",
    "Sweep"};
inline constexpr Message kNoTunerSweep{
    "No tuner sweep yet: open a 2-port measurement of the tuner.", "Sweep"};
inline constexpr Message kNoSweepHere{
    "Sweeps are the line panel's and the tuner's: copy or save from one of them.", "Sweep"};
inline constexpr Message kSweepNotSaved{"The sweep could not be written to %1.", "Save sweep"};
// Saving a line sweep whose points have no carried value: %1 why; with some
// points left, %1 how many, %2 of how many, %3 why.
inline constexpr Message kNoSweepPoint{
    "No point of the line sweep has a carried value (%1), so there is nothing to save. Change the "
    "line, its length or its direction and try again.",
    "Save sweep"};
inline constexpr Message kSweepPointsLeftOut{
    "%1 of %2 points of the line sweep have no carried value (%3). A CSV file keeps their cells "
    "empty; a Touchstone file leaves them out and names their frequencies in its comment.",
    "Save sweep"};
// Copying markers before there are any.
inline constexpr Message kNoMarkers{
    "No markers yet: open a 1-port measurement whose SWR has a lowest point.", "Markers"};

// The Match window's file: none chosen, or not written (%1 where).
inline constexpr Message kNoMatchNetwork{
    "No network to save: enter a load the window can match and choose a network.", "Match"};
inline constexpr Message kMatchNotSaved{"The network could not be written to %1.", "Match"};
// Save match network where the network has no finite S-parameters at any of
// the measurement's frequencies (a band of 0 Hz alone).
inline constexpr Message kNoMatchFrequency{
    "The network has no finite S-parameters at any frequency of the open measurement (its "
    "capacitors have none at 0 Hz): there is nothing to save.",
    "Match"};
// Use as tuner on active data that has no finite S-parameters on 50 ohm.
inline constexpr Message kTunerNotOn50{
    "The 2-port has no finite S-parameters on 50 ohm, the tuner panel's reference: it is "
    "active, and cannot be used as the tuner.",
    "Use measurement"};
// Match this on a panel without a load: the SWR panel's too large to read, the
// line panel's far point before a result.
inline constexpr Message kNoSwrLoad{
    "The SWR panel's R or X is too large to read: there is no load to match.", "Match"};
inline constexpr Message kNoLineFarPoint{
    "The line panel has no result on screen: compute the line, and Match this takes its far "
    "point.",
    "Match"};
// Match this on a measured point without an impedance.
inline constexpr Message kNoMeasuredLoad{
    "The chosen measured point gives no load to match: it is an open circuit, or the line "
    "panel's line gives it no value at the radio's end.",
    "Match"};

// Saving a picture: %1 what ("The plot"), %2 where.
inline constexpr Message kPngNotSaved{"%1 could not be written to %2.", "Save as PNG"};

// What replaces an entry of exactly 0 that a calculator would divide by.
inline constexpr std::string_view kZeroReplacement = "0.001";

// The sentence a result field shows when its handler met an arithmetic fault.
inline constexpr std::string_view kFaultSentence =
    "These entries cannot be computed: check them and try again.";

}  // namespace tolvar::app
