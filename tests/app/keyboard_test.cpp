// The keyboard does what the mouse does: access keys run the leave rules first,
// every character that reaches an entry field is judged however it arrives, and
// Tab enters an option group on its selected option.
#include <QAbstractButton>
#include <QApplication>
#include <QInputMethodEvent>
#include <QLineEdit>
#include <QRadioButton>
#include <QTest>

#include "window_fixture.h"

class KeyboardTest : public QObject {
  Q_OBJECT

 private slots:
  void accessKeyRunsTheLeaveRuleBeforeItsButton();
  void accessKeyIsCancelledByAnOutOfRangeField();
  void accessKeyRefreshesTheLineDataFirst();
  void modifiedKeysPassTheKeyFilter_data();
  void modifiedKeysPassTheKeyFilter();
  void inputMethodTextPassesTheKeyFilter_data();
  void inputMethodTextPassesTheKeyFilter();
  void tabEntersAnOptionGroupOnItsSelectedOption_data();
  void tabEntersAnOptionGroupOnItsSelectedOption();
};

namespace {

// Moves into the field as Tab does (running the leave rule of the field left)
// and types the keys.
void TypeInto(WindowFixture& f, const char* name, const QString& keys) {
  f.find(name)->setFocus(Qt::TabFocusReason);
  QTest::keyClicks(f.find(name), keys);
}

void PressAccessKey(Qt::Key key) {
  QTest::keyClick(QApplication::focusWidget(), key, Qt::AltModifier);
}

}  // namespace

void KeyboardTest::accessKeyRunsTheLeaveRuleBeforeItsButton() {
  WindowFixture f;
  f.activate();
  TypeInto(f, "Text30", QStringLiteral("0.2"));
  TypeInto(f, "Text34", QStringLiteral("0.1"));
  TypeInto(f, "Text36", QStringLiteral("0.1"));
  TypeInto(f, "Text37", QStringLiteral("0.05"));
  TypeInto(f, "Text31", QStringLiteral("0.05"));
  TypeInto(f, "Text35", QStringLiteral("0.1"));
  TypeInto(f, "Text33", QStringLiteral("0.85"));
  TypeInto(f, "Text32", QStringLiteral("-0.3"));
  PressAccessKey(Qt::Key_L);
  QCOMPARE(f.text("Text39"), QStringLiteral("-0.3"));
  QTRY_COMPARE(f.lines("Text5").value(0),
               QStringLiteral("Tuner Insertion Loss = 0.7758 dB (16.36 %)"));
  QVERIFY(f.boxes.boxes.isEmpty());
}

void KeyboardTest::accessKeyIsCancelledByAnOutOfRangeField() {
  WindowFixture f;
  f.activate();
  int presses = 0;
  QObject::connect(f.find<QAbstractButton>("Command8"), &QAbstractButton::clicked, &f.window,
                   [&] { ++presses; });
  TypeInto(f, "Text30", QStringLiteral("1.5"));
  PressAccessKey(Qt::Key_L);
  QCOMPARE(f.boxes.boxes.size(), 1);
  QCOMPARE(f.boxes.boxes[0].title, QStringLiteral("Invalid S. Ant. real part"));
  QCOMPARE(f.text("Text30"), QString());
  QCOMPARE(f.window.focusWidget(), f.find("Text30"));  // back where the user was typing
  QTest::qWait(300);                                   // longer than a button's animated click
  QCOMPARE(presses, 0);
  QCOMPARE(f.text("Text5"), QString());
}

void KeyboardTest::accessKeyRefreshesTheLineDataFirst() {
  WindowFixture f;
  f.activate();
  f.setText("Text23", QStringLiteral("100"));
  f.setText("Text24", QStringLiteral("50"));
  f.find<QAbstractButton>("Option9")->click();  // a complete run to swap with
  QStringList writes;
  for (const char* name : {"Text41", "Text29"}) {
    QObject::connect(f.find<QLineEdit>(name), &QLineEdit::textChanged, &f.window,
                     [&writes, name] { writes << QString::fromLatin1(name); });
  }
  f.find<QLineEdit>("Text28")->selectAll();
  TypeInto(f, "Text28", QStringLiteral("7"));
  PressAccessKey(Qt::Key_W);
  QTRY_COMPARE(writes, QStringList({"Text41", "Text29"}));
  QVERIFY(f.text("Text41").startsWith(QStringLiteral("0.00 - 18.64")));
}

