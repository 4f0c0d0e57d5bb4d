#include <QApplication>
#include <QCommandLineParser>
#include <QStyleFactory>
#include <cstdio>

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
  // A file that cannot be read gets its box over the window, which stays.
  for (const QString& file : parser.positionalArguments()) {
    window.openMeasurement(file);
  }
  return QApplication::exec();
}
