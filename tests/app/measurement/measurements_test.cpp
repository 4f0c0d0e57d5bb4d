// Measured data in: the measurement window's actions fill the panels' entries
// as typing would, values an entry refuses change nothing, bad files change
// nothing, and a file dropped anywhere on the window opens.
#include <QChartView>
#include <QMessageBox>
#include <QProgressDialog>
#include <QValueAxis>
#include <QXYSeries>

#include "app/chart/smith_chart.h"
#include "app/sweep/sweep_export.h"
#include "app/sweep/sweep_plot.h"
#include "calc/compare/compare.h"
#include "calc/line/line.h"
#include "calc/measurement/touchstone.h"
#include "calc/swr/swr.h"
#include "calc/tuner/tuner.h"
#include "numeric/format.h"
#include "numeric/rf.h"
#include "window_fixture.h"

namespace {

using namespace tolvar;
using namespace tolvar::app;
using C = Control;
using calc::measurement::Measurement;
using numeric::Complex;

const QString kDipole = QStringLiteral(TOLVAR_EXAMPLES_DIR "/dipole-40m.s1p");
const QString kTuner = QStringLiteral(TOLVAR_EXAMPLES_DIR "/tuner-t-network.s2p");

Measurement Read(const QString& path) {
  QFile file(path);
  file.open(QIODevice::ReadOnly);
  const QByteArray bytes = file.readAll();
  return std::get<Measurement>(
      calc::measurement::ReadTouchstone({bytes.constData(), static_cast<std::size_t>(bytes.size())},
                                        calc::measurement::PortsFromFileName(path.toStdString())));
}

QString Shown(const std::string& text) { return ToQString(text).replace("\r\n", "\n"); }
QString Shortest(double value) { return ToQString(numeric::ShortestText(value)); }

void Use(WindowFixture& f, const char* action) {
  f.window.findChild<QAction*>(QString::fromLatin1(action))->trigger();
}

// A small file of the test's own.
QString Written(const QTemporaryDir& dir, const char* name, const char* text) {
  QFile file(dir.filePath(QString::fromLatin1(name)));
  file.open(QIODevice::WriteOnly);
  file.write(text);
  return file.fileName();
}

// Holds each box open past the moment a slow file's progress would come up, as
// a person reading it would, and notes whether a progress box showed meanwhile.
class SlowReader : public QObject {
 public:
  explicit SlowReader(QWidget& window) : window_(&window) { qApp->installEventFilter(this); }
  bool progressShown = false;

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show && qobject_cast<QMessageBox*>(watched) != nullptr) {
      QTest::qWait(500);
      for (const QProgressDialog* progress : window_->findChildren<QProgressDialog*>()) {
        progressShown = progressShown || progress->isVisible();
      }
    }
    return false;
  }

 private:
  QWidget* window_;
};

}  // namespace

class MeasurementsTest : public QObject {
  Q_OBJECT

 private slots:
  void actionsFillTheEntriesAsTyping();
  void refusedValuesAndBadFilesChangeNothing();
  void aDroppedFileOpens();
  void sweepsFollowTheLineAndGoOut();
  void saveSweepSaysWhatHasNoValue();
  void aRepairedFileSaysWhatWasRepaired();
  void bothFilesAtHandEachWithItsReference();
};

