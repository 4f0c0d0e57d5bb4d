// The Smith chart window as a user sees it: a square disc and labels that fit at
// every size and scaling, its marks in the accessible description, the PNG it
// saves, and the readout under the pointer.
#include "app/chart/smith_chart.h"

#include <numbers>

#include "numeric/format.h"
#include "numeric/smith.h"
#include "window_fixture.h"

using tolvar::app::SmithChart;

namespace {

QPointF PointOf(const SmithChart& chart, tolvar::numeric::Complex gamma) {
  const QRectF disc = chart.discRect();
  const auto point = tolvar::numeric::PointFromReflection(
      gamma, {disc.center().x(), disc.center().y(), disc.width()});
  return {point.x, point.y};
}

QString Fixed(double value, int decimals) {
  return QString::fromStdString(tolvar::numeric::FormatFixed(value, decimals));
}

}  // namespace

class SmithChartTest : public QObject {
  Q_OBJECT

 private slots:
  void labelsFitAndKeepApart_data();
  void labelsFitAndKeepApart();
  void savesWhatItShowsAtThePixelRatio();
  void readoutInvertsTheMappingAndFollowsThePointer();
  void marksShowWhereAndAgainstWhatTheyStand();
};

void SmithChartTest::labelsFitAndKeepApart_data() {
  QTest::addColumn<QSize>("asked");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QStringList>("legends");
  QTest::addColumn<double>("share");  // the least share of the window's side the disc takes
  const QString load = QStringLiteral("Load (SWR panel)");
  const QString longer = QStringLiteral("A legend far longer than any corner of the chart holds");
  QTest::newRow("default, three marks")
      << QSize(480, 480) << QSize(480, 480) << QStringList{load, load, load} << 0.7;
  QTest::newRow("below the minimum")
      << QSize(120, 90) << QSize(360, 360) << QStringList{load} << 0.7;
  QTest::newRow("wide, a long legend")
      << QSize(800, 500) << QSize(800, 500) << QStringList{longer} << 0.7;
  QTest::newRow("tall, four marks")
      << QSize(400, 640) << QSize(400, 640) << QStringList{load, load, load, QString()} << 0.7;
  QTest::newRow("smallest, every panel's marks")
      << QSize(360, 360) << QSize(360, 360)
      << QStringList{load, "Antenna (tuner panel)", "Tuner RTX port", "Line start point",
                     "Line far point and path"}
      << 0.6;
}

void SmithChartTest::labelsFitAndKeepApart() {
  QFETCH(QSize, asked);
  QFETCH(QSize, size);
  QFETCH(QStringList, legends);
  QFETCH(double, share);
  SmithChart chart;
  chart.setReference(1234.5, -678.25);
  chart.show();
  chart.resize(asked);
  std::vector<tolvar::app::ChartMark> marks;
  for (const QString& legend : legends) marks.push_back({legend, legend + '.', {}, {{0.3, -0.2}}});
  // The first two as sweeps ending together on the "SWR 2" label: a measured
  // trace and the one carried to the feed point.
  const std::size_t traces = std::min<std::size_t>(2, marks.size());
  for (std::size_t i = 0; i < traces; ++i) {
    marks[i].path.push_back({0, -1.0 / 3});
    marks[i].trace = true;
    marks[i].ends = {"7.4 MHz", "6.8 MHz"};
  }
  chart.setMarks(marks);
  QCOMPARE(chart.accessibleDescription(), legends.join(".\n") + '.');  // a line per mark
  QCOMPARE(chart.devicePixelRatioF(), Scale());  // the suite runs it at 150 and 200 % too
  QCOMPARE(chart.size(), size);
  const QRectF disc = chart.discRect();  // square, centred, filling the window
  QCOMPARE(disc.width(), disc.height());
  QCOMPARE(disc.center().x(), size.width() / 2.0);
  QVERIFY(QRectF(chart.rect()).contains(disc));
  QVERIFY(disc.width() > share * std::min(size.width(), size.height()));
  QStringList misfits;
  const auto texts = chart.placedTexts();
  QCOMPARE(std::count_if(texts.begin(), texts.end(),
                         [](const auto& text) { return text.role == SmithChart::TextRole::TraceEnd; }),
           static_cast<std::ptrdiff_t>(2 * traces));
  for (const auto& text : texts) {
    if (!QRectF(chart.rect()).contains(text.rect)) misfits << text.text + " leaves the widget";
    if (text.role == SmithChart::TextRole::Legend && !legends.contains(text.text) &&
        legends.join(' ').size() < 150) {
      misfits << text.text + " is cut";  // a legend is whole where the window has room
    }
    const QPointF nearest(std::clamp(disc.center().x(), text.rect.left(), text.rect.right()),
                          std::clamp(disc.center().y(), text.rect.top(), text.rect.bottom()));
    const bool corner =
        text.role == SmithChart::TextRole::Legend || text.role == SmithChart::TextRole::Reference;
    if (corner && QLineF(nearest, disc.center()).length() <= disc.width() / 2) {
      misfits << text.text + " on the disc";
    }
    for (const auto& other : texts) {
      if (&other < &text && other.rect.intersects(text.rect)) {
        misfits << text.text + " over " + other.text;
      }
    }
  }
  QCOMPARE(misfits, QStringList());
}

