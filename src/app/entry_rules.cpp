#include "app/entry_rules.h"

namespace tolvar::app {

namespace {

using C = Control;
using F = KeyFilter;

constexpr Control kMeasured[] = {C::Text2, C::Text3, C::Text4, C::Text19};
constexpr Control kVoltage[] = {C::Text2};
constexpr Control kPower[] = {C::Text3};
constexpr Control kCurrent[] = {C::Text19};
constexpr Control kSwr[] = {C::Text4};
constexpr Control kComparison[] = {C::Text5};
constexpr Control kLine[] = {C::Text22};

constexpr EntryRule kRules[] = {
    {C::Text7, F::Short, kMeasured},     {C::Text8, F::Signed, kMeasured},
    {C::Text9, F::Short, kVoltage},      {C::Text10, F::Signed, kPower},
    {C::Text18, F::Short, kCurrent},     {C::Text12, F::Short, kSwr},
    {C::Text11, F::Signed, kSwr},        {C::Text6, F::Short, kSwr},
    {C::Text15, F::Short, kComparison},  {C::Text1, F::Signed, kComparison},
    {C::Text16, F::Short, kComparison},  {C::Text17, F::Signed, kComparison},
    {C::Text13, F::Short, kComparison},  {C::Text14, F::Short, kComparison},
    {C::Text20, F::Short, kComparison},  {C::Text21, F::Short, kComparison},
    {C::Text30, F::Signed, kComparison}, {C::Text34, F::Signed, kComparison},
    {C::Text36, F::Signed, kComparison}, {C::Text37, F::Signed, kComparison},
    {C::Text33, F::Signed, kComparison}, {C::Text32, F::Signed, kComparison},
    {C::Text31, F::Signed, kComparison}, {C::Text35, F::Signed, kComparison},
    {C::Text38, F::Signed, kComparison}, {C::Text39, F::Signed, kComparison},
    {C::Text23, F::Short, kLine},        {C::Text24, F::Signed, kLine},
    {C::Text28, F::Short, kLine},        {C::Text29, F::Short, kLine},
    {C::Text26, F::Short, kLine},        {C::Text40, F::Short, kLine},
    {C::Text25, F::Short, kLine},        {C::Text27, F::Short, kLine},
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