void MeasurementsTest::actionsFillTheEntriesAsTyping() {
  WindowFixture f;
  f.setText(C::Frequency, QStringLiteral("7.1"));  // the chooser starts nearest the line's MHz
  QVERIFY(f.window.openMeasurement(kDipole));
  auto* chooser = f.window.findChild<QComboBox*>(QStringLiteral("MeasurementFrequency"));
  const Measurement dipole = Read(kDipole);
  QCOMPARE(chooser->count(), static_cast<int>(dipole.frequencyHz.size()));
  // Every point with the decimals that tell neighbours 3 kHz apart.
  QCOMPARE(chooser->itemText(0), QStringLiteral("6.800 MHz"));
  QCOMPARE(chooser->currentText(), QStringLiteral("7.100 MHz"));
  chooser->setCurrentIndex(140);  // 7.22 MHz
  // Each action's fields, at most 12 significant digits of the values there (Z
  // 75.95437019782534 + j28.96292779041038 ohm from the file's Gamma 0.245933685
  // + j0.173395875), then its calculator on them.
  const Complex z{75.9543701978, 28.9629277904};
  const Complex gamma{0.245933685, 0.173395875};
  Use(f, "actionUseAsLoad");
  QCOMPARE(f.text(C::MeasuredR) + ' ' + f.text(C::MeasuredX),
           QStringLiteral("75.9543701978 28.9629277904"));
  f.click(C::SwrButton);
  QCOMPARE(f.text(C::SwrResult),
           Shown(calc::swr::SwrText(calc::swr::ComputeSwr({z, {50, 0}, 100}))));
  Use(f, "actionUseAtLine");
  QCOMPARE(f.text(C::StartR) + ' ' + f.text(C::StartX) + ' ' + f.text(C::Frequency),
           QStringLiteral("75.9543701978 28.9629277904 7.22"));
  QCOMPARE(f.text(C::HalfWaveRange), ToQString(*calc::line::HalfWaveRange(1, 0.87, 7.22)));
  Use(f, "actionUseAsAntenna");
  QCOMPARE(f.text(C::AntennaRe) + ' ' + f.text(C::AntennaIm),
           QStringLiteral("0.245933685 0.173395875"));
  // The tuner: renormalised to 50 ohm (here already on it), S12 the file's even
  // when the focus sat in S21, whose leaving copies S21 into S12.
  f.activate();
  f.focus(C::S21Re);
  QVERIFY(f.window.openMeasurement(kTuner));
  const Measurement tuner = Read(kTuner);
  const int at =
      f.window.findChild<QComboBox*>(QStringLiteral("MeasurementFrequency"))->currentIndex();
  const auto i = static_cast<std::size_t>(at);
  Use(f, "actionUseAsTuner");
  f.activate();
  f.focus(C::S11Re);
  QCOMPARE(f.text(C::S12Re) + ' ' + f.text(C::S21Im),
           QStringLiteral("-0.739536534711 0.545073808097"));  // -0.7395365347105809, ...2133
  QCOMPARE(Shortest(tuner.s12[i].re) + ' ' + Shortest(tuner.s21[i].im),
           QStringLiteral("-0.7395365347105809 0.5450738080972133"));
  const auto typed = [&](C re, C im) {
    return Complex{numeric::ReadEntryValue(f.text(re).toStdString()),
                   numeric::ReadEntryValue(f.text(im).toStdString())};
  };
  f.click(C::TunerLossButton);
  QCOMPARE(f.text(C::ComparisonResult),
           Shown(calc::tuner::TunerLossText(calc::tuner::ComputeTunerLoss(
               {gamma, typed(C::S11Re, C::S11Im), typed(C::S21Re, C::S21Im),
                typed(C::S22Re, C::S22Im), typed(C::S12Re, C::S12Im)}))));
  // The chart shows the dipole's trace and the tuner's S11 and S22.
  f.window.findChild<QAction*>(QStringLiteral("actionSmithChart"))->trigger();
  QStringList legends;
  for (const ChartMark& mark : f.window.findChild<SmithChart*>()->marks()) legends << mark.legend;
  QVERIFY2(legends.contains("dipole-40m.s1p") && legends.contains("tuner-t-network.s2p S11") &&
               legends.contains("tuner-t-network.s2p S22"),
           qPrintable(legends.join(", ")));
  // The sample is reciprocal; this one is not. Where the focus sat elsewhere it stays.
  QTemporaryDir dir;
  const QString oneWay =
      Written(dir, "one-way.s2p", "# MHz S RI R 50\n7 0.1 0 0.9 0 0.2 0 0.1 0\n");
  for (const C from : {C::S21Re, C::S21Im, C::MeasuredR}) {
    f.activate();
    f.focus(from);
    QVERIFY(f.window.openMeasurement(oneWay));
    Use(f, "actionUseAsTuner");
    f.activate();
    QVERIFY(from != C::MeasuredR || QApplication::focusWidget() == f.find(from));
    f.focus(C::S11Re);
    QCOMPARE(f.text(C::S12Re) + ' ' + f.text(C::S21Re), QStringLiteral("0.2 0.9"));
  }
  // 73.5 + j5e-14 ohm read as Z, turned into Gamma and back: the noise of the
  // conversions is not written, nor a part below 1e-12 of the value.
  QVERIFY(f.window.openMeasurement(Written(dir, "tiny.s1p", "# MHz Z RI R 50\n7 1.47 1e-15\n")));
  Use(f, "actionUseAsLoad");
  QCOMPARE(f.text(C::MeasuredR) + ' ' + f.text(C::MeasuredX), QStringLiteral("73.5 0"));
  Use(f, "actionUseAsAntenna");
  QCOMPARE(f.text(C::AntennaIm), QStringLiteral("0"));
  QCOMPARE(f.watcher.boxes, QStringList());
}

