#include "app/entry_rules.h"

namespace tolvar::app {

namespace {

using F = KeyFilter;

constexpr std::string_view kMeasured[] = {"Text2", "Text3", "Text4", "Text19"};
constexpr std::string_view kVoltage[] = {"Text2"};
constexpr std::string_view kPower[] = {"Text3"};
constexpr std::string_view kCurrent[] = {"Text19"};
constexpr std::string_view kSwr[] = {"Text4"};
constexpr std::string_view kComparison[] = {"Text5"};
constexpr std::string_view kLine[] = {"Text22"};

constexpr EntryRule kRules[] = {
    {"Text7", F::Short, kMeasured},     {"Text8", F::Signed, kMeasured},
    {"Text9", F::Short, kVoltage},      {"Text10", F::Signed, kPower},
    {"Text18", F::Short, kCurrent},     {"Text12", F::Short, kSwr},
    {"Text11", F::Signed, kSwr},        {"Text6", F::Short, kSwr},
    {"Text15", F::Short, kComparison},  {"Text1", F::Signed, kComparison},
    {"Text16", F::Short, kComparison},  {"Text17", F::Signed, kComparison},
    {"Text13", F::Short, kComparison},  {"Text14", F::Short, kComparison},
    {"Text20", F::Short, kComparison},  {"Text21", F::Short, kComparison},
    {"Text30", F::Signed, kComparison}, {"Text34", F::Signed, kComparison},
    {"Text36", F::Signed, kComparison}, {"Text37", F::Signed, kComparison},
    {"Text33", F::Signed, kComparison}, {"Text32", F::Signed, kComparison},
    {"Text31", F::Signed, kComparison}, {"Text35", F::Signed, kComparison},
    {"Text38", F::Signed, kComparison}, {"Text39", F::Signed, kComparison},
    {"Text23", F::Short, kLine},        {"Text24", F::Signed, kLine},
    {"Text28", F::Short, kLine},        {"Text29", F::Short, kLine},
    {"Text26", F::Short, kLine},        {"Text40", F::Short, kLine},
    {"Text25", F::Short, kLine},        {"Text27", F::Short, kLine},
};

}  // namespace

std::span<const EntryRule> EntryRules() { return kRules; }

KeyVerdict JudgeKey(char32_t c, KeyFilter filter) {
  if (c == U',') {
    return KeyVerdict::WarnComma;
  }
  if (c < 32 || c == U'.' || (c >= U'0' && c <= U'9')) {
    return KeyVerdict::Accept;
  }
  if (c == U'-' && filter == KeyFilter::Signed) {
    return KeyVerdict::Accept;
  }
  return KeyVerdict::Reject;
}

}  // namespace tolvar::app
