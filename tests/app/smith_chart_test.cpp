// The Smith chart window as a user sees it: a square disc at any size, labels
// that fit at every scaling, its marks in the accessible description, the PNG
// it saves, and the readout under the pointer.
#include "app/smith_chart.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <cmath>
#include <numbers>

#include "numeric/entry_value.h"
#include "numeric/format.h"
#include "numeric/smith.h"

using tolvar::app::ChartMark;
using tolvar::app::SmithChart;
using tolvar::numeric::Reflection;

namespace {

QPointF PointOf(const SmithChart& chart, Reflection gamma) {
  const QRectF disc = chart.discRect();
  const auto point = tolvar::numeric::PointFromReflection(
      gamma, {disc.center().x(), disc.center().y(), disc.width()});
  return {point.x, point.y};
}

std::vector<ChartMark> Marks(const QStringList& descriptions) {
  std::vector<ChartMark> marks;
  for (const QString& description : descriptions) {
    marks.push_back({QStringLiteral("Load (SWR panel)"), description, QColor(), {{0.3, -0.2}}});
  }
  return marks;
}

// The scaling the suite runs the test at (QT_SCALE_FACTOR: 100, 150 and 200 %).
double Scale() {
  const QByteArray factor = qgetenv("QT_SCALE_FACTOR");
  return factor.isEmpty() ? 1.0 : tolvar::numeric::ReadEntryValue(factor.toStdString());
}

}  // namespace

class SmithChartTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase() { QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion"))); }
  void labelsFitAndKeepApart_data();
  void labelsFitAndKeepApart();
  void describesEachMarkOnALine();
  void savesWhatItShowsAtThePixelRatio();
  void readoutInvertsTheMapping_data();
  void readoutInvertsTheMapping();
  void readoutFollowsThePointer();
};

void SmithChartTest::labelsFitAndKeepApart_data() {
  QTest::addColumn<QSize>("asked");
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QStringList>("legend");
  const QString load = QStringLiteral("Load (SWR panel)");
  QTest::newRow("default, three marks")
      << QSize(480, 480) << QSize(480, 480) << QStringList{load, QStringLiteral("Line"), load};
  QTest::newRow("below the minimum, two marks")
      << QSize(120, 90) << QSize(320, 320) << QStringList{load, load};
  QTest::newRow("wide, an overlong legend")
      << QSize(800, 500) << QSize(800, 500)
      << QStringList{QStringLiteral("A legend far longer than any corner of the chart holds")};
  QTest::newRow("tall, four marks")
      << QSize(400, 640) << QSize(400, 640) << QStringList{load, load, load, load};
}

void SmithChartTest::labelsFitAndKeepApart() {
  QFETCH(QSize, asked);
  QFETCH(QSize, size);
  QFETCH(QStringList, legend);
  SmithChart chart;
  chart.setReference(1234.5, -678.25);
  chart.show();
  chart.resize(asked);
  std::vector<ChartMark> marks;
  for (const QString& text : legend) {
    marks.push_back({text, QString(), QColor(), {{0.3, -0.2}}});
  }
  chart.setMarks(marks);
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
    if (!QRectF(chart.rect()).contains(text.rect)) {
      misfits << text.text + QStringLiteral(" leaves the widget");
    }
    const QPointF nearest(std::clamp(disc.center().x(), text.rect.left(), text.rect.right()),
                          std::clamp(disc.center().y(), text.rect.top(), text.rect.bottom()));
    const QPointF offset = nearest - disc.center();
    const bool corner =
        text.role == SmithChart::TextRole::Legend || text.role == SmithChart::TextRole::Reference;
    if (corner && std::hypot(offset.x(), offset.y()) <= disc.width() / 2) {
      misfits << text.text + QStringLiteral(" on the disc");
    }
    for (const auto& other : texts) {
      if (&other < &text && other.rect.intersects(text.rect)) {
        misfits << text.text + QStringLiteral(" over ") + other.text;
      }
    }
  }
  QCOMPARE(misfits, QStringList());
}

void SmithChartTest::describesEachMarkOnALine() {
  SmithChart chart;
  chart.setMarks(Marks({QStringLiteral("before")}));
  const QStringList descriptions = {QStringLiteral("Load 100 + j50 ohm"), QString(),
                                    QStringLiteral("Line, far end 20.36 - j9.93 ohm")};
  chart.setMarks(Marks(descriptions));
  QCOMPARE(chart.accessibleDescription(), descriptions.join('\n'));
  chart.setMarks({});
  QCOMPARE(chart.accessibleDescription(), QString());
}

