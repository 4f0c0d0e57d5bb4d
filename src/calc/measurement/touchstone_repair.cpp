#include "calc/measurement/touchstone_repair.h"

#include <algorithm>
#include <functional>
#include <utility>
#include <vector>

#include "numeric/format.h"
#include "numeric/significant.h"

namespace tolvar::calc::measurement::detail {

namespace {

using numeric::Complex;

// "1 repeated frequency", "2 repeated frequencies".
std::string Counted(std::size_t count, std::string_view one, std::string_view many) {
  return std::to_string(count) + " " + std::string(count == 1 ? one : many);
}

// Each frequency with the place of its point in the file.
using Placed = std::pair<double, std::size_t>;

// Puts the S-parameters of the point from sorted[i].second at i, every
// parameter at once, cycle by cycle: nothing is copied but one point at a
// time. Marks each place done by setting its .second to itself.
void MoveValues(Measurement& m, std::vector<Placed>& sorted) {
  const std::array<std::vector<Complex>*, 4> parameters{&m.s11, &m.s21, &m.s12, &m.s22};
  const std::size_t count = m.ports == 2 ? parameters.size() : 1;
  std::array<Complex, 4> first{};
  for (std::size_t start = 0; start < sorted.size(); ++start) {
    if (sorted[start].second == start) {
      continue;
    }
    for (std::size_t k = 0; k < count; ++k) {
      first.at(k) = (*parameters.at(k))[start];
    }
    std::size_t to = start;
    for (std::size_t from = sorted[to].second; from != start; from = sorted[to].second) {
      for (std::size_t k = 0; k < count; ++k) {
        (*parameters.at(k))[to] = (*parameters.at(k))[from];
      }
      sorted[to].second = to;
      to = from;
    }
    for (std::size_t k = 0; k < count; ++k) {
      (*parameters.at(k))[to] = first.at(k);
    }
    sorted[to].second = to;
  }
}

// Keeps the first point of each frequency in sorted frequencies, moving the
// values with them; returns how many frequencies were repeated.
std::size_t KeepFirstOfEachFrequency(Measurement& m) {
  std::vector<double>& frequencyHz = m.frequencyHz;
  std::size_t kept = 0;
  std::size_t repeated = 0;
  bool lastRepeated = false;  // whether the last kept frequency was counted
  for (std::size_t i = 0; i < frequencyHz.size(); ++i) {
    if (kept > 0 && frequencyHz[i] == frequencyHz[kept - 1]) {
      repeated += lastRepeated ? 0 : 1;
      lastRepeated = true;
      continue;
    }
    lastRepeated = false;
    for (auto* values : {&m.s11, &m.s21, &m.s12, &m.s22}) {
      if (!values->empty()) {
        (*values)[kept] = (*values)[i];
      }
    }
    frequencyHz[kept++] = frequencyHz[i];
  }
  for (auto* values : {&m.s11, &m.s21, &m.s12, &m.s22}) {
    values->resize(values->empty() ? 0 : kept);
  }
  frequencyHz.resize(kept);
  return repeated;
}

// Least and greatest by real part, then by imaginary part.
bool Before(Complex a, Complex b) { return a.re < b.re || (a.re == b.re && a.im < b.im); }
bool Same(Complex a, Complex b) { return a.re == b.re && a.im == b.im; }

// An impedance [ohm] as the notes write it, each part to 6 significant digits:
// "75", "375.969 + j0.51877".
std::string OhmText(Complex z) {
  constexpr int kDigits = 6;
  constexpr numeric::ComplexNotation kNotation{.imaginarySign = numeric::SignShown::AsShown,
                                               .imaginaryUnit = " j",
                                               .zeroImaginaryShown = false};
  return numeric::ComplexText(
      {numeric::RoundToSignificant(z.re, kDigits), numeric::RoundToSignificant(z.im, kDigits)},
      kNotation);
}

// "the option line's R 50 ohm", "[Reference] 50 and 25 ohm".
std::string ReferencesText(const PortReferences& references) {
  std::string text = references.fromKeyword ? "[Reference] " : "the option line's R ";
  text += numeric::ShortestText(references.ohm[0]);
  if (references.ports == 2 && references.ohm[1] != references.ohm[0]) {
    text += " and " + numeric::ShortestText(references.ohm[1]);
  }
  return text + " ohm";
}

}  // namespace

void PutInFrequencyOrder(Measurement& measurement) {
  std::vector<double>& frequencyHz = measurement.frequencyHz;
  if (std::adjacent_find(frequencyHz.begin(), frequencyHz.end(), std::greater_equal<>()) ==
      frequencyHz.end()) {
    return;  // strictly rising, as nearly every file
  }
  if (!std::is_sorted(frequencyHz.begin(), frequencyHz.end())) {
    // Sorted on the frequency, then on the place: a stable sort of the points.
    std::vector<Placed> sorted(frequencyHz.size());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
      sorted[i] = {frequencyHz[i], i};
    }
    std::sort(sorted.begin(), sorted.end());
    for (std::size_t i = 0; i < sorted.size(); ++i) {
      frequencyHz[i] = sorted[i].first;
    }
    MoveValues(measurement, sorted);
    measurement.notes.emplace_back("points sorted by frequency");
  }
  const std::size_t repeated = KeepFirstOfEachFrequency(measurement);
  if (repeated > 0) {
    measurement.notes.push_back(Counted(repeated, "repeated frequency", "repeated frequencies") +
                                " kept once");
  }
}

