#include "calc/line/line.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "calc/line/cable_catalogue.h"
#include "calc/messages.h"
#include "numeric/entry_value.h"
#include "numeric/fault.h"
#include "numeric/format.h"
#include "numeric/reflection.h"
#include "support/worked_line_run.h"

namespace {

using namespace tolvar::calc::line;

LineEntries WorkedRun(Direction direction, double rtxZ) {
  return tolvar::testing::WorkedLineRun(direction, rtxZ);
}

LineResult RunLine(const LineEntries& e) { return ComputeLine(e, FindStartPoint(e, 0)); }

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  for (std::size_t end; (end = text.find("\r\n", start)) != std::string::npos; start = end + 2) {
    lines.push_back(text.substr(start, end - start));
  }
  lines.push_back(text.substr(start));
  return lines;
}

// R and X of a first result line "R = a ohm  X = b ohm ...", read as the
// program reads numbers (the C library's readers would follow the locale).
void ReadImpedance(const std::string& line, double& R, double& X) {
  R = tolvar::numeric::ReadEntryValue(line.substr(line.find("R = ") + 4));
  X = tolvar::numeric::ReadEntryValue(line.substr(line.find("X = ") + 4));
}

// |Gamma| of an impedance "R = a ohm  X = b ohm" against z0, from the plain values.
double Rho(double r, double x, double z0) {
  return tolvar::numeric::Magnitude(tolvar::numeric::GammaReFromZ(r / z0, x / z0),
                                    tolvar::numeric::GammaImFromZ(r / z0, x / z0));
}

TEST(ComputeLine, WorkedRunTowardsTheTransmitter) {
  const LineResult two = RunLine(WorkedRun(Direction::TowardsTransmitter, 75));
  EXPECT_TRUE(two.complete);
  EXPECT_EQ(Lines(two.text),
            (std::vector<std::string>{
                "R = 20.36 ohm  X = -9.93 ohm  SWR 50ohm=2.57 SWR 75ohm=3.75",
                "V = 50.82Vrms 71.87Vp 143.73Vpp I = 2.24A PWR = 102.45W",
                "Shift=+90.00\u00b0 +0.250 lambda 3.53m loss=0.07(ML)+0.03(SWRL)=0.11dB",
                "Rp = 25.20 ohm Xp = -51.65 ohm open-end stub: 5.34m shorted: 1.80m"}));
  const LineResult one = RunLine(WorkedRun(Direction::TowardsTransmitter, 50));
  const auto lines = Lines(one.text);
  EXPECT_EQ(lines[0], "R = 20.36 ohm  X = -9.93 ohm  SWR = 2.57");
  EXPECT_EQ(lines[1], Lines(two.text)[1]);
  EXPECT_EQ(lines[3], Lines(two.text)[3]);
}

TEST(ComputeLine, WorkedRunTowardsTheAntenna) {
  const LineResult r = RunLine(WorkedRun(Direction::TowardsAntenna, 50));
  EXPECT_TRUE(r.complete);
  EXPECT_EQ(Lines(r.text),
            (std::vector<std::string>{
                "R = 19.64 ohm  X = -10.06 ohm  SWR = 2.67",
                "V = 49.19Vrms 69.56Vp 139.13Vpp I = 2.23A PWR = 97.57W",
                "Shift=-90.00\u00b0 -0.250 lambda 3.53m loss=0.07(ML)+0.04(SWRL)=0.11dB",
                "Rp = 24.80 ohm Xp = -48.39 ohm open-end stub: 5.26m shorted: 1.73m"}));
}

TEST(ComputeLine, MatchedStartTowardsTheAntennaOverHalfAWave) {
  LineEntries e = WorkedRun(Direction::TowardsAntenna, 50);
  e.startR = 50;
  e.startX = 0;
  e.slider = 0;
  const auto lines = Lines(RunLine(e).text);
  EXPECT_EQ(lines[0], "R = 50.00 ohm  X = 0.00 ohm  SWR = 1.00");
  EXPECT_EQ(lines[2].substr(0, 35), "Shift=-180.00\u00b0 -0.500 lambda 7.07m");
  EXPECT_EQ(lines[3], "Rp = 50.00 ohm Xp > 9999 ohm open-end stub: 0.00m shorted: 3.53m");
}

TEST(ComputeLine, SliderEndsReadHalfAWaveNotZero) {
  LineEntries e = WorkedRun(Direction::TowardsTransmitter, 50);
  e.slider = 720;
  EXPECT_EQ(Lines(RunLine(e).text)[2].substr(0, 16), "Shift=+180.00\u00b0 ");
  e.slider = 0;
  EXPECT_EQ(Lines(RunLine(e).text)[2].substr(0, 14), "Shift=+0.00\u00b0 ");
  e.direction = Direction::TowardsAntenna;
  e.slider = 720;
  EXPECT_EQ(Lines(RunLine(e).text)[2].substr(0, 14), "Shift=-0.00\u00b0 ");
}

