// Speed of Tolvar's numbers, calculators and window. Budgets (medians):
// line computation <= 20 us typical and <= 200 us in the worst case (the
// to-antenna search running its full 1000 + 70 trials), a whole shift-bar event
// <= 2 ms (<= 4 ms with the Smith chart open and repainted), opening the chart
// <= 30 ms, and the window's construction up to its first paint <= 1.5 times an
// empty QWidget's of the same size, measured side by side in the same run;
// the Match window's designs following an entry, drawn, <= 2 ms, and a
// shift-bar event with the plot's Match tab and the chart drawn <= 16 ms.
#include <benchmark/benchmark.h>
#include <spawn.h>
#include <sys/wait.h>

#include <QAction>
#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QGraphicsView>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTreeWidget>
#include <QTemporaryDir>
#include <QWidget>
#include <cmath>
#include <memory>
#include <string>

#include "app/controls/controls.h"
#include "app/main_window.h"
#include "calc/compare/compare.h"
#include "calc/line/line.h"
#include "calc/swr/conversions.h"
#include "calc/swr/swr.h"
#include "calc/tuner/tuner.h"
#include "numeric/entry_value.h"
#include "numeric/format.h"
#include "support/worked_line_run.h"

namespace {

using namespace tolvar;

void BM_ReadEntryValue(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(numeric::ReadEntryValue("  14.000"));
    benchmark::DoNotOptimize(numeric::ReadEntryValue("-1.2345E-3"));
  }
}
BENCHMARK(BM_ReadEntryValue);

void BM_FormatFixed(benchmark::State& state) {
  double v = 102.4538;
  for (auto _ : state) {
    benchmark::DoNotOptimize(numeric::FormatFixed(v, 2));
    benchmark::DoNotOptimize(numeric::FormatFixed(-v, 4));
  }
}
BENCHMARK(BM_FormatFixed);

void BM_SwrText(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::swr::SwrText(calc::swr::ComputeSwr({{25, 25}, {50, 0}, 100})));
  }
}
BENCHMARK(BM_SwrText);

void BM_Conversions(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(
        calc::swr::PowerFromVoltage({30, 40}, 100, calc::swr::VoltageKind::PeakToPeak));
    benchmark::DoNotOptimize(calc::swr::VoltageFromPower({50, 0}, 50, calc::swr::PowerUnit::Dbm));
    benchmark::DoNotOptimize(calc::swr::PowerFromCurrent({50, 0}, 2));
  }
}
BENCHMARK(BM_Conversions);

void BM_Comparisons(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::compare::CompareVoltages({{50, 30}, 100}, {{50, 0}, 110}));
    benchmark::DoNotOptimize(calc::compare::CompareCurrents({{25, 25}, 2}, {{50, 0}, 1.9}));
  }
}
BENCHMARK(BM_Comparisons);

void BM_TunerLoss(benchmark::State& state) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::tuner::TunerLossText(calc::tuner::ComputeTunerLoss(
        {{0.2, 0.1}, {0.1, 0.05}, {0.85, -0.3}, {0.05, 0.1}, {0.85, -0.3}})));
  }
}
BENCHMARK(BM_TunerLoss);

calc::line::LineEntries WorkedRun(calc::line::Direction direction) {
  return testing::WorkedLineRun(direction, 75);
}

void BM_ComputeLineTypical(benchmark::State& state) {
  const auto e = WorkedRun(calc::line::Direction::TowardsTransmitter);
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::line::ComputeLine(e, calc::line::FindStartPoint(e, 0)));
  }
}
BENCHMARK(BM_ComputeLineTypical);

void BM_ComputeLineWorstCase(benchmark::State& state) {
  // SWR 50 at the transmitter through about 3 dB: no antenna can give it, and
  // the search runs all its 1000 coarse and 70 fine trials.
  auto e = WorkedRun(calc::line::Direction::TowardsAntenna);
  e.start = {2500, 0};
  e.shift.quarterDegrees = 0;
  e.lossPer100m = 42.5;
  for (auto _ : state) {
    benchmark::DoNotOptimize(calc::line::ComputeLine(e, calc::line::FindStartPoint(e, 0)));
  }
}
BENCHMARK(BM_ComputeLineWorstCase);

