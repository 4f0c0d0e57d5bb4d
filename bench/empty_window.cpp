// An empty Qt Widgets window of Tolvar's size and style, the peer against which
// Tolvar's resident memory after start-up is measured.
#include <QApplication>
#include <QStyleFactory>
#include <QWidget>

int main(int argc, char* argv[]) {
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QWidget window;
  window.setFixedSize(688, 678);
  window.show();
  return QApplication::exec();
}
