#include <QApplication>
#include <QCommandLineParser>
#include <QElapsedTimer>
#include <QStyleFactory>
#include <QTimer>
#include <QWindow>
#include <cstdio>
#include <functional>

#include "app/main_window.h"

namespace {

// Without any display Qt would abort with a cryptic platform-plugin error.
bool HasDisplay() {
  return !qEnvironmentVariableIsEmpty("DISPLAY") ||
         !qEnvironmentVariableIsEmpty("WAYLAND_DISPLAY") ||
         !qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM");
}

}  // namespace

int main(int argc, char* argv[]) {
  if (!HasDisplay()) {
    std::fputs(
        "tolvar: no display found. Start it from a desktop session, or give it a virtual "
        "display:\n  xvfb-run -a tolvar\n",
        stderr);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setApplicationName(QStringLiteral("tolvar"));
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QCommandLineParser parser;
  parser.setApplicationDescription(QStringLiteral("Feed-line calculator for radio amateurs"));
  parser.addHelpOption();
  parser.addPositionalArgument(
      QStringLiteral("files"),
      QStringLiteral("Touchstone files (.s1p, .s2p, .ts) to open: a 1-port and a 2-port are at "
                     "hand together; a later file replaces an earlier one of its kind."),
      QStringLiteral("[files...]"));
  parser.process(app);
  tolvar::MainWindow window;
  window.show();
  // The files open once the window manager has put the window on the screen,
  // so that the measurement window goes beside it. A file that cannot be read
  // gets its box over the window, which stays.
  const QStringList files = parser.positionalArguments();
  QElapsedTimer waited;
  waited.start();
  std::function<void()> openFiles = [&] {
    constexpr int kLookAgainMs = 20;
    constexpr int kMostWaitMs = 2000;
    if (!window.windowHandle()->isExposed() && waited.elapsed() < kMostWaitMs) {
      QTimer::singleShot(kLookAgainMs, &window, openFiles);
      return;
    }
    for (const QString& file : files) {
      window.openMeasurement(file);
    }
  };
  if (!files.isEmpty()) {
    QTimer::singleShot(0, &window, openFiles);
  }
  return QApplication::exec();
}