void KeyboardTest::modifiedKeysPassTheKeyFilter_data() {
  QTest::addColumn<QString>("field");
  QTest::addColumn<int>("key");
  QTest::addColumn<int>("modifiers");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<int>("commaBoxes");
  QTest::newRow("Alt+b, a letter")
      << "Text7" << int(Qt::Key_B) << int(Qt::AltModifier) << "12" << 0;
  QTest::newRow("Super+y, a letter")
      << "Text8" << int(Qt::Key_Y) << int(Qt::MetaModifier) << "12" << 0;
  QTest::newRow("AltGr+e, a letter")
      << "Text8" << int(Qt::Key_E) << int(Qt::GroupSwitchModifier) << "12" << 0;
  QTest::newRow("Ctrl+Alt+e, a letter")
      << "Text8" << int(Qt::Key_E) << int(Qt::ControlModifier | Qt::AltModifier) << "12" << 0;
  QTest::newRow("Alt+comma warns")
      << "Text8" << int(Qt::Key_Comma) << int(Qt::AltModifier) << "12" << 1;
  QTest::newRow("Alt+5, a digit") << "Text7" << int(Qt::Key_5) << int(Qt::AltModifier) << "125"
                                  << 0;
  QTest::newRow("Super+minus in a signed field")
      << "Text8" << int(Qt::Key_Minus) << int(Qt::MetaModifier) << "12-" << 0;
  QTest::newRow("Alt+minus in a short field")
      << "Text7" << int(Qt::Key_Minus) << int(Qt::AltModifier) << "12" << 0;
}

void KeyboardTest::modifiedKeysPassTheKeyFilter() {
  QFETCH(QString, field);
  QFETCH(int, key);
  QFETCH(int, modifiers);
  QFETCH(QString, expected);
  QFETCH(int, commaBoxes);
  WindowFixture f;
  f.activate();
  const QByteArray name = field.toLatin1();
  TypeInto(f, name.constData(), QStringLiteral("12"));
  QTest::keyClick(f.find(name.constData()), static_cast<Qt::Key>(key),
                  static_cast<Qt::KeyboardModifiers>(modifiers));
  QCOMPARE(f.text(name.constData()), expected);
  QCOMPARE(f.boxes.boxes.size(), commaBoxes);
}

void KeyboardTest::inputMethodTextPassesTheKeyFilter_data() {
  QTest::addColumn<QString>("commit");
  QTest::addColumn<QString>("expected");
  QTest::addColumn<int>("commaBoxes");
  QTest::newRow("dead acute + e, dead diaeresis + a")
      << QStringLiteral("\u00e9\u00e4") << "12" << 0;
  QTest::newRow("letters, accent and a comma") << QStringLiteral("x\u00e9,") << "12" << 1;
  QTest::newRow("a comma between digits") << QStringLiteral("3,5") << "1235" << 1;
  QTest::newRow("digits, dot and minus") << QStringLiteral("-4.5") << "12-4.5" << 0;
}

void KeyboardTest::inputMethodTextPassesTheKeyFilter() {
  QFETCH(QString, commit);
  QFETCH(QString, expected);
  QFETCH(int, commaBoxes);
  WindowFixture f;
  f.activate();
  TypeInto(f, "Text24", QStringLiteral("12"));
  QInputMethodEvent composing(QStringLiteral("\u00b4"), {});
  QApplication::sendEvent(f.find("Text24"), &composing);
  QInputMethodEvent committed;
  committed.setCommitString(commit);
  QApplication::sendEvent(f.find("Text24"), &committed);
  QCOMPARE(f.text("Text24"), expected);
  QCOMPARE(f.boxes.boxes.size(), commaBoxes);
}

void KeyboardTest::tabEntersAnOptionGroupOnItsSelectedOption_data() {
  QTest::addColumn<QString>("before");
  QTest::addColumn<QString>("selected");
  QTest::addColumn<QString>("after");
  // The program may select an option without the focus ever visiting it.
  QTest::newRow("voltage kind") << "Text8"
                                << "Option13"
                                << "Text9";
  QTest::newRow("power unit") << "Command1"
                              << "Option7"
                              << "Text10";
  QTest::newRow("input voltage kind") << "Text1"
                                      << "Option3"
                                      << "Text13";
  QTest::newRow("output voltage kind") << "Text17"
                                       << "Option15"
                                       << "Text14";
  QTest::newRow("shift direction at start") << "Command8"
                                            << "Option10"
                                            << "Text23";
  QTest::newRow("line data") << "Text26"
                             << "Option11"
                             << "Combo1";
}

void KeyboardTest::tabEntersAnOptionGroupOnItsSelectedOption() {
  QFETCH(QString, before);
  QFETCH(QString, selected);
  QFETCH(QString, after);
  WindowFixture f;
  f.activate();
  const QByteArray option = selected.toLatin1();
  f.find<QRadioButton>(option.constData())->setChecked(true);
  for (const auto& [from, key] : {std::pair{before, Qt::Key_Tab}, {after, Qt::Key_Backtab}}) {
    f.find(from.toLatin1().constData())->setFocus(Qt::TabFocusReason);
    QTest::keyClick(QApplication::focusWidget(), key);
    QCOMPARE(QApplication::focusWidget(), f.find(option.constData()));
  }
}

QTEST_MAIN(KeyboardTest)
#include "keyboard_test.moc"
