// The measured sweep through the line and the tuner: the same computation as
// the panels, the laws of a line, and files that read back to their numbers.
#include "calc/sweep/sweep.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <fstream>
#include <iterator>
#include <sstream>

#include "numeric/rf.h"
#include "support/worked_line_run.h"

namespace {

using namespace tolvar::calc;
using namespace tolvar::calc::sweep;
using tolvar::numeric::Complex;
using tolvar::testing::LineRun;
constexpr auto kTx = line::Direction::TowardsTransmitter;
constexpr auto kAnt = line::Direction::TowardsAntenna;

// A 1-port measured at these frequencies [MHz], each point the impedance `z`.
measurement::Measurement OnePort(std::initializer_list<double> mhz, Complex z) {
  measurement::Measurement m;
  for (const double f : mhz) {
    m.frequencyHz.push_back(f * 1e6);
    m.s11.push_back(*tolvar::numeric::ReflectionOf(z, {50, 0}));
  }
  return m;
}

measurement::Measurement ReadFile(const std::string& path) {
  std::ifstream in(path);
  const std::string text{std::istreambuf_iterator<char>(in), {}};
  return std::get<measurement::Measurement>(
      measurement::ReadTouchstone(text, measurement::PortsFromFileName(path)));
}

const line::Cable& Named(std::string_view name) {
  return line::CableCatalogue().at(static_cast<std::size_t>(line::FindCable(name)));
}

TEST(LineSweep, ThePanelsOwnFrequencyGivesThePanelsResult) {
  const line::Cable& rg58 = Named("RG-58 (generic)");
  for (const auto direction : {kTx, kAnt}) {
    for (const bool catalogue : {true, false}) {
      line::LineEntries panel = LineRun(direction, 100, 50, 2, 290, 2, 75);
      if (catalogue) panel.lossPer100m = line::LossDbPer100m(rg58, 14);
      const line::StartPoint start = line::FindStartPoint(panel, 0);
      const auto shown = std::get<line::LineFigures>(line::ComputeLine(panel, start));
      const SweptLine swept{panel, LengthM(panel), catalogue ? &rg58 : nullptr};
      const auto points = SweepLine(OnePort({13.9, 14, 14.1}, {100, 50}), swept);
      ASSERT_TRUE(points[1].carried) << catalogue;
      EXPECT_NEAR(points[1].carried->re, shown.far.z.re, 0.005) << catalogue;
      EXPECT_NEAR(points[1].carried->im, shown.far.z.im, 0.005) << catalogue;
      EXPECT_NEAR(*points[1].lineLossDb, shown.far.totalLossDb, 0.005) << catalogue;
      // The neighbours lose by their own frequency: the typed loss grows with sqrt(f).
      EXPECT_LT(points[0].matchedLossDb, points[1].matchedLossDb);
      EXPECT_LT(points[1].matchedLossDb, points[2].matchedLossDb);
    }
  }
  EXPECT_DOUBLE_EQ(LossDbPer100m({LineRun(kTx, 50, 0, 2, 0), 1, nullptr}, 56), 4);
}

TEST(LineSweep, FollowsTheLawsOfALine) {
  // A lossless half wave at 7.1 MHz gives the point there back.
  const double halfWaveM = 0.5 * line::kSpeedOfLight / 7.1 * 0.66;
  const auto back = SweepLine(OnePort({7.0, 7.1, 7.2}, {30, -40}),
                              {LineRun(kTx, 30, -40, 0, 0), halfWaveM, nullptr});
  EXPECT_NEAR(back[1].carried->re, 30, 1e-6);
  EXPECT_NEAR(back[1].carried->im, -40, 1e-6);
  EXPECT_GT(std::abs(back[0].carried->im - -40), 0.1);  // elsewhere it is not a half wave
  // 30 m of RG-58 from the dipole to the transmitter: the SWR there is never
  // higher, and the line never loses less than its matched loss.
  const measurement::Measurement dipole = ReadFile(TOLVAR_EXAMPLES_DIR "/dipole-40m.s1p");
  for (const auto direction : {kTx, kAnt}) {
    const auto points = SweepLine(
        dipole, {LineRun(direction, 50, 0, 0, 0, 1, 50, 7.1), 30, &Named("RG-58 (generic)")});
    for (const LinePoint& p : points) {
      ASSERT_TRUE(p.carried && p.measuredSwr && p.carriedSwr) << p.mhz;
      EXPECT_GE(*p.lineLossDb, p.matchedLossDb - 1e-12) << p.mhz;
      EXPECT_GT(p.matchedLossDb, 0.3) << p.mhz;
      // Towards the transmitter the SWR falls; towards the antenna it rises.
      const double rise =
          direction == kTx ? *p.measuredSwr - *p.carriedSwr : *p.carriedSwr - *p.measuredSwr;
      EXPECT_GE(rise, -1e-12) << p.mhz;
    }
  }
  // An active load is carried nowhere; a loss model below 0 carries nothing.
  EXPECT_FALSE(
      SweepLine(OnePort({7}, {-5, 0}), {LineRun(kTx, 50, 0, 2, 300), 3, nullptr})[0].carried);
  EXPECT_FALSE(SweepLine(OnePort({5760}, {50, 0}),
                         {LineRun(kTx, 50, 0, 2, 300), 3, &Named("RG-213 (generic)")})[0]
                   .carried);
}

TEST(TunerSweep, TakesTheAntennaFromTheMeasurementOrTheEntries) {
  const measurement::Measurement tuner = ReadFile(TOLVAR_EXAMPLES_DIR "/tuner-t-network.s2p");
  const measurement::Measurement dipole = ReadFile(TOLVAR_EXAMPLES_DIR "/dipole-40m.s1p");
  const auto points = SweepTuner(tuner, dipole, {});
  for (const TunerPoint& p : points) {
    ASSERT_TRUE(p.lossDb) << p.mhz;
    EXPECT_GT(*p.lossDb, 0) << p.mhz;
  }
  // The example's own figure, from its circuit model: 0.36 dB at 7.1 MHz.
  const auto at = [&](double mhz) {
    return *std::find_if(points.begin(), points.end(),
                         [mhz](const TunerPoint& p) { return std::abs(p.mhz - mhz) < 1e-9; });
  };
  EXPECT_NEAR(*at(7.1).lossDb, 0.36, 0.005);
  // Between the 1-port's frequencies its reflection is interpolated; beyond them it has none.
  measurement::Measurement sparse = dipole;
  sparse.frequencyHz = {7.0e6, 7.2e6};
  sparse.s11 = {{0.1, 0.2}, {0.3, -0.2}};
  const auto between = SweepTuner(tuner, sparse, {});
  for (const TunerPoint& p : between) {
    EXPECT_EQ(p.antenna.has_value(), p.mhz >= 7.0 && p.mhz <= 7.2) << p.mhz;
    if (std::abs(p.mhz - 7.1) < 1e-9) {
      EXPECT_NEAR(p.antenna->re, 0.2, 1e-12);
      EXPECT_NEAR(p.antenna->im, 0, 1e-12);
    }
  }
  const auto typed = SweepTuner(tuner, std::nullopt, {0.2, 0.1});
  EXPECT_EQ(*typed[3].antenna, (Complex{0.2, 0.1}));
}

// The numbers of a CSV line.
std::vector<double> Numbers(const std::string& line) {
  std::vector<double> numbers;
  std::stringstream cells(line);
  for (std::string cell; std::getline(cells, cell, ',');) {
    double value = 0;
    std::from_chars(cell.data(), cell.data() + cell.size(), value);
    numbers.push_back(cell.empty() ? NAN : value);
  }
  return numbers;
}

TEST(LineSweep, APointWithoutAValueLeavesTheOthers) {
  // Towards the antenna through about 3 dB: an entry |Gamma|² above 10^(-3/5) is
  // more than any antenna sends back. The open circuit has no impedance at all.
  measurement::Measurement m;
  m.frequencyHz = {13.9e6, 14e6, 14.1e6, 14.2e6};
  m.s11 = {*tolvar::numeric::ReflectionOf({60, 0}, {50, 0}),
           {1, 0},
           *tolvar::numeric::ReflectionOf({500, 0}, {50, 0}),
           *tolvar::numeric::ReflectionOf({40, 10}, {50, 0})};
  const auto points = SweepLine(m, {LineRun(kAnt, 50, 0, 10, 0), 30, nullptr});
  ASSERT_EQ(points.size(), 4U);
  EXPECT_TRUE(points[0].carried && points[3].carried);
  EXPECT_FALSE(points[1].measured || points[1].measuredSwr || points[1].carried);
  EXPECT_NEAR(points[2].measuredSwr.value_or(0), 10, 1e-9);
  EXPECT_FALSE(points[2].carried || points[2].carriedSwr || points[2].lineLossDb);
  // The files leave them out: empty cells, no Touchstone line.
  std::stringstream csv(LineSweepCsv(points));
  std::vector<std::string> lines;
  for (std::string line; std::getline(csv, line);) lines.push_back(line);
  ASSERT_EQ(lines.size(), 5U);
  EXPECT_EQ(lines[2], "14,,,,,,,");
  EXPECT_EQ(Numbers(lines[3])[3], *points[2].measuredSwr);
  EXPECT_EQ(lines[3].substr(lines[3].size() - 4), ",,,,") << lines[3];
  const auto carried = std::get<measurement::Measurement>(
      measurement::ReadTouchstone(CarriedTouchstone(points, "carried"), 1));
  EXPECT_EQ(carried.frequencyHz, (std::vector<double>{13.9e6, 14.2e6}));
}

TEST(SweepFiles, ReadBackToTheSameNumbers) {
  const measurement::Measurement dipole = ReadFile(TOLVAR_EXAMPLES_DIR "/dipole-40m.s1p");
  const auto points = SweepLine(dipole, {LineRun(kTx, 50, 0, 2, 0, 1, 50, 7.1), 12.5, nullptr});
  const std::string csv = LineSweepCsv(points);
  std::stringstream lines(csv);
  std::string line;
  std::getline(lines, line);
  EXPECT_EQ(line,
            "MHz,R_measured,X_measured,SWR_measured,R_carried,X_carried,SWR_carried,line_loss_dB");
  for (const LinePoint& p : points) {
    std::getline(lines, line);
    EXPECT_EQ(Numbers(line),
              (std::vector<double>{p.mhz, p.measured->re, p.measured->im, *p.measuredSwr,
                                   p.carried->re, p.carried->im, *p.carriedSwr, *p.lineLossDb}));
  }
  const auto carried = std::get<measurement::Measurement>(
      measurement::ReadTouchstone(CarriedTouchstone(points, "carried"), 1));
  ASSERT_EQ(carried.frequencyHz, dipole.frequencyHz);
  for (std::size_t i = 0; i < points.size(); ++i) {
    EXPECT_EQ(carried.s11[i], *tolvar::numeric::ReflectionOf(*points[i].carried, {50, 0}));
  }
  EXPECT_EQ(TunerSweepCsv({{7.1, Complex{0.25, -0.5}, 0.36}, {7.2, std::nullopt, std::nullopt}}),
            "MHz,SAnt_re,SAnt_im,tuner_loss_dB\n7.1,0.25,-0.5,0.36\n7.2,,,\n");
}

}  // namespace
