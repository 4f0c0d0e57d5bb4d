// The sweep plot as an analyser's owner uses it: a readout in each curve's
// unit that stays within the window, a plot with nothing to draw that says
// why, a click that asks for the nearest sampled frequency, a dragged zoom
// and its reset, axes from 1 and 0 with round ticks and one grid, colours
// that keep their roles in a dark palette, and markers on their curves.
#include "app/sweep/sweep_plot.h"

#include <QCategoryAxis>
#include <QChartView>
#include <QLegendMarker>
#include <QXYSeries>
#include <QValueAxis>
#include <cmath>

#include "app/sweep/plot_view.h"
#include "app/sweep/plots_of.h"
#include "window_fixture.h"

namespace {

using namespace tolvar::app;
using C = Control;

const QString kDipole = QStringLiteral(TOLVAR_EXAMPLES_DIR "/dipole-40m.s1p");
const QString kNoValue = QStringLiteral("Nothing measured here.");

// An SWR plot in five points from 7 to 7.2 MHz, of the 2-port's file: the
// measured end, the carried one `lift` higher, and the line's loss on the right.
SweepPlot::Plot SwrPlot(double lift = 0) {
  const auto curve = [](const char* name, std::vector<std::optional<double>> values, bool right,
                        CurveRole role) {
    return SweepPlot::Curve{name, std::move(values), right, right ? "dB" : "SWR", role};
  };
  SweepPlot::Plot plot{"SWR", "SWR", {7.0, 7.05, 7.1, 7.15, 7.2}, {}, "dB"};
  plot.curves = {curve("measured", {2.5, 1.8, 1.2, 1.7, 2.4}, false, CurveRole::Measured),
                 curve("carried", {2.2 + lift, 1.6 + lift, 1.1 + lift, 1.5 + lift, 2.1 + lift},
                       false, CurveRole::Carried),
                 curve("loss", {0.31, 0.25, 0.2, 0.26, 0.33}, true, CurveRole::LineLoss)};
  plot.leftAxis = AxisKind::Swr;
  plot.rightAxis = AxisKind::Loss;
  plot.source = 2;
  plot.emptyReason = kNoValue;
  return plot;
}

PlotView* Shown(const SweepPlot& plot) {
  return static_cast<PlotView*>(plot.findChild<QTabWidget*>()->currentWidget());
}

QAbstractSeries* Series(const QChartView* view, const QString& name) {
  for (QAbstractSeries* series : view->chart()->series()) {
    if (series->name() == name) return series;
  }
  return nullptr;
}

// Where a value of a series is drawn, in the view's viewport.
QPoint At(const QChartView* view, QPointF value, const QString& series = "measured") {
  QChart* chart = view->chart();
  return view->mapFromScene(chart->mapToScene(chart->mapToPosition(value, Series(view, series))));
}

QValueAxis* Axis(const QChartView* view, Qt::Alignment side) {
  for (QAbstractAxis* axis : view->chart()->axes()) {
    if (axis->alignment() == side) return static_cast<QValueAxis*>(axis);
  }
  return nullptr;
}

QPointF Range(const QValueAxis* axis) { return {axis->min(), axis->max()}; }

void Mouse(QWidget* viewport, QEvent::Type type, QPoint at, Qt::MouseButton button,
           Qt::MouseButtons held) {
  QMouseEvent event(type, at, viewport->mapToGlobal(at), button, held, Qt::NoModifier);
  QApplication::sendEvent(viewport, &event);
}

void Drag(QWidget* viewport, QPoint from, QPoint to, Qt::MouseButton button) {
  Mouse(viewport, QEvent::MouseButtonPress, from, button, button);
  Mouse(viewport, QEvent::MouseMove, (from + to) / 2, Qt::NoButton, button);
  Mouse(viewport, QEvent::MouseMove, to, Qt::NoButton, button);
  Mouse(viewport, QEvent::MouseButtonRelease, to, button, Qt::NoButton);
}

QAction* Action(const SweepPlot& plot, const QString& text) {
  for (QAction* action : plot.actions()) {
    if (action->text() == text) return action;
  }
  return nullptr;
}

// A plot of its own, shown at its usual size.
struct ShownPlot {
  ShownPlot() {
    plot.resize(720, 480);
    plot.show();
    if (!QTest::qWaitForWindowExposed(&plot)) qWarning("the plot did not show");
  }
  bool fusion = QApplication::setStyle(QStringLiteral("Fusion")) != nullptr;
  SweepPlot plot{nullptr};
};

}  // namespace

