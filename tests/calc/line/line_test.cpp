// The line computation, and the cable catalogue it draws the line data from.
#include "calc/line/line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <tuple>
#include <vector>

#include "calc/line/cable_catalogue.h"
#include "calc/messages.h"
#include "numeric/entry_value.h"
#include "numeric/fault.h"
#include "support/worked_line_run.h"

namespace {

using namespace tolvar::calc::line;
using tolvar::numeric::ArithmeticFault;
using tolvar::testing::LineRun;
using Complex = std::complex<double>;
constexpr Direction kTx = Direction::TowardsTransmitter;
constexpr Direction kAnt = Direction::TowardsAntenna;
// Half a wave at 14 MHz [m]: L dB over it is L / kHalfWaveM * 100 dB / 100 m.
constexpr double kHalfWaveM = 0.5 * kSpeedOfLight / 14 * 0.66;

tolvar::calc::Outcome<LineFigures> RunLine(const LineEntries& e) {
  return ComputeLine(e, FindStartPoint(e, 0));
}
std::string Text(const LineEntries& e) { return LineResultText(RunLine(e)); }
const LineFigures& Figures(const tolvar::calc::Outcome<LineFigures>& run) {
  return std::get<LineFigures>(run);
}
const Cable& Named(std::string_view name) {
  return CableCatalogue().at(static_cast<std::size_t>(FindCable(name)));
}

Complex Shown(const LineFigures& f) { return {f.shownZ.re, f.shownZ.im}; }

TEST(ComputeLine, ShowsTheResultText) {
  using Run = std::pair<LineEntries, std::string>;
  const Run kWholeTexts[] = {
      // The worked runs, to a 75-ohm transmitter and to the antenna; a matched start.
      Run{LineRun(kTx, 100, 50, 2, 360, 1, 75),
          "R = 20.36 ohm  X = -9.93 ohm  SWR 50ohm=2.57 SWR 75ohm=3.75\r\n"
          "V = 50.82Vrms 71.87Vp 143.73Vpp I = 2.24A PWR = 102.45W\r\n"
          "Shift=+90.00\u00b0 +0.250 lambda 3.53m loss=0.07(ML)+0.03(SWRL)=0.11dB\r\n"
          "Rp = 25.20 ohm Xp = -51.65 ohm open-end stub: 5.34m shorted: 1.80m"},
      Run{LineRun(kAnt, 100, 50, 2, 360),
          "R = 19.64 ohm  X = -10.06 ohm  SWR = 2.67\r\n"
          "V = 49.19Vrms 69.56Vp 139.13Vpp I = 2.23A PWR = 97.57W\r\n"
          "Shift=-90.00\u00b0 -0.250 lambda 3.53m loss=0.07(ML)+0.04(SWRL)=0.11dB\r\n"
          "Rp = 24.80 ohm Xp = -48.39 ohm open-end stub: 5.26m shorted: 1.73m"},
      Run{LineRun(kAnt, 50, 0, 2, 0),
          "R = 50.00 ohm  X = 0.00 ohm  SWR = 1.00\r\n"
          "V = 69.57Vrms 98.39Vp 196.77Vpp I = 1.39A PWR = 96.80W\r\n"
          "Shift=-180.00\u00b0 -0.500 lambda 7.07m loss=0.14(ML)+0.00(SWRL)=0.14dB\r\n"
          "Rp = 50.00 ohm Xp > 9999 ohm open-end stub: 0.00m shorted: 3.53m"},
      // SWR 50 through 3 dB to the antenna would need |Gamma| > 1.
      Run{LineRun(kAnt, 2500, 0, 3 / kHalfWaveM * 100, 0),
          std::string(tolvar::calc::kEntrySwrTooHigh)},
      // A line never gains power, whatever its loss model or a pasted entry says.
      Run{LineRun(kTx, 100, 50, -0.9, 360), std::string(tolvar::calc::kNegativeLineLoss)}};
  for (const auto& [e, text] : kWholeTexts) EXPECT_EQ(Text(e), text);
  const Run kParts[] = {
      // Two SWRs once the impedances differ at all; the slider's ends read 180 and 0.
      Run{LineRun(kTx, 100, 50, 2, 360, 1, 50.0001), "SWR 50ohm=2.57 SWR 50ohm=2.57\r\n"},
      Run{LineRun(kTx, 100, 50, 2, 720), "Shift=+180.00\u00b0 +0.500 lambda 7.07m"},
      Run{LineRun(kTx, 100, 50, 2, 0), "Shift=+0.00\u00b0 +0.000 lambda 0.00m"},
      Run{LineRun(kAnt, 100, 50, 2, 720), "Shift=-0.00\u00b0 -0.000 lambda 0.00m"},
      // 30 m of RG-58 at 28 MHz (cycle 9, slider 353): SWR 3 at the antenna, 1.81 here.
      Run{LineRun(kTx, 150, 0, LossDbPer100m(Named("RG-58 (generic)"), 28), 353, 9, 50, 28),
          "R = 27.61 ohm  X = -1.06 ohm  SWR = 1.81\r\n"},
      // To the antenna: exact at once, matched, and SWR 4 found through 1.5 dB.
      Run{LineRun(kAnt, 150, 0, 0, 720), "R = 150.00 ohm  X = 0.00 ohm  SWR = 3.00\r\n"},
      Run{LineRun(kAnt, 50, 0, 5, 100), "R = 50.00 ohm  X = 0.00 ohm  SWR = 1.00\r\n"},
      Run{LineRun(kAnt, 200, 0, 1.5 / kHalfWaveM * 100, 0), "X = 0.00 ohm  SWR = 12.12\r\n"},
      // Xp = (R² + X²) / X = 10000.25 ohm, and an Rp above 9999 ohm, show as bounds.
      Run{LineRun(kTx, 50, 0.25, 0, 0), "\r\nRp = 50.00 ohm Xp > 9999 ohm open"},
      Run{LineRun(kTx, 50, -0.25, 0, 0), "\r\nRp = 50.00 ohm Xp < -9999 ohm open"},
      Run{LineRun(kTx, 10000, 5, 0, 0), "\r\nRp > 9999 ohm Xp > 9999 ohm open"}};
  for (const auto& [e, part] : kParts) EXPECT_NE(Text(e).find(part), std::string::npos) << Text(e);
  // The loss field: one decimal; below 0 or too wide for the field, out of range.
  for (const auto& [loss, text] : {std::pair{6.2449, "6.2"},
                                   {0.0, "0.0"},
                                   {99.94, "99.9"},
                                   {99.95, ">99"},
                                   {-0.9, "<0"},
                                   {-947610735.1, "<0"}}) {
    EXPECT_EQ(LossText(loss), text);
  }
}

// What holds for every run and for the chart's path, from the start to exactly the far point.
TEST(ComputeLine, EveryRunFollowsTheLine) {
  for (const Direction d : {kTx, kAnt}) {
    for (const int slider : {0, 1, 200, 360, 611, 720}) {
      for (const int cycles : {1, 3, 40}) {
        for (const double loss : {0.0, 2.0}) {
          const LineEntries e = LineRun(d, 100, 50, loss, slider, cycles);
          const StartPoint start = FindStartPoint(e, 0);
          // With loss, 40 half waves ask more of the antenna than it can reflect.
          if (loss > 0 && (cycles == 40 || start.shiftDeg == 0)) continue;
          SCOPED_TRACE(::testing::Message() << slider << " in cycle " << cycles << ", " << loss);
          const LineFigures r = Figures(ComputeLine(e, start));
          const Complex z = Shown(r);
          const std::vector<tolvar::numeric::Complex> path = LinePath(e, start, 16);
          EXPECT_TRUE(path.front() == start.gamma && path.back() == r.far.gamma);
          for (std::size_t k = 1; k < path.size(); ++k) {
            // |Gamma| stays without loss; with loss it falls towards the transmitter.
            const double before = std::hypot(path[k - 1].re, path[k - 1].im);
            const double now = std::hypot(path[k].re, path[k].im);
            EXPECT_TRUE(loss == 0 ? std::fabs(now - start.rho) < 1e-6
                                  : (d == kTx ? now < before : now > before));
          }
          if (loss == 0) {
            // The power and the SWR stay; whole half waves give back the impedance.
            EXPECT_DOUBLE_EQ(r.far.powerW, 100);
            EXPECT_NEAR(r.far.swr, 2.618, 5e-4);
            EXPECT_TRUE(slider % 720 != 0 || std::abs(z - Complex(100, 50)) < 1e-5) << z;
          } else if (d == kTx) {
            // |Gamma| falls by 10^(-ML/10), ML the matched loss over the shift.
            const double matchedLossDb = start.shiftDeg / 180 * kHalfWaveM * loss / 100;
            EXPECT_NEAR(std::hypot(r.far.gamma.re, r.far.gamma.im),
                        start.rho * std::pow(10.0, -matchedLossDb / 10), 1e-12);
          } else {
            // Shifting back from the impedance shown gives the start, to two decimals.
            EXPECT_GT(r.far.swr, start.entrySwr);
            const LineEntries back = LineRun(kTx, z.real(), z.imag(), loss, 720 - slider, cycles);
            EXPECT_LT(std::abs(Shown(Figures(RunLine(back))) - Complex(100, 50)), 0.1);
          }
        }
      }
    }
  }
}

TEST(StartPoint, ReliabilityPhaseAndLengths) {
  // Unreliable above SWR 25 (1250 ohm on 50) or above 150 MHz.
  for (const auto& [r, mhz, unreliable] : {std::tuple{1249.0, 14.0, false},
                                           {1250.5, 14.0, true},
                                           {50.0, 150.0, false},
                                           {50.0, 150.001, true}}) {
    EXPECT_EQ(FindStartPoint(LineRun(kTx, r, 0, 2, 360, 1, 50, mhz), 0).unreliable, unreliable);
  }
  // A matched start has no phase of its own: it keeps the last run's. -Z0 has no Gamma.
  const StartPoint matched = FindStartPoint(LineRun(kTx, 50, 0, 2, 360), 37.5);
  EXPECT_TRUE(matched.phaseDeg == 37.5 && matched.entrySwr == 1);
  EXPECT_THROW(FindStartPoint(LineRun(kTx, -50, 0, 2, 360), 0), ArithmeticFault);
  EXPECT_EQ(HalfWaveRange(1, 0.67, 14), "0.00 - 7.18 mtrs.");
  EXPECT_EQ(HalfWaveRange(40, 0.67, 14), "279.96 - 287.14 mtrs.");
  EXPECT_EQ(HalfWaveRange(1, 0.66, 14), "0.00 - 7.07 mtrs.");
  EXPECT_FALSE(HalfWaveRange(1, 0.67, 0).has_value()) << "0 MHz has no half wave";
}

TEST(PowerSwap, NeedsACompleteRunAndGivesTheStartPower) {
  // 100 W entered and 80 W at the far point: 125 W at the start bring 100 W there.
  EXPECT_DOUBLE_EQ(SwappedPowerW(100, 80), 125);
  for (const auto& [watts, complete, far, can] : {std::tuple{100.0, true, 80.0, true},
                                                  {0.0, true, 80.0, false},
                                                  {-5.0, true, 80.0, false},
                                                  {100.0, false, 80.0, false},
                                                  {100.0, true, 0.0, false}}) {
    EXPECT_EQ(CanSwapPower(watts, complete, far), can) << watts << ' ' << complete << ' ' << far;
  }
}

TEST(CableCatalogue, HoldsTheCablesAndTheirLoss) {
  // Each cable is found by its exact name (so no two are alike): case and blanks count.
  for (std::size_t n = 0; n < kCableCount; ++n) {
    const std::string_view name = CableCatalogue()[n].name;
    EXPECT_TRUE(!name.empty() && name.front() != ' ' && name.back() != ' ') << name;
    EXPECT_EQ(FindCable(name), static_cast<int>(n)) << name;
  }
  for (const char* name : {"rg-58 (generic)", "RG-58 (generic) ", "RG-58", ""}) {
    EXPECT_EQ(FindCable(name), -1) << name;
  }
  // The makers' datasheets print dB / 100 ft to 0.1 dB: half that last digit is the tolerance.
  constexpr double kFeetPer100m = 1 / 0.3048;
  for (const auto& [cable, mhz, dbPer100ft] : {std::tuple{"Times LMR-400", 30.0, 0.7},
                                               {"Times LMR-400", 150.0, 1.5},
                                               {"Belden 9913 (RG-8/U)", 10.0, 0.5},
                                               {"Belden 9913 (RG-8/U)", 50.0, 1.0},
                                               {"Belden 8267 (RG-213/U)", 100.0, 1.9},
                                               {"Belden 8262 (RG-58C/U)", 100.0, 4.9}}) {
    EXPECT_NEAR(LossDbPer100m(Named(cable), mhz), dbPer100ft * kFeetPer100m, 0.05 * kFeetPer100m)
        << cable << " at " << mhz << " MHz";
  }
  // Ideal lines lose nothing; the model falls below 0 at 0 MHz and far above 150 MHz for
  // some cables (the line then shows kNegativeLineLoss); -1 MHz has no square root.
  EXPECT_EQ(LossDbPer100m(Named("50 ohm ideal lossless line"), 30), 0);
  EXPECT_EQ(LossDbPer100m(Named("75 ohm ideal lossless line"), 30), 0);
  EXPECT_LT(LossDbPer100m(Named("RG-213 (generic)"), 0), 0);
  EXPECT_NEAR(LossDbPer100m(Named("RG-213 (generic)"), 5760), -0.9, 0.05);
  EXPECT_THROW(LossDbPer100m(CableCatalogue()[0], -1), ArithmeticFault);
}

}  // namespace
