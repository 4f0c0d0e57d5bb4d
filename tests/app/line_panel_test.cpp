// The transmission-line panel driven through its own widgets: cable box, modes,
// line fields, cycles, direction, the shift bar and the power swap.
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTest>

#include "app/fields.h"
#include "app/messages.h"
#include "window_fixture.h"

class LinePanelTest : public QObject {
  Q_OBJECT

 private slots:
  void cableBoxLooksUpExactlyOnEveryKeystroke();
  void catalogueShowsLossAtTheFrequencyOnScreen();
  void leavingTheCableBoxRefreshes();
  void manualModeEmptiesAndOpensTheLineFields();
  void leavingFrequencyOrVelocityFactorRefreshesTheRange();
  void workedRunTowardsTheTransmitter();
  void workedRunTowardsTheAntenna();
  void matchedStartAndSliderEnds();
  void zeroEntriesAreWarnedInOrder();
  void autoModeRewritesTheLineFields();
  void unreliableLabelFollowsEachRun();
  void directionOptionsMoveTheBar();
  void cyclesBoxTakesEffectOnTheNextRun();
  void focusingTheBarComputesAndResetsTheHighlight();
  void aBoxShownWhileTheBarHasFocusRunsNothingAgain();
  void powerSwapMovesThePowerToTheOtherEnd();
  void swapWithoutACompletedRunIsAPlainRun();
  void entrySwrTooHighAndFaults();
  void draggingUpdatesEveryStep();

 private:
  static QScrollBar* bar(WindowFixture& f) { return f.find<QScrollBar>("HScroll1"); }
  // The worked run's entries, typed in "dB/100 mtrs." mode.
  static void typeWorkedRun(WindowFixture& f, const char* rtxZ) {
    f.click("Option11");
    f.type("Text25", QStringLiteral("50"));
    f.type("Text27", QStringLiteral("0.66"));
    f.type("Text40", QStringLiteral("2"));
    f.type("Text23", QStringLiteral("100"));
    f.type("Text24", QStringLiteral("50"));
    f.enter("Text26", QString::fromLatin1(rtxZ));
  }
};

void LinePanelTest::cableBoxLooksUpExactlyOnEveryKeystroke() {
  WindowFixture f;
  auto* box = f.find<QComboBox>("Combo2");
  box->lineEdit()->selectAll();
  QTest::keyClicks(box->lineEdit(), QStringLiteral("rg-58 (generic)"));
  // No match: the previous cable (entry 0) stays and its data are shown.
  QCOMPARE(f.text("Text25"), QStringLiteral("50.0"));
  QCOMPARE(f.text("Text27"), QStringLiteral("0.870"));
  box->lineEdit()->selectAll();
  QTest::keyClicks(box->lineEdit(), QStringLiteral("RG-58 (generic"));
  QCOMPARE(f.text("Text27"), QStringLiteral("0.870"));  // a partial name changes nothing
  QTest::keyClicks(box->lineEdit(), QStringLiteral(")"));
  QCOMPARE(f.text("Text25"), QStringLiteral("50.0"));
  QCOMPARE(f.text("Text27"), QStringLiteral("0.660"));
  QCOMPARE(f.text("Text40"), QStringLiteral("5.6"));
  box->setCurrentIndex(16);  // picked from the list
  QCOMPARE(f.text("Text25"), QStringLiteral("75.0"));
  QCOMPARE(f.text("Text27"), QStringLiteral("0.670"));
  QCOMPARE(f.text("Text40"), QStringLiteral("0.0"));
}

void LinePanelTest::leavingTheCableBoxRefreshes() {
  WindowFixture f;
  f.activate();
  f.find("Combo2")->setFocus(Qt::MouseFocusReason);
  f.setText("Text40", QStringLiteral("9.9"));
  f.setText("Text22", QStringLiteral("old result"));
  f.find("Text23")->setFocus(Qt::MouseFocusReason);
  QCOMPARE(f.text("Text22"), QString());
  QCOMPARE(f.text("Text40"), QStringLiteral("3.1"));
}

