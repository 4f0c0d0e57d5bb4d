// The Touchstone reader on any bytes, as a file named .s1p, .s2p or neither:
// no crash, and either a measurement whose frequencies rise, whose values are
// finite, whose sizes fit its port count and whose notes are short printable
// sentences, or a fault whose text is short, printable and names a line of
// the file. The floating-point flags stay as they were.
#include <cfenv>
#include <cmath>
#include <cstdint>
#include <string>
#include <string_view>

#include "calc/measurement/touchstone.h"
#include "fuzz_check.h"

namespace {

using tolvar::calc::measurement::Measurement;
using tolvar::calc::measurement::ReadFault;

void CheckNotes(const Measurement& m) {
  for (std::string note : m.notes) {
    Require(!note.empty() && note.size() < 300, "a note is one short sentence", note);
    for (const char c : note) {
      Require(c >= ' ' && c <= '~', "a note's text is printable", note);
    }
    // A magnitude of "minus infinity dB" is said in words; no number shows as nan or inf.
    if (const std::size_t at = note.find("minus infinity dB"); at != std::string::npos) {
      note.erase(at, std::string_view("minus infinity").size());
    }
    Require(ShowsNoNonNumber(note), "a note shows no nan or inf", note);
  }
}

void CheckMeasurement(const Measurement& m, int portsFromName) {
  const std::size_t points = m.frequencyHz.size();
  Require(m.ports == 1 || m.ports == 2, "a measurement has 1 or 2 ports");
  Require(portsFromName == 0 || m.ports == portsFromName, "the file name's port count holds");
  Require(points > 0 && m.s11.size() == points, "a measurement has S11 at each frequency");
  const std::size_t others = m.ports == 2 ? points : 0;
  Require(m.s21.size() == others && m.s12.size() == others && m.s22.size() == others,
          "a 2-port has all four S-parameters, a 1-port S11 only");
  Require(std::isfinite(m.referenceOhm) && m.referenceOhm > 0, "the reference is positive");
  for (std::size_t i = 0; i < points; ++i) {
    Require(std::isfinite(m.frequencyHz[i]) && m.frequencyHz[i] >= 0,
            "frequencies are finite and not negative");
    Require(i == 0 || m.frequencyHz[i] > m.frequencyHz[i - 1], "frequencies rise");
    Require(IsFinite(m.s11[i]), "S11 is finite");
    if (m.ports == 2) {
      Require(IsFinite(m.s21[i]) && IsFinite(m.s12[i]) && IsFinite(m.s22[i]),
              "S21, S12 and S22 are finite");
    }
  }
  CheckNotes(m);
}

void CheckFault(const ReadFault& fault, std::string_view text) {
  const std::string shown = FaultText(fault);
  Require(!fault.what.empty() && shown.size() < 200, "a fault says briefly what is wrong", shown);
  for (const char c : shown) {
    Require(c >= ' ' && c <= '~', "a fault's text is printable", shown);
  }
  // Lines end in LF, CR LF or CR: the file has at most one more line than those.
  std::size_t lines = 1;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
      ++lines;
    }
  }
  Require(fault.line >= 0 && static_cast<std::size_t>(fault.line) <= lines,
          "a fault names a line of the file", shown);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  // libFuzzer hands over bytes; the reader takes them as characters.
  const std::string_view text(reinterpret_cast<const char*>(data), size);  // NOLINT

  for (const int portsFromName : {0, 1, 2}) {
    std::feclearexcept(FE_ALL_EXCEPT);
    const auto result = tolvar::calc::measurement::ReadTouchstone(text, portsFromName);
    Require(std::fetestexcept(FE_ALL_EXCEPT) == 0, "the reader leaves the flags as they were");
    if (const auto* m = std::get_if<Measurement>(&result)) {
      CheckMeasurement(*m, portsFromName);
    } else {
      CheckFault(std::get<ReadFault>(result), text);
    }
  }
  return 0;
}