void SmithChartTest::savesWhatItShowsAtThePixelRatio() {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("chart.png"));
  SmithChart chart;
  chart.resize(500, 440);
  const tolvar::numeric::Complex mark{0.5, 0.5};
  tolvar::app::ChartMark load{QStringLiteral("blue"), QString(), tolvar::app::MarkHue::Blue, {mark}};
  load.swrCircle = true;
  chart.setMarks({load});
  QVERIFY(chart.savePng(path));
  QPalette dark;  // after a first rendering: the cached grid must follow
  dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
  dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  chart.setPalette(dark);
  QVERIFY(chart.savePng(path));
  const QImage image(path);
  const double ratio = Scale();  // the suite runs it at 200 % too
  QCOMPARE(image.size(), QSize(500, 440) * ratio);
  const auto colourAt = [&](QPointF point) { return image.pixelColor((point * ratio).toPoint()); };
  QCOMPARE(colourAt(PointOf(chart, {-0.24, -0.56})), dark.color(QPalette::Base));  // no line there
  QCOMPARE(colourAt(QPointF(498, 438)), dark.color(QPalette::Window));
  QCOMPARE(colourAt(PointOf(chart, mark)).hue(), QColor(0x64b5f6).hue());  // the dark set's blue
  // Its SWR circle, |Gamma| = 0.707, crosses the negative imaginary axis; the
  // grid's r = 1 circle and the real axis meet at the centre, and the circle
  // passes 1 + j3.
  QVERIFY(std::abs(colourAt(PointOf(chart, {0, -std::sqrt(0.5)})).hue() - QColor(0x64b5f6).hue()) <= 2);
  QVERIFY(colourAt(PointOf(chart, {0, 0})) != dark.color(QPalette::Base));
  QVERIFY(colourAt(PointOf(chart, {9.0 / 13, 6.0 / 13})) != dark.color(QPalette::Base));  // 1 + j3
  QVERIFY(colourAt(PointOf(chart, {0.5, 0.2})) == dark.color(QPalette::Base));  // inside the r = 3 circle
}

