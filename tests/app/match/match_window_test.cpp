// The Match window: its designs follow the entries, its chosen network saved
// as a Touchstone 2-port is a tuner like any other, and its texts go out.
#include "app/match/matching.h"
#include "numeric/format.h"
#include "numeric/rf.h"
#include "window_fixture.h"

namespace {

using namespace tolvar;
using namespace tolvar::app;
using C = Control;

QString Shortest(double value) { return ToQString(numeric::ShortestText(value)); }

}  // namespace

class MatchWindowTest : public QObject {
  Q_OBJECT

 private slots:
  void theSavedNetworkIsATunerWithTheWindowsLoss();
  void matchThisTakesThePanelsLoad();
  void aChoiceNotDesignedAgainFallsToTheLowestLoss();
};

void MatchWindowTest::theSavedNetworkIsATunerWithTheWindowsLoss() {
  WindowFixture f;
  f.window.findChild<QAction*>(QStringLiteral("actionDesignMatch"))->trigger();
  auto* match = f.window.findChild<QWidget*>(QStringLiteral("Match"));
  QVERIFY(match != nullptr && match->isVisible());
  const auto entry = [&](const char* name) { return match->findChild<QLineEdit*>(name); };
  // 12.5 - j30 ohm at 7.1 MHz on 50 ohm: below the reference, two L networks
  // with the series part at the load, two with the shunt part there, and the T.
  QTest::keyClicks(entry("MatchLoadR"), QStringLiteral("12,5"));  // the comma is refused
  QCOMPARE(f.watcher.boxes, QStringList(BoxOf(kUseDot)));
  QCOMPARE(entry("MatchLoadR")->text(), QStringLiteral("125"));
  entry("MatchLoadR")->setText(QStringLiteral("12.5"));
  entry("MatchLoadX")->setText(QStringLiteral("-30"));
  entry("MatchMHz")->setText(QStringLiteral("7.1"));
  auto* solutions = match->findChild<QTreeWidget*>(QStringLiteral("MatchSolutions"));
  QCOMPARE(solutions->topLevelItemCount(), 5);
  // Without the T's output capacitor (being retyped) the L networks stay.
  entry("MatchOutputPF")->clear();
  QCOMPARE(solutions->topLevelItemCount(), 4);
  QStringList notes;
  for (const QLabel* label : match->findChildren<QLabel*>()) notes << label->text();
  QVERIFY(notes.contains("No high-pass T: A T network needs an output capacitor above 0 pF."));
  entry("MatchOutputPF")->setText(QStringLiteral("200"));
  QCOMPARE(solutions->topLevelItemCount(), 5);
  QStringList losses;
  for (int i = 0; i < solutions->topLevelItemCount(); ++i) {
    const QString text = solutions->topLevelItem(i)->text(0);
    losses << text.section(QStringLiteral("loss "), 1).section(QLatin1Char(' '), 0, 0);
  }
  QStringList sorted = losses;
  std::sort(sorted.begin(), sorted.end(),
            [](const QString& a, const QString& b) { return a.toDouble() < b.toDouble(); });
  QCOMPARE(losses, sorted);  // lowest loss first
  // The second network, saved and opened as the tuner, with the load as its antenna.
  QTest::mouseClick(solutions->viewport(), Qt::LeftButton, {},
                    solutions->visualItemRect(solutions->topLevelItem(1)).center());
  QVERIFY(solutions->topLevelItem(1)->font(0).bold());
  QTemporaryDir dir;
  const QString path = dir.filePath("network.s2p");
  QVERIFY(f.window.findChild<Matching*>()->saveNetwork(path));
  f.activate();
  QVERIFY(f.window.openMeasurement(path));
  f.window.findChild<QAction*>(QStringLiteral("actionUseAsTuner"))->trigger();
  const numeric::Complex antenna = *numeric::ReflectionOf({12.5, -30}, {50, 0});
  f.setText(C::AntennaRe, Shortest(antenna.re));
  f.setText(C::AntennaIm, Shortest(antenna.im));
  f.click(C::TunerLossButton);
  const QString tunerLoss = f.text(C::ComparisonResult).section(QLatin1Char('='), 1).section(' ', 1, 1);
  QVERIFY2(losses[1].toDouble() > 0, qPrintable(losses.join(' ')));
  QCOMPARE(tunerLoss, losses[1]);
  // The networks and the matched band out as CSV.
  QApplication::clipboard()->clear();
  f.window.findChild<QAction*>(QStringLiteral("actionCopyMatch"))->trigger();
  QCOMPARE(QApplication::clipboard()->text().section('\n', 0, 0),
           QStringLiteral("solution,topology,order,connection,kind,value,unit,reactance_ohm,"
                          "dissipated_W,peak_V,rms_A,network_loss_dB,input_SWR"));
  // At an antenna's 0 Hz the network's capacitors have no finite S-parameters: that point is
  // left out, said so in the comment, and the others saved.
  QFile withDc(dir.filePath("dc.s1p"));
  QVERIFY(withDc.open(QIODevice::WriteOnly) && withDc.write("# MHz S RI R 50\n0 0.1 0\n7 0.2 0\n"));
  withDc.close();
  QVERIFY(f.window.openMeasurement(withDc.fileName()));
  QVERIFY(f.window.findChild<Matching*>()->saveNetwork(path));
  QFile saved(path);
  QVERIFY(saved.open(QIODevice::ReadOnly));
  const QStringList lines = QString::fromUtf8(saved.readAll()).split('\n', Qt::SkipEmptyParts);
  QCOMPARE(lines.size(), 4);
  QCOMPARE(lines[1], QStringLiteral("! 1 frequency without finite S-parameters left out"));
  QVERIFY2(lines[3].startsWith(QStringLiteral("7000000 ")), qPrintable(lines[3]));
  // A band of 0 Hz alone leaves nothing to save: a box says why, before any file dialog.
  QVERIFY(withDc.open(QIODevice::WriteOnly) && withDc.write("# MHz S RI R 50\n0 0.1 0\n"));
  withDc.close();
  QVERIFY(f.window.openMeasurement(withDc.fileName()));
  QVERIFY(!f.window.findChild<Matching*>()->saveNetwork(path));
  f.watcher.boxes.clear();
  f.window.findChild<QAction*>(QStringLiteral("actionSaveMatchNetwork"))->trigger();
  QCOMPARE(f.watcher.boxes, QStringList(BoxOf(kNoMatchFrequency)));
}

