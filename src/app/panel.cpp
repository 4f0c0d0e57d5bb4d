#include "app/panel.h"

#include <QLineEdit>
#include <QMessageBox>

#include "app/fields.h"

namespace tolvar::app {

Panel::Panel(QWidget* window, const Controls& controls)
    : QObject(window), controls_(controls), window_(window) {}

void Panel::warn(const Message& message) const {
  QMessageBox box(QMessageBox::Warning, ToQString(message.title), ToQString(message.text),
                  QMessageBox::Ok, window_);
  box.exec();
}

void Panel::replaceZero(Control entry, const Message& message) const {
  if (value(entry) == 0) {
    warn(message);
    if (value(entry) == 0) {
      controls_.setText(entry, ToQString(kZeroReplacement));
    }
  }
}

void Panel::empty(std::span<const Control> fields) const {
  for (const Control field : fields) {
    controls_.setText(field, QString());
  }
}

void Panel::run(Control result, const std::function<void()>& handler) const {
  RunHandler(controls_.widget(result), handler);
}

void Panel::writeResult(Control result, const QString& text) const {
  WriteResult(controls_.widget(result), text);
}

}  // namespace tolvar::app