void SmithChartTest::savesWhatItShowsAtThePixelRatio() {
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("chart.png"));
  SmithChart chart;
  chart.resize(500, 440);
  const Reflection mark{0.5, 0.5};
  chart.setMarks({{QStringLiteral("navy"), QString(), QColor(0, 0, 0x80), {mark}}});
  QVERIFY(chart.savePng(path));
  QPalette dark;  // after a first rendering: the cached grid must follow
  dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
  dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  chart.setPalette(dark);
  QVERIFY(chart.savePng(path));
  const QImage image(path);
  const double ratio = Scale();  // the suite runs it at 200 % too
  QCOMPARE(image.size(), QSize(qRound(500 * ratio), qRound(440 * ratio)));
  const auto colourAt = [&](QPointF point) { return image.pixelColor((point * ratio).toPoint()); };
  QCOMPARE(colourAt(PointOf(chart, {-0.24, -0.56})), dark.color(QPalette::Base));  // no line there
  QCOMPARE(colourAt(QPointF(498, 438)), dark.color(QPalette::Window));
  QCOMPARE(colourAt(PointOf(chart, mark)).hue(), QColor(0, 0, 0x80).hue());
}

void SmithChartTest::readoutInvertsTheMapping_data() {
  QTest::addColumn<double>("r");  // the impedance under the pointer [ohm]
  QTest::addColumn<double>("x");
  QTest::addColumn<double>("referenceR");
  QTest::addColumn<double>("referenceX");
  QTest::newRow("inductive on 50 ohm") << 73.08 << 15.38 << 50.0 << 0.0;
  QTest::newRow("capacitive on a complex reference") << 19.59 << -42.57 << 75.0 << -25.0;
  QTest::newRow("matched: the centre") << 50.0 << 10.0 << 50.0 << 10.0;
  QTest::newRow("next to the open circuit") << 99950.0 << 0.0 << 50.0 << 0.0;
}

void SmithChartTest::readoutInvertsTheMapping() {
  QFETCH(double, r);
  QFETCH(double, x);
  QFETCH(double, referenceR);
  QFETCH(double, referenceX);
  SmithChart chart;
  chart.setReference(referenceR, referenceX);
  const Reflection gamma =
      *tolvar::numeric::ReflectionFromImpedance({r, x}, {referenceR, referenceX});
  const auto fixed = [](double value, int decimals) {
    return QString::fromStdString(tolvar::numeric::FormatFixed(value, decimals));
  };
  const double rho = std::hypot(gamma.re, gamma.im);
  const double degrees = std::atan2(gamma.im, gamma.re) * 180 / std::numbers::pi;
  QCOMPARE(chart.readoutAt(PointOf(chart, gamma)),
           QStringLiteral("Z = %1 %2 j%3 ohm   |\u0393| = %4 at %5\u00b0   SWR = %6")
               .arg(fixed(r, 2), x < 0 ? QStringLiteral("-") : QStringLiteral("+"),
                    fixed(std::fabs(x), 2), fixed(rho, 3), fixed(degrees, 1),
                    fixed((1 + rho) / (1 - rho), 2)));
  QCOMPARE(chart.readoutAt(PointOf(chart, {1, 0})), QString());  // nothing on the rim
  QCOMPARE(chart.readoutAt(PointOf(chart, {-1.1, 0.3})), QString());
}

void SmithChartTest::readoutFollowsThePointer() {
  SmithChart chart;
  chart.show();
  QVERIFY(QTest::qWaitForWindowExposed(&chart));
  QRect line;
  for (const auto& text : chart.placedTexts()) {
    if (text.role == SmithChart::TextRole::StatusLine) {
      line = text.rect.toAlignedRect();
    }
  }
  // What the screen shows, not a fresh rendering: the line must be repainted.
  const auto shown = [&] {
    return chart.screen()
        ->grabWindow(chart.winId(), line.x(), line.y(), line.width(), line.height())
        .toImage();
  };
  const QImage empty = shown();
  QTest::mouseMove(&chart, PointOf(chart, {0.2, 0.1}).toPoint());
  QTRY_VERIFY(shown() != empty);
  const QImage onFifty = shown();
  chart.setReference(75);  // the pointer stays, the impedance under it changes
  QTRY_VERIFY(shown() != onFifty && shown() != empty);
  QEvent leave(QEvent::Leave);
  QApplication::sendEvent(&chart, &leave);
  QTRY_COMPARE(shown(), empty);
}

QTEST_MAIN(SmithChartTest)
#include "smith_chart_test.moc"
