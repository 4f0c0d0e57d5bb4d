#include "calc/measurement/touchstone_version2.h"

#include <array>
#include <optional>
#include <string>

#include "calc/measurement/touchstone_data.h"
#include "calc/measurement/touchstone_header.h"

namespace tolvar::calc::measurement::detail {

namespace {

// Version 2.x: keywords up to [Network Data], its data, perhaps [Noise Data]
// (left out), and [End]; what follows [End] is left out.
class Version2Reader {
 public:
  Version2Reader(LineCursor& lines, Version2 version, int portsFromName,
                 const PortImpedanceComments& comments)
      : lines_(&lines), version_(version), portsFromName_(portsFromName), comments_(&comments) {
    seen_.at(static_cast<std::size_t>(Key::Version)) = true;  // the first line
  }
  Measurement read();

 private:
  enum class Section { Header, Information, NetworkData, NoiseData };

  void headerLine(const Line& line);
  void headerKeyword(const Line& line, const Keyword& keyword);
  void readPorts(const Line& line, std::string_view value);
  void readReferences(std::string_view values, int line);
  [[noreturn]] void failReferenceCount(std::size_t found) const;
  PortReferences portReferences() const;
  void beginNetworkData(const Line& line);
  void endNetworkData(const Line& line);
  bool networkDataLine(const Line& line);  // true at [End]

