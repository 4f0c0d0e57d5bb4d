#include "numeric/format.h"

#include <array>
#include <charconv>
#include <cmath>

#include "numeric/fault.h"

namespace tolvar::numeric {

namespace {

std::string ToFixed(double magnitude, int decimals) {
  // 309 integer digits at most, a point and the decimals.
  std::array<char, 400> buffer{};
  const auto result = std::to_chars(buffer.data(), buffer.data() + buffer.size(), magnitude,
                                    std::chars_format::fixed, decimals);
  return {buffer.data(), result.ptr};
}

// True when magnitude lies exactly half-way between two neighbours of the
// pattern. Such a double is an odd multiple of 2^-(decimals + 1): its decimal
// fraction then has decimals + 1 digits, the last one a 5.
bool IsExactTie(double magnitude, int decimals) {
  const double scaled = std::ldexp(magnitude, decimals + 1);
  return scaled == std::floor(scaled) && std::fmod(scaled, 2.0) == 1.0;
}

// Adds one unit of the last digit to a plain decimal text such as "52" or "0.12".
std::string IncrementLastDigit(std::string digits) {
  for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
    if (*it == '.') {
      continue;
    }
    if (*it != '9') {
      ++*it;
      return digits;
    }
    *it = '0';
  }
  return "1" + digits;
}

// The sign shown before a magnitude: "-" for a value below 0, "+" otherwise.
const char* SignText(double value) { return value < 0 ? "-" : "+"; }

std::string Digits(double value, const ComplexNotation& notation) {
  if (!notation.decimals) {
    return ShortestText(value);
  }
  std::string text = FormatFixed(value, *notation.decimals);
  if (!notation.trailingZeros && text.find('.') != std::string::npos) {
    text.erase(text.find_last_not_of('0') + 1);
    if (text.back() == '.') {
      text.pop_back();
    }
  }
  return text;
}

// One part with its sign as `sign` says, `unit` between the sign and the digits.
std::string PartText(double value, SignShown sign, std::string_view unit,
                     const ComplexNotation& notation) {
  const double shown = sign == SignShown::AsNumber ? value : std::fabs(value);
  const std::string digits = Digits(shown, notation);
  std::string signText;
  if (sign == SignShown::Always) {
    signText = SignText(value);
  } else if (sign == SignShown::AsShown) {
    const bool digitShows = digits.find_first_not_of("0.") != std::string::npos;
    signText = value < 0 && digitShows ? "-" : "+";
  }
  return signText + std::string(unit) + digits;
}

}  // namespace

std::string FormatFixed(double value, int decimals) {
  RequireFinite(value);
  const double magnitude = std::fabs(value);
  std::string text;
  if (IsExactTie(magnitude, decimals)) {
    // to_chars rounds a tie to even; the shown value rounds it away from zero.
    text = ToFixed(magnitude, decimals + 1);
    text.pop_back();
    if (decimals == 0) {
      text.pop_back();  // the point
    }
    text = IncrementLastDigit(text);
  } else {
    text = ToFixed(magnitude, decimals);
  }
  const bool allZero = text.find_first_not_of("0.") == std::string::npos;
  if (value < 0 && !allZero) {
    text.insert(text.begin(), '-');
  }
  return text;
}

std::string ShortestText(double value) {
  RequireFinite(value);
  constexpr double kLargestFixed = 1e21;
  constexpr double kSmallestFixed = 1e-6;
  const double magnitude = std::fabs(value);
  const bool fixed = magnitude == 0 || (magnitude < kLargestFixed && magnitude >= kSmallestFixed);
  std::array<char, 400> buffer{};
  const auto result =
      std::to_chars(buffer.data(), buffer.data() + buffer.size(), value,
                    fixed ? std::chars_format::fixed : std::chars_format::scientific);
  return {buffer.data(), result.ptr};
}

std::string ComplexText(Complex value, const ComplexNotation& notation) {
  if (!notation.zeroImaginaryShown && value.im == 0) {
    return std::string(notation.beforeReal) + PartText(value.re, notation.realSign, {}, notation) +
           std::string(notation.afterImaginary);
  }
  return std::string(notation.beforeReal) + PartText(value.re, notation.realSign, {}, notation) +
         std::string(notation.betweenParts) +
         PartText(value.im, notation.imaginarySign, notation.imaginaryUnit, notation) +
         std::string(notation.afterImaginary);
}

}  // namespace tolvar::numeric
