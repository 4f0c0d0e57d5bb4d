// A long run of random user events through the real window, in the build users
// run, with the properties of support/window_driver.h checked after each one:
//   tolvar_soak N [SEED]      N events from a seeded generator
//   tolvar_soak --replay FILE the events of FILE, one per line, on a fresh window
// A broken property prints the seed, the event's number and the events since
// the window opened (at most the last 50), as lines --replay reads. The last
// line says "N events, K property breaks, slowest T ms"; the exit status is not
// 0 when K > 0. Events slower than 200 ms are counted, not failed.
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QTextStream>
#include <cstdio>
#include <deque>
#include <map>
#include <memory>
#include <random>

#include "app/main_window.h"
#include "support/window_driver.h"

namespace {

using tolvar::testing::Event;
using tolvar::testing::WindowDriver;

class SeededChoices : public tolvar::testing::Choices {
 public:
  explicit SeededChoices(unsigned long long seed) : engine_(seed) {}
  int range(int low, int high) override {
    return std::uniform_int_distribution<int>(low, high)(engine_);
  }
  std::string bytes(std::size_t most) override {
    std::string text(static_cast<std::size_t>(range(0, static_cast<int>(most))), '\0');
    for (char& c : text) {
      c = static_cast<char>(range(0, 255));
    }
    return text;
  }

 private:
  std::mt19937_64 engine_;
};

constexpr int kEventsPerWindow = 500;  // a fresh window now and then
constexpr std::size_t kReplayLength = 50;
constexpr double kSlowMs = 200;
constexpr long kBreaksReported = 10;

struct Run {
  long events = 0;
  long breaks = 0;
  long slow = 0;
  double slowestMs = 0;
  QString slowest;
  std::unique_ptr<tolvar::MainWindow> window;
  std::unique_ptr<WindowDriver> driver;
  std::deque<QString> recent;  // the events since the window opened, the last ones
  std::map<QString, std::pair<long, double>> byVerb;  // count and milliseconds

  void freshWindow() {
    driver.reset();
    window.reset();
    QCoreApplication::processEvents();
    window = std::make_unique<tolvar::MainWindow>();
    driver = std::make_unique<WindowDriver>(*window);
    recent.clear();
  }

  // Carries one event out and checks; false when a property broke.
  bool step(const Event& event, const QString& seed) {
    const QString line = tolvar::testing::Write(event);
    recent.push_back(line);
    if (recent.size() > kReplayLength) {
      recent.pop_front();
    }
    QElapsedTimer clock;
    clock.start();
    std::optional<QString> broken = driver->apply(event);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    if (!broken) {
      broken = driver->check();
    }
    ++events;
    auto& [count, total] = byVerb[event.verb];
    ++count;
    total += ms;
    if (ms > kSlowMs) {
      ++slow;
    }
    if (ms > slowestMs) {
      slowestMs = ms;
      slowest = line.left(80);
    }
    if (!broken) {
      return true;
    }
    if (++breaks <= kBreaksReported) {
      QTextStream err(stderr);
      err << "property broken at event " << events << " (seed " << seed << "): " << *broken
          << "\nreplay with --replay, on a fresh window:\n";
      for (const QString& recentLine : recent) {
        err << recentLine << '\n';
      }
      err.flush();
    }
    return false;
  }
};

int Finish(const Run& run) {
  for (const auto& [verb, figures] : run.byVerb) {
    std::fprintf(stderr, "%-10s %8ld events, %.3f ms each\n", qPrintable(verb), figures.first,
                 figures.second / static_cast<double>(figures.first));
  }
  std::fprintf(stderr, "slowest event: %s\n", run.slowest.toLocal8Bit().constData());
  std::printf("%ld events, %ld property breaks, slowest %.1f ms (%ld over %.0f ms)\n", run.events,
              run.breaks, run.slowestMs, run.slow, kSlowMs);
  return run.breaks > 0 ? 1 : 0;
}

int Replay(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    std::fprintf(stderr, "cannot read %s\n", qPrintable(path));
    return 2;
  }
  Run run;
  run.freshWindow();
  QTextStream in(&file);
  while (!in.atEnd()) {
    const QString line = in.readLine();
    if (const auto event = tolvar::testing::Read(line)) {
      run.step(*event, QStringLiteral("replay"));
    }
  }
  return Finish(run);
}

}  // namespace

// The offscreen platform says at every window that it cannot do what only a
// real desktop does, and the font database which fonts it cannot shape exotic
// pasted characters with; nothing else the program says is dropped.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (message.startsWith(QStringLiteral("This plugin does not support")) ||
      message.contains(QStringLiteral("OpenType support missing"))) {
    return;
  }
  std::fprintf(stderr, "%s\n", qPrintable(qFormatLogMessage(type, context, message)));
}

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  qInstallMessageHandler(QuietPlatform);
  QApplication app(argc, argv);
  tolvar::testing::PrepareApplication();
  const QStringList args = QApplication::arguments();
  if (args.size() == 3 && args[1] == QStringLiteral("--replay")) {
    return Replay(args[2]);
  }
  bool ok = args.size() >= 2 && args.size() <= 3;
  const long total = ok ? args[1].toLong(&ok) : 0;
  const unsigned long long seed = args.size() == 3 ? args[2].toULongLong(&ok) : 1;
  if (!ok || total < 0) {
    std::fprintf(stderr, "usage: tolvar_soak N [SEED] | tolvar_soak --replay FILE\n");
    return 2;
  }
  SeededChoices choices(seed);
  Run run;
  QElapsedTimer wall;
  wall.start();
  for (long n = 0; n < total; ++n) {
    if (run.driver == nullptr || n % kEventsPerWindow == 0) {
      run.freshWindow();
    }
    if (!run.step(run.driver->randomEvent(choices), QString::number(seed))) {
      run.freshWindow();  // a broken window is no ground for what follows
    }
    if ((n + 1) % 100000 == 0) {
      std::fprintf(stderr, "%ld events in %.0f s\n", n + 1,
                   static_cast<double>(wall.elapsed()) / 1000);
    }
  }
  std::fprintf(
      stderr, "%.1f s, %.0f events a second\n", static_cast<double>(wall.elapsed()) / 1000,
      static_cast<double>(run.events) * 1000 / static_cast<double>(qMax(1LL, wall.elapsed())));
  return Finish(run);
}
