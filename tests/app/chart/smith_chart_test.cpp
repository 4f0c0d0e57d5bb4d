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
};

void SmithChartTest::labelsFitAndKeepApart_data() {
  QTest::addColumn<QSize>("asked");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QStringList>("legends");
  const QString load = QStringLiteral("Load (SWR panel)");
  const QString longer = QStringLiteral("A legend far longer than any corner of the chart holds");
  QTest::newRow("default, three marks")
      << QSize(480, 480) << QSize(480, 480) << QStringList{load, load, load};
  QTest::newRow("below the minimum") << QSize(120, 90) << QSize(320, 320) << QStringList{load};
  QTest::newRow("wide, a long legend") << QSize(800, 500) << QSize(800, 500) << QStringList{longer};
  QTest::newRow("tall, four marks")
      << QSize(400, 640) << QSize(400, 640) << QStringList{load, load, load, QString()};
}

void SmithChartTest::labelsFitAndKeepApart() {
  QFETCH(QSize, asked);
  QFETCH(QSize, size);
  QFETCH(QStringList, legends);
  SmithChart chart;
  chart.setReference(1234.5, -678.25);
  chart.show();
  chart.resize(asked);
  std::vector<tolvar::app::ChartMark> marks;
  for (const QString& legend : legends) marks.push_back({legend, legend + '.', {}, {{0.3, -0.2}}});
  chart.setMarks(marks);
  QCOMPARE(chart.accessibleDescription(), legends.join(".\n") + '.');  // a line per mark
  QCOMPARE(chart.devicePixelRatioF(), Scale());  // the suite runs it at 150 and 200 % too
  QCOMPARE(chart.size(), size);
  const QRectF disc = chart.discRect();  // square, centred, filling the window
  QCOMPARE(disc.width(), disc.height());
  QCOMPARE(disc.center().x(), size.width() / 2.0);
  QVERIFY(QRectF(chart.rect()).contains(disc));
  QVERIFY(disc.width() > 0.7 * std::min(size.width(), size.height()));
  QStringList misfits;
  const auto texts = chart.placedTexts();
  for (const auto& text : texts) {
    if (!QRectF(chart.rect()).contains(text.rect)) misfits << text.text + " leaves the widget";
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
  chart.setMarks({{QStringLiteral("blue"), QString(), tolvar::app::MarkHue::Blue, {mark}}});
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
    const auto gamma = *tolvar::numeric::ReflectionFromImpedance({r, x}, {r0, x0});
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

QTEST_MAIN(SmithChartTest)
#include "smith_chart_test.moc"