void MatchWindowTest::matchThisTakesThePanelsLoad() {
  WindowFixture f;
  f.setText(C::MeasuredR, QStringLiteral("200"));
  f.setText(C::MeasuredX, QStringLiteral("-15.5"));
  f.focus(C::MeasuredR);
  f.window.findChild<QAction*>(QStringLiteral("actionMatchThis"))->trigger();
  auto* match = f.window.findChild<QWidget*>(QStringLiteral("Match"));
  QVERIFY(match != nullptr && match->isVisible());
  QCOMPARE(match->findChild<QLineEdit*>("MatchLoadR")->text() + ' ' +
               match->findChild<QLineEdit*>("MatchLoadX")->text(),
           QStringLiteral("200 -15.5"));
  // A place without a load says so in a box, rather than leave the last load as if it were its.
  f.activate();
  f.setText(C::MeasuredX, QStringLiteral("1e400"));
  f.focus(C::MeasuredR);
  f.window.findChild<QAction*>(QStringLiteral("actionMatchThis"))->trigger();
  f.activate();
  f.focus(C::StartR);  // the line not computed: no far point
  f.window.findChild<QAction*>(QStringLiteral("actionMatchThis"))->trigger();
  QCOMPARE(f.watcher.boxes, QStringList({BoxOf(kNoSwrLoad), BoxOf(kNoLineFarPoint)}));
  f.watcher.boxes.clear();
  // A measured point goes through the line panel's line only for a network at the radio,
  // also before any load is typed. Gamma 0.5 + j0.2 on 50 ohm is 122.41 + j68.97 ohm.
  f.setText(C::Frequency, QStringLiteral("7.1"));
  f.setText(C::StartR, QStringLiteral("50"));
  f.find(C::ShiftBar)->setProperty("value", 300);
  QTemporaryDir dir;
  QFile file(dir.filePath("antenna.s1p"));
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write("# MHz S RI R 50\n7.1 0.5 0.2\n") > 0);
  file.close();
  match->findChild<QLineEdit*>("MatchLoadR")->clear();
  match->findChild<QComboBox*>("MatchPlace")->setCurrentIndex(1);  // at the antenna
  QVERIFY(f.window.openMeasurement(file.fileName()));
  QApplication::setActiveWindow(f.window.findChild<QWidget*>(QStringLiteral("Measurement")));
  f.window.findChild<QAction*>(QStringLiteral("actionMatchThis"))->trigger();
  const auto load = [&] {
    return match->findChild<QLineEdit*>("MatchLoadR")->text() + ' ' +
           match->findChild<QLineEdit*>("MatchLoadX")->text();
  };
  QCOMPARE(load(), QStringLiteral("122.413793103 68.9655172414"));
  match->findChild<QComboBox*>("MatchPlace")->setCurrentIndex(0);  // at the radio: carried
  f.window.findChild<QAction*>(QStringLiteral("actionMatchThis"))->trigger();
  QVERIFY2(load() != QStringLiteral("122.413793103 68.9655172414"), qPrintable(load()));
  // An open circuit has no load to match: a box says so, rather than the last load staying
  // as if it were this point's.
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write("# MHz S RI R 50\n7.1 1 0\n") > 0);
  file.close();
  QVERIFY(f.window.openMeasurement(file.fileName()));
  QApplication::setActiveWindow(f.window.findChild<QWidget*>(QStringLiteral("Measurement")));
  f.window.findChild<QAction*>(QStringLiteral("actionMatchThis"))->trigger();
  QCOMPARE(f.watcher.boxes, QStringList(BoxOf(kNoMeasuredLoad)));
}