TEST(ComputeLine, ShiftFromSliderCycleAndDirection) {
  LineEntries e = WorkedRun(Direction::TowardsTransmitter, 50);
  e.slider = 0;
  EXPECT_EQ(FindStartPoint(e, 0).shiftDeg, 0);
  e.slider = 720;
  EXPECT_EQ(FindStartPoint(e, 0).shiftDeg, 180);
  e.direction = Direction::TowardsAntenna;
  EXPECT_EQ(FindStartPoint(e, 0).shiftDeg, 0);
  e.slider = 0;
  EXPECT_EQ(FindStartPoint(e, 0).shiftDeg, -180);
  e.cycles = 3;
  e.slider = 360;
  EXPECT_EQ(FindStartPoint(e, 0).shiftDeg, -450);
}

TEST(ComputeLine, TwoSwrLayoutWhenImpedancesDifferAtAll) {
  LineEntries e = WorkedRun(Direction::TowardsTransmitter, 50.0001);
  const std::string first = Lines(RunLine(e).text)[0];
  EXPECT_EQ(first.substr(first.find("SWR ")), "SWR 50ohm=2.57 SWR 50ohm=2.57");
}

TEST(ComputeLine, LosslessLineKeepsRhoAndPower) {
  for (const Direction d : {Direction::TowardsTransmitter, Direction::TowardsAntenna}) {
    for (const int slider : {0, 1, 100, 360, 555, 720}) {
      for (const double cycles : {1.0, 2.0, 40.0}) {
        LineEntries e = WorkedRun(d, 50);
        e.lossPer100m = 0;
        e.slider = slider;
        e.cycles = cycles;
        const StartPoint start = FindStartPoint(e, 0);
        const LineResult r = ComputeLine(e, start);
        const auto lines = Lines(r.text);
        double R = 0;
        double X = 0;
        ReadImpedance(lines[0], R, X);
        EXPECT_NEAR(Rho(R, X, 50), start.rho, 2e-4) << lines[0];
        EXPECT_DOUBLE_EQ(r.farPower, 100);
        EXPECT_NE(lines[0].find("SWR = 2.62"), std::string::npos) << lines[0];
      }
    }
  }
}

TEST(ComputeLine, LossyLineShrinksRhoByTheMatchedLossTowardsTheTransmitter) {
  // 30 m of RG-58 at 28 MHz, SWR 3 at the antenna: SWR 1.81 at the transmitter.
  const Cable& rg58 = CableCatalogue()[17];
  LineEntries e = WorkedRun(Direction::TowardsTransmitter, 50);
  e.startR = 150;
  e.startX = 0;
  e.velocityFactor = 0.66;
  e.mhz = 28;
  e.lossPer100m = LossDbPer100m(rg58, 28);
  e.slider = 0;
  e.cycles = 1;
  // 30 m is 30 / (lambda * VF) wavelengths: find the slider and cycle for it.
  const double degrees = 30 / (299.792458 / 28 * 0.66) * 360;
  e.cycles = std::floor(degrees / 180) + 1;
  e.slider = static_cast<int>(std::lround((degrees - (e.cycles - 1) * 180) * 4));
  const StartPoint start = FindStartPoint(e, 0);
  const LineResult r = ComputeLine(e, start);
  const double Shmet = (start.shiftDeg / 360) * start.wavelengthM * e.velocityFactor;
  const double matched = Shmet * e.lossPer100m / 100;
  const auto lines = Lines(r.text);
  double R = 0;
  double X = 0;
  ReadImpedance(lines[0], R, X);
  EXPECT_NEAR(Rho(R, X, 50), start.rho * std::pow(10.0, -matched / 10), 2e-4);
  EXPECT_NE(lines[0].find("SWR = 1.81"), std::string::npos) << lines[0];
}

TEST(ComputeLine, RoundTripThroughTheSameShiftGivesBackTheStart) {
  for (const int v : {1, 200, 360, 611}) {
    for (const double cycles : {1.0, 3.0}) {
      LineEntries ant = WorkedRun(Direction::TowardsAntenna, 50);
      ant.slider = v;
      ant.cycles = cycles;
      const auto antLines = Lines(RunLine(ant).text);
      double R = 0;
      double X = 0;
      ReadImpedance(antLines[0], R, X);
      LineEntries back = WorkedRun(Direction::TowardsTransmitter, 50);
      back.startR = R;
      back.startX = X;
      back.slider = 720 - v;
      back.cycles = cycles;
      const auto backLines = Lines(RunLine(back).text);
      double R2 = 0;
      double X2 = 0;
      ReadImpedance(backLines[0], R2, X2);
      // Two decimals shown at the antenna limit the way back to about 0.05 ohm.
      EXPECT_NEAR(R2, 100, 0.1) << v << " " << cycles;
      EXPECT_NEAR(X2, 50, 0.1) << v << " " << cycles;
    }
  }
}

