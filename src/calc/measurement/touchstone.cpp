#include "calc/measurement/touchstone.h"

#include <algorithm>
#include <array>
#include <cfenv>
#include <cmath>
#include <optional>
#include <string>

#include "calc/measurement/touchstone_data.h"
#include "calc/measurement/touchstone_header.h"
#include "calc/measurement/touchstone_repair.h"
#include "calc/measurement/touchstone_text.h"
#include "calc/measurement/touchstone_version2.h"

namespace tolvar::calc::measurement {

namespace {

using namespace detail;

// The reader reports its overflows as faults, so the floating-point flags it
// raises mean nothing to its caller: it leaves them as it found them.
class FloatingPointFlagsKept {
 public:
  FloatingPointFlagsKept() { std::feholdexcept(&saved_); }
  ~FloatingPointFlagsKept() { std::fesetenv(&saved_); }
  FloatingPointFlagsKept(const FloatingPointFlagsKept&) = delete;
  FloatingPointFlagsKept& operator=(const FloatingPointFlagsKept&) = delete;
  FloatingPointFlagsKept(FloatingPointFlagsKept&&) = delete;
  FloatingPointFlagsKept& operator=(FloatingPointFlagsKept&&) = delete;

 private:
  std::fenv_t saved_{};
};

// Version 1: the option line (a later one is ignored), then the data lines; a
// 2-port's noise block and whatever follows it are left out.
Measurement ReadVersion1(LineCursor& lines, Line line, int portsFromName,
                         const PortImpedanceComments& comments) {
  Measurement measurement;
  std::optional<Options> options;
  std::optional<NetworkDataReader> data;
  do {
    const char first = line.content.front();
    if (first == '#') {
      if (!options) {
        options = ReadOptionLine(line, OptionReferences::OneForAll);
      }
      continue;
    }
    if (first == '[') {
      const Keyword keyword = ReadKeyword(line);
      Fail(line.number,
           keyword.key == Key::Version
               ? "[Version] must come first in the file"
               : Bracketed(keyword.name) + " needs [Version] 2.0 at the start of the file");
    }
    if (!options) {
      Fail(line.number, "no option line (# ...) before the data");
    }
    if (!data) {
      std::array<std::string_view, 4> tokens;
      // Without a name that says, the first line tells: a 1-port's has 3 numbers.
      const int ports = portsFromName != 0                       ? portsFromName
                        : SplitBlanks(line.content, tokens) == 3 ? 1
                                                                 : 2;
      measurement.ports = ports;
      const double ohm = options->references.ohmOfPort(0);
      data.emplace(*options,
                   DataLayout{ports, TwoPortOrder::S21First, MatrixFormat::Full, true, ports == 2},
                   PortReferences{ports, {ohm, ohm}, false}, measurement);
    }
    if (!data->take(line)) {
      break;
    }
  } while (lines.next(line));
  if (!data) {
    Fail(0, "the file holds no network data");
  }
  data->finish();
  data->repair(comments);
  return measurement;
}

}  // namespace

std::variant<Measurement, ReadFault> ReadTouchstone(std::string_view text, int portsFromName) {
  if (text.size() > kMaxFileBytes) {
    return ReadFault{0, "the file is larger than " + std::to_string(kMaxFileBytes >> 20U) + " MiB"};
  }
  if (portsFromName > 2) {
    return ReadFault{0, PortsRefused(portsFromName)};
  }
  const FloatingPointFlagsKept flagsKept;
  const int ports = std::max(portsFromName, 0);
  try {
    PortImpedanceComments comments;
    LineCursor lines(text, comments);
    Line first;
    if (!lines.next(first)) {
      Fail(0, "the file holds no network data");
    }
    if (const auto version = Version2Of(first)) {
      return ReadVersion2(lines, *version, ports, comments);
    }
    return ReadVersion1(lines, first, ports, comments);
  } catch (const Fault& fault) {
    return ReadFault{fault.line, fault.what};
  }
}

int PortsFromFileName(std::string_view name) {
  const std::size_t dot = name.rfind('.');
  if (dot == std::string_view::npos) {
    return 0;
  }
  // "s", one to three digits, "p".
  const std::string_view extension = name.substr(dot + 1);
  if (extension.size() < 3 || extension.size() > 5 || !SameWord(extension.substr(0, 1), "s") ||
      !SameWord(extension.substr(extension.size() - 1), "p")) {
    return 0;
  }
  int ports = 0;
  return ReadCount(extension.substr(1, extension.size() - 2), ports) ? ports : 0;
}

std::string FaultText(const ReadFault& fault) {
  return fault.line == 0 ? fault.what : "line " + std::to_string(fault.line) + ": " + fault.what;
}

}  // namespace tolvar::calc::measurement
