// Drives a Tolvar window on the offscreen platform with random sequences of real
// user events, the fuzzer's data choosing them (support/window_driver.h: typed
// keys with and without modifiers, input-method text, pastes up to a megabyte,
// presses, access keys, options, focus moves, Tab, the shift bar, cycles,
// cables, swaps, foreign boxes, the Smith chart and copying). A broken property
// aborts with the events of the input so far, as lines tolvar_soak --replay reads.
#include <fuzzer/FuzzedDataProvider.h>

#include <QApplication>
#include <QElapsedTimer>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

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

struct Figures {
  long inputs = 0;
  long events = 0;
  qint64 longestEventNs = 0;
  QString longestEvent;
};
Figures figures;

void Report() {
  std::fprintf(stderr, "fuzz_window: %ld inputs, %ld events, longest event %.1f ms (%s)\n",
               figures.inputs, figures.events, static_cast<double>(figures.longestEventNs) / 1e6,
               figures.longestEvent.toLocal8Bit().constData());
}

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
  std::atexit(Report);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  FuzzChoices choices(in);
  tolvar::MainWindow window;
  tolvar::testing::WindowDriver driver(window);
  ++figures.inputs;
  QStringList events;
  for (int n = 0; n < 48 && in.remaining_bytes() > 0; ++n) {
    const tolvar::testing::Event event = driver.randomEvent(choices);
    events << tolvar::testing::Write(event);
    QElapsedTimer clock;
    clock.start();
    std::optional<QString> broken = driver.apply(event);
    const qint64 took = clock.nsecsElapsed();
    if (took > figures.longestEventNs) {
      figures.longestEventNs = took;
      figures.longestEvent = events.last().left(80);
    }
    ++figures.events;
    if (!broken) {
      broken = driver.check();
    }
    Require(!broken, "window property",
            (broken.value_or(QString()) + "\nevents:\n" + events.join(QLatin1Char('\n')))
                .toStdString());
  }
  return 0;
}