class SweepPlotTest : public QObject {
  Q_OBJECT

 private slots:
  void theDipolesPlotsReadOutInEachCurvesUnit();
  void aPlotWithNothingToDrawSaysWhy();
  void aClickAsksForTheNearestSampledFrequency();
  void aDraggedRectangleZoomsUntilTheBandChanges();
  void axesStartAtOneAndZeroWithRoundTicksAndOneGrid();
  void theReadoutStaysWithinTheWindowAndClears();
  void coloursKeepTheirRolesInADarkPalette();
  void markersSitOnTheirCurvesOutOfTheLegend();
  void eachLineCurveTakesItsEndAndItsReference();
};

void SweepPlotTest::theDipolesPlotsReadOutInEachCurvesUnit() {
  WindowFixture f;
  f.activate();
  f.setText(C::Frequency, QStringLiteral("7.1"));
  f.setText(C::StartR, QStringLiteral("50"));
  QVERIFY(f.window.openMeasurement(kDipole));
  f.find(C::ShiftBar)->setProperty("value", 400);
  f.window.findChild<QAction*>(QStringLiteral("actionSweepPlot"))->trigger();
  QCoreApplication::processEvents();
  auto* plot = f.window.findChild<SweepPlot*>(QStringLiteral("SweepPlot"));
  auto* tabs = plot->findChild<QTabWidget*>();
  const QString number = QStringLiteral(" \\d+\\.\\d\\d ");
  const QString ends[] = {"at the antenna \\(measured\\)", "at the radio \\(through the line\\)"};
  const QString on50 = QStringLiteral(", on 50 ohm");
  const QStringList expected = {
      ends[0] + on50 + number + "SWR   " + ends[1] + on50 + number + "SWR   line loss" + number +
          "dB",
      ends[0] + on50 + number + "dB   " + ends[1] + on50 + number + "dB",
      "R " + ends[0] + number + "ohm   X " + ends[0] + " -?\\d+\\.\\d\\d ohm   R " + ends[1] +
          number + "ohm   X " + ends[1] + " -?\\d+\\.\\d\\d ohm",
      "matched" + number + "dB   with the SWR" + number + "dB"};
  QCOMPARE(tabs->count(), expected.size());
  for (int i = 0; i < tabs->count(); ++i) {
    tabs->setCurrentIndex(i);
    const QString readout = plot->readoutAt(7.1);
    QVERIFY2(QRegularExpression("^7.1 MHz   " + expected[i] + "$").match(readout).hasMatch(),
             qPrintable(readout));
  }
}

void SweepPlotTest::aPlotWithNothingToDrawSaysWhy() {
  ShownPlot s;
  SweepPlot::Plot nothing = SwrPlot();
  for (SweepPlot::Curve& curve : nothing.curves) {
    curve.values.assign(nothing.mhz.size(), std::nullopt);
  }
  nothing.curves[1].values[2] = NAN;  // not a number is no value either
  for (const bool drawnBefore : {false, true}) {
    if (drawnBefore) s.plot.setPlots({SwrPlot()});
    s.plot.setPlots({nothing});
    PlotView* view = Shown(s.plot);
    QCOMPARE(view->emptyReason(), kNoValue);
    auto* note = view->findChild<QLabel*>(QStringLiteral("SweepPlotEmptyReason"));
    QVERIFY(note->isVisible());
    QCOMPARE(note->geometry().center(), view->viewport()->rect().center());
    QVERIFY(view->chart()->axes().isEmpty() && view->chart()->series().isEmpty());
    QVERIFY(!view->chart()->legend()->isVisible());
  }
  s.plot.setPlots({SwrPlot()});
  QCOMPARE(Shown(s.plot)->emptyReason(), QString());
  QVERIFY(Shown(s.plot)->chart()->legend()->isVisible());
  QCOMPARE(Shown(s.plot)->chart()->axes().size(), 3);
}

