// The Smith chart beside the window and "Copy results": the chart follows the
// results on screen, and the panels' menus and shortcuts reach both actions.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QMenu>
#include <QScrollBar>
#include <QTest>
#include <QTimer>

#include "app/smith_chart.h"
#include "window_fixture.h"

class ChartAndCopyTest : public QObject {
  Q_OBJECT

 private slots:
  void chartFollowsTheShiftBar();
  void aResultThatGoesTakesItsMarksAlong();
  void copyResultsPutsThePanelOnTheClipboard();
  void everyPanelOffersBothActions_data();
  void everyPanelOffersBothActions();
};

namespace {

tolvar::app::SmithChart* OpenChart(WindowFixture& f) {
  f.window.findChild<QAction*>(QStringLiteral("actionSmithChart"))->trigger();
  for (QWidget* window : QApplication::topLevelWidgets()) {
    if (window->objectName() == QStringLiteral("SmithChart") && window->isVisible()) {
      return static_cast<tolvar::app::SmithChart*>(window);
    }
  }
  qFatal("the chart did not open");
}

QStringList Legends(const tolvar::app::SmithChart* chart) {
  QStringList legends;
  for (const auto& mark : chart->marks()) {
    legends << mark.legend;
  }
  return legends;
}

const tolvar::app::ChartMark* Mark(const tolvar::app::SmithChart* chart, const QString& legend) {
  for (const auto& mark : chart->marks()) {
    if (mark.legend == legend) {
      return &mark;
    }
  }
  return nullptr;
}

// The worked line run, typed in manual mode.
void EnterWorkedLineRun(WindowFixture& f) {
  f.click("Option11");
  f.setText("Text23", QStringLiteral("100"));
  f.setText("Text24", QStringLiteral("50"));
  f.setText("Text25", QStringLiteral("50"));
  f.setText("Text27", QStringLiteral("0.66"));
  f.setText("Text40", QStringLiteral("2"));
  f.setText("Text26", QStringLiteral("75"));
}

}  // namespace

void ChartAndCopyTest::chartFollowsTheShiftBar() {
  WindowFixture f;
  EnterWorkedLineRun(f);
  auto* chart = OpenChart(f);
  QVERIFY(chart->marks().empty());
  auto* bar = f.find<QScrollBar>("HScroll1");
  for (const int position : {360, 361, 700}) {
    bar->setValue(position);
    const auto* far = Mark(chart, QStringLiteral("Line far point and path"));
    QVERIFY(far != nullptr);
    // The mark's impedance is the one the result shows, to the digit.
    const QString first = f.lines("Text22").value(0);
    const QString shown = first.left(first.indexOf(QStringLiteral("  SWR"))).simplified();
    QCOMPARE(far->description, QStringLiteral("Line far point: ") + shown);
    QVERIFY(chart->accessibleDescription().contains(far->description));
    QVERIFY(far->path.size() > 2);  // the path along the line, ending on the far point
  }
  QCOMPARE(Legends(chart), QStringList({"Line start point", "Line far point and path"}));
}

void ChartAndCopyTest::aResultThatGoesTakesItsMarksAlong() {
  WindowFixture f;
  auto* chart = OpenChart(f);
  f.setText("Text7", QStringLiteral("100"));
  f.click("Command4");
  f.setText("Text30", QStringLiteral("0.2"));
  f.setText("Text33", QStringLiteral("0.9"));
  f.setText("Text38", QStringLiteral("0.9"));
  f.click("Command8");
  QCOMPARE(Legends(chart),
           QStringList({"Load (SWR panel)", "Antenna (tuner panel)", "Tuner RTX port"}));
  QCOMPARE(
      Mark(chart, QStringLiteral("Load (SWR panel)"))->description,
      QStringLiteral("Load: R = 100.00 ohm X = 0.00 ohm against R0 = 50.00 ohm X0 = 0.00 ohm"));
  f.setText("Text8", QStringLiteral("5"));  // the SWR result empties
  QCOMPARE(Legends(chart), QStringList({"Antenna (tuner panel)", "Tuner RTX port"}));
  f.click("Command6");  // the current comparison takes the tuner's result field
  QVERIFY(chart->marks().empty());
  QCOMPARE(chart->accessibleDescription(), QString());
}

