// A long run of random user events through the real window, in the build users
// run, with the properties of support/window_driver.h checked after each one:
//   tolvar_soak N [SEED]      N events from a seeded generator
//   tolvar_soak --replay FILE the events of FILE, one per line, on a fresh window
// A broken property prints the seed, the event's number and the window's last
// 50 events as lines --replay reads. The last line says "N events, K property
// breaks, slowest T ms"; the exit status is not 0 when K > 0. Events slower
// than 200 ms are counted, not failed.
#include <QtWidgets>
#include <deque>
#include <memory>
#include <random>

#include "app/main_window.h"
#include "support/window_driver.h"

namespace {

using tolvar::testing::Event;

class SeededChoices : public tolvar::testing::Choices {
 public:
  explicit SeededChoices(unsigned long long seed) : engine_(seed) {}
  int range(int low, int high) override {
    return std::uniform_int_distribution<int>(low, high)(engine_);
  }
  std::string bytes(std::size_t most) override {
    std::string text(static_cast<std::size_t>(range(0, static_cast<int>(most))), '\0');
    for (char& c : text) c = static_cast<char>(range(0, 255));
    return text;
  }

 private:
  std::mt19937_64 engine_;
};

constexpr long kEventsPerWindow = 500;  // a fresh window now and then
constexpr double kSlowMs = 200;

struct Run {
  QString seed;
  long events = 0, breaks = 0, slow = 0;
  double slowestMs = 0;
  QString slowest;
  std::unique_ptr<tolvar::MainWindow> window;
  std::unique_ptr<tolvar::testing::WindowDriver> driver;
  std::deque<QString> recent;  // the window's last 50 events

  void freshWindow() {
    driver.reset();
    window.reset();
    QCoreApplication::processEvents();
    window = std::make_unique<tolvar::MainWindow>();
    driver = std::make_unique<tolvar::testing::WindowDriver>(*window);
    recent.clear();
  }

  // Carries one event out and checks; a broken window is no ground for what
  // follows, so a break starts a fresh one.
  void step(const Event& event) {
    recent.push_back(tolvar::testing::Write(event));
    if (recent.size() > 50) recent.pop_front();
    QElapsedTimer clock;
    clock.start();
    std::optional<QString> broken = driver->apply(event);
    const double ms = static_cast<double>(clock.nsecsElapsed()) / 1e6;
    broken = broken ? broken : driver->check();
    ++events;
    slow += ms > kSlowMs ? 1 : 0;
    if (ms > slowestMs) {
      slowestMs = ms;
      slowest = recent.back().left(80);
    }
    if (broken) {
      QTextStream(stderr) << "property broken at event " << events << " (seed " << seed
                          << "): " << *broken << "\nreplay with --replay, on a fresh window:\n"
                          << QStringList(recent.begin(), recent.end()).join('\n') << '\n';
      ++breaks;
      freshWindow();
    }
  }

  int finish() const {
    QTextStream(stderr) << "slowest event: " << slowest << Qt::endl;  // before the last line
    QTextStream(stdout) << events << " events, " << breaks << " property breaks, slowest "
                        << QString::number(slowestMs, 'f', 1) << " ms (" << slow << " over "
                        << kSlowMs << " ms)\n";
    return breaks > 0 ? 1 : 0;
  }
};

// The offscreen platform says at every window that it cannot do what only a
// desktop does, and the font database which fonts cannot shape exotic pasted
// characters; nothing else the program says is dropped.
void QuietPlatform(QtMsgType type, const QMessageLogContext& context, const QString& message) {
  if (!message.startsWith(QStringLiteral("This plugin does not support")) &&
      !message.contains(QStringLiteral("OpenType support missing"))) {
    QTextStream(stderr) << qFormatLogMessage(type, context, message) << '\n';
  }
}

}  // namespace

int main(int argc, char* argv[]) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  qInstallMessageHandler(QuietPlatform);
  QApplication app(argc, argv);
  tolvar::testing::PrepareApplication();
  const QStringList args = QApplication::arguments();
  Run run;
  if (args.size() == 3 && args[1] == QStringLiteral("--replay")) {
    QFile file(args[2]);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
      QTextStream(stderr) << "cannot read " << args[2] << '\n';
      return 2;
    }
    run.seed = QStringLiteral("replay");
    run.freshWindow();
    for (const QString& line : QString::fromUtf8(file.readAll()).split('\n')) {
      if (const auto event = tolvar::testing::Read(line)) run.step(*event);
    }
    return run.finish();
  }
  bool ok = args.size() == 2 || args.size() == 3;
  const long total = ok ? args[1].toLong(&ok) : 0;
  run.seed = args.value(2, QStringLiteral("1"));
  SeededChoices choices(run.seed.toULongLong(&ok));
  if (!ok || total < 0) {
    QTextStream(stderr) << "usage: tolvar_soak N [SEED] | tolvar_soak --replay FILE\n";
    return 2;
  }
  QElapsedTimer wall;
  wall.start();
  for (long n = 0; n < total; ++n) {
    if (n % kEventsPerWindow == 0) run.freshWindow();
    run.step(run.driver->randomEvent(choices));
  }
  QTextStream(stderr) << wall.elapsed() / 1000 << " s, "
                      << run.events * 1000 / qMax(1LL, wall.elapsed()) << " events a second\n";
  return run.finish();
}