// One shift-bar event through the window: from the value change to LineResult.
// A window showing a start point of 100 + j50 ohm on the line panel.
void EnterStartPoint(MainWindow& window) {
  window.show();
  window.findChild<QLineEdit*>(tolvar::app::ObjectName(tolvar::app::Control::StartR))
      ->setText(QStringLiteral("100"));
  window.findChild<QLineEdit*>(tolvar::app::ObjectName(tolvar::app::Control::StartX))
      ->setText(QStringLiteral("50"));
}

void BM_ShiftBarEvent(benchmark::State& state) {
  MainWindow window;
  EnterStartPoint(window);
  auto* bar =
      window.findChild<QScrollBar*>(tolvar::app::ObjectName(tolvar::app::Control::ShiftBar));
  auto* result =
      window.findChild<QPlainTextEdit*>(tolvar::app::ObjectName(tolvar::app::Control::LineResult));
  int value = 0;
  for (auto _ : state) {
    value = value % 720 + 1;
    bar->setValue(value);
    benchmark::DoNotOptimize(result->document());
  }
  if (result->toPlainText().isEmpty()) {
    state.SkipWithError("the shift bar left no result");
  }
}
BENCHMARK(BM_ShiftBarEvent);

QWidget* OpenChart(MainWindow& window) {
  window.findChild<QAction*>(QStringLiteral("actionSmithChart"))->trigger();
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == QStringLiteral("SmithChart")) {
      return top;
    }
  }
  return nullptr;
}

// The same event with the chart open, up to its repaint: the line's path is
// sampled from the propagation and drawn over the cached grid.
void BM_ShiftBarEventWithChart(benchmark::State& state) {
  MainWindow window;
  EnterStartPoint(window);
  auto* bar =
      window.findChild<QScrollBar*>(tolvar::app::ObjectName(tolvar::app::Control::ShiftBar));
  auto* result =
      window.findChild<QPlainTextEdit*>(tolvar::app::ObjectName(tolvar::app::Control::LineResult));
  QWidget* chart = OpenChart(window);
  QCoreApplication::processEvents();
  int value = 0;
  for (auto _ : state) {
    value = value % 720 + 1;
    bar->setValue(value);
    result->viewport()->repaint();
    chart->repaint();
  }
  if (chart->accessibleDescription().isEmpty()) {
    state.SkipWithError("the chart shows no marks");
  }
}
BENCHMARK(BM_ShiftBarEventWithChart);

// From the action to the chart's first paint, marks included.
void BM_OpenChart(benchmark::State& state) {
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<MainWindow>();
    EnterStartPoint(*window);
    window->findChild<QScrollBar*>(tolvar::app::ObjectName(tolvar::app::Control::ShiftBar))
        ->setValue(360);
    QCoreApplication::processEvents();
    state.ResumeTiming();
    QWidget* chart = OpenChart(*window);
    chart->repaint();
    state.PauseTiming();
    window.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenChart)->Unit(benchmark::kMillisecond);

// A made-up sweep of `points` frequencies from 1 to 30 MHz in a Touchstone file
// in `dir`: a 1-port (a resonant load) or a 2-port (a lossy through).
QString WriteSweep(const QTemporaryDir& dir, int points, int ports) {
  QString text = QStringLiteral("# MHz S RI R 50\n");
  for (int i = 0; i < points; ++i) {
    const double mhz = 1 + 29.0 * i / (points - 1);
    const double turn = mhz / 3;
    QString line = QString::number(mhz, 'f', 6) + QStringLiteral(" %1 %2")
                                                      .arg(0.5 * std::cos(turn), 0, 'f', 9)
                                                      .arg(0.5 * std::sin(turn), 0, 'f', 9);
    if (ports == 2) {
      line += QStringLiteral(" 0.9 0 0.9 0 %1 %2")
                  .arg(0.1 * std::cos(turn), 0, 'f', 9)
                  .arg(0.1 * std::sin(turn), 0, 'f', 9);
    }
    text += line + QLatin1Char('\n');
  }
  QFile file(dir.filePath(ports == 1 ? QStringLiteral("sweep.s1p") : QStringLiteral("sweep.s2p")));
  file.open(QIODevice::WriteOnly);
  file.write(text.toLatin1());
  return file.fileName();
}

