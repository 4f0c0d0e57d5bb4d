// Every calculator on plain values with arbitrary finite doubles (huge, tiny,
// zero, negative): it either returns a text that shows only numbers, or ends
// with an ArithmeticFault. The line search stays bounded by construction.
#include <fuzzer/FuzzedDataProvider.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <string>

#include "calc/compare/compare.h"
#include "calc/line/cable_catalogue.h"
#include "calc/line/line.h"
#include "calc/swr/conversions.h"
#include "calc/swr/swr.h"
#include "calc/tuner/tuner.h"
#include "fuzz_check.h"
#include "numeric/fault.h"

namespace {

using namespace tolvar::calc;
using Limits = std::numeric_limits<double>;
using In = FuzzedDataProvider&;

// Mostly the values a user types, sometimes the extremes of a double.
constexpr double (*kValueKinds[])(In) = {
    [](In) { return 0.0; },
    [](In in) -> double { return in.ConsumeIntegralInRange(-100, 2000); },
    [](In in) { return in.ConsumeFloatingPointInRange(-1.0, 1.0); },
    [](In in) { return in.ConsumeBool() ? Limits::max() : Limits::denorm_min(); },
    [](In in) { return -in.ConsumeFloatingPointInRange(0.0, 1e6); },
    [](In in) { return std::ldexp(1.0, in.ConsumeIntegralInRange(-1074, 1023)); },
    [](In in) { return in.ConsumeFloatingPoint<double>(); },  // finite, any size
};

double Value(In in) { return in.PickValueInArray(kValueKinds)(in); }

std::string Shown(std::string text) { return text; }
template <typename Figures>
std::string Shown(const swr::Conversion<Figures>& c) {
  return swr::ConversionText(c.outcome) + " " + swr::ForwardPowerText(c.forwardPowerW);
}

template <typename Run>
void Check(const char* calculator, Run run) {
  try {
    const std::string text = Shown(run());
    Require(!text.empty() && ShowsNoNonNumber(text), calculator, text);
  } catch (const tolvar::numeric::ArithmeticFault&) {
    // Reported as the fault sentence in the window.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const double r = Value(in);
  const double x = Value(in);
  Check("SWR", [&] {
    return swr::SwrText(swr::ComputeSwr({{r, x}, {Value(in), Value(in)}, Value(in)}));
  });
  Check("power from voltage", [&] {
    return swr::PowerFromVoltage({r, x}, Value(in), swr::VoltageKind::PeakToPeak);
  });
  Check("voltage from power", [&] {
    return swr::VoltageFromPower({r, x}, Value(in),
                                 in.ConsumeBool() ? swr::PowerUnit::Dbm : swr::PowerUnit::Watt);
  });
  Check("power from current", [&] { return swr::PowerFromCurrent({r, x}, Value(in)); });
  Check("voltage comparison", [&] {
    return compare::ComparisonText(compare::CompareVoltages(
        {{r, x}, Value(in), compare::VoltageKind::Peak}, {{Value(in), Value(in)}, Value(in)}));
  });
  Check("current comparison", [&] {
    return compare::ComparisonText(
        compare::CompareCurrents({{r, x}, Value(in)}, {{Value(in), Value(in)}, Value(in)}));
  });
  Check("tuner", [&] {
    const auto complex = [&] { return tuner::Complex{Value(in), Value(in)}; };
    return tuner::TunerLossText(
        tuner::ComputeTunerLoss({complex(), complex(), complex(), complex(), complex()}));
  });
  Check("line", [&] {
    const double z = Value(in);
    const double mhz = Value(in);
    const line::LineEntries e{
        .start = {r, x},
        .lineZ = in.ConsumeBool() ? z : Value(in),
        .velocityFactor = Value(in),
        .lossPer100m =
            in.ConsumeBool()
                ? Value(in)
                : line::LossDbPer100m(in.PickValueInArray(line::CableCatalogue()), std::fabs(mhz)),
        .mhz = mhz,
        .power = Value(in),
        .rtxZ = Value(in),
        .shift = {in.ConsumeIntegralInRange(1, 40), in.ConsumeIntegralInRange(0, 720),
                  in.PickValueInArray(
                      {line::Direction::TowardsAntenna, line::Direction::TowardsTransmitter})},
        .zShownBefore = z,
        .zShownAfter = in.ConsumeBool() ? z : Value(in)};
    const auto run = line::ComputeLine(e, line::FindStartPoint(e, Value(in)));
    const auto range = line::HalfWaveRange(e.shift.cycle, e.velocityFactor, e.mhz);
    return line::LineResultText(run) + line::LossText(e.lossPer100m) + range.value_or("");
  });
  return 0;
}