void SweepPlotTest::aClickAsksForTheNearestSampledFrequency() {
  ShownPlot s;
  s.plot.setPlots({SwrPlot()});
  s.plot.setChosen(7.1);
  PlotView* view = Shown(s.plot);
  QSignalSpy asked(&s.plot, &SweepPlot::frequencyClicked);
  const auto chosenLine = [&] {
    return static_cast<QXYSeries*>(Series(view, QStringLiteral("chosen")))->points();
  };
  const auto before = chosenLine();
  QCOMPARE(before.front().x(), 7.1);
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, At(view, {7.06, 1.5}));
  QTest::mouseClick(view->viewport(), Qt::LeftButton, {}, At(view, {7.19, 2.2}));
  QTest::mouseClick(view->viewport(), Qt::RightButton, {}, At(view, {7.0, 2.2}));
  QCOMPARE(asked.size(), 2);
  QCOMPARE(asked[0], QVariantList({2, 7.05}));
  QCOMPARE(asked[1], QVariantList({2, 7.2}));
  QCOMPARE(chosenLine(), before);  // the owner moves it
  s.plot.setChosen(7.05);
  QCOMPARE(chosenLine().front().x(), 7.05);
  s.plot.setChosen(std::nullopt);
  QVERIFY(chosenLine().isEmpty());
}

void SweepPlotTest::aDraggedRectangleZoomsUntilTheBandChanges() {
  ShownPlot s;
  s.plot.setPlots({SwrPlot()});
  PlotView* view = Shown(s.plot);
  const auto x = [&] { return Range(Axis(view, Qt::AlignBottom)); };
  const auto swr = [&] { return Range(Axis(view, Qt::AlignLeft)); };
  const QPointF whole = x();
  QCOMPARE(whole, QPointF(7.0, 7.2));
  QAction* reset = Action(s.plot, QStringLiteral("Reset zoom"));
  QVERIFY(reset != nullptr && !reset->isEnabled());
  QCOMPARE(reset->shortcut(), QKeySequence(Qt::Key_Escape));
  QSignalSpy asked(&s.plot, &SweepPlot::frequencyClicked);
  Drag(view->viewport(), At(view, {7.05, 2.0}), At(view, {7.15, 1.5}), Qt::LeftButton);
  QCOMPARE(asked.size(), 0);  // a drag chooses nothing
  const double pixel = 0.2 / view->chart()->plotArea().width();
  QVERIFY2(std::fabs(x().x() - 7.05) < 2 * pixel && std::fabs(x().y() - 7.15) < 2 * pixel,
           qPrintable(QString("%1 %2").arg(x().x()).arg(x().y())));
  QVERIFY(std::fabs(swr().x() - 1.5) < 0.02 && std::fabs(swr().y() - 2.0) < 0.02);
  QVERIFY(reset->isEnabled());
  const QPointF zoomed = x();
  // The right button neither zooms out nor zooms in: it is the context menu's.
  Drag(view->viewport(), At(view, {7.06, 1.9}), At(view, {7.14, 1.6}), Qt::RightButton);
  QCOMPARE(x(), zoomed);
  // New values on the same frequencies keep the zoom; Escape goes back.
  s.plot.setPlots({SwrPlot(0.3)});
  QCOMPARE(x(), zoomed);
  s.plot.activateWindow();
  QApplication::setActiveWindow(&s.plot);
  QVERIFY(QTest::qWaitForWindowActive(&s.plot));
  QTest::keyClick(&s.plot, Qt::Key_Escape);
  QCOMPARE(x(), whole);
  QVERIFY(!reset->isEnabled());
  // Other frequencies (another file) show whole; so does the context menu's reset.
  Drag(view->viewport(), At(view, {7.05, 2.0}), At(view, {7.15, 1.5}), Qt::LeftButton);
  QVERIFY(x() != whole);
  reset->trigger();
  QCOMPARE(x(), whole);
  Drag(view->viewport(), At(view, {7.05, 2.0}), At(view, {7.15, 1.5}), Qt::LeftButton);
  SweepPlot::Plot otherFile = SwrPlot();
  otherFile.mhz = {6.9, 7.0, 7.1, 7.2, 7.3};
  s.plot.setPlots({otherFile});
  QCOMPARE(x(), QPointF(6.9, 7.3));
}

