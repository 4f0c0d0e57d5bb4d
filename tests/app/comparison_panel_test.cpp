// The voltage and current comparisons and the tuner insertion loss, driven
// through the window's own widgets.
#include <QAbstractButton>
#include <QApplication>
#include <QLineEdit>
#include <QTest>

#include "app/fields.h"
#include "app/messages.h"
#include "window_fixture.h"

class ComparisonPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void voltageComparison();
  void voltagesClearTheOtherInputsAndWarnAboutZeroResistance();
  void voltageKindOptionsClearTheResult();
  void currentComparison();
  void currentsWithEverythingEmpty();
  void tunerWorkedExample();
  void tunerClearsTheComparisonInputs();
  void tunerMendsAndFaults();
  void antennaRangeCheckOnLeaving();
  void s21IsCopiedIntoS12OnEveryLeave();
  void pressThatLeavesAnOutOfRangeFieldIsDropped();
  void boxesAroundAFieldRunNoRangeCheck();

 private:
  static void typeSide(WindowFixture& f, QStringList values) {
    const char* fields[] = {"Text15", "Text1", "Text16", "Text17"};
    for (int i = 0; i < 4; ++i) {
      f.enter(fields[i], values[i]);
    }
  }
};

void ComparisonPanelTest::voltageComparison() {
  WindowFixture f;
  typeSide(f, {"50", "0", "50", "0"});
  f.type("Text13", QStringLiteral("100"));
  f.type("Text14", QStringLiteral("90"));
  f.click("Command3");
  QCOMPARE(f.lines("Text5"), QStringList({"INPUT = 200.000 W 2.000 A", "OUTPUT = 162.000 W 1.800 A",
                                          "Insertion Loss = 0.915 dB",
                                          "For 100 W PWR IN you get 81.000 W PWR OUT."}));
  QVERIFY(f.find("Text5")->font().bold());
  f.click("Option3");
  f.click("Option6");
  f.click("Command3");
  QCOMPARE(f.lines("Text5").mid(0, 2),
           QStringList({"INPUT = 25.000 W 0.707 A", "OUTPUT = 20.250 W 0.636 A"}));

  typeSide(f, {"50", "30", "50", "0"});
  f.click("Option4");
  f.click("Option15");
  f.enter("Text14", QStringLiteral("110"));
  f.click("Command3");
  QCOMPARE(f.lines("Text5"), QStringList({"INPUT = 147.059 W 1.715 A", "OUTPUT = 121.000 W 1.556 A",
                                          "Insertion Loss = 0.847 dB",
                                          "For 100 W PWR IN you get 82.280 W PWR OUT."}));
  f.type("Text17", QStringLiteral("1"));
  QCOMPARE(f.text("Text5"), QString());
}

void ComparisonPanelTest::voltagesClearTheOtherInputsAndWarnAboutZeroResistance() {
  WindowFixture f;
  for (const char* name : {"Text20", "Text21", "Text30", "Text34", "Text36", "Text37", "Text33",
                           "Text32", "Text31", "Text35", "Text38", "Text39"}) {
    f.type(name, QStringLiteral("0.5"));
  }
  f.click("Command3");
  for (const char* name : {"Text20", "Text21", "Text30", "Text34", "Text36", "Text37", "Text33",
                           "Text32", "Text31", "Text35", "Text38", "Text39"}) {
    QVERIFY2(f.text(name).isEmpty(), name);
  }
  QCOMPARE(f.boxes.boxes.size(), 2);
  QCOMPARE(f.boxes.boxes[0].text, QStringLiteral("Input Resistance cannot be 0!"));
  QCOMPARE(f.boxes.boxes[0].title, QStringLiteral("Input Resistance"));
  QCOMPARE(f.boxes.boxes[1].text, QStringLiteral("Output Resistance cannot be 0!"));
  QCOMPARE(f.boxes.boxes[1].title, QStringLiteral("Output Resistance"));
  QCOMPARE(f.text("Text15"), QStringLiteral("0.001"));
  QCOMPARE(f.text("Text16"), QStringLiteral("0.001"));
  QCOMPARE(f.text("Text5"), QStringLiteral("Insert a proper Voltage value!"));
}

