#include "calc/measurement/touchstone_writer.h"

#include "numeric/format.h"

namespace tolvar::calc::measurement {

namespace {

using numeric::ShortestText;

std::string CommentLines(std::string_view comment) {
  std::string lines = "! ";
  for (const char c : comment) {
    // A line break in the comment would end it: its next line is a comment too.
    lines += c == '\n' || c == '\r' ? std::string("\n! ") : std::string(1, c);
  }
  return lines + '\n';
}

std::string Parts(numeric::Complex value) {
  return ' ' + ShortestText(value.re) + ' ' + ShortestText(value.im);
}

}  // namespace

std::string WriteTouchstone(const Measurement& measurement, std::string_view comment) {
  std::string text =
      CommentLines(comment) + "# Hz S RI R " + ShortestText(measurement.referenceOhm) + '\n';
  for (std::size_t i = 0; i < measurement.frequencyHz.size(); ++i) {
    text += ShortestText(measurement.frequencyHz[i]) + Parts(measurement.s11.at(i));
    if (measurement.ports == 2) {
      text += Parts(measurement.s21.at(i)) + Parts(measurement.s12.at(i)) +
              Parts(measurement.s22.at(i));
    }
    text += '\n';
  }
  return text;
}

}  // namespace tolvar::calc::measurement
