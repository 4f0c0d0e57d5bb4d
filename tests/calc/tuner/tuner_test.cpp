#include "calc/tuner/tuner.h"

#include <gtest/gtest.h>

#include "calc/messages.h"

#include "numeric/fault.h"

namespace {

using tolvar::calc::kInvalidSParameters;
using tolvar::calc::tuner::TunerEntries;
using tolvar::calc::tuner::TunerLossText;

std::string FirstLine(const std::string& text) { return text.substr(0, text.find("\r\n")); }

TEST(TunerLoss, WorkedExamples) {
  EXPECT_EQ(TunerLossText({{0.2, 0.1}, {0.1, 0}, {0.9, 0}, {0.1, 0}, {0.9, 0}}),
            "Tuner Insertion Loss = 0.6147 dB (13.20 %)\r\n"
            "a1 = (1.0000 +i0.0000) a2 = (0.1827 +i0.0937)\r\n"
            "b1 = (0.2644 +i0.0843) b2 = (0.9183 +i0.0094)\r\n"
            "Z = 73.08 + J15.38 SWR = 1.576");
  EXPECT_EQ(TunerLossText({{0.2, 0.1}, {0.1, 0.05}, {0.85, -0.3}, {0.05, 0.1}, {0.85, -0.3}}),
            "Tuner Insertion Loss = 0.7758 dB (16.36 %)\r\n"
            "a1 = (1.0000 +i0.0000) a2 = (0.1993 +i0.0300)\r\n"
            "b1 = (0.2784 +i0.0157) b2 = (0.8570 -i0.2786)\r\n"
            "Z = 73.08 + J15.38 SWR = 1.576");
  const std::string third = TunerLossText({{-0.3, -0.4}, {0, 0}, {0.95, 0}, {0, 0}, {0.95, 0}});
  EXPECT_EQ(FirstLine(third), "Tuner Insertion Loss = 0.7061 dB (15.01 %)");
  EXPECT_NE(third.find("a2 = (-0.2850 -i0.3800)"), std::string::npos) << third;
  EXPECT_NE(third.find("b1 = (-0.2707 -i0.3610)"), std::string::npos) << third;
  EXPECT_NE(third.find("Z = 20.27 - J21.62 SWR = 3.000"), std::string::npos) << third;
}

TEST(TunerLoss, GainAsksToCheckTheData) {
  EXPECT_EQ(FirstLine(TunerLossText({{0.2, 0}, {0, 0}, {1.05, 0}, {0, 0}, {1.05, 0}})),
            "Tuner GAIN = 0.4630 dB (11.25%) CHECK DATA!");
  // An ideal lossless through: 0 dB reads as a gain to be checked.
  const std::string through = TunerLossText({{0.5, 0.3}, {0, 0}, {1, 0}, {0, 0}, {1, 0}});
  EXPECT_EQ(FirstLine(through), "Tuner GAIN = 0.0000 dB (0.00%) CHECK DATA!");
  EXPECT_EQ(through.substr(through.rfind("\r\n") + 2), "Z = 97.06 + J88.24 SWR = 3.797");
}

TEST(TunerLoss, NonReciprocalTunerUsesS12) {
  // A lossy reciprocal tuner loses more than a lossless one; S12 enters b1 only.
  const std::string reciprocal = TunerLossText({{0.2, 0.1}, {0, 0}, {0.9, 0}, {0, 0}, {0.9, 0}});
  const std::string oneWay = TunerLossText({{0.2, 0.1}, {0, 0}, {0.9, 0}, {0, 0}, {0.5, 0}});
  EXPECT_NE(FirstLine(reciprocal), FirstLine(oneWay));
  EXPECT_EQ(reciprocal.substr(reciprocal.rfind("\r\n")), oneWay.substr(oneWay.rfind("\r\n")));
}

TEST(TunerLoss, EachPressStandsOnItsOwnEntries) {
  const TunerEntries empty{};
  EXPECT_EQ(TunerLossText(empty), kInvalidSParameters);
  EXPECT_EQ(TunerLossText({{0.2, 0.1}, {0.1, 0}, {0.9, 0}, {0.1, 0}, {0.9, 0}}).substr(0, 11),
            "Tuner Inser");
  EXPECT_EQ(TunerLossText(empty), kInvalidSParameters);
  // Powers of opposite sign: S11 beyond 1 with a passive output.
  EXPECT_EQ(TunerLossText({{0, 0}, {1.5, 0}, {0.5, 0}, {0, 0}, {0.5, 0}}), kInvalidSParameters);
}

TEST(TunerLoss, AntennaThatIsNotPassiveIsInvalid) {
  EXPECT_EQ(TunerLossText({{0.6, 0.8}, {0, 0}, {0.9, 0}, {0, 0}, {0.9, 0}}), kInvalidSParameters);
  EXPECT_EQ(TunerLossText({{0.9, 0.9}, {0, 0}, {0.9, 0}, {0, 0}, {0.9, 0}}), kInvalidSParameters);
}

TEST(TunerLoss, S22TimesGammaOfOneIsAFault) {
  EXPECT_THROW(TunerLossText({{0.5, 0}, {0, 0}, {0.9, 0}, {2, 0}, {0.9, 0}}),
               tolvar::numeric::ArithmeticFault);
}

}  // namespace