void MatchWindowTest::aChoiceNotDesignedAgainFallsToTheLowestLoss() {
  WindowFixture f;
  f.window.findChild<QAction*>(QStringLiteral("actionDesignMatch"))->trigger();
  auto* match = f.window.findChild<QWidget*>(QStringLiteral("Match"));
  match->findChild<QLineEdit*>("MatchLoadR")->setText(QStringLiteral("19.2442388493"));
  match->findChild<QLineEdit*>("MatchLoadX")->setText(QStringLiteral("-21.2992529771"));
  match->findChild<QLineEdit*>("MatchMHz")->setText(QStringLiteral("7.1"));
  auto* solutions = match->findChild<QTreeWidget*>(QStringLiteral("MatchSolutions"));
  QVERIFY(solutions->topLevelItem(0)->text(0).startsWith("1. L: shunt L"));
  // The panel's load comes in whole: no network of the load half typed (its new R with the
  // old X) takes the choice, so with the chosen kind gone the lowest loss is chosen.
  f.setText(C::MeasuredR, QStringLiteral("122.413793103"));
  f.setText(C::MeasuredX, QStringLiteral("68.9655172414"));
  f.activate();
  f.focus(C::MeasuredR);
  f.window.findChild<QAction*>(QStringLiteral("actionMatchThis"))->trigger();
  QVERIFY(solutions->topLevelItem(0)->text(0).startsWith("1. L: series C"));
  QVERIFY(solutions->topLevelItem(0)->font(0).bold());
  // A file dropped on an entry opens, as on the other windows, and leaves the entry alone.
  QTemporaryDir dir;
  QFile file(dir.filePath("antenna.s1p"));
  QVERIFY(file.open(QIODevice::WriteOnly) && file.write("# MHz S RI R 50\n7.1 0.5 0.2\n"));
  file.close();
  QMimeData data;  // as file managers give it: the address also as text
  data.setUrls({QUrl::fromLocalFile(file.fileName())});
  data.setText(QUrl::fromLocalFile(file.fileName()).toString());
  auto* entry = match->findChild<QLineEdit*>("MatchLoadR");
  QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(entry, &enter);
  QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(entry, &drop);
  QCOMPARE(entry->text(), QStringLiteral("122.413793103"));
  auto* shown = f.window.findChild<QWidget*>(QStringLiteral("Measurement"));
  QVERIFY(shown != nullptr && shown->isVisible());
}

QTEST_MAIN(MatchWindowTest)
#include "match_window_test.moc"
