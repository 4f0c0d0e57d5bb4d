// Numbers to and from text: the entry fields' leading-number rule and the
// results' fixed patterns, neither following the locale.
#include "numeric/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <cstdint>
#include <cstdlib>
#include <limits>
#include <optional>
#include <string>
#include <tuple>
#include <utility>

#include "numeric/entry_value.h"
#include "numeric/fault.h"

namespace {

using namespace tolvar::numeric;

TEST(FormatLocale, RunsUnderTheLocaleItWasAskedFor) {
  if (std::getenv("TOLVAR_EXPECT_COMMA_LOCALE") == nullptr) {
    GTEST_SKIP() << "this run keeps the default locale; the comma-locale run checks it";
  }
  // The set-up generates de_DE.UTF-8; without it this run would prove nothing.
  EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

TEST(ReadEntryValue, ReadsTheLeadingNumber) {
  using Row = std::pair<std::string, std::optional<double>>;  // no value: a fault
  const Row kRows[] = {
      // Blanks (space, tab, line feed) count nowhere; exponents E or D, either case.
      Row{"", 0}, Row{"50", 50}, Row{"0.1", 0.1}, Row{"  7.5", 7.5}, Row{"- 1 2 . 5", -12.5},
      Row{"\t\n12", 12}, Row{"+4", 4}, Row{"-2", -2}, Row{"1e3", 1000}, Row{"2.5E2", 250},
      Row{"1D3", 1000}, Row{"1d-2", 0.01}, Row{"3e+1", 30},
      // Reading stops at what does not fit; a comma is no decimal separator.
      Row{"1e", 1}, Row{"1e+", 1}, Row{"1.2.3", 1.2}, Row{"3,5", 3}, Row{"12abc", 12},
      Row{"1e5x", 100000}, Row{".5", 0.5}, Row{"5.", 5}, Row{"abc", 0}, Row{"-", 0}, Row{".", 0},
      Row{"7\xc2\xb0", 7},
      // Too small reads 0, too large is a fault, even in a megabyte of pasted text.
      Row{"1e-999", 0}, Row{"0e999", 0}, Row{"0." + std::string(400, '0') + "1", 0},
      Row{"0." + std::string(700, '0') + "1e300", 0},
      Row{"1.7976931348623157e308", 1.7976931348623157e308}, Row{"1e999", {}}, Row{"-1e999", {}},
      Row{"1D400", {}}, Row{"1" + std::string(400, '0'), {}}, Row{"0.001e99999999999999999999", {}},
      Row{std::string(1 << 20, '9'), {}}, Row{std::string(1 << 20, ' ') + "42", 42},
      Row{std::string(1 << 20, '\0'), 0}};
  for (const auto& [text, value] : kRows) {
    if (value) {
      EXPECT_EQ(ReadEntryValue(text), *value) << '"' << text.substr(0, 30) << '"';
    } else {
      EXPECT_THROW(ReadEntryValue(text), ArithmeticFault) << '"' << text.substr(0, 30) << '"';
    }
  }
}

TEST(FormatFixed, ShowsThePattern) {
  using Row = std::tuple<double, int, const char*>;  // no text: a fault
  const double inf = std::numeric_limits<double>::infinity();
  const Row kRows[] = {
      // Rounded to the nearest; no grouping; the dot whatever the locale.
      Row{200, 0, "200"}, Row{200, 3, "200.000"}, Row{0.3333333, 4, "0.3333"},
      Row{2.6180339, 3, "2.618"}, Row{-9.9, 2, "-9.90"}, Row{9.99996, 4, "10.0000"},
      Row{1e20, 0, "100000000000000000000"}, Row{1e-300, 4, "0.0000"},
      // Exact ties round away from zero and carry; a binary value near a tie is none.
      Row{52.5, 0, "53"}, Row{2.5, 0, "3"}, Row{-52.5, 0, "-53"}, Row{-0.5, 0, "-1"},
      Row{0.125, 2, "0.13"}, Row{0.03125, 4, "0.0313"}, Row{9.5, 0, "10"},
      Row{0.96875, 4, "0.9688"}, Row{1.005, 2, "1.00"}, Row{0.05, 1, "0.1"},
      // A negative value that rounds to zero shows no sign; what is not finite is a fault.
      Row{-0.0001, 3, "0.000"}, Row{-0.0, 0, "0"}, Row{inf, 2, nullptr}, Row{-inf, 0, nullptr},
      Row{std::numeric_limits<double>::quiet_NaN(), 3, nullptr}};
  for (const auto& [value, decimals, text] : kRows) {
    if (text != nullptr) {
      EXPECT_EQ(FormatFixed(value, decimals), text);
    } else {
      EXPECT_THROW(FormatFixed(value, decimals), ArithmeticFault) << value;
    }
  }
  // The largest double shows all its 309 digits.
  const std::string largest = FormatFixed(std::numeric_limits<double>::max(), 4);
  EXPECT_EQ(largest.size(), 309U + 5U);
  EXPECT_EQ(largest.substr(largest.size() - 5), ".0000");
}

TEST(ShortestText, ReadsBackExactlyInTheFewestDigits) {
  using Row = std::pair<double, const char*>;  // no text: a fault
  const double inf = std::numeric_limits<double>::infinity();
  const Row kRows[] = {
      Row{0, "0"}, Row{73.08, "73.08"}, Row{-0.3125, "-0.3125"}, Row{7e6, "7000000"},
      Row{0.1 + 0.2, "0.30000000000000004"},
      // Fixed from 1e-6 up to below 1e21, an exponent outside.
      Row{1e-6, "0.000001"}, Row{9.99e-7, "9.99e-07"}, Row{1.5e-7, "1.5e-07"},
      Row{1e20, "100000000000000000000"}, Row{1e21, "1e+21"},
      Row{std::numeric_limits<double>::denorm_min(), "5e-324"},
      Row{std::numeric_limits<double>::max(), "1.7976931348623157e+308"}, Row{inf, nullptr},
      Row{std::numeric_limits<double>::quiet_NaN(), nullptr}};
  for (const auto& [value, text] : kRows) {
    if (text != nullptr) {
      EXPECT_EQ(ShortestText(value), text);
    } else {
      EXPECT_THROW(ShortestText(value), ArithmeticFault) << value;
    }
  }
  // An entry field reads every such text back to the same double, across
  // the whole range of binary exponents, subnormals included.
  std::uint64_t bits = 0x9e3779b97f4a7c15U;
  for (int exponent = -1074; exponent <= 1023; exponent += 3) {
    bits = bits * 6364136223846793005U + 1442695040888963407U;
    const double mantissa = 1 + static_cast<double>(bits >> 12) / 4503599627370496.0;
    const double value = std::ldexp((bits & 1) != 0 ? -mantissa : mantissa, exponent);
    if (std::isfinite(value)) {
      EXPECT_EQ(ReadEntryValue(ShortestText(value)), value) << ShortestText(value);
    }
  }
}

TEST(ComplexText, WritesEachNotation) {
  struct Row {
    const char* what;
    Complex value;
    ComplexNotation notation;
    const char* text;
  };
  const Row kRows[] = {
      {"SWR reflection", {0.19607843, -0.2745098}, kSwrReflectionNotation, "+0.1961 - i0.2745"},
      {"SWR reflection, below 0 but shown as 0",
       {-0.00001, 0.5},
       kSwrReflectionNotation,
       "-0.0000 + i0.5000"},
      {"SWR reflection, negative zeros", {-0.0, -0.0}, kSwrReflectionNotation, "+0.0000 + i0.0000"},
      {"matched load", {-0.0004, -0.00001}, kMatchedReflectionNotation, "0.000 - i0.000"},
      {"admittance", {0.0138, -0.0031}, kAdmittanceNotation, "0.014 - J0.003"},
      {"admittance, real part rounds to 0", {-0.0001, 0.02}, kAdmittanceNotation, "0.000 + J0.020"},
      {"tuner wave", {-0.125, 0.5678}, kTunerWaveNotation, "(-0.1250 +i0.5678)"},
      {"tuner unit wave", {1, 0}, kTunerWaveNotation, "(1.0000 +i0.0000)"},
      {"tuner impedance", {73.08, 15.38}, kTunerImpedanceNotation, "73.08 + J15.38"},
      {"tuner impedance, negative zero", {73.08, -0.0}, kTunerImpedanceNotation, "73.08 + J0.00"},
      {"labelled impedance",
       {20.36, -9.93},
       kLabelledImpedanceNotation,
       "R = 20.36 ohm X = -9.93 ohm"},
      {"labelled impedance, both round to 0",
       {-0.001, -0.004},
       kLabelledImpedanceNotation,
       "R = 0.00 ohm X = 0.00 ohm"},
      {"measured, every digit", {0.1905, -0.00112}, kMeasuredNotation, "0.1905 - j0.00112"},
      {"chart, sign of the shown digits", {20.364, -0.004}, kChartImpedanceNotation,
       "20.36 + j0.00"},
      {"chart, negative imaginary", {-0.001, -9.925}, kChartImpedanceNotation, "0.00 - j9.93"},
      {"reference, no imaginary part", {52.5, 0}, kChartReferenceNotation, "52.5"},
      {"reference, complex", {75, -25.0004}, kChartReferenceNotation, "75 - j25"},
      {"measured, tiny and negative zeros", {1.5e-7, -0.0}, kMeasuredNotation, "1.5e-07 + j0"},
      {"measured, negative zero real part", {-0.0, 2}, kMeasuredNotation, "-0 + j2"},
      {"measured to 2 decimals", {73.08, -15.384}, MeasuredFixedNotation(2), "73.08 - j15.38"},
      {"measured to 4 decimals", {0.19051, 0.0011}, MeasuredFixedNotation(4), "0.1905 + j0.0011"},
  };
  for (const Row& row : kRows) {
    EXPECT_EQ(ComplexText(row.value, row.notation), row.text) << row.what;
  }
  // A part that is not finite is a fault, in fixed and in shortest digits.
  const double nan = std::numeric_limits<double>::quiet_NaN();
  EXPECT_THROW(ComplexText({nan, 0}, kMeasuredNotation), ArithmeticFault);
  EXPECT_THROW(ComplexText({0, std::numeric_limits<double>::infinity()}, kTunerImpedanceNotation),
               ArithmeticFault);
}

}  // namespace
