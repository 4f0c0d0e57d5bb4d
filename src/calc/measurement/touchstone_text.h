#pragma once

// The Touchstone reader's view of text: lines without comments, tokens split
// on blanks, locale-free numbers, and the fault that ends reading. Internal to
// the reader.

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tolvar::calc::measurement::detail {

class PortImpedanceComments;

// A fault found while reading: thrown where it is seen, turned into the
// ReadFault that ReadTouchstone returns.
struct Fault {
  int line = 0;
  std::string what;
};
[[noreturn]] void Fail(int line, std::string what);

// A line with its comment ("!" to the end) cut off and its blanks trimmed.
struct Line {
  int number = 0;  // counted from 1
  std::string_view content;
};

// Walks the text line by line. Lines end in LF, CR LF or a lone CR; a UTF-8
// byte-order mark at the start is skipped. A control character other than tab,
// CR and LF fails as binary content. Bytes above 127 pass: they are fine in a
// comment, and elsewhere no number or keyword matches them. Each comment it
// passes goes to comments, which must outlive the cursor.
class LineCursor {
 public:
  LineCursor(std::string_view text, PortImpedanceComments& comments);
  // The next line with content, skipping blank and comment-only lines; false
  // at the end of the text.
  bool next(Line& line);
  // The number of the last line read (0 before the first).
  int lineNumber() const { return lineNumber_; }

 private:
  std::string_view text_;
  PortImpedanceComments* comments_;
  std::size_t pos_ = 0;
  int lineNumber_ = 0;
};

// Splits text on blanks (space, tab) into tokens; stores the first
// tokens.size() of them and returns how many there are in all.
std::size_t SplitBlanks(std::string_view text, std::span<std::string_view> tokens);

// Text as a message shows it: at most 24 characters (then "..."), anything but
// printable ASCII shown as "?"; Quoted puts it in single quotes.
std::string Shown(std::string_view text);
std::string Quoted(std::string_view token);

// A token as a finite double: an optional sign (also "+"), digits with an
// optional point, an optional exponent. One too small for a double reads as 0;
// "nan", "inf", a number too large for a double and anything else fail.
// Messages quote the token as the file writes it, except a non-finite one.
double ReadNumber(std::string_view token, int line);

// A magnitude in dB: as ReadNumber, but minus infinity ("-inf", "-Infinity",
// in any case), which simulators write for an exact zero, passes as
// -std::numeric_limits<double>::infinity().
double ReadDecibels(std::string_view token, int line);

// Why a token is not a number ReadNumber takes.
enum class NumberFault { None, NotANumber, TooLarge, NotFinite };
// The token as ReadNumber reads it into value, or why it does not (value then
// holds the infinity or NaN of NotFinite); for the texts (comments) where a
// fault is no reason to stop.
NumberFault ParseNumber(std::string_view token, double& value);

// A token as a whole number from 0 to 2^31 - 1 into count; false for anything
// else.
bool ReadCount(std::string_view token, int& count);

// a == b, ASCII letters compared without case.
bool SameWord(std::string_view a, std::string_view b);

}  // namespace tolvar::calc::measurement::detail