void LinePanelTest::catalogueShowsLossAtTheFrequencyOnScreen() {
  WindowFixture f;
  auto* box = f.find<QComboBox>("Combo2");
  box->setCurrentIndex(1);
  box->setCurrentIndex(0);
  QCOMPARE(f.text("Text40"), QStringLiteral("3.1"));  // entry 0 at 14.000 MHz
  f.enter("Text28", QStringLiteral("0"));
  box->setCurrentIndex(34);  // Belden 8259: a negative loss at 0 MHz, shown as it is
  QCOMPARE(f.text("Text40"), QStringLiteral("-0.4"));
  f.setText("Text28", QStringLiteral("-14"));  // only pasting brings a minus here
  box->setCurrentIndex(17);
  QCOMPARE(f.text("Text40"), QStringLiteral("-0.4"));  // no loss below 0 MHz: kept
  QCOMPARE(f.text("Text25"), QStringLiteral("50.0"));
}

void LinePanelTest::manualModeEmptiesAndOpensTheLineFields() {
  WindowFixture f;
  f.setText("Text22", QStringLiteral("old result"));
  f.click("Option11");
  for (const char* name : {"Text25", "Text27", "Text40", "Text22"}) {
    QVERIFY2(f.text(name).isEmpty(), name);
  }
  for (const char* name : {"Text25", "Text27", "Text40"}) {
    QVERIFY2(f.find(name)->isEnabled(), name);
  }
  f.click("Option16");
  for (const char* name : {"Text25", "Text27", "Text40"}) {
    QVERIFY2(!f.find(name)->isEnabled(), name);
  }
  QCOMPARE(f.text("Text25"), QStringLiteral("50.0"));
  QCOMPARE(f.text("Text27"), QStringLiteral("0.870"));
  QCOMPARE(f.text("Text40"), QStringLiteral("3.1"));
}

void LinePanelTest::leavingFrequencyOrVelocityFactorRefreshesTheRange() {
  WindowFixture f;
  f.activate();
  f.click("Option11");
  f.type("Text27", QStringLiteral("0.66"));
  f.leave("Text27");
  QCOMPARE(f.text("Text41"), QStringLiteral("0.00 - 7.07 mtrs."));
  QVERIFY(f.find("Text22")->font().bold());
  f.enter("Text28", QStringLiteral("150"));
  f.leave("Text28");
  QVERIFY(f.find<QLabel>("Label36")->isHidden());
  f.enter("Text28", QStringLiteral("150.001"));
  f.leave("Text28");
  QVERIFY(!f.find<QLabel>("Label36")->isHidden());
  f.enter("Text28", QStringLiteral("14"));
  f.leave("Text28");
  QVERIFY(!f.find<QLabel>("Label36")->isHidden());  // the next run decides
  const QString range = f.text("Text41");
  f.enter("Text28", QStringLiteral("0"));
  f.leave("Text28");
  QCOMPARE(f.text("Text41"), range);  // no range for 0 MHz: the last one stays
  QVERIFY(f.boxes.boxes.isEmpty());
}

void LinePanelTest::workedRunTowardsTheTransmitter() {
  WindowFixture f;
  typeWorkedRun(f, "75");
  bar(f)->setValue(360);
  QCOMPARE(f.lines("Text22"),
           QStringList({"R = 20.36 ohm  X = -9.93 ohm  SWR 50ohm=2.57 SWR 75ohm=3.75",
                        "V = 50.82Vrms 71.87Vp 143.73Vpp I = 2.24A PWR = 102.45W",
                        "Shift=+90.00\u00b0 +0.250 lambda 3.53m loss=0.07(ML)+0.03(SWRL)=0.11dB",
                        "Rp = 25.20 ohm Xp = -51.65 ohm open-end stub: 5.34m shorted: 1.80m"}));
  QCOMPARE(f.text("Text41"), QStringLiteral("0.00 - 7.07 mtrs."));
  QVERIFY(f.find("Text22")->font().bold());
  f.enter("Text26", QStringLiteral("50"));
  QCOMPARE(f.text("Text22"), QString());  // a changed entry empties the result
  QTest::keyClick(bar(f), Qt::Key_Right);
  QTest::keyClick(bar(f), Qt::Key_Left);
  QCOMPARE(f.lines("Text22").value(0), QStringLiteral("R = 20.36 ohm  X = -9.93 ohm  SWR = 2.57"));
  QVERIFY(f.boxes.boxes.isEmpty());
}

