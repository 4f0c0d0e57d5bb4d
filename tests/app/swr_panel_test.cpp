// The SWR calculator and the power / voltage / current conversions, driven
// through the window's own widgets.
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QTest>

#include "app/fields.h"
#include "app/messages.h"
#include "window_fixture.h"

class SwrPanelTest : public QObject {
  Q_OBJECT

 private slots:
  void swrWorkedExamples_data();
  void swrWorkedExamples();
  void accessKeyRunsTheSwrCalculator();
  void zeroResistancesAreWarnedAndReplaced();
  void missingForwardPower();
  void powerFromVoltage();
  void voltageFromPower();
  void powerFromCurrent();
  void currentWithEmptyResistanceIsWarnedToo();
  void unitOptionsClearTheirResult();
  void overflowingEntryShowsTheFaultSentence();
};

void SwrPanelTest::swrWorkedExamples_data() {
  QTest::addColumn<QStringList>("entries");  // R, X, R0, X0, P
  QTest::addColumn<QStringList>("lines");
  QTest::newRow("100 on 50") << QStringList{"100", "0", "50", "0", "100"}
                             << QStringList{"SWR = 2.000 Ret.Loss = 9.542 Refl.Pwr. = 11.111",
                                            "Reflection Coeff. (Gamma or S11) = +0.3333 + i0.0000",
                                            "Reflection Coefficent Magnitude (rho) = 0.3333",
                                            "Angle of Reflection Coeff. (Gamma Phase) = 0.0\u00b0",
                                            "Admittance = 0.010 + J0.000 S"};
  QTest::newRow("25+j25 on 50") << QStringList{"25", "25", "50", "0", "100"}
                                << QStringList{
                                       "SWR = 2.618 Ret.Loss = 6.990 Refl.Pwr. = 20.000",
                                       "Reflection Coeff. (Gamma or S11) = -0.2000 + i0.4000",
                                       "Reflection Coefficent Magnitude (rho) = 0.4472",
                                       "Angle of Reflection Coeff. (Gamma Phase) = 116.6\u00b0",
                                       "Admittance = 0.020 - J0.020 S"};
  QTest::newRow("matched") << QStringList{"50", "0", "50", "0", "100"}
                           << QStringList{"SWR = 1.000 Ret.Loss = INF. Refl.Pwr. = 0.000",
                                          "Ref.Coef. = 0.000 + i0.000  Ref.Coef.Magn. = 0.000"};
  QTest::newRow("25 on 50") << QStringList{"25", "0", "50", "0", "100"}
                            << QStringList{"SWR = 2.000 Ret.Loss = 9.542 Refl.Pwr. = 11.111",
                                           "Reflection Coeff. (Gamma or S11) = -0.3333 + i0.0000",
                                           "Reflection Coefficent Magnitude (rho) = 0.3333",
                                           "Angle of Reflection Coeff. (Gamma Phase) = 180.0\u00b0",
                                           "Admittance = 0.040 + J0.000 S"};
  QTest::newRow("50+j10 on 50+j10")
      << QStringList{"50", "10", "50", "10", "100"}
      << QStringList{"SWR = 1.000 Ret.Loss = INF. Refl.Pwr. = 0.000",
                     "Ref.Coef. = 0.000 + i0.000  Ref.Coef.Magn. = 0.000"};
}

void SwrPanelTest::swrWorkedExamples() {
  QFETCH(QStringList, entries);
  QFETCH(QStringList, lines);
  WindowFixture f;
  const char* fields[] = {"Text7", "Text8", "Text12", "Text11", "Text6"};
  for (int i = 0; i < 5; ++i) {
    f.enter(fields[i], entries[i]);
  }
  f.click("Command4");
  QCOMPARE(f.lines("Text4"), lines);
  QVERIFY(f.find("Text4")->font().bold());
  QVERIFY(f.boxes.boxes.isEmpty());
  f.type("Text6", QStringLiteral("0"));  // any change of an input empties the result
  QCOMPARE(f.text("Text4"), QString());
}

void SwrPanelTest::accessKeyRunsTheSwrCalculator() {
  WindowFixture f;
  f.activate();
  f.find("Text7")->setFocus();
  f.type("Text7", QStringLiteral("100"));
  QTest::keyClick(f.find("Text7"), Qt::Key_S, Qt::AltModifier);
  QTRY_COMPARE(f.lines("Text4").value(0),
               QStringLiteral("SWR = 2.000 Ret.Loss = 9.542 Refl.Pwr. = 11.111"));
}

void SwrPanelTest::zeroResistancesAreWarnedAndReplaced() {
  WindowFixture f;
  f.enter("Text12", QString());
  for (const char* result : {"Text2", "Text3", "Text19"}) {
    f.setText(result, QStringLiteral("old result"));
  }
  f.click("Command4");
  QCOMPARE(f.boxes.boxes.size(), 2);
  QCOMPARE(f.boxes.boxes[0].text, QStringLiteral("Reference Resistance cannot be 0!"));
  QCOMPARE(f.boxes.boxes[0].title, QStringLiteral("Reference Resistance"));
  QCOMPARE(f.boxes.boxes[1].text, QStringLiteral("Resistance cannot be 0!"));
  QCOMPARE(f.boxes.boxes[1].title, QStringLiteral("Resistance"));
  QCOMPARE(f.text("Text12"), QStringLiteral("0.001"));
  QCOMPARE(f.text("Text7"), QStringLiteral("0.001"));
  for (const char* result : {"Text2", "Text3", "Text19"}) {
    QCOMPARE(f.text(result), QString());
  }
  QCOMPARE(f.lines("Text4").value(0),
           QStringLiteral("SWR = 1.000 Ret.Loss = INF. Refl.Pwr. = 0.000"));
}

