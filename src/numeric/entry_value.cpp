#include "numeric/entry_value.h"

#include <charconv>
#include <cstdint>
#include <optional>
#include <string>

#include "numeric/fault.h"

namespace tolvar::numeric {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text, skipping blanks everywhere.
class BlankSkippingCursor {
 public:
  explicit BlankSkippingCursor(std::string_view text) : text_(text) { skip(); }
  bool atEnd() const { return pos_ >= text_.size(); }
  char peek() const { return atEnd() ? '\0' : text_[pos_]; }
  void advance() {
    ++pos_;
    skip();
  }

 private:
  void skip() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) {
      ++pos_;
    }
  }
  std::string_view text_;
  std::size_t pos_ = 0;
};

// The sign, digits and dot of a number, normalised for from_chars as
// [-]digits[.digits], and the decimal position of its first significant digit,
// which tells an overflow from an underflow when from_chars finds the value out
// of range.
struct Significand {
  std::string text;
  std::int64_t integerDigits = 0;         // significant digits before the point
  std::int64_t leadingFractionZeros = 0;  // zeros after the point before the first other digit
  bool anyDigit = false;
  bool significant = false;  // a digit other than 0
};

Significand ReadSignificand(BlankSkippingCursor& cursor) {
  Significand s;
  if (cursor.peek() == '+' || cursor.peek() == '-') {
    if (cursor.peek() == '-') {
      s.text.push_back('-');
    }
    cursor.advance();
  }
  while (IsDigit(cursor.peek())) {
    const char c = cursor.peek();
    s.significant = s.significant || c != '0';
    if (s.significant) {
      ++s.integerDigits;
    }
    s.text.push_back(c);
    s.anyDigit = true;
    cursor.advance();
  }
  if (cursor.peek() == '.') {
    s.text.push_back('.');
    cursor.advance();
    while (IsDigit(cursor.peek())) {
      const char c = cursor.peek();
      if (!s.significant && c == '0') {
        ++s.leadingFractionZeros;
      }
      s.significant = s.significant || c != '0';
      s.text.push_back(c);
      s.anyDigit = true;
      cursor.advance();
    }
  }
  return s;
}

// The exponent after "E" or "D" (either case) and an optional sign; none when
// no digit follows.
std::optional<std::int64_t> ReadExponent(BlankSkippingCursor& cursor) {
  const char marker = cursor.peek();
  if (marker != 'e' && marker != 'E' && marker != 'd' && marker != 'D') {
    return std::nullopt;
  }
  cursor.advance();
  bool negative = false;
  if (cursor.peek() == '+' || cursor.peek() == '-') {
    negative = cursor.peek() == '-';
    cursor.advance();
  }
  std::int64_t exponent = 0;
  bool anyDigit = false;
  while (IsDigit(cursor.peek())) {
    // Saturate: any exponent beyond this is out of a double's range anyway.
    if (exponent < 1'000'000) {
      exponent = exponent * 10 + (cursor.peek() - '0');
    }
    anyDigit = true;
    cursor.advance();
  }
  if (!anyDigit) {
    return std::nullopt;
  }
  return negative ? -exponent : exponent;
}

}  // namespace

double ReadEntryValue(std::string_view text) {
  BlankSkippingCursor cursor(text);
  Significand number = ReadSignificand(cursor);
  if (!number.anyDigit || !number.significant) {
    return 0.0;
  }
  const std::optional<std::int64_t> exponent = ReadExponent(cursor);
  if (exponent) {
    number.text += 'e';
    number.text += std::to_string(*exponent);
  }

  double value = 0.0;
  const auto result =
      std::from_chars(number.text.data(), number.text.data() + number.text.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    const std::int64_t magnitudeDigits =
        (number.integerDigits > 0 ? number.integerDigits : -number.leadingFractionZeros) +
        exponent.value_or(0);
    if (magnitudeDigits > 0) {
      throw ArithmeticFault();  // the number overflows a double
    }
    return 0.0;
  }
  return value;
}

}  // namespace tolvar::numeric
