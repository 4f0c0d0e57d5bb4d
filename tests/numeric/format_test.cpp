#include "numeric/format.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <cstring>
#include <limits>

#include "numeric/fault.h"

namespace {

using tolvar::numeric::FormatFixed;

TEST(FormatLocale, RunsUnderTheLocaleItWasAskedFor) {
  if (std::getenv("TOLVAR_EXPECT_COMMA_LOCALE") == nullptr) {
    GTEST_SKIP() << "this run keeps the default locale; the comma-locale run checks it";
  }
  // The set-up generates de_DE.UTF-8; without it this run would prove nothing.
  EXPECT_STREQ(std::localeconv()->decimal_point, ",");
}

struct FormatCase {
  const char* name;
  double value;
  int decimals;
  const char* text;
};

class FormatFixedTest : public ::testing::TestWithParam<FormatCase> {};

TEST_P(FormatFixedTest, ShowsThePattern) {
  const FormatCase& c = GetParam();
  EXPECT_EQ(FormatFixed(c.value, c.decimals), c.text);
}

INSTANTIATE_TEST_SUITE_P(
    Patterns, FormatFixedTest,
    ::testing::Values(FormatCase{"integer_pattern", 200.0, 0, "200"},
                      FormatCase{"pads_decimals", 200.0, 3, "200.000"},
                      FormatCase{"leading_zero", 0.3333333, 4, "0.3333"},
                      FormatCase{"rounds_up", 2.6180339, 3, "2.618"},
                      FormatCase{"negative", -9.9, 2, "-9.90"},
                      FormatCase{"tie_away_from_zero_integer", 52.5, 0, "53"},
                      FormatCase{"tie_away_from_zero_even_neighbour", 2.5, 0, "3"},
                      FormatCase{"negative_tie_away_from_zero", -52.5, 0, "-53"},
                      FormatCase{"tie_at_two_decimals", 0.125, 2, "0.13"},
                      FormatCase{"tie_at_four_decimals", 0.03125, 4, "0.0313"},
                      FormatCase{"tie_carries", 9.5, 0, "10"},
                      FormatCase{"tie_carries_through_point", 0.96875, 4, "0.9688"},
                      FormatCase{"binary_below_half_is_no_tie", 1.005, 2, "1.00"},
                      FormatCase{"binary_above_half_is_no_tie", 0.05, 1, "0.1"},
                      FormatCase{"negative_rounding_to_zero_drops_sign", -0.0001, 3, "0.000"},
                      FormatCase{"negative_tie_to_zero_keeps_sign_of_result", -0.5, 0, "-1"},
                      FormatCase{"negative_zero", -0.0, 0, "0"},
                      FormatCase{"carry_to_new_digit", 9.99996, 4, "10.0000"},
                      FormatCase{"large_value_no_grouping", 1e20, 0, "100000000000000000000"},
                      FormatCase{"tiny_value", 1e-300, 4, "0.0000"}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(FormatFixedFaults, ValuesThatAreNotFiniteAreFaultsNotText) {
  EXPECT_THROW(FormatFixed(std::numeric_limits<double>::infinity(), 2),
               tolvar::numeric::ArithmeticFault);
  EXPECT_THROW(FormatFixed(-std::numeric_limits<double>::infinity(), 0),
               tolvar::numeric::ArithmeticFault);
  EXPECT_THROW(FormatFixed(std::numeric_limits<double>::quiet_NaN(), 3),
               tolvar::numeric::ArithmeticFault);
}

TEST(FormatFixedRange, LargestDoubleShowsAllItsDigits) {
  const std::string text = FormatFixed(std::numeric_limits<double>::max(), 4);
  EXPECT_EQ(text.size(), 309U + 5U);
  EXPECT_EQ(text.substr(text.size() - 5), ".0000");
}

}  // namespace
