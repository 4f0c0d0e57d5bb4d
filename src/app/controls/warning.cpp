#include "app/controls/warning.h"

#include <QMessageBox>
#include <QPushButton>

#include "app/controls/controls.h"

namespace tolvar::app {

namespace {

// One pass over the text, so that a "%2" inside a file's name stays as it is.
QString Filled(const Message& message, const QStringList& args) {
  QString text = ToQString(message.text);
  if (args.size() == 1) {
    text = text.arg(args[0]);
  } else if (args.size() == 2) {
    text = text.arg(args[0], args[1]);
  } else if (args.size() >= 3) {
    text = text.arg(args[0], args[1], args[2]);
  }
  return text;
}

void Show(QWidget* parent, const Message& message, const QStringList& args, bool selectable) {
  QMessageBox box(QMessageBox::Warning, ToQString(message.title), Filled(message, args),
                  QMessageBox::Ok, parent);
  if (selectable) {
    box.setTextInteractionFlags(Qt::TextSelectableByMouse);
  }
  box.exec();
}

}  // namespace

void ShowWarning(QWidget* parent, const Message& message, const QStringList& args) {
  Show(parent, message, args, false);
}

bool AskToGoOn(QWidget* parent, const Message& message, const QStringList& args,
               const QString& goOn) {
  QMessageBox box(QMessageBox::Warning, ToQString(message.title), Filled(message, args),
                  QMessageBox::Ok | QMessageBox::Cancel, parent);
  box.button(QMessageBox::Ok)->setText(goOn);
  return box.exec() == QMessageBox::Ok;
}

void ShowSelectableWarning(QWidget* parent, const Message& message, const QStringList& args) {
  Show(parent, message, args, true);
}

}  // namespace tolvar::app