void SwrPanelTest::missingForwardPower() {
  WindowFixture f;
  f.type("Text7", QStringLiteral("100"));
  f.enter("Text6", QString());
  f.click("Command4");
  QCOMPARE(f.text("Text4"), QStringLiteral("Insert a proper Forward Power value!"));
  QVERIFY(f.find("Text4")->font().bold());
}

void SwrPanelTest::powerFromVoltage() {
  WindowFixture f;
  f.type("Text7", QStringLiteral("50"));
  f.type("Text8", QStringLiteral("0"));
  f.click("Command4");
  QVERIFY(!f.text("Text4").isEmpty());
  f.type("Text9", QStringLiteral("100"));
  f.click("Command1");
  QCOMPARE(f.text("Text2"), QStringLiteral("200.000W 53.010dBm 2.000A"));
  QVERIFY(f.find("Text2")->font().bold());
  QCOMPARE(f.text("Text6"), QStringLiteral("200.00"));
  QCOMPARE(f.text("Text4"), QString());  // the new forward power cleared it

  f.enter("Text7", QStringLiteral("30"));
  f.enter("Text8", QStringLiteral("40"));
  f.click("Option2");
  f.click("Command1");
  QCOMPARE(f.text("Text2"), QStringLiteral("15.000W 41.761dBm 0.707A"));

  f.enter("Text9", QString());
  f.click("Command1");
  QCOMPARE(f.text("Text2"), QStringLiteral("Insert a proper voltage value!"));
  QCOMPARE(f.text("Text6"), QStringLiteral("0.00"));
}

void SwrPanelTest::voltageFromPower() {
  WindowFixture f;
  f.type("Text7", QStringLiteral("50"));
  f.type("Text10", QStringLiteral("100"));
  f.click("Command2");
  QCOMPARE(f.text("Text3"), QStringLiteral("70.711Vrms 100.000Vp 200.000Vpp 1.414A"));
  QCOMPARE(f.text("Text6"), QStringLiteral("100.00"));
  f.click("Option7");
  QCOMPARE(f.text("Text3"), QString());
  f.enter("Text10", QStringLiteral("50"));
  f.click("Command2");
  QCOMPARE(f.text("Text3"), QStringLiteral("70.711Vrms 100.000Vp 200.000Vpp 1.414A"));
  f.click("Option8");
  f.enter("Text10", QString());
  f.click("Command2");
  QCOMPARE(f.text("Text3"), QStringLiteral("Insert a proper power value!"));
  QCOMPARE(f.text("Text6"), QStringLiteral("0.00"));
}

void SwrPanelTest::powerFromCurrent() {
  WindowFixture f;
  f.type("Text7", QStringLiteral("50"));
  f.type("Text18", QStringLiteral("2"));
  f.click("Command5");
  QCOMPARE(f.text("Text19"), QStringLiteral("200.000W 53.010dBm 100.0Vrms 141.4Vp 282.8Vpp"));
  QVERIFY(f.find("Text19")->font().bold());
  QCOMPARE(f.text("Text6"), QStringLiteral("200.00"));
  f.enter("Text18", QString());
  f.click("Command5");
  QCOMPARE(f.text("Text19"), QStringLiteral("Insert a proper current value!"));
}

void SwrPanelTest::currentWithEmptyResistanceIsWarnedToo() {
  WindowFixture f;
  f.type("Text18", QStringLiteral("2"));
  f.click("Command5");
  QCOMPARE(f.boxes.boxes.size(), 1);
  QCOMPARE(f.boxes.boxes[0].text, QStringLiteral("Resistance cannot be 0!"));
  QCOMPARE(f.text("Text7"), QStringLiteral("0.001"));
  QCOMPARE(f.text("Text19"), QStringLiteral("0.004W 6.021dBm 0.0Vrms 0.0Vp 0.0Vpp"));
}

void SwrPanelTest::unitOptionsClearTheirResult() {
  WindowFixture f;
  f.type("Text7", QStringLiteral("50"));
  f.type("Text9", QStringLiteral("10"));
  f.type("Text10", QStringLiteral("10"));
  f.type("Text18", QStringLiteral("1"));
  f.click("Command1");
  f.click("Command2");
  f.click("Command5");
  const QString power = f.text("Text3");
  f.click("Option1");  // the selected one: a click still empties the result
  QCOMPARE(f.text("Text2"), QString());
  QCOMPARE(f.text("Text3"), power);
  f.click("Command1");
  f.click("Option2");
  QCOMPARE(f.text("Text2"), QString());
  f.click("Option7");
  QCOMPARE(f.text("Text3"), QString());
  QVERIFY(!f.text("Text19").isEmpty());
}

void SwrPanelTest::overflowingEntryShowsTheFaultSentence() {
  WindowFixture f;
  f.setText("Text7", QStringLiteral("1e999"));
  f.click("Command4");
  QCOMPARE(f.text("Text4"), tolvar::app::ToQString(tolvar::app::kFaultSentence));
  f.setText("Text7", QStringLiteral("50"));
  f.setText("Text9", QStringLiteral("1e200"));
  f.click("Command1");
  QCOMPARE(f.text("Text2"), tolvar::app::ToQString(tolvar::app::kFaultSentence));
  QCOMPARE(f.text("Text6"), QStringLiteral("100"));  // nothing after the fault ran
}

QTEST_MAIN(SwrPanelTest)
#include "swr_panel_test.moc"
