#pragma once

// What a Touchstone file says about its data before the data: the option line
// and the reference impedances. Internal to the reader.

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "calc/measurement/touchstone_text.h"

namespace tolvar::calc::measurement::detail {

enum class Parameter { Scattering, Impedance, Admittance };
enum class ValueFormat { RealImaginary, MagnitudeAngle, DecibelAngle };

// Reference resistances as R or [Reference] lists them: one for all ports, or
// one per port.
class ReferenceList {
 public:
  // Adds token, a resistance [ohm]; a complex one and one that is not
  // positive are refused.
  void add(std::string_view token, int line);
  std::size_t count() const { return ohm_.size(); }
  // Whether they are all the same; if not, the first two that differ as the
  // file writes them: "'50' and '25'".
  bool allEqual() const;
  std::string firstDifference() const;
  // The reference of port (counted from 0): the one given for it, else the
  // last given (the one for all ports), else 50 ohm.
  double ohmOfPort(std::size_t port) const;

 private:
  std::vector<double> ohm_;
  std::vector<std::string_view> tokens_;
};

// The option line "# <unit> <parameter> <format> R <n>"; a field left out
// keeps its default, as in "# GHz S MA R 50".
struct Options {
  double hzPerUnit = 1e9;
  Parameter parameter = Parameter::Scattering;
  ValueFormat format = ValueFormat::MagnitudeAngle;
  ReferenceList references;  // none: 50 ohm
  int line = 0;              // its number, for a fault in its references found later
};

// Whether an option line may give a reference per port (version 2.1) or only
// one for all (versions 1 and 2.0, which take equal ones repeated).
enum class OptionReferences { OneForAll, OnePerPort };

// Reads an option line (its content begins with "#"): fields in any order and
// case, each at most once. R takes one resistance, or one per port. H- and
// G-parameters are refused.
Options ReadOptionLine(const Line& line, OptionReferences references);

// Each port's reference resistance [ohm] as the data is written on, and where
// the file gives them.
struct PortReferences {
  int ports = 1;
  std::array<double, 2> ohm{50, 50};
  bool fromKeyword = false;  // [Reference]; else the option line's R or its default
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

// The one value after a keyword; anything else is a fault.
std::string_view KeywordValue(const Line& line, const Keyword& keyword);
// A keyword that takes no value: anything after it is a fault.
void ExpectNothingAfter(const Line& line, const Keyword& keyword);

}  // namespace tolvar::calc::measurement::detail
