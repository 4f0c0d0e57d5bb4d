#include "calc/measurement/touchstone_data.h"

#include <algorithm>
#include <cmath>
#include <string>
#include <utility>
#include <vector>

#include "calc/measurement/network.h"
#include "numeric/format.h"
#include "numeric/reflection.h"

namespace tolvar::calc::measurement::detail {

namespace {

constexpr double kRadiansPerDegree = numeric::kPi / 180;
// A version-1 noise line: frequency, minimum noise figure, the optimum source
// reflection's magnitude and angle, and the effective noise resistance.
constexpr std::size_t kNoiseNumbers = 5;

Complex Polar(double magnitude, double degrees) {
  const double radians = degrees * kRadiansPerDegree;
  return {magnitude * std::cos(radians), magnitude * std::sin(radians)};
}

// A 2-port's value pairs in the order the layout gives them.
TwoPortValues Arranged(const std::array<Complex, 4>& pairs, const DataLayout& layout) {
  if (layout.matrix != MatrixFormat::Full) {
    // N11, then N21 (lower) or N12 (upper), then N22: reciprocal data.
    return {pairs[0], pairs[1], pairs[1], pairs[2]};
  }
  if (layout.order == TwoPortOrder::S12First) {
    return {pairs[0], pairs[2], pairs[1], pairs[3]};
  }
  return {pairs[0], pairs[1], pairs[2], pairs[3]};
}

bool AllFinite(const TwoPortValues& s) {
  return numeric::IsFinite(s.v11) && numeric::IsFinite(s.v21) && numeric::IsFinite(s.v12) &&
         numeric::IsFinite(s.v22);
}

}  // namespace

NetworkDataReader::NetworkDataReader(Options options, const DataLayout& layout,
                                     const PortReferences& references, Measurement& measurement)
    : options_(std::move(options)),
      layout_(layout),
      references_(references),
      renormalised_(layout.ports == 2 && references.ohm[0] != references.ohm[1]),
      measurement_(&measurement),
      expected_(layout.ports == 1                     ? 3
                : layout.matrix == MatrixFormat::Full ? 9
                                                      : 7) {
  measurement.referenceOhm = renormalised_ ? kSharedReferenceOhm : references.ohm[0];
  if (renormalised_) {
    for (std::size_t port = 0; port < referenceSteps_.size(); ++port) {
      referenceSteps_.at(port) = ReferenceStep(references.ohm.at(port), kSharedReferenceOhm);
    }
  }
}

bool NetworkDataReader::take(const Line& line) {
  std::array<std::string_view, kMaxNumbers + 1> tokens;
  const std::size_t count = SplitBlanks(line.content, tokens);
  const bool beginsRecord = count % 2 == 1;
  if (beginsRecord && recordLine_ == 0 && layout_.noiseMayFollow && count == kNoiseNumbers &&
      !measurement_->frequencyHz.empty() &&
      frequencyHz(tokens[0], line.number) <= measurement_->frequencyHz.back()) {
    return false;
  }
  if (beginsRecord && recordLine_ != 0) {
    failCount(count_);
  }
  if (recordLine_ == 0) {
    recordLine_ = line.number;
    count_ = 0;
  }
  if (count_ + count > expected_) {
    failCount(count_ + count);
  }
  std::copy_n(tokens.begin(), count, record_.begin() + static_cast<std::ptrdiff_t>(count_));
  std::fill_n(recordLines_.begin() + static_cast<std::ptrdiff_t>(count_), count, line.number);
  count_ += count;
  if (count_ == expected_) {
    complete();
    recordLine_ = 0;
  }
  return true;
}

void NetworkDataReader::finish() const {
  if (recordLine_ != 0) {
    failCount(count_);
  }
}

void NetworkDataReader::repair(const PortImpedanceComments& comments) {
  std::vector<std::string>& notes = measurement_->notes;
  if (renormalised_) {
    notes.push_back(RenormalisedNote(references_, kSharedReferenceOhm));
  }
  if (minusInfinityDecibels_ > 0) {
    notes.push_back(MinusInfinityNote(minusInfinityDecibels_));
  }
  PutInFrequencyOrder(*measurement_);
  if (auto note = comments.note(references_)) {
    notes.push_back(std::move(*note));
  }
}

void NetworkDataReader::failCount(std::size_t found) const {
  Fail(recordLine_, std::to_string(expected_) + " numbers expected for a " +
                        std::to_string(layout_.ports) + "-port, found " + std::to_string(found));
}

double NetworkDataReader::frequencyHz(std::string_view token, int line) const {
  const double frequency = ReadNumber(token, line);
  if (frequency < 0) {
    Fail(line, "frequency " + Quoted(token) + " is negative");
  }
  const double hz = frequency * options_.hzPerUnit;
  if (!std::isfinite(hz)) {
    Fail(line, "frequency " + Quoted(token) + " is too large");
  }
  return hz;
}

Complex NetworkDataReader::pairValue(std::size_t first) {
  const int line = recordLines_.at(first);
  const bool decibels = options_.format == ValueFormat::DecibelAngle;
  const double a =
      decibels ? ReadDecibels(record_.at(first), line) : ReadNumber(record_.at(first), line);
  const double b = ReadNumber(record_.at(first + 1), recordLines_.at(first + 1));
  switch (options_.format) {
    case ValueFormat::RealImaginary:
      return {a, b};
    case ValueFormat::MagnitudeAngle:
      return Polar(a, b);
    case ValueFormat::DecibelAngle:
      break;
  }
  if (std::isinf(a)) {
    // Minus infinity dB, a simulator's exact zero (ReadDecibels passes no other infinity).
    ++minusInfinityDecibels_;
    return {0, 0};
  }
  const double magnitude = std::pow(10.0, a / 20);
  if (!std::isfinite(magnitude)) {
    Fail(line, "magnitude " + Quoted(record_.at(first)) + " dB is too large");
  }
  return Polar(magnitude, b);
}

// Z and Y data become S-parameters: an impedance of -R has none, for one. S
// data renormalised onto the shared reference has none only if it is active.
void NetworkDataReader::failConversion() const {
  if (options_.parameter == Parameter::Scattering) {
    Fail(recordLine_, "these S-parameters give no finite values on " +
                          numeric::ShortestText(kSharedReferenceOhm) + " ohm");
  }
  Fail(recordLine_, std::string("these ") +
                        (options_.parameter == Parameter::Impedance ? 'Z' : 'Y') +
                        "-parameters give no finite S-parameters");
}

Complex NetworkDataReader::normalised(Complex value) const {
  if (layout_.normalisedImpedances) {
    return value;
  }
  const double referenceOhm = measurement_->referenceOhm;
  return options_.parameter == Parameter::Impedance ? (1 / referenceOhm) * value
                                                    : referenceOhm * value;
}

void NetworkDataReader::complete() {
  Measurement& m = *measurement_;
  const double hz = frequencyHz(record_[0], recordLine_);
  std::array<Complex, 4> pairs{};
  for (std::size_t k = 0; 2 * k + 1 < expected_; ++k) {
    pairs.at(k) = pairValue(2 * k + 1);
  }
  const Parameter parameter = options_.parameter;
  if (layout_.ports == 1) {
    Complex s = pairs[0];
    if (parameter != Parameter::Scattering) {
      s = parameter == Parameter::Impedance ? ReflectionOfImpedance(normalised(s))
                                            : ReflectionOfAdmittance(normalised(s));
    }
    if (!numeric::IsFinite(s)) {
      failConversion();
    }
    m.s11.push_back(s);
  } else {
    TwoPortValues s = Arranged(pairs, layout_);
    if (parameter != Parameter::Scattering) {
      // In ohm or siemens, on the shared reference at once.
      const TwoPortValues n{normalised(s.v11), normalised(s.v21), normalised(s.v12),
                            normalised(s.v22)};
      s = parameter == Parameter::Impedance ? SOfImpedances(n) : SOfAdmittances(n);
    } else if (renormalised_) {
      s = SOnReference(s, referenceSteps_[0], referenceSteps_[1]);
    }
    if (!AllFinite(s)) {
      failConversion();
    }
    m.s11.push_back(s.v11);
    m.s21.push_back(s.v21);
    m.s12.push_back(s.v12);
    m.s22.push_back(s.v22);
  }
  m.frequencyHz.push_back(hz);
}

}  // namespace tolvar::calc::measurement::detail
