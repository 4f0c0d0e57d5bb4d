#pragma once

#include <QList>
#include <QMessageBox>
#include <QObject>
#include <QString>
#include <QTimer>
#include <QWidget>
#include <functional>

#include "app/main_window.h"

// Records every modal box that opens while it lives and closes it with OK, so
// that handlers showing warning boxes run to completion in tests.
class BoxWatcher : public QObject {
 public:
  struct Box {
    QString title;
    QString text;
    QMessageBox::Icon icon;
    int buttonCount;
  };

  BoxWatcher();
  QList<Box> boxes;
  // Runs while a box is open, before it is closed (for instance to edit a field).
  std::function<void(const Box&)> whileOpen;

 private:
  void poll();
  QTimer timer_;
};

// One Tolvar window on the offscreen platform, its controls found by objectName.
class WindowFixture {
 public:
  WindowFixture();

  template <typename T = QWidget>
  T* find(const char* name) const {
    auto* widget = window.findChild<T*>(QString::fromLatin1(name));
    if (widget == nullptr) {
      qFatal("no control %s of the expected kind", name);
    }
    return widget;
  }
  QString text(const char* name) const;
  void setText(const char* name, const QString& text);  // a write by the program
  void type(const char* name, const QString& keys);     // real key events
  // Replaces a field's text by typing: select all, then the keys (Delete if none).
  void enter(const char* name, const QString& keys);
  // The lines of a result field.
  QStringList lines(const char* name) const;
  void click(const char* name);
  // Gives a field the focus and leaves it with Tab, as a user moving on does
  // (the window must be active).
  void leave(const char* name);
  // Makes the window active again (nothing does it on the offscreen platform
  // after a modal box closes) so that focus changes send focus events.
  void activate();

  struct FusionStyle {
    FusionStyle();  // the style the program runs with, before the window is built
  } style;
  tolvar::MainWindow window;
  BoxWatcher boxes;
};