void SmithChartTest::readoutInvertsTheMappingAndFollowsThePointer() {
  SmithChart chart;
  chart.show();
  QVERIFY(QTest::qWaitForWindowExposed(&chart));
  const QRect line = chart.placedTexts().back().rect.toAlignedRect();  // the status line
  const auto shown = [&] {  // what the screen shows: the line must be repainted
    return chart.screen()
        ->grabWindow(chart.winId(), line.x(), line.y(), line.width(), line.height())
        .toImage();
  };
  // An impedance, the reference: the readout where the chart puts that impedance.
  for (const auto& [r, x, r0, x0] : {std::array{73.08, 15.38, 50.0, 0.0},
                                     {19.59, -42.57, 75.0, -25.0},
                                     {50.0, 10.0, 50.0, 10.0},
                                     {99950.0, 0.0, 50.0, 0.0}}) {
    chart.setReference(r0, x0);
    QTest::qWait(20);  // repainted for the new reference, the pointer where it was
    const QImage before = shown();
    const auto gamma = *tolvar::numeric::ReflectionOf({r, x}, {r0, x0});
    const double rho = std::hypot(gamma.re, gamma.im);
    const double degrees = std::atan2(gamma.im, gamma.re) * 180 / std::numbers::pi;
    QCOMPARE(chart.readoutAt(PointOf(chart, gamma)),
             QStringLiteral("Z = %1 %2 j%3 ohm   |\u0393| = %4 at %5\u00b0   SWR = %6")
                 .arg(Fixed(r, 2), x < 0 ? "-" : "+", Fixed(std::fabs(x), 2), Fixed(rho, 3),
                      Fixed(degrees, 1), Fixed((1 + rho) / (1 - rho), 2)));
    QTest::mouseMove(&chart, PointOf(chart, gamma).toPoint());
    QTRY_VERIFY(shown() != before);
  }
  QCOMPARE(chart.readoutAt(PointOf(chart, {1, 0})) + chart.readoutAt(PointOf(chart, {-1.1, 0.3})),
           QString());  // nothing on the rim and beyond
}

void SmithChartTest::marksShowWhereAndAgainstWhatTheyStand() {
  // A load on 75 ohm at the "2" of the real axis, the line's start point on
  // 50 ohm (100 + j50) where the line's far path also starts.
  using tolvar::app::ChartMark;
  using tolvar::app::MarkHue;
  SmithChart chart;
  chart.resize(480, 480);
  chart.show();
  const auto start = *tolvar::numeric::ReflectionOf({100, 50}, {50, 0});
  ChartMark load{"Load", "Load: 150 ohm", MarkHue::Blue, {{0.5 / 1.5, 0}}, {75, 0}};
  ChartMark begin{"Line start point", "Start: 100 + j50", MarkHue::Green, {start}, {50, 0}};
  ChartMark far{"Line far point", "Far", MarkHue::Red, {start, {-0.2, -0.3}}, {50, 0}};
  chart.setReference(75, 0);
  chart.setMarks({load, begin, far});
  QCOMPARE(chart.readoutAt(PointOf(chart, start)).section("   ", 0, 0),
           QStringLiteral("Line start point, on 50 ohm: Z = 100.00 + j50.00 ohm"));
  QCOMPARE(chart.readoutAt(PointOf(chart, {0, 0})).section("   ", 0, 0),
           QStringLiteral("Z = 75.00 + j0.00 ohm"));  // away from the marks: the chart's reference
  QStringList legends;
  for (const auto& text : chart.placedTexts()) {
    if (text.role == SmithChart::TextRole::Legend) legends << text.text;
  }
  QCOMPARE(legends, QStringList({"Load, on 75 ohm", "Line start point, on 50 ohm",
                                 "Line far point, on 50 ohm"}));
  // The start point's dot lies over the path that starts there; the load's dot
  // leaves the axis label "2" it sits under readable.
  const QImage shown = chart.grab().toImage();
  const QPointF dot = PointOf(chart, start) * chart.devicePixelRatioF();
  QCOMPARE(shown.pixelColor(dot.toPoint()).hue(), QColor(0x2e7d32).hue());
  const double radius = chart.placedTexts().front().rect.height() / 3;
  const QRectF loadDot(PointOf(chart, load.path[0]) - QPointF(radius, radius),
                       QSizeF(2 * radius, 2 * radius));
  for (const auto& text : chart.placedTexts()) {
    QVERIFY2(text.text != "2" || !text.rect.intersects(loadDot), qPrintable(text.text));
  }
  // Ctrl+Shift+C in the chart copies its marks.
  QApplication::clipboard()->clear();
  QApplication::setActiveWindow(&chart);
  QVERIFY(QTest::qWaitForWindowActive(&chart));
  QTest::keyClick(&chart, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  QCOMPARE(QApplication::clipboard()->text(),
           QStringLiteral("Load: 150 ohm\nStart: 100 + j50\nFar\n"));
}

QTEST_MAIN(SmithChartTest)
#include "smith_chart_test.moc"