void LinePanelTest::workedRunTowardsTheAntenna() {
  WindowFixture f;
  typeWorkedRun(f, "50");
  f.click("Option9");
  QCOMPARE(bar(f)->value(), 720);
  bar(f)->setValue(360);
  QCOMPARE(f.lines("Text22"),
           QStringList({"R = 19.64 ohm  X = -10.06 ohm  SWR = 2.67",
                        "V = 49.19Vrms 69.56Vp 139.13Vpp I = 2.23A PWR = 97.57W",
                        "Shift=-90.00\u00b0 -0.250 lambda 3.53m loss=0.07(ML)+0.04(SWRL)=0.11dB",
                        "Rp = 24.80 ohm Xp = -48.39 ohm open-end stub: 5.26m shorted: 1.73m"}));
}

void LinePanelTest::matchedStartAndSliderEnds() {
  WindowFixture f;
  typeWorkedRun(f, "50");
  f.enter("Text23", QStringLiteral("50"));
  f.enter("Text24", QStringLiteral("0"));
  f.click("Option9");
  bar(f)->setValue(0);
  const QStringList lines = f.lines("Text22");
  QCOMPARE(lines.value(0), QStringLiteral("R = 50.00 ohm  X = 0.00 ohm  SWR = 1.00"));
  QVERIFY(lines.value(2).startsWith(QStringLiteral("Shift=-180.00\u00b0 -0.500 lambda 7.07m")));
  QCOMPARE(lines.value(3),
           QStringLiteral("Rp = 50.00 ohm Xp > 9999 ohm open-end stub: 0.00m shorted: 3.53m"));
  QVERIFY(f.find<QLabel>("Label36")->isHidden());
  f.click("Option10");
  bar(f)->setValue(720);
  QVERIFY(f.lines("Text22").value(2).startsWith(QStringLiteral("Shift=+180.00\u00b0 ")));
}

void LinePanelTest::zeroEntriesAreWarnedInOrder() {
  WindowFixture f;
  f.click("Option11");
  for (const char* name : {"Text26", "Text28", "Text29"}) {
    f.enter(name, QString());
  }
  bar(f)->setValue(100);
  QStringList titles;
  for (const auto& box : f.boxes.boxes) {
    titles << box.title;
  }
  QCOMPARE(titles, QStringList({"Resistance", "Line Impedence", "RTX Impedence", "Velocity Factor",
                                "Frequency", "Power"}));
  QCOMPARE(f.boxes.boxes[1].text, QStringLiteral("Line Impedence cannot be 0!"));
  QCOMPARE(f.boxes.boxes[3].text, QStringLiteral("Velocity Factor cannot be 0!"));
  for (const char* name : {"Text23", "Text25", "Text26", "Text27", "Text28", "Text29"}) {
    QCOMPARE(f.text(name), QStringLiteral("0.001"));
  }
  QCOMPARE(f.lines("Text22").size(), 4);
}

void LinePanelTest::autoModeRewritesTheLineFields() {
  WindowFixture f;
  f.type("Text23", QStringLiteral("50"));
  f.setText("Text27", QStringLiteral("0"));
  f.find<QComboBox>("Combo2")->lineEdit()->setText(QStringLiteral("no such cable"));
  bar(f)->setValue(4);
  QVERIFY(f.boxes.boxes.isEmpty());  // the catalogue, not the field, gives the line data
  QCOMPARE(f.text("Text25"), QStringLiteral("50.0"));
  QCOMPARE(f.text("Text27"), QStringLiteral("0.870"));
  QCOMPARE(f.text("Text40"), QStringLiteral("3.1"));
  QCOMPARE(f.lines("Text22").value(0), QStringLiteral("R = 50.00 ohm  X = 0.00 ohm  SWR = 1.00"));
}

