// Opens a Touchstone file the way a user does and reports what the user
// waits for: "measured_probe FILE [EVENTS]" prints the time from the open to
// the measurement window painted, the resident memory with the measurement
// window, the Smith chart and the sweep plot open, and the median time of a
// shift-bar event (the sweeps carried again, the plot and the chart
// repainted) over EVENTS events (default 101).
#include <QAction>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QLineEdit>
#include <QScrollBar>
#include <QStyleFactory>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "app/controls/controls.h"
#include "app/main_window.h"

namespace {

// The resident set of this process [kB], from /proc.
long ResidentKb() {
  QFile status(QStringLiteral("/proc/self/status"));
  if (!status.open(QIODevice::ReadOnly)) {
    return -1;
  }
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) {
      return line.mid(6).trimmed().split(' ').front().toLong();
    }
  }
  return -1;
}

QWidget* Find(const tolvar::MainWindow& window, const char* name) {
  for (QWidget* top : QApplication::topLevelWidgets()) {
    if (top->objectName() == QLatin1String(name)) {
      return top;
    }
  }
  return window.findChild<QWidget*>(QLatin1String(name));
}

}  // namespace

int main(int argc, char* argv[]) {
  if (argc < 2) {
    std::fputs("usage: measured_probe FILE [EVENTS]\n", stderr);
    return 2;
  }
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  const int events = argc > 2 ? std::max(1, QString::fromLocal8Bit(argv[2]).toInt()) : 101;
  tolvar::MainWindow window;
  window.show();
  using tolvar::app::Control;
  using tolvar::app::ObjectName;
  window.findChild<QLineEdit*>(ObjectName(Control::StartR))->setText(QStringLiteral("50"));
  QApplication::processEvents();

  QElapsedTimer clock;
  clock.start();
  if (!window.openMeasurement(QString::fromLocal8Bit(argv[1]))) {
    return 1;
  }
  Find(window, "Measurement")->repaint();
  const double openMs = static_cast<double>(clock.nsecsElapsed()) / 1e6;

  window.findChild<QAction*>(QStringLiteral("actionSweepPlot"))->trigger();
  window.findChild<QAction*>(QStringLiteral("actionSmithChart"))->trigger();
  auto* bar = window.findChild<QScrollBar*>(ObjectName(Control::ShiftBar));
  QWidget* plot = Find(window, "SweepPlot");
  QWidget* chart = Find(window, "SmithChart");
  QApplication::processEvents();
  std::vector<double> times;
  for (int i = 0; i < events; ++i) {
    clock.restart();
    bar->setValue(i % 720 + 1);
    QApplication::processEvents();
    plot->repaint();
    chart->repaint();
    times.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
  }
  std::sort(times.begin(), times.end());
  std::printf("open %.1f ms, resident %ld kB with the windows open, shift-bar event median "
              "%.1f ms (slowest %.1f ms, %d events)\n",
              openMs, ResidentKb(), times[times.size() / 2], times.back(), events);
  return 0;
}
