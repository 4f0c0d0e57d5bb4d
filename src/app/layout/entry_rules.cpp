#include "app/layout/entry_rules.h"

namespace tolvar::app {

namespace {

using C = Control;
using F = KeyFilter;

constexpr Control kMeasured[] = {C::PowerFromVoltageResult, C::VoltageFromPowerResult, C::SwrResult,
                                 C::PowerFromCurrentResult};
constexpr Control kVoltage[] = {C::PowerFromVoltageResult};
constexpr Control kPower[] = {C::VoltageFromPowerResult};
constexpr Control kCurrent[] = {C::PowerFromCurrentResult};
constexpr Control kSwr[] = {C::SwrResult};
constexpr Control kComparison[] = {C::ComparisonResult};
constexpr Control kLine[] = {C::LineResult};

constexpr EntryRule kRules[] = {
    {C::MeasuredR, F::Short, kMeasured},
    {C::MeasuredX, F::Signed, kMeasured},
    {C::Voltage, F::Short, kVoltage},
    {C::Power, F::Signed, kPower},
    {C::Current, F::Short, kCurrent},
    {C::ReferenceR, F::Short, kSwr},
    {C::ReferenceX, F::Signed, kSwr},
    {C::ForwardPower, F::Short, kSwr},
    {C::InputR, F::Short, kComparison},
    {C::InputX, F::Signed, kComparison},
    {C::OutputR, F::Short, kComparison},
    {C::OutputX, F::Signed, kComparison},
    {C::InputVoltage, F::Short, kComparison},
    {C::OutputVoltage, F::Short, kComparison},
    {C::InputCurrent, F::Short, kComparison},
    {C::OutputCurrent, F::Short, kComparison},
    {C::AntennaRe, F::Signed, kComparison},
    {C::AntennaIm, F::Signed, kComparison},
    {C::S11Re, F::Signed, kComparison},
    {C::S11Im, F::Signed, kComparison},
    {C::S21Re, F::Signed, kComparison},
    {C::S21Im, F::Signed, kComparison},
    {C::S22Re, F::Signed, kComparison},
    {C::S22Im, F::Signed, kComparison},
    {C::S12Re, F::Signed, kComparison},
    {C::S12Im, F::Signed, kComparison},
    {C::StartR, F::Short, kLine},
    {C::StartX, F::Signed, kLine},
    {C::Frequency, F::Short, kLine},
    {C::LinePower, F::Short, kLine},
    {C::RtxZ, F::Short, kLine},
    {C::LineLoss, F::Short, kLine},
    {C::LineZ, F::Short, kLine},
    {C::VelocityFactor, F::Short, kLine},
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