void LinePanelTest::unreliableLabelFollowsEachRun() {
  WindowFixture f;
  auto* label = f.find<QLabel>("Label36");
  f.type("Text23", QStringLiteral("1251"));
  bar(f)->setValue(10);
  QVERIFY(!label->isHidden());
  QVERIFY(label->font().bold());
  f.enter("Text23", QStringLiteral("1249"));
  bar(f)->setValue(11);
  QVERIFY(label->isHidden());
  f.enter("Text28", QStringLiteral("200"));
  bar(f)->setValue(12);
  QVERIFY(!label->isHidden());  // a run never hides it above 150 MHz
  f.enter("Text28", QStringLiteral("14"));
  bar(f)->setValue(13);
  QVERIFY(label->isHidden());
}

void LinePanelTest::directionOptionsMoveTheBar() {
  WindowFixture f;
  f.type("Text23", QStringLiteral("100"));
  f.click("Option10");  // bar 0 -> 1: one run
  QCOMPARE(bar(f)->value(), 1);
  QVERIFY(!f.text("Text22").isEmpty());
  f.click("Option10");  // already at 1: only empties the result
  QCOMPARE(f.text("Text22"), QString());
  bar(f)->setValue(0);
  f.find<QComboBox>("Combo1")->setCurrentIndex(1);
  f.click("Option9");
  QCOMPARE(bar(f)->value(), 720);
  QVERIFY(f.lines("Text22").value(2).startsWith(QStringLiteral("Shift=-0.00\u00b0 -0.500 lambda")));
}

void LinePanelTest::cyclesBoxTakesEffectOnTheNextRun() {
  WindowFixture f;
  f.activate();
  f.type("Text23", QStringLiteral("100"));
  f.find<QComboBox>("Combo2")->setCurrentIndex(15);  // 50 ohm ideal lossless line, VF 0.670
  bar(f)->setValue(100);
  QCOMPARE(f.text("Text41"), QStringLiteral("0.00 - 7.18 mtrs."));
  f.find<QComboBox>("Combo1")->setCurrentIndex(2);
  f.find("Combo1")->setFocus(Qt::TabFocusReason);
  f.find("Text23")->setFocus(Qt::MouseFocusReason);  // leaving it, not into the shift bar
  QCOMPARE(f.text("Text41"), QStringLiteral("0.00 - 7.18 mtrs."));
  QCOMPARE(f.text("Text22"), QString());
  bar(f)->setValue(101);
  QCOMPARE(f.text("Text41"), QStringLiteral("14.36 - 21.54 mtrs."));
  QVERIFY(
      f.lines("Text22").value(2).startsWith(QStringLiteral("Shift=+25.25\u00b0 +1.070 lambda")));
  f.find<QComboBox>("Combo1")->setCurrentIndex(39);
  bar(f)->setValue(102);
  QCOMPARE(f.text("Text41"), QStringLiteral("279.96 - 287.14 mtrs."));
}

void LinePanelTest::focusingTheBarComputesAndResetsTheHighlight() {
  WindowFixture f;
  f.activate();
  f.type("Text23", QStringLiteral("100"));
  tolvar::app::SetHighlighted(f.find("Text29"), true);
  f.find("Text26")->setFocus(Qt::TabFocusReason);
  f.setText("Text22", QString());
  QTest::keyClick(f.find("Text26"), Qt::Key_Tab);
  QCOMPARE(QApplication::focusWidget(), f.find("Option16"));
  f.find("HScroll1")->setFocus(Qt::TabFocusReason);  // gained: a run
  QVERIFY(!f.text("Text22").isEmpty());
  QCOMPARE(f.find("Text29")->palette().color(QPalette::Base),
           QApplication::palette(f.find("Text29")).color(QPalette::Base));
  f.setText("Text22", QString());
  QTest::keyClick(f.find("HScroll1"), Qt::Key_Tab);  // lost: another run
  QVERIFY(!f.text("Text22").isEmpty());
}