void SweepPlotTest::axesStartAtOneAndZeroWithRoundTicksAndOneGrid() {
  ShownPlot s;
  SweepPlot::Plot plot = SwrPlot();
  plot.mhz = {6.8, 7.0, 7.1, 7.25, 7.4};
  plot.curves[0].values = {3.7, 1.3, 1.02, 1.8, 3.1};
  plot.curves[2].values = {0.001, 0.004, 0.02, 0.01, 0.002};
  s.plot.setPlots({plot});
  PlotView* view = Shown(s.plot);
  QValueAxis* across = Axis(view, Qt::AlignBottom);
  QValueAxis* swr = Axis(view, Qt::AlignLeft);
  QValueAxis* loss = Axis(view, Qt::AlignRight);
  QCOMPARE(swr->min(), 1.0);
  QCOMPARE(loss->min(), 0.0);
  QVERIFY(swr->max() >= 3.7 && loss->max() >= 0.02);
  // Ticks from the axis arithmetic (its own test checks them), not Qt's count.
  for (QValueAxis* axis : {across, swr, loss}) {
    QCOMPARE(axis->tickType(), QValueAxis::TicksDynamic);
  }
  QCOMPARE(swr->tickInterval(), 0.5);
  // One grid: the right axis's ticks would not meet the left's.
  QVERIFY(across->isGridLineVisible() && swr->isGridLineVisible());
  QVERIFY(!loss->isGridLineVisible());
  // On a logarithmic axis: SWRs a reader knows, the curves inside.
  Action(s.plot, QStringLiteral("Logarithmic SWR axis"))->setChecked(true);
  auto* log = qobject_cast<QCategoryAxis*>(Axis(view, Qt::AlignLeft));
  QVERIFY(log != nullptr);
  QCOMPARE(log->categoriesLabels(), QStringList({"1", "1.5", "2", "3", "5"}));
  QCOMPARE(log->min(), 0.0);
  QVERIFY(!Axis(view, Qt::AlignRight)->isGridLineVisible());
  for (const QPointF& p : static_cast<QXYSeries*>(Series(view, "measured"))->points()) {
    QVERIFY(log->min() <= p.y() && p.y() <= log->max());
  }
  QCOMPARE(static_cast<QXYSeries*>(Series(view, "measured"))->points()[2].y(), std::log10(1.02));
  Action(s.plot, QStringLiteral("Logarithmic SWR axis"))->setChecked(false);
  QVERIFY(qobject_cast<QCategoryAxis*>(Axis(view, Qt::AlignLeft)) == nullptr);
  QCOMPARE(Axis(view, Qt::AlignLeft)->min(), 1.0);
}