std::string MinusInfinityNote(std::size_t count) {
  return Counted(count, "magnitude", "magnitudes") + " of minus infinity dB read as 0";
}

std::string RenormalisedNote(const PortReferences& references, double toOhm) {
  return "port references of " + numeric::ShortestText(references.ohm[0]) + " and " +
         numeric::ShortestText(references.ohm[1]) + " ohm renormalised to " +
         numeric::ShortestText(toOhm) + " ohm";
}

void PortImpedanceComments::read(std::string_view comment) {
  constexpr std::string_view kWords = "Port Impedance";
  const std::size_t start = comment.find_first_not_of(" \t");
  if (start == std::string_view::npos || comment.size() - start < kWords.size() ||
      !SameWord(comment.substr(start, kWords.size()), kWords)) {
    return;
  }
  std::array<std::string_view, 2 * kCommentPorts> tokens;
  const std::size_t count = SplitBlanks(comment.substr(start + kWords.size()), tokens);
  std::array<double, tokens.size()> numbers{};
  const std::size_t read = std::min(count, tokens.size());
  for (std::size_t k = 0; k < read; ++k) {
    if (ParseNumber(tokens.at(k), numbers.at(k)) != NumberFault::None) {
      return;
    }
  }
  for (std::size_t port = 0; 2 * port + 1 < read; ++port) {
    const Complex z{numbers.at(2 * port), numbers.at(2 * port + 1)};
    Span& span = ports_.at(port);
    span.least = !span.seen || Before(z, span.least) ? z : span.least;
    span.greatest = !span.seen || Before(span.greatest, z) ? z : span.greatest;
    span.seen = true;
  }
}

std::optional<std::string> PortImpedanceComments::note(const PortReferences& references) const {
  bool differs = false;
  std::optional<Span> all;
  for (std::size_t port = 0; port < static_cast<std::size_t>(references.ports); ++port) {
    const Span& span = ports_.at(port);
    if (!span.seen) {
      continue;
    }
    const Complex reference{references.ohm.at(port), 0};
    differs = differs || !Same(span.least, reference) || !Same(span.greatest, reference);
    all = !all ? span
               : Span{true, Before(span.least, all->least) ? span.least : all->least,
                      Before(all->greatest, span.greatest) ? span.greatest : all->greatest};
  }
  if (!differs) {
    return std::nullopt;
  }
  const std::string given = Same(all->least, all->greatest)
                                ? "of " + OhmText(all->least)
                                : "from " + OhmText(all->least) + " to " + OhmText(all->greatest);
  return "the file's comments give port impedances " + given + " ohm; it is read on " +
         ReferencesText(references) + ", as the format says";
}

}  // namespace tolvar::calc::measurement::detail
