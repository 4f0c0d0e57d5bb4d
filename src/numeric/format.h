#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "numeric/complex.h"

namespace tolvar::numeric {

// Formats value with the pattern "0", "0.0", "0.00", "0.000" or "0.0000"
// (decimals 0 to 4): at least one digit before the point, exactly `decimals`
// digits after it, rounded to the nearest, a leading "-" for a negative value,
// no grouping, and always the dot whatever the locale says. An exact tie at the
// last digit rounds away from zero; a negative value that rounds to zero shows
// without "-". A value that is not finite is an ArithmeticFault.
std::string FormatFixed(double value, int decimals);

// The shortest decimal text that reads back to exactly `value` (by
// ReadEntryValue as by from_chars), with the dot: "73.08", "-0.3125",
// "0.00012". Beyond 1e21 and below 1e-6 it takes an exponent ("1.5e-07"),
// which an entry field reads too. A value that is not finite is an
// ArithmeticFault.
std::string ShortestText(double value);

// How a part of a complex value shows its sign.
enum class SignShown {
  Always,    // "+" or "-" before its magnitude; "-" for any value below 0
  AsNumber,  // as FormatFixed ("-" only if a digit shows) or ShortestText ("-0") writes it
  Never,     // its magnitude alone
  AsShown,   // "+" or "-" before its magnitude, "-" only if a digit of it shows
};

// How a complex value reads as text: beforeReal, the real part, betweenParts,
// the imaginary part (imaginaryUnit between its sign and its digits), then
// afterImaginary. decimals: fixed 0 to 4 as FormatFixed, or none for the
// shortest text that reads back (ShortestText).
struct ComplexNotation {
  std::string_view beforeReal{};
  SignShown realSign = SignShown::AsNumber;
  std::string_view betweenParts = " ";
  SignShown imaginarySign = SignShown::Always;
  std::string_view imaginaryUnit{};  // " i", "i", " J", " j"
  std::string_view afterImaginary{};
  std::optional<int> decimals{};
  bool trailingZeros = true;         // false: "52.5", not "52.500"
  bool zeroImaginaryShown = true;    // false: a value with no imaginary part reads as its real part
};

// A value in a notation: "+0.1961 - i0.2745", "73.08 + J15.38". A part that
// is not finite is an ArithmeticFault.
std::string ComplexText(Complex value, const ComplexNotation& notation);

// The notations the window uses.
// The SWR calculator's reflection coefficient: "+0.1961 - i0.2745".
inline constexpr ComplexNotation kSwrReflectionNotation{
    .realSign = SignShown::Always, .imaginaryUnit = " i", .decimals = 4};
// The same of a matched load, whose real part shows as its magnitude: "0.000 + i0.000".
inline constexpr ComplexNotation kMatchedReflectionNotation{
    .realSign = SignShown::Never, .imaginaryUnit = " i", .decimals = 3};
// The SWR calculator's admittance [S]: "0.014 - J0.003".
inline constexpr ComplexNotation kAdmittanceNotation{.imaginaryUnit = " J", .decimals = 3};
// The tuner's waves: "(0.1234 +i0.5678)".
inline constexpr ComplexNotation kTunerWaveNotation{
    .beforeReal = "(", .imaginaryUnit = "i", .afterImaginary = ")", .decimals = 4};
// The tuner's impedances [ohm]: "73.08 + J15.38".
inline constexpr ComplexNotation kTunerImpedanceNotation{.imaginaryUnit = " J", .decimals = 2};
// An impedance as the chart's descriptions name it: "R = 20.36 ohm X = -9.93 ohm".
inline constexpr ComplexNotation kLabelledImpedanceNotation{.beforeReal = "R = ",
                                                            .betweenParts = " ohm X = ",
                                                            .imaginarySign = SignShown::AsNumber,
                                                            .afterImaginary = " ohm",
                                                            .decimals = 2};
// The chart's readout of an impedance [ohm]: "20.36 - j9.93", "50.00 + j0.00".
inline constexpr ComplexNotation kChartImpedanceNotation{
    .imaginarySign = SignShown::AsShown, .imaginaryUnit = " j", .decimals = 2};
// A reference impedance [ohm] as the chart names it: "50", "75 - j25", "52.5".
inline constexpr ComplexNotation kChartReferenceNotation{.imaginarySign = SignShown::AsShown,
                                                         .imaginaryUnit = " j",
                                                         .decimals = 3,
                                                         .trailingZeros = false,
                                                         .zeroImaginaryShown = false};
// A measured value as the file gives it, every digit: "0.1905 - j0.00112".
inline constexpr ComplexNotation kMeasuredNotation{.imaginaryUnit = " j"};
// A measured value in the measurement window, to `decimals`: "0.1905 + j0.0011".
constexpr ComplexNotation MeasuredFixedNotation(int decimals) {
  return {.imaginaryUnit = " j", .decimals = decimals};
}

}  // namespace tolvar::numeric
