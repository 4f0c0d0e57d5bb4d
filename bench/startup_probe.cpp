// Starts like a program does and quits at its window's first paint:
// "startup_probe tolvar" with Tolvar's window, "startup_probe empty" with an
// empty QWidget of the same size, "startup_probe label" with that QWidget
// holding one line of text (so that it loads the fonts, as any real window
// does). The benchmark times whole runs of each.
#include <QApplication>
#include <QLabel>
#include <QPixmapCache>
#include <QStyleFactory>
#include <QTimer>
#include <QWidget>
#include <cstring>
#include <memory>

#include "app/main_window.h"

namespace {

class QuitAtFirstPaint : public QObject {
 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    if (event->type() == QEvent::Paint) {
      QTimer::singleShot(0, qApp, &QCoreApplication::quit);
    }
    return false;
  }
};

}  // namespace

int main(int argc, char* argv[]) {
  const bool tolvar = argc > 1 && std::strcmp(argv[1], "tolvar") == 0;
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  std::unique_ptr<QWidget> window;
  if (tolvar) {
    window = std::make_unique<tolvar::MainWindow>();
  } else {
    window = std::make_unique<QWidget>();
    window->setFixedSize(688, 678);
    if (argc > 1 && std::strcmp(argv[1], "label") == 0) {
      new QLabel(QStringLiteral("Tolvar 3.1"), window.get());
    }
  }
  if (qEnvironmentVariableIsSet("EXP_E"))
    QPixmapCache::setCacheLimit(qEnvironmentVariableIntValue("EXP_E"));
  QuitAtFirstPaint quit;
  window->installEventFilter(&quit);
  window->show();
  return QApplication::exec();
}
