#include <algorithm>
#include <cmath>
#include <utility>

#include "calc/match/match.h"
#include "calc/measurement/touchstone.h"
#include "numeric/fault.h"
#include "numeric/power.h"
#include "numeric/reflection.h"
#include "numeric/rf.h"

namespace tolvar::calc::match {

namespace {

constexpr Complex kOne{1, 0};

bool CanEvaluate(const Qualities& q, const Termination& at, double inputW) {
  return at.mhz > 0 && std::isfinite(at.mhz) && at.referenceOhm > 0 &&
         std::isfinite(at.referenceOhm) && q.inductorQ > 0 && q.capacitorQ > 0 && inputW >= 0 &&
         std::isfinite(inputW) && numeric::IsFinite(at.loadOhm) && at.loadOhm.re >= 0;
}

std::vector<Complex> PartImpedances(const Network& network, const Qualities& q, double mhz) {
  std::vector<Complex> parts;
  parts.reserve(network.elements.size());
  for (const Element& element : network.elements) {
    parts.push_back(ElementImpedanceOhm(element, q, mhz));
  }
  return parts;
}

// The impedance looking towards the load at each element's radio side, and
// the load's own last.
std::vector<Complex> TowardsLoad(const Network& network, const std::vector<Complex>& parts,
                                 Complex loadOhm) {
  std::vector<Complex> z(parts.size() + 1);
  z.back() = loadOhm;
  for (std::size_t k = parts.size(); k-- > 0;) {
    z[k] = network.elements[k].connection == Connection::Series
               ? parts[k] + z[k + 1]
               : parts[k] * z[k + 1] / (parts[k] + z[k + 1]);
  }
  return z;
}

struct Walk {
  std::vector<ElementFigures> elements;
  Complex loadA{};  // the current into the load
};

// From the input towards the load with 1 A in: at a series part the current
// goes on and the voltage drops, at a shunt part the voltage stays and the
// current divides. The next node's voltage or current comes from the
// impedance beyond the part, not from a subtraction that would cancel digits
// beside a high-Q part.
Walk WalkWithOneAmpere(const Network& network, const std::vector<Complex>& parts,
                       const std::vector<Complex>& z) {
  Complex current = kOne;
  Complex voltage = z[0];
  Walk walk;
  for (std::size_t k = 0; k < parts.size(); ++k) {
    Complex partV;
    Complex partA;
    if (network.elements[k].connection == Connection::Series) {
      partA = current;
      partV = current * parts[k];
      voltage = current * z[k + 1];
    } else {
      partV = voltage;
      partA = voltage / parts[k];
      current = voltage / z[k + 1];
    }
    walk.elements.push_back({parts[k], numeric::Norm(partA) * parts[k].re,
                             numeric::PeakVolts(numeric::Abs(partV)), numeric::Abs(partA)});
  }
  walk.loadA = current;
  return walk;
}

}  // namespace

double RadiansPerSecond(double mhz) {
  return 2 * numeric::kPi * (mhz * measurement::kHertzPerMegahertz);
}

Element SeriesElement(double reactanceOhm, double mhz) {
  const double w = RadiansPerSecond(mhz);
  return reactanceOhm > 0
             ? Element{Connection::Series, Kind::Inductor, reactanceOhm, reactanceOhm / w}
             : Element{Connection::Series, Kind::Capacitor, reactanceOhm, -1 / (w * reactanceOhm)};
}

Element ShuntElement(double susceptanceS, double mhz) {
  const double w = RadiansPerSecond(mhz);
  return susceptanceS > 0
             ? Element{Connection::Shunt, Kind::Capacitor, -1 / susceptanceS, susceptanceS / w}
             : Element{Connection::Shunt, Kind::Inductor, -1 / susceptanceS,
                       -1 / (w * susceptanceS)};
}

Complex ElementImpedanceOhm(const Element& element, const Qualities& qualities, double mhz) {
  const double w = RadiansPerSecond(mhz);
  const bool inductor = element.kind == Kind::Inductor;
  const double reactance = inductor ? w * element.value : -1 / (w * element.value);
  const double q = inductor ? qualities.inductorQ : qualities.capacitorQ;
  return {std::fabs(reactance) / q, reactance};
}

// The walk is linear: it runs with 1 A in, and its figures are scaled to the
// input current I_in = sqrt(P / Re Z_in) (V_in = I_in Z_in), so that the loss
// has a value for a power of 0 too.
std::optional<Evaluation> Evaluate(const Network& network, const Qualities& qualities,
                                   const Termination& at, double inputW) {
  if (!CanEvaluate(qualities, at, inputW)) {
    return std::nullopt;
  }
  try {
    numeric::FaultWatch watch;
    const std::vector<Complex> parts = PartImpedances(network, qualities, at.mhz);
    const std::vector<Complex> z = TowardsLoad(network, parts, at.loadOhm);
    Walk walk = WalkWithOneAmpere(network, parts, z);
    watch.check();
    const double inW = z[0].re;                                      // with 1 A in
    const double loadW = numeric::Norm(walk.loadA) * at.loadOhm.re;  // with 1 A in
    // A lossless network on a pure reactance takes no power; a load of 0 ohm gets none.
    if (!(inW > 0) || !(loadW > 0)) {
      return std::nullopt;
    }
    const double inputA = std::sqrt(inputW / inW);
    for (ElementFigures& figures : walk.elements) {
      figures.dissipatedW *= inputA * inputA;
      figures.peakV *= inputA;
      figures.rmsA *= inputA;
    }
    Evaluation e{z[0],
                 numeric::SwrOfImpedance(z[0], at.referenceOhm),
                 numeric::DecibelsOfPowerRatio(inW / loadW),
                 100 * (1 - loadW / inW),
                 loadW * (inputA * inputA),
                 std::move(walk.elements)};
    watch.check();
    return e;
  } catch (const numeric::ArithmeticFault&) {
    return std::nullopt;  // a shunt part resonating with what lies beyond it, or an overflow
  }
}

Abcd NetworkAbcd(const Network& network, const Qualities& qualities, double mhz) {
  Abcd m;
  for (const Element& element : network.elements) {
    const Complex z = ElementImpedanceOhm(element, qualities, mhz);
    // A series part is [1 Z; 0 1], a shunt one [1 0; 1/Z 1].
    const Abcd part = element.connection == Connection::Series ? Abcd{kOne, z, {}, kOne}
                                                               : Abcd{kOne, {}, kOne / z, kOne};
    m = {m.a * part.a + m.b * part.c, m.a * part.b + m.b * part.d, m.c * part.a + m.d * part.c,
         m.c * part.b + m.d * part.d};
  }
  return m;
}

// Port 1 at the radio, from the chain matrix on a real reference R:
// S11 = (A + B/R - CR - D) / n, S21 = 2 / n, S12 = 2 (AD - BC) / n,
// S22 = (D + B/R - CR - A) / n, with n = A + B/R + CR + D.
SParameters SParametersOn(const Abcd& abcd, double referenceOhm) {
  const Complex bOnR = (1 / referenceOhm) * abcd.b;
  const Complex cTimesR = referenceOhm * abcd.c;
  const Complex n = abcd.a + bOnR + cTimesR + abcd.d;
  return {(abcd.a + bOnR - cTimesR - abcd.d) / n, Complex{2, 0} / n,
          2 * (abcd.a * abcd.d - abcd.b * abcd.c) / n, (abcd.d + bOnR - cTimesR - abcd.a) / n};
}

std::vector<Solution> AtDesign(const std::vector<Network>& networks, const Qualities& qualities,
                               const Termination& design, double inputW) {
  std::vector<Solution> solutions;
  solutions.reserve(networks.size());
  for (const Network& network : networks) {
    solutions.push_back({network, Evaluate(network, qualities, design, inputW)});
  }
  return solutions;
}

std::vector<Solution> SortedByLoss(std::vector<Solution> solutions) {
  std::stable_sort(solutions.begin(), solutions.end(), [](const Solution& a, const Solution& b) {
    return a.evaluation && (!b.evaluation || a.evaluation->lossDb < b.evaluation->lossDb);
  });
  return solutions;
}

}  // namespace tolvar::calc::match