void MeasurementsTest::refusedValuesAndBadFilesChangeNothing() {
  QTemporaryDir dir;
  WindowFixture f;
  f.setText(C::MeasuredR, QStringLiteral("50"));
  f.setText(C::AntennaRe, QStringLiteral("0.1"));
  // An active 1-port at 7 MHz (|Gamma| > 1), an open circuit at 8 MHz.
  QVERIFY(
      f.window.openMeasurement(Written(dir, "active.s1p", "# MHz S RI R 50\n7 -1.5 0\n8 1 0\n")));
  auto* chooser = f.window.findChild<QComboBox*>(QStringLiteral("MeasurementFrequency"));
  chooser->setCurrentIndex(0);
  Use(f, "actionUseAsLoad");
  Use(f, "actionUseAsAntenna");
  chooser->setCurrentIndex(1);
  Use(f, "actionUseAtLine");
  QCOMPARE(f.watcher.boxes,
           QStringList({"Use measurement: At 7 MHz the measurement's resistance is below 0 (-10 "
                        "ohm): an R entry takes none.",
                        "Use measurement: At 7 MHz the measurement reflects all it gets or more "
                        "(Γ = -1.5 + j0): S Ant. takes a reflection whose parts lie between -1 "
                        "and 1, inside the unit circle.",
                        "Use measurement: At 8 MHz the measurement is an open circuit (Γ = 1 "
                        "+ j0): it has no finite R and X."}));
  QCOMPARE(f.text(C::MeasuredR) + f.text(C::AntennaRe) + f.text(C::StartR),
           QStringLiteral("500.1"));
  // Bad files: a box that names the file and the line; the window keeps what it showed.
  const QString wrapped = Written(dir, "short.s2p", "# MHz S RI R 50\n7 0.1 0 0.9 0 0.9\n");
  QVERIFY(!f.window.openMeasurement(wrapped));
  {
    const SlowReader reader(f.window);
    QVERIFY(!f.window.openMeasurement(dir.filePath("missing.s1p")));
    QVERIFY2(!reader.progressShown, "a finished reading's progress came up over its box");
  }
  QCOMPARE(
      f.watcher.boxes.mid(3, 1),
      QStringList("Open measurement: short.s2p: line 2: 9 numbers expected for a 2-port, found 6"));
  QVERIFY(f.watcher.boxes.value(4).startsWith(
      "Open measurement: missing.s1p: the file cannot be read"));
  QCOMPARE(chooser->count(), 2);
  QVERIFY(!f.window.findChild<QAction*>(QStringLiteral("actionUseAsTuner"))->isEnabled());
}

