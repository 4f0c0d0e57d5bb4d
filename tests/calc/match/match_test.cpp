// Matching networks: the L designs worked by hand, the lossy evaluation
// against an independent cascade, the laws every design keeps, the T's
// refusals, the tuner panel's loss, and the band sweep through the line.
#include "calc/match/match.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "calc/match/band.h"
#include "calc/messages.h"
#include "calc/tuner/tuner.h"
#include "numeric/format.h"
#include "numeric/rf.h"
#include "support/worked_line_run.h"

namespace {

using namespace tolvar::calc;
using namespace tolvar::calc::match;
using tolvar::numeric::Complex;
using tolvar::numeric::ShortestText;
constexpr double kLossless = std::numeric_limits<double>::infinity();
constexpr auto kSeries = Connection::Series;
constexpr auto kShunt = Connection::Shunt;
constexpr auto kL = Kind::Inductor;
constexpr auto kC = Kind::Capacitor;

void ExpectRelative(double actual, double expected, double tolerance = 1e-9) {
  EXPECT_NEAR(actual, expected, tolerance * std::abs(expected));
}

// A network as "series L 86.6025, shunt C -115.4701": its parts from the
// radio, reactances [ohm] to four decimals.
std::string Parts(const Network& network) {
  std::string text;
  for (const Element& e : network.elements) {
    text += std::string(text.empty() ? "" : ", ") +
            (e.connection == kSeries ? "series " : "shunt ") + (e.kind == kL ? "L " : "C ") +
            ShortestText(std::round(e.reactanceOhm * 1e4) / 1e4);
  }
  return text;
}

TEST(LNetworks, MatchTheFiguresWorkedByHand) {
  struct Row {
    Complex load;
    std::vector<std::string> networks;
  };
  const Row kRows[] = {
      // Above the reference. Q = sqrt(200/50 - 1) = sqrt(3): series 50 sqrt(3) =
      // 86.60 ohm, shunt 200 / sqrt(3) = 115.47 ohm, low-pass or high-pass;
      // R_L > R0 leaves no series part at the load.
      {{200, 0}, {"series L 86.6025, shunt C -115.4701", "series C -86.6025, shunt L 115.4701"}},
      // Below it. G_L = 10 / (100 + 400) = 1/50: on the 1/R0 circle, a shunt
      // B = -20/500 = -0.04 S (a 25 ohm inductor) alone. Series at the load:
      // X' = ±sqrt(10 * 40) = ±20, X = X' + 20 = 40 or 0, B = ±sqrt(40/10) / 50 =
      // ±0.04 S; the second is the shunt inductor again.
      {{10, -20}, {"shunt L 25", "shunt C -25, series L 40"}},
      // On the reference circle. B = (50 ± sqrt(1) sqrt(5000 - 2500)) / 5000 =
      // 0.02 or 0 S: with 0.02 S the load becomes 1 / (0.01 + j0.01) = 50 - j50,
      // a 50 ohm inductor at the radio; with 0 the series capacitor of -50 ohm
      // alone, which the series form (X' = 0, X = -50, B = 0) gives again.
      {{50, 50}, {"series L 50, shunt C -50", "series C -50"}},
      {{50, 0}, {""}},  // a matched load needs no element
  };
  for (const Row& row : kRows) {
    std::vector<std::string> designed;
    for (const Network& n : DesignLNetworks({row.load, 50, 14})) designed.push_back(Parts(n));
    EXPECT_EQ(designed, row.networks);
  }
  // At 14 MHz 86.60 ohm is 0.98452 uH, as the CSV says.
  const std::string csv = SolutionsCsv(
      AtDesign(DesignLNetworks({{200, 0}, 50, 14}), {100, 1000}, {{200, 0}, 50, 14}, 100));
  EXPECT_EQ(csv.substr(0, csv.find('\n')),
            "solution,topology,order,connection,kind,value,unit,reactance_ohm,dissipated_W,"
            "peak_V,rms_A,network_loss_dB,input_SWR");
  EXPECT_EQ(csv.substr(csv.find('\n') + 1, 28), "1,L,1,series,L,0.98451588468");
  EXPECT_TRUE(DesignLNetworks({{0, 10}, 50, 14}).empty());
}

// Figures made once with Debian's python3-scikit-rf 0.15.4: each part a resistor
// (|X| / Q) and its inductor or capacitor, shunt ones through media.shunt, cascaded
// with **; with the load, Z in and 10 log10((1 - |G in|²) / (|b2|² (1 - |G L|²))).
// The stresses from a numpy chain-matrix walk from the load back, at 100 W in.
TEST(Evaluation, AgreesWithAnIndependentCascade) {
  struct Row {
    const char* name;
    Network network;
    Qualities qualities;
    Termination at;
    // Z in (re, im), input SWR, loss in dB and %, load W, then W, V peak, A of each part.
    std::vector<double> figures;
    std::vector<Complex> s;  // S11, S21 (= S12), S22
  };
  const Row kRows[] = {
      {"L, series 0.916 uH and shunt 91.3 pF, 180 - j25 ohm at 14.35 MHz",
       {Topology::L, {{kSeries, kL, 0, 0.916e-6}, {kShunt, kC, 0, 91.3e-12}}},
       {100, 500},
       {{180, -25}, 50, 14.35},
       {50.21617068728019, 1.3800200728690883, 1.0282680344867219, 0.08512058204282971,
        1.940891220817842, 98.059108779188, 1.6446884829805475, 164.83223928059658,
        1.4111663244960728, 0.29620273783144924, 189.68986581706596, 1.104156948595962},
       {{0.2792248470682812, 0.5008913024334847},
        {0.4399472607148167, -0.6814107655147614},
        {0.5727680303232392, 0.034038209314861456}}},
      {"T, 174 pF, 1.05 uH and 300 pF, 12 + j8 ohm at 7.15 MHz",
       {Topology::T,
        {{kSeries, kC, 0, 174e-12}, {kShunt, kL, 0, 1.05e-6}, {kSeries, kC, 0, 300e-12}}},
       {80, 400},
       {{12, 8}, 50, 7.15},
       {57.03677570878663, -1.5159243423856383, 1.1441814991802612, 0.499085823522291,
        10.856143654849216, 89.14385634514956, 0.5607249532209535, 239.5541578425946,
        1.3241052776063742, 8.917438380766573, 259.4487490635242, 3.8889060144020724,
        1.3779803208628956, 285.99884281054824, 2.7255558507264404},
       {{0.2456806348400598, -0.5596284091371204},
        {-0.6916528161404724, 0.33911522720816545},
        {-0.5477848810113961, -0.18525051702505413}}},
  };
  for (const Row& row : kRows) {
    SCOPED_TRACE(row.name);
    const auto e = Evaluate(row.network, row.qualities, row.at, 100);
    ASSERT_TRUE(e && e->inputSwr);
    std::vector<double> figures{e->inputOhm.re, e->inputOhm.im, *e->inputSwr,
                                e->lossDb,      e->lossPercent, e->loadW};
    for (const ElementFigures& part : e->elements) {
      figures.insert(figures.end(), {part.dissipatedW, part.peakV, part.rmsA});
    }
    ASSERT_EQ(figures.size(), row.figures.size());
    for (std::size_t k = 0; k < figures.size(); ++k) ExpectRelative(figures[k], row.figures[k]);
    const SParameters s = SParametersOn(NetworkAbcd(row.network, row.qualities, row.at.mhz), 50);
    for (const auto& [ours, theirs] :
         {std::pair{s.s11, row.s[0]}, {s.s21, row.s[1]}, {s.s12, row.s[1]}, {s.s22, row.s[2]}}) {
      EXPECT_LT(tolvar::numeric::Abs(ours - theirs), 1e-12);
    }
  }
  // No reference, a Q of 0 or a power below 0 gives no figures.
  const Row& l = kRows[0];
  EXPECT_FALSE(Evaluate(l.network, l.qualities, {l.at.loadOhm, 0, l.at.mhz}, 100) ||
               Evaluate(l.network, {0, 1}, l.at, 100) ||
               Evaluate(l.network, l.qualities, l.at, -1));
}

// Every design at its own frequency, on references of 50 and 75 ohm.
std::vector<std::pair<Termination, Network>> Designs() {
  std::vector<std::pair<Termination, Network>> designs;
  // R_L, X_L, R0, MHz, and for a T the output capacitor [pF].
  const std::vector<double> kRows[] = {
      {200, 0, 50, 14},      {10, -20, 50, 14},      {50, 50, 50, 14},  {30, 40, 50, 14},
      {5, 80, 50, 7.1},      {1000, -500, 50, 3.6},  {20, 5, 75, 21.2}, {12, 8, 50, 7.1, 300},
      {200, 0, 50, 14, 100}, {3, -60, 50, 1.9, 2000}};
  for (const std::vector<double>& row : kRows) {
    const Termination t{{row[0], row[1]}, row[2], row[3]};
    const std::vector<Network> networks =
        row.size() == 4 ? DesignLNetworks(t)
                        : std::vector{std::get<Network>(DesignHighPassT(t, row[4]))};
    for (const Network& n : networks) designs.emplace_back(t, n);
  }
  return designs;
}

TEST(MatchLaws, HoldForEveryDesign) {
  for (const auto& [t, network] : Designs()) {
    SCOPED_TRACE(Parts(network));
    // Lossless, it matches exactly at its frequency.
    const auto lossless = Evaluate(network, {kLossless, kLossless}, t, 100);
    ASSERT_TRUE(lossless && lossless->inputSwr);
    EXPECT_NEAR(*lossless->inputSwr, 1, 1e-9);
    // The loss grows as the Qs fall, and vanishes as they grow.
    double lowerLossDb = -1;
    for (const double q : {1e9, 1000.0, 100.0, 10.0}) {
      const double lossDb = Evaluate(network, {q, q / 2}, t, 100)->lossDb;
      EXPECT_GT(lossDb, lowerLossDb) << q;
      lowerLossDb = lossDb;
    }
    EXPECT_LT(Evaluate(network, {1e9, 1e9}, t, 100)->lossDb, 1e-6);
    // What the parts dissipate is what the load does not get.
    const auto lossy = Evaluate(network, {80, 400}, t, 250);
    double dissipatedW = 0;
    for (const ElementFigures& part : lossy->elements) dissipatedW += part.dissipatedW;
    EXPECT_NEAR(dissipatedW, 250 - lossy->loadW, 250 * 1e-9);
  }
}

TEST(MatchLaws, TheTunerPanelFindsTheSameLoss) {
  for (const auto& [t, network] : Designs()) {
    for (const double mhz : {t.mhz, t.mhz * 1.03}) {
      const Qualities q{120, 600};
      const SParameters s = SParametersOn(NetworkAbcd(network, q, mhz), tuner::kVnaReferenceOhm);
      const Complex antenna = *tolvar::numeric::ReflectionOf(t.loadOhm, {50, 0});
      const auto panel = tuner::ComputeTunerLoss({antenna, s.s11, s.s21, s.s22, s.s12});
      const double ours = Evaluate(network, q, {t.loadOhm, t.referenceOhm, mhz}, 100)->lossDb;
      EXPECT_NEAR(std::get<tuner::TunerFigures>(panel).insertionLossDb, ours, 1e-9) << mhz;
    }
  }
}

TEST(HighPassT, SaysWhyAnOutputCapacitorGivesNone) {
  // R_L <= R0 needs X_L - 1/(wC) < -sqrt(10 * 40) = -20 ohm: C < 1 / (2 pi 7 MHz 20 ohm)
  // = 1136.8 pF without reactance; with 50 ohm, 50 - 11.4 ohm > 20 ohm keeps it
  // inductive, and C < 1 / (2 pi 7 MHz 70 ohm) = 324.8 pF.
  const std::string noRoom =
      "The output capacitor of 2000 pF is too large for this load: through it the load keeps too "
      "little reactance for the shunt inductor to raise its resistance to 50 ohm; 1130 pF or less "
      "gives a T.";
  const std::string inductive =
      "The output capacitor of 2000 pF is too large for this load: through it the load stays "
      "inductive, so the shunt element could not be an inductor; 324 pF or less gives a T.";
  struct Row {
    Termination design;
    double outputPf, boundPf, namedPf;  // bound worked by hand; 0: none
    std::string sentence;
  };
  const Row kRows[] = {{{{10, 0}, 50, 7}, 2000, 1136.82, 1130, noRoom},
                       {{{10, 50}, 50, 7}, 2000, 324.806, 324, inductive},
                       {{{10, 0}, 50, 0}, 100, 0, 0, std::string(kTNeedsFrequency)},
                       {{{10, 0}, 50, 7}, 0, 0, 0, std::string(kTNeedsOutputCapacitor)},
                       {{{10, 0}, 0, 7}, 100, 0, 0, std::string(kTNeedsReference)},
                       {{{0, 10}, 50, 7}, 100, 0, 0, std::string(kTNeedsLoadResistance)},
                       // The bound, about 1.3e-297 pF, overflows on its way: no capacitor is named.
                       {{{12.5, 100}, 50, 1e300}, 200, 0, 0,
                        "No high-pass T with an output capacitor of 200 pF matches this load."}};
  for (const Row& row : kRows) {
    const auto refused = DesignHighPassT(row.design, row.outputPf);
    ASSERT_TRUE(std::holds_alternative<std::string>(refused)) << row.sentence;
    EXPECT_EQ(std::get<std::string>(refused), row.sentence);
    if (row.namedPf > 0) {  // the capacitor it names gives a high-pass T
      const auto named = DesignHighPassT(row.design, row.namedPf);
      ASSERT_TRUE(std::holds_alternative<Network>(named)) << row.namedPf;
      const auto& parts = std::get<Network>(named).elements;
      ASSERT_EQ(parts.size(), 3U);
      EXPECT_TRUE(parts[0].connection == kSeries && parts[0].kind == Kind::Capacitor &&
                  parts[1].connection == Connection::Shunt && parts[1].kind == kL &&
                  parts[2].connection == kSeries && parts[2].kind == Kind::Capacitor)
          << Parts(std::get<Network>(named));
      ExpectRelative(*LargestOutputPf(row.design), row.boundPf, 1e-5);
    }
  }
  // Above the reference, or capacitive enough (-20 ohm here), any output capacitor gives a T.
  EXPECT_FALSE(LargestOutputPf({{200, 80}, 50, 7}) || LargestOutputPf({{10, -20}, 50, 7}));
  EXPECT_TRUE(std::holds_alternative<Network>(DesignHighPassT({{200, 80}, 50, 7}, 1e6)));
}

TEST(BandSweep, CarriesTheChainTowardsTheRadio) {
  measurement::Measurement antenna;  // the same at 7.0 and 7.1 MHz, active at 7.3 MHz
  antenna.frequencyHz = {7.0e6, 7.1e6, 7.3e6};
  antenna.s11 = {{0.2, 0.3}, {0.2, 0.3}, {-1.25, 0}};
  const sweep::SweptLine line{
      tolvar::testing::LineRun(line::Direction::TowardsTransmitter, 50, 0, 2, 0, 1, 50, 7.1), 20};
  // At the antenna, lossless and matched there: the 50-ohm line loses its matched loss only.
  const Network atAntenna =
      DesignLNetworks({*tolvar::numeric::ImpedanceOf({0.2, 0.3}, {50, 0}), 50, 7.1})[0];
  const Qualities lossless{kLossless, kLossless};
  Chain chain{atAntenna, lossless, Placement::AtAntenna, line, 50, 100};
  auto points = SweepBand(antenna, chain);
  EXPECT_NEAR(*points[1].radioSwr, 1, 1e-9);
  EXPECT_NEAR(*points[1].totalLossDb, 0.4, 1e-9);  // 2 dB / 100 m over 20 m
  // At the radio: matched to what the line brings, which loses as the line sweep says.
  const auto lineSweep = sweep::SweepLine(antenna, line);
  chain.network = DesignLNetworks({*lineSweep[1].carried, 50, 7.1})[0];
  chain.placement = Placement::AtRadio;
  chain.qualities = {150, 800};
  points = SweepBand(antenna, chain);
  EXPECT_LT(*points[1].radioSwr, 1.01);
  EXPECT_EQ(points[1].lineLossDb, lineSweep[1].lineLossDb);
  EXPECT_EQ(*points[1].totalLossDb, *points[1].networkLossDb + *points[1].lineLossDb);
  // At the antenna the network's parts take their share of what the line leaves.
  chain.placement = Placement::AtAntenna;
  const BandPoint fed = SweepBand(antenna, chain)[1];
  double dissipatedW = 0;
  for (const ElementFigures& part : fed.elements) dissipatedW += part.dissipatedW;
  EXPECT_NEAR(
      dissipatedW,
      100 * std::pow(10, -*fed.lineLossDb / 10) * (1 - std::pow(10, -*fed.networkLossDb / 10)),
      1e-9);
  // An active antenna gives nothing but its frequency, or what the network sees.
  const std::string csv = BandSweepCsv(points);
  EXPECT_EQ(csv.substr(0, csv.find('\n') + 1),
            "MHz,R_load,X_load,SWR_radio,network_loss_dB,line_loss_dB,total_loss_dB\n");
  EXPECT_EQ(csv.substr(csv.rfind("7.3")), "7.3,,,,,,\n");
  chain.line.reset();
  const BandPoint active = SweepBand(antenna, chain)[2];
  EXPECT_NEAR(active.loadOhm->re, -50.0 / 9, 1e-12);  // 50 (1 - 1.25) / (1 + 1.25)
  EXPECT_FALSE(active.radioSwr || active.networkLossDb || active.totalLossDb);
}

}  // namespace
