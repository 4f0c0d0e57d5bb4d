#pragma once

// What the reader repairs in files the format refuses but users expect to
// open, and what it notices in their comments, each with the note the window
// shows. Internal to the reader.

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "calc/measurement/touchstone.h"
#include "calc/measurement/touchstone_header.h"
#include "numeric/complex.h"

namespace tolvar::calc::measurement::detail {

// Puts the points in frequency order (a stable sort: equal frequencies keep
// their file order), then keeps the first point of each frequency, and adds a
// note for each of the two it had to do. A rising file is only looked at; a
// sort takes the frequencies with their places (16 bytes a point) and moves
// the values in place.
void PutInFrequencyOrder(Measurement& measurement);

// "1 magnitude of minus infinity dB read as 0", for count of them.
std::string MinusInfinityNote(std::size_t count);

// "port references of 50 and 25 ohm renormalised to 50 ohm".
std::string RenormalisedNote(const PortReferences& references, double toOhm);

// What a simulator's "! Port Impedance <re> <im> ..." comments say: a pair of
// numbers [ohm] per port, in the comment after each frequency's data; the
// first number may touch the word ("Port Impedance50 0"). A comment of
// another form, or whose numbers do not read, is left alone: comments are free
// text, never a fault.
class PortImpedanceComments {
 public:
  // Reads one comment, the text after "!".
  void read(std::string_view comment);
  // The note when the comments give a port an impedance other than its
  // reference (the file's data stays on the reference, as the format says);
  // nothing when they agree or say nothing.
  std::optional<std::string> note(const PortReferences& references) const;

 private:
  static constexpr std::size_t kCommentPorts = 2;  // the ports the reader takes
  // The impedances given for one port, least and greatest by real part, then
  // by imaginary part.
  struct Span {
    bool seen = false;
    numeric::Complex least, greatest;
  };
  std::array<Span, kCommentPorts> ports_{};
};

}  // namespace tolvar::calc::measurement::detail