void ComparisonPanelTest::voltageKindOptionsClearTheResult() {
  WindowFixture f;
  for (const char* option : {"Option4", "Option14", "Option3", "Option5", "Option15", "Option6"}) {
    f.setText("Text5", QStringLiteral("old result"));
    f.click(option);
    QVERIFY2(f.text("Text5").isEmpty(), option);
  }
}

void ComparisonPanelTest::currentComparison() {
  WindowFixture f;
  typeSide(f, {"50", "0", "50", "0"});
  f.type("Text13", QStringLiteral("100"));
  f.type("Text20", QStringLiteral("2"));
  f.type("Text21", QStringLiteral("1.8"));
  f.click("Command6");
  QCOMPARE(
      f.lines("Text5"),
      QStringList({"INPUT = 200.000 W 100.000 Vrms", "OUTPUT = 162.000 W 90.000 Vrms",
                   "Insertion Loss = 0.915 dB", "For 100 W PWR IN you get 81.000 W PWR OUT."}));
  QCOMPARE(f.text("Text13"), QString());
  typeSide(f, {"25", "25", "50", "0"});
  f.enter("Text21", QStringLiteral("1.9"));
  f.click("Command6");
  QCOMPARE(f.lines("Text5"),
           QStringList({"INPUT = 100.000 W 70.711 Vrms", "OUTPUT = 180.500 W 95.000 Vrms",
                        "Gain = 2.565 dB", "For 100 W PWR IN you get 180.500 W PWR OUT."}));
}

void ComparisonPanelTest::currentsWithEverythingEmpty() {
  WindowFixture f;
  f.click("Command6");
  QCOMPARE(f.boxes.boxes.size(), 2);
  QCOMPARE(f.text("Text5"), QStringLiteral("Insert a proper current value!"));
}

void ComparisonPanelTest::tunerWorkedExample() {
  WindowFixture f;
  f.activate();
  f.type("Text30", QStringLiteral("0.2"));
  f.leave("Text30");
  f.type("Text34", QStringLiteral("0.1"));
  f.type("Text36", QStringLiteral("0.1"));
  f.type("Text33", QStringLiteral("0.9"));
  f.leave("Text33");
  QCOMPARE(f.text("Text38"), QStringLiteral("0.9"));
  f.type("Text31", QStringLiteral("0.1"));
  f.click("Command8");
  QCOMPARE(f.lines("Text5"), QStringList({"Tuner Insertion Loss = 0.6147 dB (13.20 %)",
                                          "a1 = (1.0000 +i0.0000) a2 = (0.1827 +i0.0937)",
                                          "b1 = (0.2644 +i0.0843) b2 = (0.9183 +i0.0094)",
                                          "Z = 73.08 + J15.38 SWR = 1.576"}));
  QVERIFY(f.find("Text5")->font().bold());
  QVERIFY(f.boxes.boxes.isEmpty());
}

void ComparisonPanelTest::tunerClearsTheComparisonInputs() {
  WindowFixture f;
  for (const char* name : {"Text13", "Text14", "Text20", "Text21"}) {
    f.type(name, QStringLiteral("5"));
  }
  f.type("Text15", QStringLiteral("50"));
  f.click("Command8");
  for (const char* name : {"Text13", "Text14", "Text20", "Text21"}) {
    QVERIFY2(f.text(name).isEmpty(), name);
  }
  QCOMPARE(f.text("Text15"), QStringLiteral("50"));
  // The first press with every S-parameter empty has no power to compare.
  QCOMPARE(f.text("Text5"), QStringLiteral("Invalid Data: check all the S- Parameters."));
}

void ComparisonPanelTest::tunerMendsAndFaults() {
  WindowFixture f;
  f.type("Text30", QStringLiteral("0.6"));
  f.type("Text34", QStringLiteral("0.8"));
  f.type("Text33", QStringLiteral("0.9"));
  f.type("Text38", QStringLiteral("0.9"));
  f.click("Command8");
  QCOMPARE(f.text("Text5"), QStringLiteral("Invalid Data: check all the S- Parameters."));
  f.enter("Text30", QStringLiteral("0.5"));
  f.enter("Text34", QString());
  f.enter("Text31", QStringLiteral("2"));  // S22 * S Ant. = 1
  f.click("Command8");
  QCOMPARE(f.text("Text5"), tolvar::app::ToQString(tolvar::app::kFaultSentence));
}

