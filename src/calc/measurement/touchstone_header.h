#pragma once

// What a Touchstone file says about its data before the data: the option line
// and the reference impedances. Internal to the reader.

#include <array>
#include <string>
#include <string_view>

#include "calc/measurement/touchstone_text.h"

namespace tolvar::calc::measurement::detail {

enum class Parameter { Scattering, Impedance, Admittance };
enum class ValueFormat { RealImaginary, MagnitudeAngle, DecibelAngle };

// The option line "# <unit> <parameter> <format> R <n>"; a field left out
// keeps its default, as in "# GHz S MA R 50".
struct Options {
  double hzPerUnit = 1e9;
  Parameter parameter = Parameter::Scattering;
  ValueFormat format = ValueFormat::MagnitudeAngle;
  double referenceOhm = 50;
};

// Reads an option line (its content begins with "#"): fields in any order and
// case, each at most once. R takes one resistance, or one per port, which must
// then be equal. H- and G-parameters are refused.
Options ReadOptionLine(const Line& line);

// Reference resistances as R or [Reference] lists them, one per port: each a
// positive real number, all equal (the reader has one reference for all ports).
class ReferenceList {
 public:
  // Adds token, a resistance [ohm]; a complex one, one that is not positive
  // and one that differs from the first are refused.
  void add(std::string_view token, int line);
  int count() const { return count_; }
  double ohm() const { return ohm_; }

 private:
  int count_ = 0;
  double ohm_ = 0;
  std::string_view first_;
};

// "3-port data is not supported (1- and 2-port files are)".
std::string PortsRefused(int ports);

// The keywords of version 2.0, as files write them (in any case).
enum class Key {
  Version,
  NumberOfPorts,
  TwoPortDataOrder,
  NumberOfFrequencies,
  NumberOfNoiseFrequencies,
  Reference,
  MatrixFormat,
  MixedModeOrder,
  BeginInformation,
  EndInformation,
  NetworkData,
  NoiseData,
  End,
  Unknown
};
inline constexpr std::size_t kKeyCount = static_cast<std::size_t>(Key::Unknown);

// A keyword line "[Name] values": which keyword, its name as written, and the
// rest of the line.
struct Keyword {
  Key key = Key::Unknown;
  std::string_view name;
  std::string_view rest;
};
// Reads a line whose content begins with "["; one without "]" is a fault.
Keyword ReadKeyword(const Line& line);
// Whether line is that keyword's, for skipping lines until it comes.
bool IsKeywordLine(const Line& line, Key key);

// "[Number of Ports]", as the format spells it; a name as written, shown safely.
std::string Bracketed(Key key);
std::string Bracketed(std::string_view name);

}  // namespace tolvar::calc::measurement::detail
