// Typing into entry fields, the results each field clears, the handling of
// arithmetic faults and the focus moves that handlers must not react to.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QTest>
#include <clocale>

#include "app/event_filters.h"
#include "app/fields.h"
#include "app/messages.h"
#include "numeric/fault.h"
#include "window_fixture.h"

class WindowEntryTest : public QObject {
  Q_OBJECT

 private slots:
  void commaIsWarnedOnceAndDropped();
  void minusOnlyInSignedFields();
  void lettersNeverAppear();
  void editingKeysAndShortcutsWork();
  void pastedTextIsNotJudged();
  void changesClearTheirResults_data();
  void changesClearTheirResults();
  void faultEndsTheHandlerWithASentence();
  void overflowingEntryIsAFault();
  void activationFocusMovesRunNoHandler();
  void runsUnderTheLocaleItWasAskedFor();
};

void WindowEntryTest::commaIsWarnedOnceAndDropped() {
  WindowFixture f;
  f.setText("Text6", QString());
  f.type("Text6", QStringLiteral("12,5"));
  QCOMPARE(f.text("Text6"), QStringLiteral("125"));
  QCOMPARE(f.boxes.boxes.size(), 1);
  const auto& box = f.boxes.boxes.first();
  QCOMPARE(box.text, QStringLiteral("Use Dot as Decimal Separator!"));
  QCOMPARE(box.title, QStringLiteral("Decimal Separation"));
  QCOMPARE(box.icon, QMessageBox::Warning);
  QCOMPARE(box.buttonCount, 1);
}

void WindowEntryTest::minusOnlyInSignedFields() {
  WindowFixture f;
  f.type("Text9", QStringLiteral("-5"));
  QCOMPARE(f.text("Text9"), QStringLiteral("5"));
  f.type("Text8", QStringLiteral("-5"));
  QCOMPARE(f.text("Text8"), QStringLiteral("-5"));
  f.type("Text30", QStringLiteral("-0.5"));
  QCOMPARE(f.text("Text30"), QStringLiteral("-0.5"));
  f.type("Text23", QStringLiteral("-7"));
  QCOMPARE(f.text("Text23"), QStringLiteral("7"));
}

void WindowEntryTest::lettersNeverAppear() {
  WindowFixture f;
  f.type("Text7", QStringLiteral("a1b2 e+3"));
  QCOMPARE(f.text("Text7"), QStringLiteral("123"));
  f.type("Text24", QStringLiteral("x-y.z9"));
  QCOMPARE(f.text("Text24"), QStringLiteral("-.9"));
  QVERIFY(f.boxes.boxes.isEmpty());
}

void WindowEntryTest::editingKeysAndShortcutsWork() {
  WindowFixture f;
  auto* field = f.find<QLineEdit>("Text7");
  f.type("Text7", QStringLiteral("123"));
  QTest::keyClick(field, Qt::Key_Left);
  QTest::keyClick(field, Qt::Key_Backspace);
  QCOMPARE(field->text(), QStringLiteral("13"));
  QTest::keyClick(field, Qt::Key_Home);
  QTest::keyClick(field, Qt::Key_Delete);
  QCOMPARE(field->text(), QStringLiteral("3"));
  QTest::keyClick(field, Qt::Key_End);
  QTest::keyClicks(field, QStringLiteral("45"));
  QTest::keyClick(field, Qt::Key_A, Qt::ControlModifier);
  QTest::keyClick(field, Qt::Key_C, Qt::ControlModifier);
  QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("345"));
  QTest::keyClick(field, Qt::Key_X, Qt::ControlModifier);
  QCOMPARE(field->text(), QString());
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(field->text(), QStringLiteral("345"));
  QTest::keyClick(field, Qt::Key_Z, Qt::ControlModifier);
  QCOMPARE(field->text(), QString());
}

void WindowEntryTest::pastedTextIsNotJudged() {
  WindowFixture f;
  QApplication::clipboard()->setText(QStringLiteral("1.2.3 ohm"));
  QTest::keyClick(f.find("Text9"), Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(f.text("Text9"), QStringLiteral("1.2.3 ohm"));
  QCOMPARE(tolvar::app::EntryValue(f.find<QLineEdit>("Text9")), 1.2);
}

void WindowEntryTest::changesClearTheirResults_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<QStringList>("cleared");
  const QStringList measured = {"Text2", "Text3", "Text4", "Text19"};
  const QStringList comparison = {"Text5"};
  const QStringList line = {"Text22"};
  QList<QPair<const char*, QStringList>> rows = {
      {"Text7", measured},    {"Text8", measured},   {"Text9", {"Text2"}},  {"Text10", {"Text3"}},
      {"Text18", {"Text19"}}, {"Text12", {"Text4"}}, {"Text11", {"Text4"}}, {"Text6", {"Text4"}}};
  for (const char* name :
       {"Text15", "Text1", "Text16", "Text17", "Text13", "Text14", "Text20", "Text21", "Text30",
        "Text34", "Text36", "Text37", "Text33", "Text32", "Text31", "Text35", "Text38", "Text39"}) {
    rows.append({name, comparison});
  }
  for (const char* name :
       {"Text23", "Text24", "Text28", "Text29", "Text26", "Text40", "Text25", "Text27"}) {
    rows.append({name, line});
  }
  QCOMPARE(rows.size(), 34);
  for (const auto& [name, cleared] : rows) {
    QTest::newRow(name) << QString::fromLatin1(name) << cleared;
  }
}

