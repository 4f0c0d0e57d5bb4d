#include "numeric/entry_value.h"

#include <gtest/gtest.h>

#include <string>

#include "numeric/fault.h"

namespace {

using tolvar::numeric::ArithmeticFault;
using tolvar::numeric::ReadEntryValue;

struct ReadCase {
  const char* name;
  std::string text;
  double value;
};

class ReadEntryValueTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadEntryValueTest, ReadsTheLeadingNumber) {
  const ReadCase& c = GetParam();
  EXPECT_EQ(ReadEntryValue(c.text), c.value) << '"' << c.text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    LeadingNumberRule, ReadEntryValueTest,
    ::testing::Values(
        ReadCase{"empty_reads_zero", "", 0.0}, ReadCase{"plain", "50", 50.0},
        ReadCase{"decimal", "0.1", 0.1}, ReadCase{"leading_blanks", "  7.5", 7.5},
        ReadCase{"blanks_anywhere", "- 1 2 . 5", -12.5},
        ReadCase{"tab_and_line_feed", "\t\n12", 12.0}, ReadCase{"plus_sign", "+4", 4.0},
        ReadCase{"minus_sign", "-2", -2.0}, ReadCase{"exponent_e", "1e3", 1000.0},
        ReadCase{"exponent_upper_e", "2.5E2", 250.0}, ReadCase{"exponent_d", "1D3", 1000.0},
        ReadCase{"exponent_lower_d_negative", "1d-2", 0.01},
        ReadCase{"exponent_with_plus", "3e+1", 30.0},
        ReadCase{"exponent_without_digits_stops", "1e", 1.0},
        ReadCase{"exponent_sign_without_digits_stops", "1e+", 1.0},
        ReadCase{"second_dot_ends_number", "1.2.3", 1.2},
        ReadCase{"comma_is_no_separator", "3,5", 3.0}, ReadCase{"trailing_letters", "12abc", 12.0},
        ReadCase{"trailing_after_exponent", "1e5x", 100000.0}, ReadCase{"leading_dot", ".5", 0.5},
        ReadCase{"trailing_dot", "5.", 5.0}, ReadCase{"letters_read_zero", "abc", 0.0},
        ReadCase{"sign_alone", "-", 0.0}, ReadCase{"dot_alone", ".", 0.0},
        ReadCase{"non_ascii_stops", "7\xc2\xb0", 7.0},
        ReadCase{"underflow_reads_zero", "1e-999", 0.0},
        ReadCase{"zero_with_huge_exponent", "0e999", 0.0},
        ReadCase{"long_fraction_underflows", "0." + std::string(400, '0') + "1", 0.0},
        ReadCase{"largest_double", "1.7976931348623157e308", 1.7976931348623157e308}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(ReadEntryValueOverflow, ANumberBeyondADoubleIsAFault) {
  EXPECT_THROW(ReadEntryValue("1e999"), ArithmeticFault);
  EXPECT_THROW(ReadEntryValue("-1e999"), ArithmeticFault);
  EXPECT_THROW(ReadEntryValue("1D400"), ArithmeticFault);
  EXPECT_THROW(ReadEntryValue("1" + std::string(400, '0')), ArithmeticFault);
  EXPECT_THROW(ReadEntryValue("0.001e99999999999999999999"), ArithmeticFault);
}

TEST(ReadEntryValueLongText, AMegabyteOfPastedTextReadsQuickly) {
  std::string digits(1 << 20, '9');
  EXPECT_THROW(ReadEntryValue(digits), ArithmeticFault);
  std::string blanks(1 << 20, ' ');
  EXPECT_EQ(ReadEntryValue(blanks + "42"), 42.0);
  std::string binary(1 << 20, '\0');
  EXPECT_EQ(ReadEntryValue(binary), 0.0);
}

}  // namespace