void SweepPlotTest::theReadoutStaysWithinTheWindowAndClears() {
  ShownPlot s;
  SweepPlot::Plot plot = SwrPlot();
  for (SweepPlot::Curve& curve : plot.curves) {
    curve.name =
        "a long name for the curve, as a typed loss scaled with \u221af gives, " + curve.name;
  }
  s.plot.setPlots({plot});
  PlotView* view = Shown(s.plot);
  auto* readout = s.plot.findChild<QLabel*>(QStringLiteral("SweepPlotReadout"));
  const QSize size = s.plot.size();
  const int height = readout->height();
  Mouse(view->viewport(), QEvent::MouseMove, At(view, {7.1, 1.5}), Qt::NoButton, Qt::NoButton);
  QCOMPARE(readout->text(), s.plot.readoutAt(7.1));
  QVERIFY(readout->text().contains("loss 0.20 dB"));
  QCoreApplication::processEvents();
  QCOMPARE(s.plot.size(), size);
  QCOMPARE(readout->height(), height);
  QVERIFY(readout->width() <= s.plot.width());
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(view, &leave);
  QCOMPARE(readout->text(), QString());
  Mouse(view->viewport(), QEvent::MouseMove, At(view, {7.1, 1.5}), Qt::NoButton, Qt::NoButton);
  QVERIFY(!readout->text().isEmpty());
  s.plot.setPlots({SwrPlot(0.2)});
  QCOMPARE(readout->text(), QString());
}

void SweepPlotTest::coloursKeepTheirRolesInADarkPalette() {
  ShownPlot s;
  s.plot.setPlots({SwrPlot()});
  const auto hues = [&] {
    QList<int> found;
    for (const char* name : {"measured", "carried", "loss"}) {
      found << static_cast<QXYSeries*>(Series(Shown(s.plot), name))->pen().color().hslHue();
    }
    return found;
  };
  const auto apart = [](int a, int b) { return std::min(std::abs(a - b), 360 - std::abs(a - b)); };
  const QList<int> light = hues();
  QPalette darkPalette;
  darkPalette.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
  darkPalette.setColor(QPalette::WindowText, Qt::white);
  s.plot.setPalette(darkPalette);
  const QList<int> dark = hues();
  for (qsizetype i = 0; i < light.size(); ++i) {
    QVERIFY2(apart(light[i], dark[i]) < 30, qPrintable(QString::number(i)));
    for (qsizetype j = 0; j < i; ++j) {
      QVERIFY(apart(light[i], light[j]) > 60 && apart(dark[i], dark[j]) > 60);
    }
  }
  QCOMPARE(Shown(s.plot)->chart()->backgroundBrush().color(), QColor(0x35, 0x35, 0x35));
  QVERIFY(!Axis(Shown(s.plot), Qt::AlignRight)->isGridLineVisible());
}

void SweepPlotTest::markersSitOnTheirCurvesOutOfTheLegend() {
  ShownPlot s;
  SweepPlot::Plot plot = SwrPlot();
  plot.markers = {
      {7.1, 1.2, "min", 0}, {7.0, 2.5, "2", 0}, {7.2, 2.4, "2", 0}, {7.15, 1.5, "res", 1}};
  s.plot.setPlots({plot});
  PlotView* view = Shown(s.plot);
  QCoreApplication::processEvents();  // the legend lays its markers out
  const QList<QLegendMarker*> inLegend = view->chart()->legend()->markers();
  QCOMPARE(std::count_if(inLegend.begin(), inLegend.end(),
                         [](const QLegendMarker* m) { return m->isVisible(); }),
           3);
  for (const bool log : {false, true}) {
    Action(s.plot, QStringLiteral("Logarithmic SWR axis"))->setChecked(log);
    const std::vector<MarkerSpot> spots = s.plot.markerSpots();
    QCOMPARE(spots.size(), plot.markers.size());
    QStringList labels;
    for (std::size_t i = 0; i < spots.size(); ++i) {
      const SweepPlot::Marker& marker = plot.markers[i];
      labels << spots[i].label;
      const double drawn = log ? std::log10(marker.value) : marker.value;
      const QPoint onCurve = At(view, {marker.mhz, drawn}, plot.curves[marker.curve].name);
      QVERIFY2((spots[i].at.toPoint() - onCurve).manhattanLength() <= 2,
               qPrintable(spots[i].label));
    }
    QCOMPARE(labels, QStringList({"min", "2", "2", "res"}));
  }
}

