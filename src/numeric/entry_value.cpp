#include "numeric/entry_value.h"

#include <charconv>
#include <cstdint>
#include <string>

#include "numeric/fault.h"

namespace tolvar::numeric {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Walks the text, skipping blanks everywhere.
class BlankSkippingCursor {
 public:
  explicit BlankSkippingCursor(std::string_view text) : text_(text) { Skip(); }
  bool AtEnd() const { return pos_ >= text_.size(); }
  char Peek() const { return AtEnd() ? '\0' : text_[pos_]; }
  void Advance() {
    ++pos_;
    Skip();
  }

 private:
  void Skip() {
    while (pos_ < text_.size() && IsBlank(text_[pos_])) {
      ++pos_;
    }
  }
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace

double ReadEntryValue(std::string_view text) {
  BlankSkippingCursor cursor(text);
  std::string number;  // normalised for from_chars: [-]digits[.digits][e[-]digits]
  bool negative = false;
  if (cursor.Peek() == '+' || cursor.Peek() == '-') {
    negative = cursor.Peek() == '-';
    cursor.Advance();
  }
  if (negative) {
    number.push_back('-');
  }

  // Decimal position of the first significant digit, to tell an overflow from
  // an underflow when from_chars finds the value out of range.
  std::int64_t integer_digits = 0;
  std::int64_t leading_fraction_zeros = 0;
  bool significant_seen = false;
  bool any_digit = false;
  while (IsDigit(cursor.Peek())) {
    const char c = cursor.Peek();
    significant_seen = significant_seen || c != '0';
    if (significant_seen) {
      ++integer_digits;
    }
    number.push_back(c);
    any_digit = true;
    cursor.Advance();
  }
  if (cursor.Peek() == '.') {
    number.push_back('.');
    cursor.Advance();
    while (IsDigit(cursor.Peek())) {
      const char c = cursor.Peek();
      if (!significant_seen && c == '0') {
        ++leading_fraction_zeros;
      }
      significant_seen = significant_seen || c != '0';
      number.push_back(c);
      any_digit = true;
      cursor.Advance();
    }
  }
  if (!any_digit) {
    return 0.0;
  }
  if (!significant_seen) {
    return 0.0;
  }

  std::int64_t exponent = 0;
  const char marker = cursor.Peek();
  if (marker == 'e' || marker == 'E' || marker == 'd' || marker == 'D') {
    cursor.Advance();
    bool exponent_negative = false;
    if (cursor.Peek() == '+' || cursor.Peek() == '-') {
      exponent_negative = cursor.Peek() == '-';
      cursor.Advance();
    }
    bool exponent_digit = false;
    while (IsDigit(cursor.Peek())) {
      // Saturate: any exponent beyond this is out of a double's range anyway.
      if (exponent < 1'000'000) {
        exponent = exponent * 10 + (cursor.Peek() - '0');
      }
      exponent_digit = true;
      cursor.Advance();
    }
    if (exponent_digit) {
      if (exponent_negative) {
        exponent = -exponent;
      }
      number += 'e';
      number += std::to_string(exponent);
    }
  }

  double value = 0.0;
  const auto result = std::from_chars(number.data(), number.data() + number.size(), value);
  if (result.ec == std::errc::result_out_of_range) {
    const std::int64_t magnitude_digits =
        (integer_digits > 0 ? integer_digits : -leading_fraction_zeros) + exponent;
    if (magnitude_digits > 0) {
      throw ArithmeticFault();  // the number overflows a double
    }
    return 0.0;
  }
  return value;
}

}  // namespace tolvar::numeric