void LinePanelTest::aBoxShownWhileTheBarHasFocusRunsNothingAgain() {
  WindowFixture f;
  f.activate();
  f.find("Option16")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(f.find("Option16"), Qt::Key_Tab);  // into the cycles box
  QTest::keyClick(f.find("Combo1"), Qt::Key_Tab);    // into the shift bar: a run, a box
  QCOMPARE(f.boxes.boxes.size(), 1);
  QCOMPARE(f.boxes.boxes[0].text, QStringLiteral("Resistance cannot be 0!"));
  f.activate();  // the box closed: the focus comes back to the bar
  QCOMPARE(QApplication::focusWidget(), f.find("HScroll1"));
  QCOMPARE(f.boxes.boxes.size(), 1);
  QCOMPARE(f.text("Text23"), QStringLiteral("0.001"));
  QCOMPARE(f.lines("Text22").size(), 4);
}

void LinePanelTest::powerSwapMovesThePowerToTheOtherEnd() {
  WindowFixture f;
  typeWorkedRun(f, "75");
  bar(f)->setValue(360);
  QVERIFY(f.lines("Text22").value(1).endsWith(QStringLiteral("PWR = 102.45W")));
  f.click("Command9");
  QCOMPARE(f.text("Text29"), QStringLiteral("97.6"));
  const QPalette highlighted = f.find("Text29")->palette();
  QCOMPARE(highlighted.color(QPalette::Base), highlighted.color(QPalette::Highlight));
  QVERIFY(f.lines("Text22").value(1).endsWith(QStringLiteral("PWR = 100.00W")));
  // A second swap does not undo the first: 97.6 W now becomes the far-point power.
  f.click("Command9");
  QCOMPARE(f.text("Text29"), QStringLiteral("95.3"));
  QVERIFY(f.lines("Text22").value(1).endsWith(QStringLiteral("PWR = 97.60W")));
  QTest::keyClick(bar(f), Qt::Key_Right);
  QCOMPARE(f.find("Text29")->palette().color(QPalette::Base),
           QApplication::palette(f.find("Text29")).color(QPalette::Base));
}

void LinePanelTest::swapWithoutACompletedRunIsAPlainRun() {
  WindowFixture f;
  f.type("Text23", QStringLiteral("100"));
  f.click("Command9");
  QCOMPARE(f.text("Text29"), QStringLiteral("100"));
  QCOMPARE(f.find("Text29")->palette().color(QPalette::Base),
           QApplication::palette(f.find("Text29")).color(QPalette::Base));
  QVERIFY(f.lines("Text22").value(1).contains(QStringLiteral("PWR = ")));
}

void LinePanelTest::entrySwrTooHighAndFaults() {
  WindowFixture f;
  f.click("Option11");
  f.type("Text25", QStringLiteral("50"));
  f.type("Text27", QStringLiteral("0.66"));
  f.type("Text40", QStringLiteral("42.5"));  // about 3 dB over half a wave
  f.type("Text23", QStringLiteral("2500"));
  f.click("Option9");
  bar(f)->setValue(0);
  QCOMPARE(f.text("Text22"),
           QStringLiteral("INVALID DATA: ENTRY SWR TOO HIGH (Reflected Power from the Antenna "
                          "would be higher than Forward Power to the Antenna)!"));
  QCOMPARE(f.text("Text41"), QStringLiteral("0.00 - 7.07 mtrs."));
  // No far-point power to swap with: a plain run.
  f.click("Command9");
  QCOMPARE(f.text("Text29"), QStringLiteral("100"));
  // A negative loss takes the total-loss formula out of its domain.
  f.setText("Text40", QStringLiteral("-50"));  // pasted: the field takes no minus key
  f.click("Option10");
  bar(f)->setValue(700);
  QCOMPARE(f.text("Text22"), tolvar::app::ToQString(tolvar::app::kFaultSentence));
}

void LinePanelTest::draggingUpdatesEveryStep() {
  WindowFixture f;
  f.type("Text23", QStringLiteral("75"));
  f.type("Text24", QStringLiteral("-20"));
  for (int v = 1; v <= 720; ++v) {
    bar(f)->setValue(v);
    const QString angle = QStringLiteral("Shift=+%1\u00b0 ").arg(v / 4.0, 0, 'f', 2);
    QVERIFY2(f.lines("Text22").value(2).startsWith(angle), qPrintable(f.lines("Text22").value(2)));
  }
}

QTEST_MAIN(LinePanelTest)
#include "line_panel_test.moc"
