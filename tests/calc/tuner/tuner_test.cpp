#include "calc/tuner/tuner.h"

#include <gtest/gtest.h>

#include <cmath>

#include "calc/messages.h"
#include "numeric/fault.h"

namespace {

using namespace tolvar::calc::tuner;
using Row = std::pair<TunerEntries, std::string>;  // S Ant., S11, S21, S22, S12

// The four lines of a result from what they show: the loss or gain, the waves
// a2, b1 and b2, and the antenna's Z and SWR.
std::string Result(const char* loss, const char* a2, const char* b1, const char* b2,
                   const char* z) {
  return std::string("Tuner ") + loss + "\r\na1 = (1.0000 +i0.0000) a2 = (" + a2 + ")\r\nb1 = (" +
         b1 + ") b2 = (" + b2 + ")\r\nZ = " + z;
}

TEST(TunerLoss, ShowsTheResultText) {
  const std::string invalid(tolvar::calc::kInvalidSParameters);
  const Row kRows[] = {
      Row{{{0.2, 0.1}, {0.1, 0}, {0.9, 0}, {0.1, 0}, {0.9, 0}},
          Result("Insertion Loss = 0.6147 dB (13.20 %)", "0.1827 +i0.0937", "0.2644 +i0.0843",
                 "0.9183 +i0.0094", "73.08 + J15.38 SWR = 1.576")},
      Row{{{0.2, 0.1}, {0.1, 0.05}, {0.85, -0.3}, {0.05, 0.1}, {0.85, -0.3}},
          Result("Insertion Loss = 0.7758 dB (16.36 %)", "0.1993 +i0.0300", "0.2784 +i0.0157",
                 "0.8570 -i0.2786", "73.08 + J15.38 SWR = 1.576")},
      Row{{{-0.3, -0.4}, {0, 0}, {0.95, 0}, {0, 0}, {0.95, 0}},
          Result("Insertion Loss = 0.7061 dB (15.01 %)", "-0.2850 -i0.3800", "-0.2707 -i0.3610",
                 "0.9500 +i0.0000", "20.27 - J21.62 SWR = 3.000")},
      // A gain asks to check the data, and so does the 0 dB of an ideal through.
      Row{{{0.2, 0}, {0, 0}, {1.05, 0}, {0, 0}, {1.05, 0}},
          Result("GAIN = 0.4630 dB (11.25%) CHECK DATA!", "0.2100 +i0.0000", "0.2205 +i0.0000",
                 "1.0500 +i0.0000", "75.00 + J0.00 SWR = 1.500")},
      Row{{{0.5, 0.3}, {0, 0}, {1, 0}, {0, 0}, {1, 0}},
          Result("GAIN = 0.0000 dB (0.00%) CHECK DATA!", "0.5000 +i0.3000", "0.5000 +i0.3000",
                 "1.0000 +i0.0000", "97.06 + J88.24 SWR = 3.797")},
      // Not reciprocal: S12 enters b1 and the loss only.
      Row{{{0.2, 0.1}, {0, 0}, {0.9, 0}, {0, 0}, {0.5, 0}},
          Result("Insertion Loss = 1.0937 dB (22.26 %)", "0.1800 +i0.0900", "0.0900 +i0.0450",
                 "0.9000 +i0.0000", "73.08 + J15.38 SWR = 1.576")},
      // No power out; powers of opposite sign (S11 beyond 1); antennas not passive.
      Row{{}, invalid}, Row{{{0, 0}, {1.5, 0}, {0.5, 0}, {0, 0}, {0.5, 0}}, invalid},
      Row{{{0.6, 0.8}, {0, 0}, {0.9, 0}, {0, 0}, {0.9, 0}}, invalid},
      Row{{{1, 0}, {0, 0}, {0.9, 0}, {0, 0}, {0.9, 0}}, invalid}};
  for (const auto& [entries, text] : kRows)
    EXPECT_EQ(TunerLossText(ComputeTunerLoss(entries)), text);
  // S22 S Ant. = 1 divides by zero.
  EXPECT_THROW(ComputeTunerLoss({{0.5, 0}, {0, 0}, {0.9, 0}, {2, 0}, {0.9, 0}}),
               tolvar::numeric::ArithmeticFault);
  // A reciprocal lossless tuner, S = [[a, t], [t, -conj(a)]] with t² = 1 - |a|², loses nothing.
  for (const auto& [re, im] : {std::pair{0.3, 0.4}, {-0.5, 0.1}, {0.0, 0.0}, {0.6, -0.2}}) {
    const double t = std::sqrt(1 - re * re - im * im);
    for (const auto& [antRe, antIm] : {std::pair{0.2, 0.1}, {-0.3, -0.4}, {0.5, 0.3}}) {
      const auto loss = ComputeTunerLoss({{antRe, antIm}, {re, im}, {t, 0}, {-re, im}, {t, 0}});
      EXPECT_NEAR(std::get<TunerFigures>(loss).insertionLossDb, 0, 1e-12);
    }
  }
}

}  // namespace
