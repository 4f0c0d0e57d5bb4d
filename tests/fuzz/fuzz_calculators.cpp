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

// Mostly the values a user types, sometimes the extremes of a double.
double Value(FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 7)) {
    case 0:
      return 0;
    case 1:
      return in.ConsumeIntegralInRange(-100, 2000);
    case 2:
      return in.ConsumeFloatingPointInRange(-1.0, 1.0);
    case 3:
      return in.ConsumeBool() ? std::numeric_limits<double>::max()
                              : std::numeric_limits<double>::denorm_min();
    case 4:
      return -in.ConsumeFloatingPointInRange(0.0, 1e6);
    case 5:
      return std::ldexp(1.0, in.ConsumeIntegralInRange(-1074, 1023));
    default: {
      const double v = in.ConsumeFloatingPoint<double>();
      return std::isfinite(v) ? v : 1.0;
    }
  }
}

template <typename Run>
void Check(const char* calculator, Run run) {
  try {
    const std::string text = run();
    Require(!text.empty(), calculator);
    Require(ShowsNoNonNumber(text), calculator, text);
  } catch (const tolvar::numeric::ArithmeticFault&) {
    // Reported as the fault sentence in the window.
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  const double r = Value(in);
  const double x = Value(in);
  Check("SWR", [&] { return swr::SwrText({r, x, Value(in), Value(in), Value(in)}); });
  Check("power from voltage", [&] {
    const auto c = swr::PowerFromVoltage(r, x, Value(in), swr::VoltageKind::PeakToPeak);
    return c.text + " " + c.forwardPower;
  });
  Check("voltage from power", [&] {
    const auto c = swr::VoltageFromPower(
        r, x, Value(in), in.ConsumeBool() ? swr::PowerUnit::Dbm : swr::PowerUnit::Watt);
    return c.text + " " + c.forwardPower;
  });
  Check("power from current", [&] {
    const auto c = swr::PowerFromCurrent(r, x, Value(in));
    return c.text + " " + c.forwardPower;
  });
  Check("voltage comparison", [&] {
    return compare::CompareVoltages({r, x, Value(in), compare::VoltageKind::Peak},
                                    {Value(in), Value(in), Value(in)});
  });
  Check("current comparison", [&] {
    return compare::CompareCurrents({r, x, Value(in)}, {Value(in), Value(in), Value(in)});
  });
  Check("tuner", [&] {
    return tuner::TunerLossText({{Value(in), Value(in)},
                                 {Value(in), Value(in)},
                                 {Value(in), Value(in)},
                                 {Value(in), Value(in)},
                                 {Value(in), Value(in)}});
  });
  Check("line", [&] {
    line::LineEntries e{};
    e.startR = r;
    e.startX = x;
    e.zAtStart = Value(in);
    e.zNow = in.ConsumeBool() ? e.zAtStart : Value(in);
    e.lineZ = in.ConsumeBool() ? e.zAtStart : Value(in);
    e.velocityFactor = Value(in);
    const auto& cables = line::CableCatalogue();
    const double mhz = Value(in);
    e.lossPer100m = in.ConsumeBool()
                        ? Value(in)
                        : line::LossDbPer100m(cables[in.ConsumeIntegralInRange<std::size_t>(0, 72)],
                                              std::fabs(mhz));
    e.rtxZ = Value(in);
    e.mhz = mhz;
    e.power = Value(in);
    e.cycles = in.ConsumeIntegralInRange(1, 40);
    e.slider = in.ConsumeIntegralInRange(0, 720);
    e.direction =
        in.ConsumeBool() ? line::Direction::TowardsAntenna : line::Direction::TowardsTransmitter;
    const auto start = line::FindStartPoint(e, Value(in));
    const auto run = line::ComputeLine(e, start);
    const auto range = line::HalfWaveRange(e.cycles, e.velocityFactor, e.mhz);
    return run.text + run.lossText + range.value_or("");
  });
  return 0;
}
