#pragma once

#include <string>
#include <string_view>
#include <variant>

namespace tolvar::calc {

// What a calculator returns: its figures, or the sentence (one of
// calc/messages.h) that its result field shows instead of them.
template <typename Figures>
using Outcome = std::variant<Figures, std::string_view>;

// The figures of an outcome, or none when it is a sentence.
template <typename Figures>
const Figures* FiguresOf(const Outcome<Figures>& outcome) {
  return std::get_if<Figures>(&outcome);
}

// The text a result field shows for an outcome: figuresText of its figures, or
// its sentence.
template <typename Figures, typename FiguresText>
std::string TextOf(const Outcome<Figures>& outcome, FiguresText figuresText) {
  const Figures* figures = FiguresOf(outcome);
  return figures != nullptr ? figuresText(*figures)
                            : std::string(std::get<std::string_view>(outcome));
}

}  // namespace tolvar::calc
