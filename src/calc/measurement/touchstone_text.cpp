#include "calc/measurement/touchstone_text.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdint>
#include <limits>
#include <system_error>
#include <utility>

#include "calc/measurement/touchstone_repair.h"

namespace tolvar::calc::measurement::detail {

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view TrimBlanks(std::string_view text) {
  while (!text.empty() && IsBlank(text.front())) {
    text.remove_prefix(1);
  }
  while (!text.empty() && IsBlank(text.back())) {
    text.remove_suffix(1);
  }
  return text;
}

// Tab, LF and CR are the only control characters a text file holds.
bool IsBinary(unsigned char c) { return (c < 0x20 && c != '\t') || c == 0x7f; }

std::string ByteText(unsigned char c) {
  constexpr char kHex[] = "0123456789abcdef";
  return {'0', 'x', kHex[c >> 4U], kHex[c & 0xfU]};
}

// For a number that from_chars finds out of range: whether its first
// significant digit stands below the units place, making it too small for a
// double rather than too large. The token has the form from_chars accepted.
bool IsBelowOne(std::string_view token) {
  constexpr std::int64_t kFarExponent = 1'000'000'000'000;  // beyond any double, far from overflow
  std::int64_t digitsBeforePoint = 0;                       // significant ones
  std::int64_t zerosAfterPoint = 0;                         // before the first significant digit
  bool significant = false;
  bool afterPoint = false;
  std::size_t i = (token.front() == '-' || token.front() == '+') ? 1 : 0;
  for (; i < token.size() && token[i] != 'e' && token[i] != 'E'; ++i) {
    if (token[i] == '.') {
      afterPoint = true;
      continue;
    }
    significant = significant || token[i] != '0';
    if (!afterPoint && significant) {
      ++digitsBeforePoint;
    } else if (afterPoint && !significant) {
      ++zerosAfterPoint;
    }
  }
  std::int64_t exponent = 0;
  if (i + 1 < token.size()) {
    std::string_view digits = token.substr(i + 1);
    if (digits.front() == '+') {
      digits.remove_prefix(1);
    }
    const std::from_chars_result parsed =
        std::from_chars(digits.data(), digits.data() + digits.size(), exponent);
    if (parsed.ec == std::errc::result_out_of_range) {
      exponent = digits.front() == '-' ? -kFarExponent : kFarExponent;
    }
    exponent = std::clamp(exponent, -kFarExponent, kFarExponent);
  }
  const std::int64_t leading =
      digitsBeforePoint > 0 ? exponent + digitsBeforePoint - 1 : exponent - zerosAfterPoint - 1;
  return leading < 0;
}

}  // namespace

void Fail(int line, std::string what) { throw Fault{line, std::move(what)}; }

LineCursor::LineCursor(std::string_view text, PortImpedanceComments& comments)
    : text_(text), comments_(&comments) {
  if (text_.starts_with("\xef\xbb\xbf")) {
    pos_ = 3;
  }
}

bool LineCursor::next(Line& line) {
  while (pos_ < text_.size()) {
    ++lineNumber_;
    const std::size_t start = pos_;
    std::size_t end = start;
    for (; end < text_.size() && text_[end] != '\n' && text_[end] != '\r'; ++end) {
      const auto byte = static_cast<unsigned char>(text_[end]);
      if (IsBinary(byte)) {
        Fail(lineNumber_, "binary content (byte " + ByteText(byte) + "), not text");
      }
    }
    pos_ = end + 1;
    if (end + 1 < text_.size() && text_[end] == '\r' && text_[end + 1] == '\n') {
      ++pos_;
    }
    std::string_view content = text_.substr(start, end - start);
    const std::size_t comment = content.find('!');
    if (comment != std::string_view::npos) {
      comments_->read(content.substr(comment + 1));
      content = content.substr(0, comment);
    }
    content = TrimBlanks(content);
    if (!content.empty()) {
      line = {lineNumber_, content};
      return true;
    }
  }
  return false;
}

std::size_t SplitBlanks(std::string_view text, std::span<std::string_view> tokens) {
  std::size_t count = 0;
  std::size_t pos = 0;
  while (pos < text.size()) {
    if (IsBlank(text[pos])) {
      ++pos;
      continue;
    }
    std::size_t end = pos;
    while (end < text.size() && !IsBlank(text[end])) {
      ++end;
    }
    if (count < tokens.size()) {
      tokens[count] = text.substr(pos, end - pos);
    }
    ++count;
    pos = end;
  }
  return count;
}

std::string Shown(std::string_view text) {
  constexpr std::size_t kShownLength = 24;
  std::string shown;
  for (const char c : text.substr(0, kShownLength)) {
    shown.push_back(c >= ' ' && c <= '~' ? c : '?');
  }
  if (text.size() > kShownLength) {
    shown += "...";
  }
  return shown;
}

std::string Quoted(std::string_view token) { return "'" + Shown(token) + "'"; }

NumberFault ParseNumber(std::string_view token, double& value) {
  // from_chars takes no "+", which Touchstone writers put before exponents and
  // numbers alike.
  std::string_view digits = token;
  if (digits.size() > 1 && digits.front() == '+' && digits[1] != '-' && digits[1] != '+') {
    digits.remove_prefix(1);
  }
  const char* const last = digits.data() + digits.size();
  const auto [end, error] = std::from_chars(digits.data(), last, value);
  if (end != last || error == std::errc::invalid_argument) {
    return NumberFault::NotANumber;
  }
  if (error == std::errc::result_out_of_range) {
    value = 0;
    return IsBelowOne(digits) ? NumberFault::None : NumberFault::TooLarge;
  }
  return std::isfinite(value) ? NumberFault::None : NumberFault::NotFinite;
}

double ReadNumber(std::string_view token, int line) {
  double value = 0;
  switch (ParseNumber(token, value)) {
    case NumberFault::None:
      return value;
    case NumberFault::NotANumber:
      Fail(line, Quoted(token) + " is not a number");
    case NumberFault::TooLarge:
      Fail(line, Quoted(token) + " is too large for a double");
    case NumberFault::NotFinite:
      break;
  }
  // Not quoted: the window shows no "nan" or "inf", not even the file's own.
  Fail(line, "a number that is not finite");
}

double ReadDecibels(std::string_view token, int line) {
  constexpr double kMinusInfinity = -std::numeric_limits<double>::infinity();
  double value = 0;
  if (ParseNumber(token, value) == NumberFault::NotFinite && value == kMinusInfinity) {
    return value;
  }
  return ReadNumber(token, line);
}

bool ReadCount(std::string_view token, int& count) {
  int value = 0;
  const char* const last = token.data() + token.size();
  const auto [end, error] = std::from_chars(token.data(), last, value);
  if (end != last || error != std::errc{} || value < 0) {
    return false;
  }
  count = value;
  return true;
}

bool SameWord(std::string_view a, std::string_view b) {
  const auto lower = [](char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
  };
  return std::equal(a.begin(), a.end(), b.begin(), b.end(),
                    [&](char x, char y) { return lower(x) == lower(y); });
}

}  // namespace tolvar::calc::measurement::detail