// From opening a 10,001-point 2-port file to the measurement window and the
// open chart painted with its traces.
void BM_OpenMeasurement10001(benchmark::State& state) {
  QTemporaryDir dir;
  const QString path = WriteSweep(dir, 10001, 2);
  for (auto _ : state) {
    state.PauseTiming();
    auto window = std::make_unique<MainWindow>();
    window->show();
    QWidget* chart = OpenChart(*window);
    QCoreApplication::processEvents();
    state.ResumeTiming();
    if (!window->openMeasurement(path)) {
      state.SkipWithError("the measurement did not open");
      return;
    }
    window->findChild<QWidget*>(QStringLiteral("Measurement"))->repaint();
    chart->repaint();
    state.PauseTiming();
    window.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_OpenMeasurement10001)->Unit(benchmark::kMillisecond);

// Opens the measurement with the sweep plot and the chart showing it, then
// times one shift-bar event at a time, up to the repaint: every point carried
// again along the line, the plot's curves and the chart's traces drawn anew.
void DragWithSweepShown(benchmark::State& state, MainWindow& window, const QString& file) {
  if (!window.openMeasurement(file)) {
    state.SkipWithError("the measurement did not open");
    return;
  }
  window.findChild<QAction*>(QStringLiteral("actionSweepPlot"))->trigger();
  QWidget* chart = OpenChart(window);
  auto* plot = window.findChild<QWidget*>(QStringLiteral("SweepPlot"));
  auto* bar =
      window.findChild<QScrollBar*>(tolvar::app::ObjectName(tolvar::app::Control::ShiftBar));
  QCoreApplication::processEvents();
  int value = 0;
  for (auto _ : state) {
    value = value % 720 + 1;
    bar->setValue(value);
    QCoreApplication::processEvents();  // the sweeps follow once per pass of the event loop
    plot->repaint();
    chart->repaint();
  }
}

// One shift-bar event with a measured sweep of state.range(0) points open.
void BM_ShiftBarEventWithSweep(benchmark::State& state) {
  QTemporaryDir dir;
  MainWindow window;
  EnterStartPoint(window);
  DragWithSweepShown(state, window, WriteSweep(dir, static_cast<int>(state.range(0)), 1));
}
BENCHMARK(BM_ShiftBarEventWithSweep)->Arg(1001)->Arg(10001)->Unit(benchmark::kMillisecond);

// The same with 201 points carried through the longest lossless line the panel
// allows: neighbouring points land far apart round the chart, and the trace
// crosses itself at every step.
void BM_ShiftBarEventWithSweepOnLongLine(benchmark::State& state) {
  using tolvar::app::Control;
  using tolvar::app::ObjectName;
  QTemporaryDir dir;
  MainWindow window;
  EnterStartPoint(window);
  window.findChild<QAbstractButton*>(ObjectName(Control::ManualLineData))->click();
  for (const auto& [control, text] : {std::pair{Control::LineZ, "50"},
                                      {Control::VelocityFactor, "0.66"},
                                      {Control::LineLoss, "0"},
                                      {Control::Frequency, "7"}}) {
    window.findChild<QLineEdit*>(ObjectName(control))->setText(QString::fromLatin1(text));
  }
  auto* cycles = window.findChild<QComboBox*>(ObjectName(Control::CyclesBox));
  cycles->setCurrentIndex(cycles->count() - 1);
  DragWithSweepShown(state, window, WriteSweep(dir, 201, 1));
}
BENCHMARK(BM_ShiftBarEventWithSweepOnLongLine)->Unit(benchmark::kMillisecond);

// Counts the paint events the watched widgets get, to show in a benchmark's
// counters that each view was drawn once per event, as the event loop draws it.
class PaintCounter : public QObject {
 public:
  explicit PaintCounter(QWidget* watched) { watched->installEventFilter(this); }
  [[nodiscard]] int paints() const { return paints_; }

 protected:
  bool eventFilter(QObject* /*watched*/, QEvent* event) override {
    paints_ += event->type() == QEvent::Paint ? 1 : 0;
    return false;
  }

 private:
  int paints_ = 0;
};

benchmark::Counter PerEvent(const PaintCounter& counter) {
  return benchmark::Counter(counter.paints(), benchmark::Counter::kAvgIterations);
}

// Lets the event loop do what follows an event, drawing included: the deferred
// sweeps follow in the first pass, and the views they mark dirty are drawn in
// the next. A forced repaint() would draw a widget a second time, and with it
// whatever else of its window is dirty.
void LetTheEventLoopFollow() {
  QCoreApplication::processEvents();
  QCoreApplication::processEvents();
}

// The Match window's designs following one typed entry: the L networks and
// the T designed and evaluated anew and listed (Arg 0), and with the entry and
// the list drawn in the event loop's one pass (Arg 1).
void BM_MatchDesignsFollowAnEntry(benchmark::State& state) {
  MainWindow window;
  window.show();
  window.findChild<QAction*>(QStringLiteral("actionDesignMatch"))->trigger();
  auto* match = window.findChild<QWidget*>(QStringLiteral("Match"));
  match->findChild<QLineEdit*>(QStringLiteral("MatchLoadR"))->setText(QStringLiteral("12.5"));
  match->findChild<QLineEdit*>(QStringLiteral("MatchLoadX"))->setText(QStringLiteral("-30"));
  auto* mhz = match->findChild<QLineEdit*>(QStringLiteral("MatchMHz"));
  auto* list = match->findChild<QTreeWidget*>(QStringLiteral("MatchSolutions"));
  QCoreApplication::processEvents();
  const PaintCounter listPaints(list->viewport());
  int step = 0;
  for (auto _ : state) {
    mhz->setText(QString::number(7 + (step++ % 100) * 0.001, 'f', 3));
    if (state.range(0) != 0) {
      LetTheEventLoopFollow();
    }
  }
  state.counters["list_paints_per_entry"] = PerEvent(listPaints);
}
BENCHMARK(BM_MatchDesignsFollowAnEntry)->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

// A shift-bar event with a 1,001-point measurement, a network chosen in the
// Match window placed at the antenna, and the plot's Match tab shown.
void BM_ShiftBarEventWithMatchTab(benchmark::State& state) {
  QTemporaryDir dir;
  MainWindow window;
  EnterStartPoint(window);
  window.findChild<QAction*>(QStringLiteral("actionDesignMatch"))->trigger();
  auto* match = window.findChild<QWidget*>(QStringLiteral("Match"));
  match->findChild<QLineEdit*>(QStringLiteral("MatchLoadR"))->setText(QStringLiteral("30"));
  match->findChild<QLineEdit*>(QStringLiteral("MatchLoadX"))->setText(QStringLiteral("20"));
  match->findChild<QLineEdit*>(QStringLiteral("MatchMHz"))->setText(QStringLiteral("14"));
  match->findChild<QComboBox*>(QStringLiteral("MatchPlace"))->setCurrentIndex(1);
  if (!window.openMeasurement(WriteSweep(dir, 1001, 1))) {
    state.SkipWithError("the measurement did not open");
    return;
  }
  window.findChild<QAction*>(QStringLiteral("actionSweepPlot"))->trigger();
  QWidget* chart = OpenChart(window);
  auto* plot = window.findChild<QWidget*>(QStringLiteral("SweepPlot"));
  QCoreApplication::processEvents();
  auto* tabs = plot->findChild<QTabWidget*>();
  tabs->setCurrentIndex(tabs->count() - 1);  // the Match tab, the last
  if (tabs->tabText(tabs->currentIndex()) != QStringLiteral("Match")) {
    state.SkipWithError("no Match tab");
    return;
  }
  auto* bar =
      window.findChild<QScrollBar*>(tolvar::app::ObjectName(tolvar::app::Control::ShiftBar));
  auto* shown = qobject_cast<QGraphicsView*>(tabs->currentWidget());
  if (shown == nullptr) {
    shown = tabs->currentWidget()->findChild<QGraphicsView*>();
  }
  const PaintCounter plotPaints(shown->viewport());
  const PaintCounter chartPaints(chart);
  int value = 0;
  for (auto _ : state) {
    value = value % 720 + 1;
    bar->setValue(value);
    LetTheEventLoopFollow();
  }
  state.counters["plot_paints_per_event"] = PerEvent(plotPaints);
  state.counters["chart_paints_per_event"] = PerEvent(chartPaints);
}
BENCHMARK(BM_ShiftBarEventWithMatchTab)->Unit(benchmark::kMillisecond);

// Notes the first paint of the window it watches.
class FirstPaint : public QObject {
 public:
  bool painted = false;

 protected:
  bool eventFilter(QObject*, QEvent* event) override {
    painted = painted || event->type() == QEvent::Paint;
    return false;
  }
};

template <typename Window>
void ShowUntilFirstPaint(benchmark::State& state) {
  for (auto _ : state) {
    FirstPaint watch;
    auto window = std::make_unique<Window>();
    window->installEventFilter(&watch);
    window->setFixedSize(688, 678);
    window->show();
    while (!watch.painted) {
      QCoreApplication::processEvents();
    }
    state.PauseTiming();
    window.reset();
    QCoreApplication::processEvents();
    state.ResumeTiming();
  }
}

void BM_TolvarWindowFirstPaint(benchmark::State& state) { ShowUntilFirstPaint<MainWindow>(state); }
BENCHMARK(BM_TolvarWindowFirstPaint)->Unit(benchmark::kMillisecond);

void BM_EmptyWidgetFirstPaint(benchmark::State& state) { ShowUntilFirstPaint<QWidget>(state); }
BENCHMARK(BM_EmptyWidgetFirstPaint)->Unit(benchmark::kMillisecond);

// A whole program start, from exec to the first paint of its window.
void RunProbe(benchmark::State& state, const char* which) {
  char program[] = TOLVAR_STARTUP_PROBE;
  std::string argument = which;
  char* argv[] = {program, argument.data(), nullptr};
  for (auto _ : state) {
    pid_t child = 0;
    if (posix_spawn(&child, program, nullptr, nullptr, argv, environ) != 0) {
      state.SkipWithError("cannot start the probe");
      return;
    }
    int status = 0;
    waitpid(child, &status, 0);
    if (!WIFEXITED(status) || WEXITSTATUS(status) != 0) {
      state.SkipWithError("the probe failed");
      return;
    }
  }
}

void BM_TolvarStartUpToFirstPaint(benchmark::State& state) { RunProbe(state, "tolvar"); }
BENCHMARK(BM_TolvarStartUpToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_EmptyWindowStartUpToFirstPaint(benchmark::State& state) { RunProbe(state, "empty"); }
BENCHMARK(BM_EmptyWindowStartUpToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

void BM_LabelWindowStartUpToFirstPaint(benchmark::State& state) { RunProbe(state, "label"); }
BENCHMARK(BM_LabelWindowStartUpToFirstPaint)->Unit(benchmark::kMillisecond)->UseRealTime();

}  // namespace

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
  }
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