void ChartAndCopyTest::copyResultsPutsThePanelOnTheClipboard() {
  WindowFixture f;
  f.activate();
  f.type("Text7", QStringLiteral("100"));
  f.type("Text8", QStringLiteral("0"));
  f.click("Command4");
  f.click("Option13");
  f.find("Text9")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(QApplication::clipboard()->text(),
           QStringLiteral("SWR, Power, Current, Voltage Computation\n"
                          "Measured Z, R ohm: 100\n"
                          "Measured Z, X ohm: 0\n"
                          "Reference Z0, R0 ohm: 50\n"
                          "Reference Z0, X0 ohm: 0\n"
                          "Reference Z0, forward power W: 100\n"
                          "SWR = 2.000 Ret.Loss = 9.542 Refl.Pwr. = 11.111\n"
                          "Reflection Coeff. (Gamma or S11) = +0.3333 + i0.0000\n"
                          "Reflection Coefficent Magnitude (rho) = 0.3333\n"
                          "Angle of Reflection Coeff. (Gamma Phase) = 0.0\u00b0\n"
                          "Admittance = 0.010 + J0.000 S\n"));
  // A voltage carries the kind chosen for it.
  f.type("Text9", QStringLiteral("141.42"));
  f.click("Command1");
  f.find("Text9")->setFocus(Qt::TabFocusReason);
  QTest::keyClick(QApplication::focusWidget(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  const QStringList lines = QApplication::clipboard()->text().split(QLatin1Char('\n'));
  QCOMPARE(lines.mid(3, 2),
           QStringList({"Voltage, to compute power and current (Vp): 141.42",
                        "Power and current from voltage, result: " + f.text("Text2")}));
}

void ChartAndCopyTest::everyPanelOffersBothActions_data() {
  QTest::addColumn<QString>("target");
  QTest::addColumn<QString>("heading");
  QTest::newRow("a disabled result field") << "Text4"
                                           << "SWR, Power, Current, Voltage Computation";
  QTest::newRow("an option panel over the window") << "Frame3"
                                                   << "SWR, Power, Current, Voltage Computation";
  QTest::newRow("an entry field, after its own menu") << "Text30"
                                                      << "Input - Output Comparison";
  QTest::newRow("the line result") << "Text22"
                                   << "Transmission Lines Voltage, Current and SWR. Max Freq.: "
                                      "150 MHz";
}

void ChartAndCopyTest::everyPanelOffersBothActions() {
  QFETCH(QString, target);
  QFETCH(QString, heading);
  WindowFixture f;
  f.activate();
  f.find("Text7")->setFocus(Qt::TabFocusReason);  // the focus is in another panel
  QStringList offered;
  QTimer::singleShot(0, &f.window, [&] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) {
      return;
    }
    for (QAction* action : menu->actions()) {
      if (action->objectName().startsWith(QStringLiteral("action"))) {
        offered << action->objectName() + QLatin1Char(' ') +
                       action->shortcut().toString(QKeySequence::PortableText);
      }
    }
    // The right-clicked panel is copied, not the one with the focus.
    f.window.findChild<QAction*>(QStringLiteral("actionCopyResults"))->trigger();
    menu->close();
  });
  QWidget* widget = f.find(target.toLatin1().constData());
  QContextMenuEvent event(QContextMenuEvent::Mouse, QPoint(2, 2),
                          widget->mapToGlobal(QPoint(2, 2)));
  QApplication::sendEvent(widget, &event);
  QCOMPARE(offered,
           QStringList({"actionSmithChart Ctrl+Shift+G", "actionCopyResults Ctrl+Shift+C"}));
  QCOMPARE(QApplication::clipboard()->text().section(QLatin1Char('\n'), 0, 0), heading);
}

QTEST_MAIN(ChartAndCopyTest)
#include "chart_and_copy_test.moc"
