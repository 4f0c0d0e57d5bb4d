// Drives a Tolvar window on the offscreen platform with random sequences of real
// user events, the fuzzer's data choosing them (support/window_driver.h), and
// checks after each what must always hold. A broken property aborts with the
// input's events so far, as lines that tolvar_soak --replay plays back. How long
// events take is measured by the benchmarks and the soak run, not here.
#include <fuzzer/FuzzedDataProvider.h>

#include <QApplication>
#include <cstdint>

#include "app/main_window.h"
#include "fuzz_check.h"
#include "support/window_driver.h"

namespace {

class FuzzChoices : public tolvar::testing::Choices {
 public:
  explicit FuzzChoices(FuzzedDataProvider& in) : in_(in) {}
  int range(int low, int high) override { return in_.ConsumeIntegralInRange(low, high); }
  std::string bytes(std::size_t most) override { return in_.ConsumeRandomLengthString(most); }

 private:
  FuzzedDataProvider& in_;
};

}  // namespace

extern "C" int LLVMFuzzerInitialize(int* /*argc*/, char*** /*argv*/) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_window";
  static char* argv[] = {name, nullptr};
  // Lives until the process ends: destroying it among the exit handlers would
  // race Qt's own static objects.
  new QApplication(argc, argv);
  tolvar::testing::PrepareApplication();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  FuzzChoices choices(in);
  tolvar::MainWindow window;
  tolvar::testing::WindowDriver driver(window);
  QStringList events;
  for (int n = 0; n < 48 && in.remaining_bytes() > 0; ++n) {
    const tolvar::testing::Event event = driver.randomEvent(choices);
    events << tolvar::testing::Write(event);
    std::optional<QString> broken = driver.apply(event);
    broken = broken ? broken : driver.check();
    Require(!broken, "window property",
            (broken.value_or(QString()) + "\nevents:\n" + events.join('\n')).toStdString());
  }
  return 0;
}
