#include "calc/swr/swr.h"

#include <gtest/gtest.h>

#include "calc/messages.h"

#include "numeric/fault.h"

namespace {

using tolvar::calc::kNoForwardPower;
using tolvar::calc::swr::SwrEntries;
using tolvar::calc::swr::SwrText;

struct SwrCase {
  const char* name;
  SwrEntries entries;
  std::string_view text;
};

class SwrTextTest : public ::testing::TestWithParam<SwrCase> {};

TEST_P(SwrTextTest, ShowsTheResultText) { EXPECT_EQ(SwrText(GetParam().entries), GetParam().text); }

INSTANTIATE_TEST_SUITE_P(
    Loads, SwrTextTest,
    ::testing::Values(SwrCase{"resistive_above_reference",
                              {100, 0, 50, 0, 100},
                              "SWR = 2.000 Ret.Loss = 9.542 Refl.Pwr. = 11.111\r\n"
                              "Reflection Coeff. (Gamma or S11) = +0.3333 + i0.0000\r\n"
                              "Reflection Coefficent Magnitude (rho) = 0.3333\r\n"
                              "Angle of Reflection Coeff. (Gamma Phase) = 0.0\u00b0\r\n"
                              "Admittance = 0.010 + J0.000 S"},
                      SwrCase{"inductive_below_reference",
                              {25, 25, 50, 0, 100},
                              "SWR = 2.618 Ret.Loss = 6.990 Refl.Pwr. = 20.000\r\n"
                              "Reflection Coeff. (Gamma or S11) = -0.2000 + i0.4000\r\n"
                              "Reflection Coefficent Magnitude (rho) = 0.4472\r\n"
                              "Angle of Reflection Coeff. (Gamma Phase) = 116.6\u00b0\r\n"
                              "Admittance = 0.020 - J0.020 S"},
                      SwrCase{"matched_load",
                              {50, 0, 50, 0, 100},
                              "SWR = 1.000 Ret.Loss = INF. Refl.Pwr. = 0.000\r\n"
                              "Ref.Coef. = 0.000 + i0.000  Ref.Coef.Magn. = 0.000"},
                      SwrCase{"resistive_below_reference_reads_180_degrees",
                              {25, 0, 50, 0, 100},
                              "SWR = 2.000 Ret.Loss = 9.542 Refl.Pwr. = 11.111\r\n"
                              "Reflection Coeff. (Gamma or S11) = -0.3333 + i0.0000\r\n"
                              "Reflection Coefficent Magnitude (rho) = 0.3333\r\n"
                              "Angle of Reflection Coeff. (Gamma Phase) = 180.0\u00b0\r\n"
                              "Admittance = 0.040 + J0.000 S"},
                      SwrCase{"capacitive_load",
                              {50, -50, 50, 0, 100},
                              "SWR = 2.618 Ret.Loss = 6.990 Refl.Pwr. = 20.000\r\n"
                              "Reflection Coeff. (Gamma or S11) = +0.2000 - i0.4000\r\n"
                              "Reflection Coefficent Magnitude (rho) = 0.4472\r\n"
                              "Angle of Reflection Coeff. (Gamma Phase) = -63.4\u00b0\r\n"
                              "Admittance = 0.010 + J0.010 S"},
                      SwrCase{"same_reactance_as_complex_reference_is_matched",
                              {50, 10, 50, 10, 100},
                              "SWR = 1.000 Ret.Loss = INF. Refl.Pwr. = 0.000\r\n"
                              "Ref.Coef. = 0.000 + i0.000  Ref.Coef.Magn. = 0.000"},
                      SwrCase{"no_forward_power", {100, 0, 50, 0, 0}, kNoForwardPower},
                      SwrCase{"negative_forward_power", {100, 0, 50, 0, -5}, kNoForwardPower},
                      SwrCase{"matched_without_forward_power", {50, 0, 50, 0, 0}, kNoForwardPower}),
    [](const auto& row) { return std::string(row.param.name); });

std::string Line(const std::string& text, int n) {
  std::size_t start = 0;
  for (int i = 0; i < n; ++i) {
    start = text.find("\r\n", start) + 2;
  }
  return text.substr(start, text.find("\r\n", start) - start);
}

TEST(SwrAdmittance, IsTheLoadsAdmittanceForAComplexReference) {
  // 1 / (20 - j60) = 0.005 + j0.015 S, whatever the reference.
  EXPECT_EQ(Line(SwrText({20, -60, 50, 30, 100}), 4), "Admittance = 0.005 + J0.015 S");
  EXPECT_EQ(Line(SwrText({20, -60, 50, 0, 100}), 4), "Admittance = 0.005 + J0.015 S");
  EXPECT_EQ(Line(SwrText({20, -60, 75, -40, 100}), 4), "Admittance = 0.005 + J0.015 S");
  // The sign follows the admittance, not Gamma: 1 / (30 + j40) = 0.012 - j0.016 S.
  EXPECT_EQ(Line(SwrText({30, 40, 50, 30, 100}), 4), "Admittance = 0.012 - J0.016 S");
}

TEST(SwrComplexReference, RhoAboveOneIsShownAsComputed) {
  // r + x * x0 < 0 on 50 + j50: rho > 1, a negative SWR and return loss.
  const std::string text = SwrText({10, -50, 50, 50, 100});
  EXPECT_EQ(text.rfind("SWR = -", 0), 0U) << text;
  EXPECT_NE(Line(text, 0).find("Ret.Loss = -"), std::string::npos) << text;
}

TEST(SwrComplexReference, RhoOfOneIsAFault) {
  // r + x * x0 = 0: Gamma = -j exactly and the SWR divides by zero.
  EXPECT_THROW(SwrText({50, -50, 50, 50, 100}), tolvar::numeric::ArithmeticFault);
}

TEST(SwrHighRatio, ExtremeLoadsStayExact) {
  EXPECT_EQ(Line(SwrText({5000, 0, 50, 0, 100}), 0),
            "SWR = 100.000 Ret.Loss = 0.174 Refl.Pwr. = 96.079");
  EXPECT_EQ(Line(SwrText({0.001, 0, 50, 0, 100}), 0),
            "SWR = 50000.000 Ret.Loss = 0.000 Refl.Pwr. = 99.992");
}

TEST(SwrFaults, OverflowingEntriesEndTheCalculation) {
  EXPECT_THROW(SwrText({1e200, 1e200, 1e-200, 0, 100}), tolvar::numeric::ArithmeticFault);
}

}  // namespace
