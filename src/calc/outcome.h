#pragma once

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

}  // namespace tolvar::calc
