#include "app/controls/warning.h"

#include <QMessageBox>

#include "app/controls/controls.h"

namespace tolvar::app {

namespace {

void Show(QWidget* parent, const Message& message, const QStringList& args, bool selectable) {
  // One pass over the text, so that a "%2" inside a file's name stays as it is.
  QString text = ToQString(message.text);
  if (args.size() == 1) {
    text = text.arg(args[0]);
  } else if (args.size() == 2) {
    text = text.arg(args[0], args[1]);
  } else if (args.size() >= 3) {
    text = text.arg(args[0], args[1], args[2]);
  }
  QMessageBox box(QMessageBox::Warning, ToQString(message.title), text, QMessageBox::Ok, parent);
  if (selectable) {
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  box.exec();
}

}  // namespace

void ShowWarning(QWidget* parent, const Message& message, const QStringList& args) {
  Show(parent, message, args, false);
}

void ShowSelectableWarning(QWidget* parent, const Message& message, const QStringList& args) {
  Show(parent, message, args, true);
}

}  // namespace tolvar::app
