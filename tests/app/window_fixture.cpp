#include "window_fixture.h"

#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QStyleFactory>
#include <QTest>

#include "app/fields.h"

BoxWatcher::BoxWatcher() {
  timer_.setInterval(5);
  QObject::connect(&timer_, &QTimer::timeout, this, &BoxWatcher::poll);
  timer_.start();
}

void BoxWatcher::poll() {
  auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
  if (box == nullptr || !box->isVisible()) {
    return;
  }
  const Box seen{box->windowTitle(), box->text(), box->icon(),
                 static_cast<int>(box->buttons().size())};
  boxes.append(seen);
  if (whileOpen) {
    whileOpen(seen);
  }
  box->button(QMessageBox::Ok)->click();
}

WindowFixture::FusionStyle::FusionStyle() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

WindowFixture::WindowFixture() = default;

QString WindowFixture::text(const char* name) const { return tolvar::app::FieldText(find(name)); }

void WindowFixture::setText(const char* name, const QString& text) {
  tolvar::app::SetFieldText(find(name), text);
}

void WindowFixture::type(const char* name, const QString& keys) {
  QTest::keyClicks(find(name), keys);
}

void WindowFixture::enter(const char* name, const QString& keys) {
  QWidget* field = find(name);
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  if (keys.isEmpty()) {
    QTest::keyClick(field, Qt::Key_Delete);
  } else {
    QTest::keyClicks(field, keys);
  }
}

QStringList WindowFixture::lines(const char* name) const {
  return text(name).split(QLatin1Char('\n'));
}

void WindowFixture::click(const char* name) {
  QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
}

void WindowFixture::leave(const char* name) {
  find(name)->setFocus(Qt::TabFocusReason);
  QTest::keyClick(find(name), Qt::Key_Tab);
}

void WindowFixture::activate() {
  window.show();
  window.activateWindow();
  QApplication::setActiveWindow(&window);
  if (!QTest::qWaitForWindowActive(&window)) {
    qWarning("the window did not become active");
  }
}
