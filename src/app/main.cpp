#include <QApplication>
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
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  tolvar::MainWindow window;
  window.show();
  return QApplication::exec();
}