void ComparisonPanelTest::antennaRangeCheckOnLeaving() {
  WindowFixture f;
  f.activate();
  f.type("Text30", QStringLiteral("0.5"));
  f.leave("Text30");
  QVERIFY(f.boxes.boxes.isEmpty());
  for (const char* bad : {"1", "-1", "1.2"}) {
    f.enter("Text30", QString::fromLatin1(bad));
    f.setText("Text5", QStringLiteral("old result"));
    f.leave("Text30");
    f.activate();
    QCOMPARE(f.boxes.boxes.last().text, QStringLiteral("R is a number > -1 and < 1"));
    QCOMPARE(f.boxes.boxes.last().title, QStringLiteral("Invalid S. Ant. real part"));
    QCOMPARE(f.text("Text30"), QString());
    QCOMPARE(f.text("Text5"), QString());
  }
  const auto boxes = f.boxes.boxes.size();
  f.enter("Text34", QStringLiteral("-0.999"));
  f.leave("Text34");
  QCOMPARE(f.boxes.boxes.size(), boxes);
  f.enter("Text34", QStringLiteral("-1"));
  f.leave("Text34");
  f.activate();
  QCOMPARE(f.boxes.boxes.last().text, QStringLiteral("I is a number > -1 and < 1"));
  QCOMPARE(f.boxes.boxes.last().title, QStringLiteral("Invalid S. Ant. imaginary part"));
  QCOMPARE(f.text("Text34"), QString());
  // Each part alone is checked: 0.9 and 0.9 both pass.
  f.enter("Text30", QStringLiteral("0.9"));
  f.leave("Text30");
  f.enter("Text34", QStringLiteral("0.9"));
  f.leave("Text34");
  QCOMPARE(f.boxes.boxes.size(), boxes + 1);
}

void ComparisonPanelTest::s21IsCopiedIntoS12OnEveryLeave() {
  WindowFixture f;
  f.activate();
  f.type("Text33", QStringLiteral("0.3"));
  f.leave("Text33");
  QCOMPARE(f.text("Text38"), QStringLiteral("0.3"));
  f.enter("Text38", QStringLiteral("0.25"));
  QCOMPARE(f.text("Text38"), QStringLiteral("0.25"));
  f.leave("Text33");
  QCOMPARE(f.text("Text38"), QStringLiteral("0.3"));
  f.type("Text32", QStringLiteral("-0.1"));
  f.leave("Text32");
  QCOMPARE(f.text("Text39"), QStringLiteral("-0.1"));
  f.enter("Text33", QString());
  f.leave("Text33");
  QCOMPARE(f.text("Text38"), QString());
}

void ComparisonPanelTest::pressThatLeavesAnOutOfRangeFieldIsDropped() {
  WindowFixture f;
  f.activate();
  f.type("Text33", QStringLiteral("0.9"));
  f.type("Text38", QStringLiteral("0.9"));
  f.find("Text30")->setFocus(Qt::TabFocusReason);
  f.type("Text30", QStringLiteral("1.5"));
  int presses = 0;
  QObject::connect(f.find<QAbstractButton>("Command8"), &QAbstractButton::clicked, &f.window,
                   [&] { ++presses; });
  f.click("Command8");
  QCOMPARE(f.boxes.boxes.size(), 1);
  QCOMPARE(f.boxes.boxes[0].title, QStringLiteral("Invalid S. Ant. real part"));
  QCOMPARE(f.text("Text30"), QString());
  QCOMPARE(presses, 0);
  QCOMPARE(f.text("Text5"), QString());
  // The next press computes with the emptied field.
  f.activate();
  f.click("Command8");
  QCOMPARE(presses, 1);
  QCOMPARE(f.lines("Text5").value(0), QStringLiteral("Tuner Insertion Loss = 0.9151 dB (19.00 %)"));
}

void ComparisonPanelTest::boxesAroundAFieldRunNoRangeCheck() {
  WindowFixture f;
  f.activate();
  f.find("Text30")->setFocus(Qt::TabFocusReason);
  f.type("Text30", QStringLiteral("5"));
  f.type("Text30", QStringLiteral(","));  // the comma box opens and closes over the field
  QCOMPARE(f.boxes.boxes.size(), 1);
  QCOMPARE(f.boxes.boxes[0].title, QStringLiteral("Decimal Separation"));
  QCOMPARE(f.text("Text30"), QStringLiteral("5"));
}

QTEST_MAIN(ComparisonPanelTest)
#include "comparison_panel_test.moc"
