#include <algorithm>
#include <cmath>
#include <string>
#include <utility>

#include "calc/match/match.h"
#include "calc/messages.h"
#include "numeric/format.h"

namespace tolvar::calc::match {

namespace {

using numeric::ShortestText;

constexpr Complex kOne{1, 0};

// A part this small is none: a series reactance below 1e-9 R0 is a short, a
// shunt susceptance below 1e-9 / R0 an open. The design's rounding leaves
// such remainders where the exact part is none (a load already on the R0 or
// 1 / R0 circle).
constexpr double kNothing = 1e-9;

bool IsNoSeries(double reactanceOhm, double r0) { return std::fabs(reactanceOhm) < kNothing * r0; }
bool IsNoShunt(double susceptanceS, double r0) { return std::fabs(susceptanceS) * r0 < kNothing; }

bool IsPositive(double x) { return std::isfinite(x) && x > 0; }

bool CanDesign(const Termination& t) {
  return IsPositive(t.loadOhm.re) && std::isfinite(t.loadOhm.im) && IsPositive(t.referenceOhm) &&
         IsPositive(t.mhz);
}

// An L of a series and a shunt part, the shunt one at the load's end or at
// the radio's, without the parts that are none.
Network LNetwork(const Termination& t, double seriesX, double shuntB, bool shuntAtLoad) {
  Network network{Topology::L, {}};
  if (!IsNoSeries(seriesX, t.referenceOhm)) {
    network.elements.push_back(SeriesElement(seriesX, t.mhz));
  }
  if (!IsNoShunt(shuntB, t.referenceOhm)) {
    const auto at = shuntAtLoad ? network.elements.end() : network.elements.begin();
    network.elements.insert(at, ShuntElement(shuntB, t.mhz));
  }
  return network;
}

// Two parts are the same when they agree in connection, kind and reactance,
// the reactances to the relative tolerance of kNothing.
bool SameElement(const Element& a, const Element& b) {
  const double larger = std::max(std::fabs(a.reactanceOhm), std::fabs(b.reactanceOhm));
  return a.connection == b.connection && a.kind == b.kind &&
         std::fabs(a.reactanceOhm - b.reactanceOhm) <= kNothing * larger;
}

void AddUnlessListed(std::vector<Network>& networks, Network candidate) {
  const auto same = [&candidate](const Network& listed) {
    return std::equal(listed.elements.begin(), listed.elements.end(), candidate.elements.begin(),
                      candidate.elements.end(), SameElement);
  };
  if (std::none_of(networks.begin(), networks.end(), same)) {
    networks.push_back(std::move(candidate));
  }
}

// The shunt part B across the load turns its admittance G + jB_L into
// G + jB' with Re(1 / (G + jB')) = R0, so B'² = G (1/R0 - G): real exactly when
// G <= 1/R0, that is R_L² + X_L² >= R0 R_L (R_L >= R0 is enough but not
// needed: 10 - j20 ohm on 50 lies on that circle). In the load's parts
// B = (X_L ± sqrt(R_L/R0) sqrt(R_L² + X_L² - R0 R_L)) / (R_L² + X_L²). The series
// part at the radio then cancels what is left, X = -Im(1 / (Y_L + jB)),
// found directly rather than as 1/B + X_L R0/R_L - R0/(B R_L), which has no
// value for B = 0 (a load with R_L = R0).
void AddShuntAtLoad(const Termination& t, std::vector<Network>& networks) {
  const double r0 = t.referenceOhm;
  const double squaredOhm = numeric::Norm(t.loadOhm);  // R_L² + X_L²
  const double room = squaredOhm - r0 * t.loadOhm.re;
  if (room < 0) {
    return;
  }
  const double root = std::sqrt(t.loadOhm.re / r0) * std::sqrt(room);
  const Complex loadY = kOne / t.loadOhm;
  for (const double sign : {1.0, -1.0}) {
    const double shuntB = (t.loadOhm.im + sign * root) / squaredOhm;
    const double seriesX = -(kOne / (loadY + Complex{0, shuntB})).im;
    AddUnlessListed(networks, LNetwork(t, seriesX, shuntB, true));
  }
}

// The series part X next to the load brings it to R_L + jX' with
// Re(1 / (R_L + jX')) = 1/R0, so X' = ±sqrt(R_L (R0 - R_L)), real when
// R_L <= R0, and X = X' - X_L; the shunt part at the radio cancels the
// admittance's imaginary part, B = ±sqrt((R0 - R_L) / R_L) / R0, same sign.
void AddSeriesAtLoad(const Termination& t, std::vector<Network>& networks) {
  const double r = t.loadOhm.re;
  const double r0 = t.referenceOhm;
  if (r > r0) {
    return;
  }
  const double reached = std::sqrt(r * (r0 - r));
  const double susceptance = std::sqrt((r0 - r) / r) / r0;
  for (const double sign : {1.0, -1.0}) {
    AddUnlessListed(networks,
                    LNetwork(t, sign * reached - t.loadOhm.im, sign * susceptance, false));
  }
}

// A bound [pF] rounded down to three significant digits and kept below it:
// an output capacitor that the sentence names must give a T.
double ThreeDigitsBelow(double boundPf) {
  const int exponent = static_cast<int>(std::floor(std::log10(boundPf))) - 2;
  const double unit = std::pow(10.0, std::abs(exponent));
  double digits = exponent >= 0 ? std::floor(boundPf / unit) : std::floor(boundPf * unit);
  const auto scaled = [&] { return exponent >= 0 ? digits * unit : digits / unit; };
  if (scaled() >= boundPf) {
    digits -= 1;
  }
  return scaled();
}

// Why the output capacitor gives no T, and which would.
std::string NoTSentence(const Termination& t, double outputPf, bool staysInductive) {
  const std::string given = ShortestText(outputPf) + " pF";
  const std::optional<double> largestPf = LargestOutputPf(t);
  // Only rounding at the edge of the bound (R_L within a hair of R0) gets here without one;
  // a bound of 0 is one whose divisor overflowed (a frequency near 1e300 MHz): none to name.
  if (!largestPf || !(*largestPf > 0) || outputPf < *largestPf) {
    return "No high-pass T with an output capacitor of " + given + " matches this load.";
  }
  const std::string why =
      staysInductive
          ? "through it the load stays inductive, so the shunt element could not be an inductor"
          : "through it the load keeps too little reactance for the shunt inductor to raise its "
            "resistance to " +
                ShortestText(t.referenceOhm) + " ohm";
  return "The output capacitor of " + given + " is too large for this load: " + why + "; " +
         ShortestText(ThreeDigitsBelow(*largestPf)) + " pF or less gives a T.";
}

}  // namespace

std::vector<Network> DesignLNetworks(const Termination& design) {
  std::vector<Network> networks;
  if (CanDesign(design)) {
    AddShuntAtLoad(design, networks);
    AddSeriesAtLoad(design, networks);
  }
  return networks;
}

// The T from the load: the output capacitor's reactance X3 < 0 leaves
// R_L + jX_a, X_a = X_L + X3, of admittance G_a + jB_a. The shunt inductor
// brings it to G_a + jB' with Re(1 / (G_a + jB')) = R0, so B'² = G_a (1/R0 - G_a)
// = K; the series part at the radio, X1 = B' R0 / G_a, is a capacitor only for
// B' = -sqrt(K), and the shunt part B2 = -sqrt(K) - B_a is an inductor only
// below 0. K > 0 needs R_L² + X_a² > R0 R_L; B2 < 0 holds for X_a < 0 and, for
// X_a >= 0, exactly when R_L > R0. So every output capacitor gives a T when
// R_L > R0, and when R_L <= R0 those with X_a < -sqrt(R_L (R0 - R_L)): a
// smaller capacitor only helps. The other root, B' = +sqrt(K), would put an
// inductor at the radio, and it gives a shunt inductor only where this one
// does too: no load needs a T with an inductor at the radio.
std::optional<double> LargestOutputPf(const Termination& design) {
  const double r = design.loadOhm.re;
  const double r0 = design.referenceOhm;
  if (!CanDesign(design) || r > r0) {
    return std::nullopt;
  }
  const double limitOhm = design.loadOhm.im + std::sqrt(r * (r0 - r));
  if (!(limitOhm > 0)) {
    return std::nullopt;  // a load capacitive enough takes any output capacitor
  }
  return kPicofaradsPerFarad / (RadiansPerSecond(design.mhz) * limitOhm);
}

std::variant<Network, std::string> DesignHighPassT(const Termination& design, double outputPf) {
  if (!IsPositive(design.mhz)) {
    return std::string(kTNeedsFrequency);
  }
  if (!IsPositive(outputPf)) {
    return std::string(kTNeedsOutputCapacitor);
  }
  if (!IsPositive(design.referenceOhm)) {
    return std::string(kTNeedsReference);
  }
  if (!IsPositive(design.loadOhm.re) || !std::isfinite(design.loadOhm.im)) {
    return std::string(kTNeedsLoadResistance);
  }
  const double r0 = design.referenceOhm;
  const double outputF = outputPf / kPicofaradsPerFarad;
  const Element output{Connection::Series, Kind::Capacitor,
                       -1 / (RadiansPerSecond(design.mhz) * outputF), outputF};
  const Complex throughOutput = kOne / (design.loadOhm + Complex{0, output.reactanceOhm});
  const double k = throughOutput.re * (1 / r0 - throughOutput.re);
  if (!(k > 0)) {
    return NoTSentence(design, outputPf, false);
  }
  const double leftB = -std::sqrt(k);  // B', for a capacitor at the radio
  const double shuntB = leftB - throughOutput.im;
  const double seriesX = -(kOne / Complex{throughOutput.re, leftB}).im;
  if (IsNoSeries(seriesX, r0) || !(seriesX < 0)) {
    return NoTSentence(design, outputPf, false);
  }
  if (IsNoShunt(shuntB, r0) || !(shuntB < 0)) {
    return NoTSentence(design, outputPf, true);
  }
  return Network{Topology::T,
                 {SeriesElement(seriesX, design.mhz), ShuntElement(shuntB, design.mhz), output}};
}

}  // namespace tolvar::calc::match