TEST(ComputeLine, SearchExitsOnExactMatches) {
  // Lossless, SWR 3 exactly (150 ohm on 50): the first coarse trial matches.
  LineEntries e = WorkedRun(Direction::TowardsAntenna, 50);
  e.startR = 150;
  e.startX = 0;
  e.lossPer100m = 0;
  e.slider = 720;
  EXPECT_EQ(Lines(RunLine(e).text)[0], "R = 150.00 ohm  X = 0.00 ohm  SWR = 3.00");
  // Matched start: SWR 1 matches at once, whatever the loss.
  e.startR = 50;
  e.lossPer100m = 5;
  e.slider = 100;
  EXPECT_NE(Lines(RunLine(e).text)[0].find("SWR = 1.00"), std::string::npos);
}

TEST(ComputeLine, TowardsTheAntennaALossyLineRaisesTheSwr) {
  LineEntries e = WorkedRun(Direction::TowardsAntenna, 50);
  e.lossPer100m = 20;
  const StartPoint start = FindStartPoint(e, 0);
  const auto lines = Lines(ComputeLine(e, start).text);
  const double swr = tolvar::numeric::ReadEntryValue(lines[0].substr(lines[0].find("SWR = ") + 6));
  EXPECT_GT(swr, start.entrySwr);
}

TEST(ComputeLine, PhysicallyPossibleAntennaIsFound) {
  // SWR 4 at the transmitter through 1.5 dB of line: 12.1 at the antenna.
  LineEntries e = WorkedRun(Direction::TowardsAntenna, 50);
  e.startR = 200;
  e.startX = 0;
  e.slider = 0;
  e.cycles = 1;
  const double halfWave = 0.5 * 299.792458 / 14 * 0.66;  // metres
  e.lossPer100m = 1.5 / halfWave * 100;
  const LineResult r = RunLine(e);
  ASSERT_TRUE(r.complete) << r.text;
  EXPECT_NE(Lines(r.text)[0].find("SWR = 12.1"), std::string::npos) << r.text;
}

TEST(ComputeLine, EntrySwrNoAntennaCanProduceIsInvalid) {
  // SWR 50 at the transmitter through 3 dB of line would need |Gamma| > 1.
  LineEntries e = WorkedRun(Direction::TowardsAntenna, 50);
  e.startR = 2500;
  e.startX = 0;
  e.slider = 0;
  const double halfWave = 0.5 * 299.792458 / 14 * 0.66;
  e.lossPer100m = 3 / halfWave * 100;
  const LineResult r = RunLine(e);
  EXPECT_FALSE(r.complete);
  EXPECT_EQ(r.text, tolvar::calc::kEntrySwrTooHigh);
}

TEST(ComputeLine, ParallelLimitsAndStubs) {
  // Xp just inside and outside the bounds.
  LineEntries e = WorkedRun(Direction::TowardsTransmitter, 50);
  e.lossPer100m = 0;
  e.slider = 0;
  e.startR = 50;
  e.startX = 0.25;  // Xp = (R^2 + X^2) / X = 10000.25 ohm
  EXPECT_NE(Lines(RunLine(e).text)[3].find("Xp > 9999 ohm"), std::string::npos);
  e.startX = -0.25;
  EXPECT_NE(Lines(RunLine(e).text)[3].find("Xp < -9999 ohm"), std::string::npos);
  e.startX = 5;
  e.startR = 10000;  // Rp above 9999
  EXPECT_EQ(Lines(RunLine(e).text)[3].substr(0, 13), "Rp > 9999 ohm");
}

TEST(StartPoint, UnreliableAboveSwr25OrAbove150Mhz) {
  LineEntries e = WorkedRun(Direction::TowardsTransmitter, 50);
  e.startX = 0;
  e.startR = 1249;  // SWR 24.98
  EXPECT_FALSE(FindStartPoint(e, 0).unreliable);
  e.startR = 1250.5;
  EXPECT_TRUE(FindStartPoint(e, 0).unreliable);
  e.startR = 50;
  e.mhz = 150;
  EXPECT_FALSE(FindStartPoint(e, 0).unreliable);
  e.mhz = 150.001;
  EXPECT_TRUE(FindStartPoint(e, 0).unreliable);
}