void MeasurementsTest::aDroppedFileOpens() {
  // On an entry field (which would take the file's address as text) and on the window.
  for (const C target : {C::MeasuredR, C::LineFrame}) {
    WindowFixture f;
    f.window.show();
    QMimeData data;  // as file managers give it: the address also as text
    data.setUrls({QUrl::fromLocalFile(kDipole)});
    data.setText(QUrl::fromLocalFile(kDipole).toString());
    QWidget* on = f.find(target);
    QDragEnterEvent enter(QPoint(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &enter);
    QVERIFY(enter.isAccepted());
    QDropEvent drop(QPointF(2, 2), Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
    QApplication::sendEvent(on, &drop);
    auto* shown = f.window.findChild<QWidget*>(QStringLiteral("Measurement"));
    QVERIFY(shown != nullptr && shown->isVisible());
    QCOMPARE(f.text(C::MeasuredR), QString());
  }
}

void MeasurementsTest::sweepsFollowTheLineAndGoOut() {
  WindowFixture f;
  f.activate();
  f.setText(C::Frequency, QStringLiteral("7.1"));
  f.setText(C::StartR, QStringLiteral("50"));  // the line computes without boxes
  QVERIFY(f.window.openMeasurement(kDipole));
  f.activate();
  f.window.findChild<QAction*>(QStringLiteral("actionSweepPlot"))->trigger();
  f.window.findChild<QAction*>(QStringLiteral("actionSmithChart"))->trigger();
  QCoreApplication::processEvents();  // the sweeps follow once control is back in the event loop
  auto* plot = f.window.findChild<QWidget*>(QStringLiteral("SweepPlot"));
  QVERIFY(plot != nullptr && plot->isVisible());
  auto* tabs = plot->findChild<QTabWidget*>();
  QCOMPARE(tabs->tabText(0), QStringLiteral("SWR"));
  const auto swr = [&] {  // the SWR tab's curves: name, then their values
    QCoreApplication::processEvents();
    QStringList curves;
    for (QAbstractSeries* series : static_cast<QChartView*>(tabs->widget(0))->chart()->series()) {
      if (series->name().startsWith("marker: ")) continue;
      QString points;
      for (const QPointF& p : static_cast<QXYSeries*>(series)->points())
        points += QString::number(p.y()) + ' ';
      curves << series->name() + ": " + points;
    }
    return curves;
  };
  const auto carried = [&] {
    QCoreApplication::processEvents();
    for (const ChartMark& mark : f.window.findChild<SmithChart*>()->marks()) {
      if (mark.legend == "dipole-40m.s1p at the radio") return mark.path;
    }
    return std::vector<Complex>{};
  };
  // Dragging the bar moves the carried curve and trace; the measured one stays.
  f.find(C::ShiftBar)->setProperty("value", 300);
  const QStringList before = swr();
  const auto traceBefore = carried();
  f.find(C::ShiftBar)->setProperty("value", 400);
  QCOMPARE(swr().size(), 4);  // measured, carried, the line loss, the chosen frequency's line
  // Each SWR names its reference: the file's for the measured one, the radio's for the carried.
  QVERIFY(swr()[0].startsWith("at the antenna (measured), on 50 ohm: ") && swr()[0] == before[0]);
  QVERIFY(swr()[1].startsWith("at the radio (through the line), on 50 ohm: ") &&
          swr()[1] != before[1]);
  QVERIFY(swr()[2].startsWith("line loss: ") && swr()[2] != before[2]);
  QVERIFY(!traceBefore.empty() && carried().size() == traceBefore.size() &&
          carried() != traceBefore);
  // Copy sweep from the line panel: the CSV of the line sweep; from the tuner's
  // fields, with the tuner open, the tuner sweep with the dipole as antenna.
  const auto copied = [&](C from) {
    f.activate();
    f.focus(from);
    QApplication::clipboard()->clear();
    QCoreApplication::processEvents();
    f.window.findChild<QAction*>(QStringLiteral("actionCopySweep"))->trigger();
    return QApplication::clipboard()->text();
  };
  const QStringList line = copied(C::StartR).split('\n');
  QCOMPARE(
      line.front(),
      QStringLiteral(
          "MHz,R_measured,X_measured,SWR_measured,R_carried,X_carried,SWR_carried,line_loss_dB"));
  QCOMPARE(line.size(), 203);  // the header, 201 points, the last line's end
  QVERIFY(line[1].startsWith("6.8,"));
  // The SWR tab: the band across, every point inside its axis, the loss on its own right axis.
  const auto checkAxes = [&](double fromMhz, double toMhz) {
    QCoreApplication::processEvents();
    QChart* chart = static_cast<QChartView*>(tabs->widget(0))->chart();
    auto* x = static_cast<QValueAxis*>(chart->axes(Qt::Horizontal).front());
    QCOMPARE(QPointF(x->min(), x->max()), QPointF(fromMhz, toMhz));
    for (QAbstractSeries* series : chart->series()) {
      auto* y = static_cast<QValueAxis*>(series->attachedAxes().back());
      QCOMPARE(y->alignment(),
               series->name().startsWith("line loss") ? Qt::AlignRight : Qt::AlignLeft);
      for (const QPointF& p : static_cast<QXYSeries*>(series)->points())
        QVERIFY2(y->min() <= p.y() && p.y() <= y->max(), qPrintable(series->name()));
    }
  };
  checkAxes(6.8, 7.4);
  // Another 1-port replaces the swept one, on the same line.
  QTemporaryDir dir;
  QVERIFY(f.window.openMeasurement(
      Written(dir, "load.s1p", "# MHz Z RI R 50\n6.8 1.3 0\n6.9 1 1\n7 5 0\n")));
  const QStringList other = copied(C::StartR).split('\n');
  QCOMPARE(other.size(), 5);
  const QStringList first = other[1].split(',');  // 65 ohm: SWR 1.3 on the 50-ohm line
  QVERIFY2(first[0] == "6.8" && qAbs(first[1].toDouble() - 65) < 1e-9 &&
               qAbs(first[3].toDouble() - 1.3) < 1e-9,
           qPrintable(other[1]));
  checkAxes(6.8, 7);
  // The plot saves what it shows; with no sweep its readout is empty.
  auto* sweepPlot = static_cast<SweepPlot*>(plot);
  QVERIFY(sweepPlot->savePng(dir.filePath("plot.png")));
  QCOMPARE(QImage(dir.filePath("plot.png")).size(),
           tabs->currentWidget()->size() * tabs->currentWidget()->devicePixelRatio());
  QCOMPARE(SweepPlot(nullptr).readoutAt(7), QString());
  QVERIFY(f.window.openMeasurement(kTuner));
  const QStringList tuner = copied(C::S11Re).split('\n');
  QCOMPARE(tuner.front(), QStringLiteral("MHz,SAnt_re,SAnt_im,tuner_loss_dB"));
  QCOMPARE(tuner.size(), static_cast<qsizetype>(Read(kTuner).frequencyHz.size()) + 2);
  // The SWR panel has no sweep: its menu's sweep actions are disabled, saying whose they are.
  QCOMPARE(copied(C::MeasuredR), QString());
  auto* copySweep = f.window.findChild<QAction*>(QStringLiteral("actionCopySweep"));
  QVERIFY(!copySweep->isEnabled());
  QCOMPARE(copySweep->toolTip(), ToQString(kNoSweepHere.text));
  QCOMPARE(f.watcher.boxes, QStringList());
}

void MeasurementsTest::saveSweepSaysWhatHasNoValue() {
  QTemporaryDir dir;
  WindowFixture f;
  auto* sweepExport = f.window.findChild<SweepExport*>();
  const QString saved = dir.filePath("carried.s1p");
  // Every point an active load: nothing to save, and a box says why.
  QVERIFY(f.window.openMeasurement(
      Written(dir, "active.s1p", "# MHz S RI R 50\n7 -1.5 0\n8 -2 0\n")));
  QCoreApplication::processEvents();
  f.focus(C::StartR);
  f.watcher.boxes.clear();
  QVERIFY(!sweepExport->saveLineSweepTo(saved));
  QCOMPARE(f.watcher.boxes, QStringList(BoxOf(kNoSweepPoint).arg(
                                "an active load (R below 0), which a line does not carry")));
  QVERIFY(!QFile::exists(saved));
  // One of three: the box says so first; the file leaves it out and names it.
  f.activate();
  QVERIFY(f.window.openMeasurement(
      Written(dir, "some.s1p", "# MHz S RI R 50\n7 0.2 0\n8 -2 0\n9 0.1 0.1\n")));
  QCoreApplication::processEvents();
  f.focus(C::StartR);
  f.watcher.boxes.clear();
  QVERIFY(sweepExport->saveLineSweepTo(saved));
  QCOMPARE(f.watcher.boxes,
           QStringList(BoxOf(kSweepPointsLeftOut)
                           .arg("1", "3", "an active load (R below 0), which a line does not carry")));
  const Measurement back = Read(saved);
  QCOMPARE(back.frequencyHz, (std::vector<double>{7e6, 9e6}));
  QFile file(saved);
  QVERIFY(file.open(QIODevice::ReadOnly));
  QVERIFY(QString::fromLatin1(file.readAll()).contains("! left out, no carried value: 8 MHz\n"));
}

void MeasurementsTest::aRepairedFileSaysWhatWasRepaired() {
  QTemporaryDir dir;
  WindowFixture f;
  // Two sweep segments sharing 7.1 MHz, the second one written first.
  QVERIFY(f.window.openMeasurement(Written(
      dir, "segments.s1p", "# MHz S RI R 50\n7.1 0.3 0\n7.2 0.4 0\n7 0.2 0\n7.1 0.31 0\n")));
  auto* shown = f.window.findChild<QWidget*>(QStringLiteral("Measurement"));
  QStringList texts;
  for (const QLabel* label : shown->findChildren<QLabel*>()) texts << label->text();
  QVERIFY2(texts.contains("points sorted by frequency\n1 repeated frequency kept once"),
           qPrintable(texts.join(" | ")));
  QCOMPARE(f.window.findChild<QComboBox*>(QStringLiteral("MeasurementFrequency"))->count(), 3);
  QCOMPARE(f.watcher.boxes, QStringList());
}

void MeasurementsTest::bothFilesAtHandEachWithItsReference() {
  QTemporaryDir dir;
  WindowFixture f;
  // The line's 14 MHz lies outside the band: the lowest SWR is chosen first.
  QVERIFY(f.window.openMeasurement(Written(
      dir, "ant75.s1p", "# MHz S RI R 75\n7 0.5 0\n7.05 0.2 0.1\n7.1 0.1 0\n7.15 0.3 0\n")));
  auto* files = f.window.findChild<QComboBox*>(QStringLiteral("MeasurementFile"));
  auto* chooser = f.window.findChild<QComboBox*>(QStringLiteral("MeasurementFrequency"));
  QCOMPARE(chooser->currentText(), QStringLiteral("7.10 MHz"));
  // Gamma 0.1 on 75 ohm is Z 91.67 ohm: SWR 1.222 there, 1.833 on 50 ohm.
  const auto labels = [&] {
    QStringList texts;
    for (const QLabel* label :
         f.window.findChild<QWidget*>(QStringLiteral("Measurement"))->findChildren<QLabel*>())
      texts << label->text();
    return texts.join('\n');
  };
  QVERIFY2(labels().contains("\u0393 on 75 ohm (the file's) = 0.1000 + j0.0000") &&
               labels().contains("SWR on 75 ohm = 1.222") &&
               labels().contains("SWR on 50 ohm = 1.833"),
           qPrintable(labels()));
  QVERIFY(f.window.openMeasurement(kTuner));
  QCOMPARE(files->count(), 2);
  QCOMPARE(files->itemText(0) + ' ' + files->itemText(1),
           QStringLiteral("ant75.s1p tuner-t-network.s2p"));
  QCOMPARE(files->currentIndex(), 1);
  // The 2-port shown, Use as load still takes the 1-port at its own chosen point.
  Use(f, "actionUseAsLoad");
  QCOMPARE(f.text(C::MeasuredR) + ' ' + f.text(C::MeasuredX), QStringLiteral("91.6666666667 0"));
  // The markers of the measured curve, as CSV.
  QApplication::clipboard()->clear();
  QCoreApplication::processEvents();
  f.window.findChild<QAction*>(QStringLiteral("actionCopyMarkers"))->trigger();
  QCOMPARE(QApplication::clipboard()->text().section('\n', 0, 1),
           QStringLiteral("curve,marker,MHz,SWR,R,X\nmeasured,SWR minimum,7.1,") +
               Shortest(1.1 / 0.9) + ',' + Shortest(75 * 1.1 / 0.9) + ",0");
  QCOMPARE(f.watcher.boxes, QStringList());
  // An active 2-port on 75 ohm with no finite values on 50 ohm shows its own, saying so.
  QVERIFY(f.window.openMeasurement(Written(
      dir, "active75.s2p", "# MHz S RI R 75\n7 -5 0 0 0 0 0 -5 0\n7.1 0.1 0 0.9 0 0.9 0 0.1 0\n")));
  QVERIFY2(labels().contains("S11 = 0.1 + j0") && !labels().contains("(on 50 ohm)") &&
               labels().contains("(on 75 ohm, the file's: it has no finite values on 50 ohm)"),
           qPrintable(labels()));
  Use(f, "actionUseAsTuner");
  QCOMPARE(f.watcher.boxes, QStringList(BoxOf(kTunerNotOn50)));
  // Such a 1-port's passive point still goes to S Ant.: 0.1 on 75 ohm is 5/17 on 50 ohm.
  QVERIFY(f.window.openMeasurement(
      Written(dir, "active75.s1p", "# MHz S RI R 75\n7 -5 0\n7.1 0.1 0\n")));
  Use(f, "actionUseAsAntenna");
  QCOMPARE(f.text(C::AntennaRe) + ' ' + f.text(C::AntennaIm), QStringLiteral("0.294117647059 0"));
  QCOMPARE(f.watcher.boxes.size(), 1);
}

QTEST_MAIN(MeasurementsTest)
#include "measurements_test.moc"
