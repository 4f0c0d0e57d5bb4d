#pragma once

#include <QtTest>
#include <QtWidgets>
#include <type_traits>
#include <utility>

#include "app/controls/controls.h"
#include "app/layout/accessibility.h"
#include "app/layout/entry_rules.h"
#include "app/layout/layout.h"
#include "app/layout/messages.h"
#include "app/main_window.h"
#include "numeric/entry_value.h"
#include "support/window_driver.h"

using tolvar::testing::BoxWatcher;

// How BoxWatcher records the warning box that shows `message`.
inline QString BoxOf(const tolvar::app::Message& message) {
  return tolvar::app::ToQString(message.title) + ": " + tolvar::app::ToQString(message.text);
}

// One data row per case of a table whose cases carry a name (those `keep` keeps);
// the test fetches "row".
template <typename Case, std::size_t N>
void AddRows(const Case (&cases)[N], bool (*keep)(const std::type_identity_t<Case>&) = nullptr) {
  QTest::addColumn<int>("row");
  for (std::size_t i = 0; i < N; ++i) {
    if (keep == nullptr || keep(cases[i])) QTest::newRow(cases[i].name) << static_cast<int>(i);
  }
}

// The scaling the suite runs a test at (QT_SCALE_FACTOR: 100, 150 and 200 %).
inline double Scale() {
  const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
  return factor.isEmpty() ? 1.0 : tolvar::numeric::ReadEntryValue(factor.toStdString());
}

// One Tolvar window on the offscreen platform, in the program's style, its
// controls found by objectName.
class WindowFixture {
 public:
  using Control = tolvar::app::Control;
  template <typename T = QWidget>
  T* find(Control control) const {
    return window.findChild<T*>(tolvar::app::ObjectName(control));
  }
  QString text(Control field) const { return tolvar::app::FieldText(find(field)); }
  // A write by the program.
  void setText(Control field, const QString& text) { tolvar::app::SetFieldText(find(field), text); }
  void type(Control field, const QString& keys) { QTest::keyClicks(find(field), keys); }
  void click(Control button) { QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton); }
  void focus(Control control) { find(control)->setFocus(Qt::TabFocusReason); }  // as Tab does
  // Makes the window active again (nothing does it on the offscreen platform
  // after a modal box closes) so that focus changes send focus events.
  void activate() {
    window.show();
    window.activateWindow();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
  }

  bool fusion = QApplication::setStyle(QStringLiteral("Fusion")) != nullptr;  // before the window
  tolvar::MainWindow window;
  BoxWatcher watcher;
};
