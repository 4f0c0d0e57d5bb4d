#include "calc/measurement/touchstone_header.h"

#include <algorithm>
#include <array>
#include <functional>
#include <string>

namespace tolvar::calc::measurement::detail {

namespace {

// An option line holds four fields and R's values: a longer one is not one.
constexpr std::size_t kMaxOptionTokens = 16;

struct Unit {
  std::string_view name;
  double hzPerUnit;
};
constexpr std::array<Unit, 4> kUnits{{{"hz", 1}, {"khz", 1e3}, {"mhz", 1e6}, {"ghz", 1e9}}};

bool LooksNumeric(std::string_view token) {
  return std::string_view("0123456789.+-").find(token.front()) != std::string_view::npos;
}

// Marks a field as given; a field given twice is a fault.
void SetOnce(bool& given, std::string_view token, int line) {
  if (given) {
    Fail(line, Quoted(token) + " repeats a field of the option line");
  }
  given = true;
}

constexpr std::array<std::string_view, kKeyCount> kKeyNames{"Version",
                                                            "Number of Ports",
                                                            "Two-Port Data Order",
                                                            "Number of Frequencies",
                                                            "Number of Noise Frequencies",
                                                            "Reference",
                                                            "Matrix Format",
                                                            "Mixed-Mode Order",
                                                            "Begin Information",
                                                            "End Information",
                                                            "Network Data",
                                                            "Noise Data",
                                                            "End"};

}  // namespace

std::string PortsRefused(int ports) {
  return std::to_string(ports) + "-port data is not supported (1- and 2-port files are)";
}

std::string Bracketed(std::string_view name) { return "[" + Shown(name) + "]"; }

std::string_view KeywordValue(const Line& line, const Keyword& keyword) {
  std::array<std::string_view, 1> values;
  if (SplitBlanks(keyword.rest, values) != 1) {
    Fail(line.number, "one value expected after " + Bracketed(keyword.key));
  }
  return values[0];
}

void ExpectNothingAfter(const Line& line, const Keyword& keyword) {
  std::array<std::string_view, 1> values;
  if (SplitBlanks(keyword.rest, values) != 0) {
    Fail(line.number,
         "nothing expected after " + Bracketed(keyword.key) + ", found " + Quoted(values[0]));
  }
}

std::string Bracketed(Key key) {
  return "[" + std::string(kKeyNames.at(static_cast<std::size_t>(key))) + "]";
}

Keyword ReadKeyword(const Line& line) {
  const std::size_t close = line.content.find(']');
  if (close == std::string_view::npos) {
    Fail(line.number, Quoted(line.content) + " has no closing ]");
  }
  Keyword keyword{Key::Unknown, line.content.substr(1, close - 1), line.content.substr(close + 1)};
  for (std::size_t k = 0; k < kKeyNames.size(); ++k) {
    if (SameWord(keyword.name, kKeyNames.at(k))) {
      keyword.key = static_cast<Key>(k);
    }
  }
  return keyword;
}

bool IsKeywordLine(const Line& line, Key key) {
  return line.content.front() == '[' && line.content.find(']') != std::string_view::npos &&
         ReadKeyword(line).key == key;
}

Options ReadOptionLine(const Line& line, OptionReferences optionReferences) {
  std::array<std::string_view, kMaxOptionTokens> tokens;
  const std::size_t count = SplitBlanks(line.content.substr(1), tokens);
  if (count > tokens.size()) {
    Fail(line.number, "too many fields in the option line");
  }
  Options options;
  options.line = line.number;
  bool unitGiven = false;
  bool parameterGiven = false;
  bool formatGiven = false;
  bool referenceGiven = false;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string_view token = tokens[i];
    if (const auto* unit = std::find_if(kUnits.begin(), kUnits.end(),
                                        [&](const Unit& u) { return SameWord(token, u.name); });
        unit != kUnits.end()) {
      SetOnce(unitGiven, token, line.number);
      options.hzPerUnit = unit->hzPerUnit;
    } else if (SameWord(token, "h") || SameWord(token, "g")) {
      Fail(line.number, std::string(1, SameWord(token, "h") ? 'H' : 'G') +
                            "-parameters are not supported (S, Z and Y are)");
    } else if (SameWord(token, "s") || SameWord(token, "z") || SameWord(token, "y")) {
      SetOnce(parameterGiven, token, line.number);
      options.parameter = SameWord(token, "s")   ? Parameter::Scattering
                          : SameWord(token, "z") ? Parameter::Impedance
                                                 : Parameter::Admittance;
    } else if (SameWord(token, "ri") || SameWord(token, "ma") || SameWord(token, "db")) {
      SetOnce(formatGiven, token, line.number);
      options.format = SameWord(token, "ri")   ? ValueFormat::RealImaginary
                       : SameWord(token, "ma") ? ValueFormat::MagnitudeAngle
                                               : ValueFormat::DecibelAngle;
    } else if (SameWord(token, "r")) {
      SetOnce(referenceGiven, token, line.number);
      if (i + 1 == count) {
        Fail(line.number, "a reference resistance expected after R");
      }
      // One resistance, or one per port.
      do {
        options.references.add(tokens[++i], line.number);
      } while (i + 1 < count && LooksNumeric(tokens[i + 1]));
      if (optionReferences == OptionReferences::OneForAll && !options.references.allEqual()) {
        Fail(line.number, "the option line gives one reference for all ports before version 2.1 (" +
                              options.references.firstDifference() + " differ)");
      }
    } else {
      Fail(line.number, "unknown option " + Quoted(token) + " in the option line");
    }
  }
  return options;
}

void ReferenceList::add(std::string_view token, int line) {
  if (token.find_first_of("jJ(") != std::string_view::npos) {
    Fail(line, "complex reference impedances are not supported (" + Quoted(token) + ")");
  }
  if (!LooksNumeric(token)) {
    Fail(line, "a reference resistance expected, found " + Quoted(token));
  }
  const double ohm = ReadNumber(token, line);
  if (ohm <= 0) {
    Fail(line, "reference resistance " + Quoted(token) + " is not above 0 ohm");
  }
  ohm_.push_back(ohm);
  tokens_.push_back(token);
}

bool ReferenceList::allEqual() const {
  return std::adjacent_find(ohm_.begin(), ohm_.end(), std::not_equal_to<>()) == ohm_.end();
}

std::string ReferenceList::firstDifference() const {
  const auto differing =
      std::find_if(ohm_.begin(), ohm_.end(), [&](double ohm) { return ohm != ohm_.front(); });
  if (differing == ohm_.end()) {
    return {};
  }
  return Quoted(tokens_.front()) + " and " +
         Quoted(tokens_.at(static_cast<std::size_t>(differing - ohm_.begin())));
}

double ReferenceList::ohmOfPort(std::size_t port) const {
  constexpr double kDefaultOhm = 50;
  return ohm_.empty() ? kDefaultOhm : ohm_.at(std::min(port, ohm_.size() - 1));
}

}  // namespace tolvar::calc::measurement::detail
