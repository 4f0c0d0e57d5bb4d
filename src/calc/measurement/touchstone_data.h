#pragma once

// The network data of a Touchstone file, record by record, into a
// Measurement. Internal to the reader.

#include <array>
#include <cstddef>
#include <string_view>

#include "calc/measurement/touchstone.h"
#include "calc/measurement/touchstone_header.h"
#include "calc/measurement/touchstone_repair.h"
#include "calc/measurement/touchstone_text.h"
#include "numeric/complex.h"

namespace tolvar::calc::measurement::detail {

// Which of a 2-port's transmissions comes first in its data.
enum class TwoPortOrder { S21First, S12First };
// A 2-port's full matrix, or its lower or upper triangle (N11, N21 or N12, N22)
// for reciprocal data.
enum class MatrixFormat { Full, Lower, Upper };

struct DataLayout {
  int ports = 1;  // 1 or 2
  TwoPortOrder order = TwoPortOrder::S21First;
  MatrixFormat matrix = MatrixFormat::Full;
  // Version 1 gives Z / R and Y R; version 2.0 gives ohm and siemens.
  bool normalisedImpedances = true;
  // A version-1 2-port: a 5-number line whose frequency does not rise begins
  // the noise data, which ends the network data.
  bool noiseMayFollow = false;
};

// Gathers records (a frequency and its value pairs) from data lines. A line
// with an odd count of numbers begins a record (a frequency and whole pairs),
// one with an even count continues it, so a record may be wrapped over lines
// but a pair may not be split. A completed record is checked and converted to
// S-parameters on the port references; a 2-port whose ports have different
// references goes onto kSharedReferenceOhm at both. The constructor sets
// measurement.referenceOhm.
class NetworkDataReader {
 public:
  NetworkDataReader(Options options, const DataLayout& layout, const PortReferences& references,
                    Measurement& measurement);
  // Takes one data line; false when it begins a version-1 noise block instead.
  bool take(const Line& line);
  // The data has ended: a record left unfinished is a fault.
  void finish() const;
  // After finish: puts the points in frequency order, one per frequency, and
  // notes what was repaired or what comments said against the references.
  void repair(const PortImpedanceComments& comments);

 private:
  static constexpr std::size_t kMaxNumbers = 9;  // a 2-port's frequency and four pairs

  [[noreturn]] void failCount(std::size_t found) const;
  [[noreturn]] void failConversion() const;
  double frequencyHz(std::string_view token, int line) const;
  numeric::Complex pairValue(std::size_t first);  // record_[first] and the next
  numeric::Complex normalised(numeric::Complex value) const;
  void complete();

  Options options_;
  DataLayout layout_;
  PortReferences references_;
  std::array<double, 2> referenceSteps_{};  // each port's, onto the shared reference
  bool renormalised_ = false;
  Measurement* measurement_;
  std::size_t expected_;  // numbers in a record
  std::array<std::string_view, kMaxNumbers> record_{};
  std::array<int, kMaxNumbers> recordLines_{};  // the line of each, for a wrapped record
  std::size_t count_ = 0;
  int recordLine_ = 0;  // the line a record began on; 0 while none is open
  std::size_t minusInfinityDecibels_ = 0;
};

}  // namespace tolvar::calc::measurement::detail