void WindowEntryTest::changesClearTheirResults() {
  QFETCH(QString, field);
  QFETCH(QStringList, cleared);
  WindowFixture f;
  const QStringList results = {"Text2", "Text3", "Text4", "Text5", "Text19", "Text22"};
  auto* entry = f.window.findChild<QLineEdit*>(field);
  QVERIFY(entry != nullptr);
  entry->setEnabled(true);  // the line fields of Auto mode take typing in manual mode
  for (const bool typed : {true, false}) {
    for (const QString& r : results) {
      f.setText(qPrintable(r), QStringLiteral("old result"));
    }
    if (typed) {
      QTest::keyClicks(entry, QStringLiteral("7"));
    } else {
      f.setText(qPrintable(field), QStringLiteral("0.001"));
    }
    for (const QString& r : results) {
      const QString expected = cleared.contains(r) ? QString() : QStringLiteral("old result");
      QVERIFY2(
          f.text(qPrintable(r)) == expected,
          qPrintable(
              QStringLiteral("%1 after %2 by %3").arg(r, field, typed ? "typing" : "the program")));
    }
  }
}

void WindowEntryTest::faultEndsTheHandlerWithASentence() {
  WindowFixture f;
  bool ranAfterFault = false;
  tolvar::app::RunHandler(f.find("Text4"), [&] {
    f.setText("Text12", QStringLiteral("0.001"));  // a write before the fault stays
    tolvar::numeric::FaultWatch watch;
    volatile double zero = 0;
    [[maybe_unused]] volatile double swr = 1 / zero;
    watch.check();
    ranAfterFault = true;
    tolvar::app::WriteResult(f.find("Text4"), QStringLiteral("SWR = inf"));
  });
  QVERIFY(!ranAfterFault);
  QCOMPARE(f.text("Text12"), QStringLiteral("0.001"));
  QCOMPARE(f.text("Text4"), tolvar::app::ToQString(tolvar::app::kFaultSentence));
  QVERIFY(f.find("Text4")->font().bold());
  QVERIFY(!f.text("Text4").contains(QStringLiteral("inf")));
  QVERIFY(!f.text("Text4").contains(QStringLiteral("nan")));
}

void WindowEntryTest::overflowingEntryIsAFault() {
  WindowFixture f;
  f.setText("Text2", QStringLiteral("old result"));
  QApplication::clipboard()->setText(QStringLiteral("1e999"));
  QTest::keyClick(f.find("Text9"), Qt::Key_V, Qt::ControlModifier);  // clears Text2
  double read = -1;
  tolvar::app::RunHandler(f.find("Text2"),
                          [&] { read = tolvar::app::EntryValue(f.find<QLineEdit>("Text9")); });
  QCOMPARE(read, -1.0);
  QCOMPARE(f.text("Text2"), tolvar::app::ToQString(tolvar::app::kFaultSentence));
}

void WindowEntryTest::activationFocusMovesRunNoHandler() {
  WindowFixture f;
  int gained = 0;
  int lost = 0;
  auto* handlers = new tolvar::app::FocusHandlers(&f.window);
  handlers->onGained(f.find("Text33"), [&](Qt::FocusReason) { ++gained; });
  handlers->onLost(f.find("Text33"), [&](Qt::FocusReason) { ++lost; });
  f.activate();
  f.find("Text36")->setFocus(Qt::TabFocusReason);
  f.find("Text33")->setFocus(Qt::TabFocusReason);
  QCOMPARE(gained, 1);
  QCOMPARE(lost, 0);

  // A modal box opening and closing moves the focus away and back.
  QMessageBox::warning(&f.window, QStringLiteral("Box"), QStringLiteral("Text"));
  QCOMPARE(f.boxes.boxes.size(), 1);
  f.activate();
  QCOMPARE(QApplication::focusWidget(), f.find("Text33"));
  QCOMPARE(gained, 1);
  QCOMPARE(lost, 0);

  // So does another window taking the activation.
  QWidget other;
  other.show();
  QApplication::setActiveWindow(&other);
  QVERIFY(QTest::qWaitForWindowActive(&other));
  f.activate();
  QCOMPARE(gained, 1);
  QCOMPARE(lost, 0);

  // A move to another control of the window is a real leave.
  f.find("Text32")->setFocus(Qt::TabFocusReason);
  QCOMPARE(lost, 1);
  QCOMPARE(tolvar::app::IsOwnFocusMove(Qt::MouseFocusReason), true);
  QCOMPARE(tolvar::app::IsOwnFocusMove(Qt::ShortcutFocusReason), true);
  QCOMPARE(tolvar::app::IsOwnFocusMove(Qt::PopupFocusReason), false);
}

void WindowEntryTest::runsUnderTheLocaleItWasAskedFor() {
  if (qEnvironmentVariableIsEmpty("TOLVAR_EXPECT_COMMA_LOCALE")) {
    QSKIP("this run keeps the default locale; the comma-locale run checks it");
  }
  // Qt has set the C library's locale from the environment: the comma.
  QCOMPARE(QString::fromLatin1(std::localeconv()->decimal_point), QStringLiteral(","));
  WindowFixture f;
  f.enter("Text28", QStringLiteral("1.5"));
  QCOMPARE(tolvar::app::EntryValue(f.find<QLineEdit>("Text28")), 1.5);
}

QTEST_MAIN(WindowEntryTest)
#include "window_entry_test.moc"