  LineCursor* lines_;
  Version2 version_;
  int portsFromName_;
  const PortImpedanceComments* comments_;
  Section section_ = Section::Header;
  std::array<bool, kKeyCount> seen_{};
  std::optional<Options> options_;
  int ports_ = 0;
  std::optional<TwoPortOrder> order_;
  MatrixFormat matrix_ = MatrixFormat::Full;
  int frequencies_ = 0;
  ReferenceList references_;
  int referenceLine_ = 0;  // the [Reference] line while its values are incomplete
  Measurement measurement_;
  std::optional<NetworkDataReader> data_;
};

Measurement Version2Reader::read() {
  Line line;
  while (lines_->next(line)) {
    switch (section_) {
      case Section::Header:
        headerLine(line);
        break;
      case Section::Information:
        if (IsKeywordLine(line, Key::EndInformation)) {
          section_ = Section::Header;
        }
        break;
      case Section::NetworkData:
        if (networkDataLine(line)) {
          return std::move(measurement_);
        }
        break;
      case Section::NoiseData:
        if (IsKeywordLine(line, Key::End)) {
          return std::move(measurement_);
        }
        break;
    }
  }
  Fail(0, section_ == Section::Header        ? "the file ends before [Network Data]"
          : section_ == Section::Information ? "the file ends inside [Begin Information]"
                                             : "the file ends without [End]");
}

void Version2Reader::headerLine(const Line& line) {
  const char first = line.content.front();
  if (referenceLine_ != 0 && first != '[' && first != '#') {
    readReferences(line.content, line.number);  // [Reference] continued
    return;
  }
  if (referenceLine_ != 0) {
    failReferenceCount(references_.count());
  }
  if (first == '#') {
    if (!options_) {
      options_ = ReadOptionLine(line, version_ == Version2::One ? OptionReferences::OnePerPort
                                                                : OptionReferences::OneForAll);
    }
    return;
  }
  if (first != '[') {
    std::array<std::string_view, 1> tokens;
    SplitBlanks(line.content, tokens);
    Fail(line.number, Quoted(tokens[0]) + " before [Network Data]");
  }
  headerKeyword(line, ReadKeyword(line));
}

void Version2Reader::headerKeyword(const Line& line, const Keyword& keyword) {
  if (keyword.key == Key::Unknown) {
    Fail(line.number, "unknown keyword " + Bracketed(keyword.name));
  }
  bool& seen = seen_.at(static_cast<std::size_t>(keyword.key));
  if (seen) {
    Fail(line.number, Bracketed(keyword.key) + " appears twice");
  }
  seen = true;
  int count = 0;
  switch (keyword.key) {
    case Key::NumberOfPorts:
      readPorts(line, KeywordValue(line, keyword));
      break;
    case Key::TwoPortDataOrder: {
      const std::string_view order = KeywordValue(line, keyword);
      if (order != "12_21" && order != "21_12") {
        Fail(line.number, "[Two-Port Data Order] is 12_21 or 21_12, not " + Quoted(order));
      }
      order_ = order == "12_21" ? TwoPortOrder::S12First : TwoPortOrder::S21First;
      break;
    }
    case Key::NumberOfFrequencies:
    case Key::NumberOfNoiseFrequencies:
      if (!ReadCount(KeywordValue(line, keyword), count) || count == 0) {
        Fail(line.number, Quoted(KeywordValue(line, keyword)) + " is not a number of frequencies");
      }
      frequencies_ = keyword.key == Key::NumberOfFrequencies ? count : frequencies_;
      break;
    case Key::Reference:
      if (ports_ == 0) {
        Fail(line.number, "[Reference] before [Number of Ports]");
      }
      referenceLine_ = line.number;
      readReferences(keyword.rest, line.number);
      break;
    case Key::MatrixFormat: {
      const std::string_view format = KeywordValue(line, keyword);
      if (!SameWord(format, "full") && !SameWord(format, "lower") && !SameWord(format, "upper")) {
        Fail(line.number, "[Matrix Format] is Full, Lower or Upper, not " + Quoted(format));
      }
      matrix_ = SameWord(format, "full")    ? MatrixFormat::Full
                : SameWord(format, "lower") ? MatrixFormat::Lower
                                            : MatrixFormat::Upper;
      break;
    }
    case Key::MixedModeOrder:
      Fail(line.number, "mixed-mode data ([Mixed-Mode Order]) is not supported");
    case Key::BeginInformation:
      section_ = Section::Information;
      break;
    case Key::NetworkData:
      ExpectNothingAfter(line, keyword);
      beginNetworkData(line);
      break;
    default:  // [End Information], [Noise Data], [End]
      Fail(line.number, Bracketed(keyword.key) + " before [Network Data]");
  }
}

void Version2Reader::readPorts(const Line& line, std::string_view value) {
  if (!ReadCount(value, ports_) || ports_ == 0) {
    Fail(line.number, Quoted(value) + " is not a number of ports");
  }
  if (ports_ > 2) {
    Fail(line.number, PortsRefused(ports_));
  }
  if (portsFromName_ != 0 && ports_ != portsFromName_) {
    Fail(line.number, "[Number of Ports] is " + std::to_string(ports_) + ", the file name says " +
                          std::to_string(portsFromName_));
  }
}

void Version2Reader::failReferenceCount(std::size_t found) const {
  Fail(referenceLine_, "[Reference] expects one resistance per port (" + std::to_string(ports_) +
                           "), found " + std::to_string(found));
}

// [Reference] gives one resistance per port, on its own line or the ones after.
void Version2Reader::readReferences(std::string_view values, int line) {
  std::array<std::string_view, 2> tokens;
  const std::size_t count = SplitBlanks(values, tokens);
  const std::size_t found = references_.count() + count;
  if (found > static_cast<std::size_t>(ports_)) {
    failReferenceCount(found);
  }
  for (std::size_t i = 0; i < count; ++i) {
    references_.add(tokens.at(i), line);
  }
  if (references_.count() == static_cast<std::size_t>(ports_)) {
    referenceLine_ = 0;
  }
}

void Version2Reader::beginNetworkData(const Line& line) {
  if (!options_) {
    Fail(line.number, "no option line (# ...) before [Network Data]");
  }
  if (ports_ == 0) {
    Fail(line.number, "[Number of Ports] missing before [Network Data]");
  }
  if (ports_ == 2 && matrix_ == MatrixFormat::Full && !order_) {
    Fail(line.number, "[Two-Port Data Order] missing before [Network Data]");
  }
  if (frequencies_ == 0) {
    Fail(line.number, "[Number of Frequencies] missing before [Network Data]");
  }
  measurement_.ports = ports_;
  data_.emplace(*options_,
                DataLayout{ports_, order_.value_or(TwoPortOrder::S21First), matrix_, false, false},
                portReferences(), measurement_);
  section_ = Section::NetworkData;
}

// [Reference] if given, else the option line's R: one for all ports, or
// (version 2.1) one per port.
PortReferences Version2Reader::portReferences() const {
  const bool fromKeyword = references_.count() > 0;
  const ReferenceList& given = fromKeyword ? references_ : options_->references;
  if (!given.allEqual() && given.count() != static_cast<std::size_t>(ports_)) {
    Fail(options_->line, "the option line gives " + std::to_string(given.count()) +
                             " references for a " + std::to_string(ports_) +
                             "-port (one, or one per port)");
  }
  return {ports_, {given.ohmOfPort(0), given.ohmOfPort(1)}, fromKeyword};
}

bool Version2Reader::networkDataLine(const Line& line) {
  const char first = line.content.front();
  if (first == '#') {
    return false;  // a later option line: ignored
  }
  if (first != '[') {
    data_->take(line);
    return false;
  }
  const Keyword keyword = ReadKeyword(line);
  if (keyword.key != Key::NoiseData && keyword.key != Key::End) {
    Fail(line.number, Bracketed(keyword.name) + " inside [Network Data]");
  }
  ExpectNothingAfter(line, keyword);
  endNetworkData(line);
  section_ = Section::NoiseData;
  return keyword.key == Key::End;
}

void Version2Reader::endNetworkData(const Line& line) {
  data_->finish();
  // Counted as the file writes them, a repeated frequency too.
  const std::size_t found = measurement_.frequencyHz.size();
  if (found != static_cast<std::size_t>(frequencies_)) {
    Fail(line.number, "[Number of Frequencies] is " + std::to_string(frequencies_) +
                          ", the data has " + std::to_string(found));
  }
  data_->repair(*comments_);
}

}  // namespace

Measurement ReadVersion2(LineCursor& lines, Version2 version, int portsFromName,
                         const PortImpedanceComments& comments) {
  return Version2Reader(lines, version, portsFromName, comments).read();
}

// [Version] 2.0 or 2.1 as the first line makes a version-2.x file.
std::optional<Version2> Version2Of(const Line& line) {
  if (line.content.front() != '[') {
    return std::nullopt;
  }
  const Keyword keyword = ReadKeyword(line);
  if (keyword.key != Key::Version) {
    return std::nullopt;
  }
  const std::string_view version = KeywordValue(line, keyword);
  if (version == "2.0" || version == "2") {
    return Version2::Zero;
  }
  if (version != "2.1") {
    Fail(line.number,
         "Touchstone version " + Quoted(version) + " is not supported (1, 2.0 and 2.1 are)");
  }
  return Version2::One;
}

}  // namespace tolvar::calc::measurement::detail