// Two points carried through a typed line, the file on 75 ohm and the radio on
// 50: each curve takes its own end and reference. SWRs and return losses
// worked out by hand from |Gamma| = |Z - R0| / |Z + R0|.
void SweepPlotTest::eachLineCurveTakesItsEndAndItsReference() {
  namespace calc = tolvar::calc;
  namespace numeric = tolvar::numeric;
  using calc::sweep::LinePoint;
  using Values = std::vector<std::optional<double>>;
  const std::vector<LinePoint> points = {
      {7.0, numeric::Complex{25, 10}, std::nullopt, numeric::Complex{100, -40}, std::nullopt, 0.5,
       0.25},
      {7.2, numeric::Complex{60, 0}, std::nullopt, numeric::Complex{30, 15}, std::nullopt, 0.4,
       0.26}};
  calc::sweep::SweptLine swept;
  swept.panel.rtxZ = 50;
  const std::vector<calc::sweep::Marker> none;
  const std::vector<calc::sweep::Marker> carriedMinimum = {
      {calc::sweep::MarkerKind::SwrMinimum, 7.2, 1.886617524837488}};
  const std::vector<PlotData> plots = LinePlots({points, swept, 75, none, carriedMinimum});
  const auto values = [&](std::size_t plot, std::size_t curve) {
    return plots.at(plot).curves.at(curve).values;
  };
  const auto near = [](const Values& got, const std::vector<double>& expected) {
    if (got.size() != expected.size()) return false;
    for (std::size_t i = 0; i < got.size(); ++i) {
      if (!got[i] || std::fabs(*got[i] - expected[i]) > 1e-9 * std::fabs(expected[i])) {
        return false;
      }
    }
    return true;
  };
  QCOMPARE(plots.size(), std::size_t{4});
  QCOMPARE(plots[0].curves[0].name, QStringLiteral("at the antenna (measured), on 75 ohm"));
  QCOMPARE(plots[0].curves[1].name, QStringLiteral("at the radio (through the line), on 50 ohm"));
  QVERIFY(near(values(0, 0), {3.0598536507006893, 1.25}));
  QVERIFY(near(values(0, 1), {2.4040321926376422, 1.886617524837488}));
  QVERIFY(near(values(0, 2), {0.5, 0.4}));
  QCOMPARE(plots[0].markers, (std::vector<PlotMarker>{{7.2, 1.886617524837488, "min", 1}}));
  QVERIFY(near(values(1, 0), {5.893480258118245, 19.08485018878649}));
  QVERIFY(near(values(1, 1), {7.6923318585513325, 10.253058652647702}));
  QVERIFY(near(values(2, 0), {25, 60}));
  QVERIFY(near(values(2, 1), {10, 0}));
  QVERIFY(near(values(2, 2), {100, 30}));
  QVERIFY(near(values(2, 3), {-40, 15}));
  QVERIFY(near(values(3, 0), {0.25, 0.26}));
  QVERIFY(near(values(3, 1), {0.5, 0.4}));
  // Only the line's loss beside the SWR stands against the right-hand axis.
  for (std::size_t plot = 0; plot < plots.size(); ++plot) {
    for (std::size_t curve = 0; curve < plots[plot].curves.size(); ++curve) {
      QCOMPARE(plots[plot].curves[curve].right, plot == 0 && curve == 2);
    }
  }
}

QTEST_MAIN(SweepPlotTest)
#include "sweep_plot_test.moc"
