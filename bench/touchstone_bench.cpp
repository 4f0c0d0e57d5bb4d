// Speed of the Touchstone reader. Budget (median): a 10,001-point 2-port file,
// about 1 MB as a network analyser writes it, read in at most 20 ms.
#include <benchmark/benchmark.h>

#include <array>
#include <charconv>
#include <cmath>
#include <string>
#include <variant>

#include "calc/measurement/touchstone.h"

namespace {

using namespace tolvar::calc::measurement;

void Append(std::string& text, double value) {
  std::array<char, 32> digits{};
  auto* const end =
      std::to_chars(digits.begin(), digits.end(), value, std::chars_format::general, 9).ptr;
  text.append(digits.begin(), end);
}

// A 2-port sweep from 1 to 31 MHz in magnitude and angle, one line per point,
// after a few comment lines, as analysers save it.
std::string TwoPortFile(int points) {
  std::string text =
      "! made in memory for the benchmark\n! S-parameters of a lossy two-port\n"
      "# MHz S MA R 50\n! freq |S11| ang |S21| ang |S12| ang |S22| ang\n";
  for (int i = 0; i < points; ++i) {
    const double x = i * 1e-3;
    Append(text, 1 + 0.003 * i);
    for (const double phase : {0.0, 1.0, 1.0, 2.0}) {
      text += ' ';
      Append(text, 0.5 + 0.4 * std::sin(x + phase));
      text += ' ';
      Append(text, 180 * std::cos(3 * x + phase));
    }
    text += '\n';
  }
  return text;
}

void BM_ReadTouchstone10001(benchmark::State& state) {
  const std::string text = TwoPortFile(10001);
  for (auto _ : state) {
    auto result = ReadTouchstone(text, 2);
    if (!std::holds_alternative<Measurement>(result)) {
      state.SkipWithError(FaultText(std::get<ReadFault>(result)).c_str());
      break;
    }
    benchmark::DoNotOptimize(result);
  }
  state.SetBytesProcessed(state.iterations() * static_cast<std::int64_t>(text.size()));
}
BENCHMARK(BM_ReadTouchstone10001)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
