#pragma once

#include <span>

#include "app/layout/control.h"

namespace tolvar::app {

// Which typed characters an entry field takes.
enum class KeyFilter {
  Short,   // digits and the dot
  Signed,  // digits, the dot and the minus sign
};

enum class KeyVerdict {
  Accept,
  Reject,
  WarnComma,  // warn that the dot is the decimal separator, then reject
};

// An entry field's key filter and the result fields that any change of its
// text empties, in this order (a write by the program counts as a change).
struct EntryRule {
  Control field;
  KeyFilter filter;
  std::span<const Control> clears;
};

std::span<const EntryRule> EntryRules();

// Judges one typed character. Control characters (below 32, and Delete) are
// never judged: the window lets them through before asking.
KeyVerdict JudgeKey(char32_t c, KeyFilter filter);

}  // namespace tolvar::app
