#pragma once

// Measured S-parameters of a 1-port (an antenna) or a 2-port (a tuner) read from
// a Touchstone file, version 1.x (.s1p, .s2p), 2.0 or 2.1. The reader takes the
// file's bytes and returns either the measurement or the first fault, with the
// line it was found on; it throws nothing but std::bad_alloc.
//
// Read: the option line "# <unit> <parameter> <format> R <n>" (fields in any
// order and case, defaults GHz S MA R 50; it must come before the data, and
// only the first one counts); S-, Z- and Y-parameters (Z and Y normalised to R
// in version 1, in ohm and siemens in 2.x) as RI, MA or DB with angles in
// degrees; comments, blank lines, tabs, CR LF; a 2-port's values wrapped over
// lines; the version-2.0 keywords of 1- and 2-ports, which 2.1 reads alike, and
// its reference per port on the option line. A 2-port's noise data is left
// out. Refused, each with a sentence: 3 or more ports, H- and G-parameters,
// complex references, mixed-mode data, other versions and keywords, binary
// content, and files larger than kMaxFileBytes.
//
// Repaired, each with a note: points out of frequency order (sorted), a
// frequency repeated where sweep segments meet (its first point kept), a
// magnitude of minus infinity dB (0), a 2-port whose ports have different
// references (renormalised onto kSharedReferenceOhm). Noted: comments that
// give port impedances other than the references the data is read on.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "numeric/complex.h"

namespace tolvar::calc::measurement {

struct Measurement {
  int ports = 1;  // 1 or 2
  // The real reference impedance of every port [ohm]: the file's, or
  // kSharedReferenceOhm for a 2-port whose ports the file gives different ones.
  double referenceOhm = 50;
  // Strictly rising, finite and not negative [Hz]: the file's order, or sorted.
  std::vector<double> frequencyHz;
  // S-parameters against referenceOhm, one per frequency, all finite: a 1-port
  // has s11 only (s21, s12 and s22 stay empty), a 2-port all four. Z- and
  // Y-parameter files arrive converted to S-parameters on referenceOhm.
  std::vector<numeric::Complex> s11, s21, s12, s22;
  // What the reader repaired or noticed, one sentence each for a line of the
  // measurement window: "2 repeated frequencies kept once". Empty for a file
  // read as it stands.
  std::vector<std::string> notes;
};

// The reference both ports of a 2-port are renormalised onto when the file
// gives them different ones [ohm]: the tuner's.
inline constexpr double kSharedReferenceOhm = 50;

// Measurements keep hertz; the panels and plots speak MHz.
inline constexpr double kHertzPerMegahertz = 1e6;

// Where reading stopped and why, as a sentence without the file's name:
// line 12, "9 numbers expected for a 2-port, found 7". Line 0 stands for the
// whole file (too large, no data, no [End]).
struct ReadFault {
  int line = 0;
  std::string what;
};

// The largest file the reader takes [bytes]; a larger text is refused without
// being looked at. A 10,001-point 2-port file is about 1 MB.
inline constexpr std::size_t kMaxFileBytes = std::size_t{64} << 20;

// Reads a Touchstone file. text: the file's bytes; portsFromName: what the
// file name says (PortsFromFileName), 0 when it says nothing. A version-1 file
// takes its port count from the name, or from its first data line (3 numbers: a
// 1-port, else a 2-port) when the name says nothing; a version-2.0 file states
// it, and a name that says otherwise is a fault.
std::variant<Measurement, ReadFault> ReadTouchstone(std::string_view text, int portsFromName);

// The port count of a file name ending in .sNp (any case): "a.s1p" -> 1,
// "b.S2P" -> 2, "c.s3p" -> 3 (which the reader refuses); anything else ->
// 0 ("d.ts", "e.txt", "s2p").
int PortsFromFileName(std::string_view name);

// "line 12: 9 numbers expected for a 2-port, found 7"; a whole-file fault
// (line 0) is its sentence alone.
std::string FaultText(const ReadFault& fault);

// The same measurement against another real reference [ohm] (50 for the tuner
// panel), each point renormalised as S' = (S - r I)(I - r S)^-1 with
// r = (new - old) / (new + old). Empty when the reference is not a positive
// finite number or a point has no finite result (only possible for active
// data, where I - r S is singular).
std::optional<Measurement> OnReference(const Measurement& measurement, double referenceOhm);

}  // namespace tolvar::calc::measurement