TEST(StartPoint, MatchedStartKeepsThePreviousPhase) {
  LineEntries e = WorkedRun(Direction::TowardsTransmitter, 50);
  e.startR = 50;
  e.startX = 0;
  EXPECT_EQ(FindStartPoint(e, 37.5).phaseDeg, 37.5);
  EXPECT_EQ(FindStartPoint(e, 0).entrySwr, 1);
}

TEST(ComputeLine, FaultsEndTheRun) {
  // A negative loss drives the total-loss logarithm out of its domain.
  LineEntries e = WorkedRun(Direction::TowardsTransmitter, 50);
  e.startR = 5000;
  e.lossPer100m = -50;
  EXPECT_THROW(RunLine(e), tolvar::numeric::ArithmeticFault);
  // A start impedance of -Z0 has no reflection coefficient.
  LineEntries minus = WorkedRun(Direction::TowardsTransmitter, 50);
  minus.startR = -50;
  minus.startX = 0;
  EXPECT_THROW(FindStartPoint(minus, 0), tolvar::numeric::ArithmeticFault);
}

TEST(HalfWaveRange, CycleLengthsAndZeroFrequency) {
  EXPECT_EQ(HalfWaveRange(1, 0.67, 14), "0.00 - 7.18 mtrs.");
  EXPECT_EQ(HalfWaveRange(3, 0.67, 14), "14.36 - 21.54 mtrs.");
  EXPECT_EQ(HalfWaveRange(40, 0.67, 14), "279.96 - 287.14 mtrs.");
  EXPECT_EQ(HalfWaveRange(1, 0.66, 14), "0.00 - 7.07 mtrs.");
  EXPECT_FALSE(HalfWaveRange(1, 0.67, 0).has_value());
}

}  // namespace

namespace {

struct PathCase {
  const char* name;
  Direction direction;
  double lossPer100m;
  int cycles;
  int slider;
};

class LinePathTest : public ::testing::TestWithParam<PathCase> {};

// The path the chart draws is the propagation itself: it ends exactly on the
// far point of the result; a lossless line keeps |Gamma|; with loss |Gamma|
// falls all the way towards the transmitter and grows all the way towards the
// antenna.
TEST_P(LinePathTest, EndsOnTheFarPointAndFollowsTheLoss) {
  LineEntries e = tolvar::testing::WorkedLineRun(GetParam().direction, 75);
  e.lossPer100m = GetParam().lossPer100m;
  e.cycles = GetParam().cycles;
  e.slider = GetParam().slider;
  const StartPoint start = FindStartPoint(e, 0);
  const FarPoint far = Propagate(e, start);
  const std::vector<PathPoint> path = LinePath(e, start, 64);
  ASSERT_EQ(path.size(), 65U);
  EXPECT_EQ(path.front().re, start.gammaRe);
  EXPECT_EQ(path.front().im, start.gammaIm);
  EXPECT_EQ(path.back().re, far.gammaRe);
  EXPECT_EQ(path.back().im, far.gammaIm);
  for (std::size_t k = 1; k < path.size(); ++k) {
    const double before = std::hypot(path[k - 1].re, path[k - 1].im);
    const double now = std::hypot(path[k].re, path[k].im);
    if (e.lossPer100m == 0) {
      EXPECT_NEAR(now, start.rho, 1e-6) << k;  // the antenna-side search stops at 1e-7 in SWR
    } else if (e.direction == Direction::TowardsTransmitter) {
      EXPECT_LT(now, before) << k;
    } else {
      EXPECT_GT(now, before) << k;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(
    Runs, LinePathTest,
    ::testing::Values(PathCase{"lossy_to_rtx", Direction::TowardsTransmitter, 2, 1, 360},
                      PathCase{"lossy_to_rtx_third_cycle", Direction::TowardsTransmitter, 2, 3,
                               500},
                      PathCase{"lossless_to_rtx", Direction::TowardsTransmitter, 0, 2, 100},
                      PathCase{"lossy_to_ant", Direction::TowardsAntenna, 2, 1, 200},
                      PathCase{"lossless_to_ant", Direction::TowardsAntenna, 0, 1, 360}),
    [](const auto& row) { return std::string(row.param.name); });

TEST(LinePath, WorkedRunEndsOnTheImpedanceTheResultShows) {
  const LineEntries e = tolvar::testing::WorkedLineRun(Direction::TowardsTransmitter, 75);
  const StartPoint start = FindStartPoint(e, 0);
  const PathPoint last = LinePath(e, start, 32).back();
  const double r = tolvar::numeric::GammaToR(e.lineZ, last.re, last.im, 1);
  const double x = tolvar::numeric::GammaToX(e.lineZ, last.re, last.im, 1);
  EXPECT_EQ(tolvar::numeric::FormatFixed(r, 2), "20.36");
  EXPECT_EQ(tolvar::numeric::FormatFixed(x, 2), "-9.93");
}

}  // namespace
