// The Smith chart window as a user sees it: square at any size, its marks in
// the accessible description, the PNG it saves in either palette, the readout
// under the pointer, and labels that fit at every scaling.
#include "app/smith_chart.h"

#include <QApplication>
#include <QImage>
#include <QScreen>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cmath>

#include "numeric/smith.h"

using tolvar::app::ChartMark;
using tolvar::app::SmithChart;
using tolvar::numeric::Reflection;

class SmithChartTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void opensAsAWindowOfItsOwn();
  void staysSquareAndCentred_data();
  void staysSquareAndCentred();
  void describesEachMarkOnALine_data();
  void describesEachMarkOnALine();
  void savesThePaletteAndMarksAtThePixelRatio_data();
  void savesThePaletteAndMarksAtThePixelRatio();
  void readoutInvertsTheMapping_data();
  void readoutInvertsTheMapping();
  void readoutFollowsThePointer();
  void labelsFitAndKeepApart_data();
  void labelsFitAndKeepApart();
};

namespace {

QPointF PointOf(const SmithChart& chart, Reflection gamma) {
  const QRectF disc = chart.discRect();
  const auto point = tolvar::numeric::PointFromReflection(
      gamma, {disc.center().x(), disc.center().y(), disc.width()});
  return {point.x, point.y};
}

std::vector<ChartMark> Marks(const QStringList& legends) {
  std::vector<ChartMark> marks;
  for (const QString& legend : legends) {
    marks.push_back({legend, QStringLiteral("about ") + legend, QColor(), {{0.3, -0.2}}});
  }
  return marks;
}

QPalette DarkPalette() {
  QPalette dark;
  dark.setColor(QPalette::Window, QColor(0x2b, 0x2b, 0x2b));
  dark.setColor(QPalette::WindowText, QColor(0xe0, 0xe0, 0xe0));
  dark.setColor(QPalette::Base, QColor(0x1e, 0x1e, 0x1e));
  dark.setColor(QPalette::Text, QColor(0xe8, 0xe8, 0xe8));
  return dark;
}

}  // namespace

void SmithChartTest::initTestCase() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
}

void SmithChartTest::opensAsAWindowOfItsOwn() {
  QWidget owner;
  SmithChart chart(&owner);
  QVERIFY(chart.isWindow());
  QCOMPARE(chart.objectName(), QStringLiteral("SmithChart"));
  QVERIFY(chart.windowTitle().startsWith(QStringLiteral("Tolvar 3.1")));
  QCOMPARE(chart.accessibleName(), QStringLiteral("Smith chart"));
  QCOMPARE(chart.size(), QSize(480, 480));
  chart.setAdmittanceGrid(true);
  QAction* admittance = chart.actions().at(0);
  QCOMPARE(admittance->text(), QStringLiteral("Admittance grid"));
  QVERIFY(admittance->isChecked());
  admittance->trigger();
  QVERIFY(!chart.admittanceGrid());
}

void SmithChartTest::staysSquareAndCentred_data() {
  QTest::addColumn<QSize>("asked");
  QTest::addColumn<QSize>("size");
  QTest::newRow("default square") << QSize(480, 480) << QSize(480, 480);
  QTest::newRow("wide") << QSize(760, 420) << QSize(760, 420);
  QTest::newRow("tall") << QSize(360, 640) << QSize(360, 640);
  QTest::newRow("below the minimum") << QSize(120, 90) << QSize(320, 320);
}

void SmithChartTest::staysSquareAndCentred() {
  QFETCH(QSize, asked);
  QFETCH(QSize, size);
  SmithChart chart;
  chart.setMarks(Marks({QStringLiteral("Load (SWR panel)")}));
  chart.show();
  chart.resize(asked);
  QCOMPARE(chart.size(), size);
  const QRectF disc = chart.discRect();
  QCOMPARE(disc.width(), disc.height());
  QCOMPARE(disc.center().x(), size.width() / 2.0);
  QVERIFY(QRectF(chart.rect()).contains(disc));
  QVERIFY2(disc.width() > 0.7 * std::min(size.width(), size.height()), "the disc fills the window");
}

void SmithChartTest::describesEachMarkOnALine_data() {
  QTest::addColumn<QStringList>("descriptions");
  QTest::newRow("no marks") << QStringList();
  QTest::newRow("one") << QStringList{QStringLiteral("Load 73.08 + j15.38 ohm, SWR 1.58")};
  QTest::newRow("three, one blank")
      << QStringList{QStringLiteral("Load 100 + j50 ohm"), QString(),
                     QStringLiteral("Line, far end 20.36 - j9.93 ohm")};
}

void SmithChartTest::describesEachMarkOnALine() {
  QFETCH(QStringList, descriptions);
  SmithChart chart;
  chart.setMarks(Marks({QStringLiteral("before"), QStringLiteral("earlier")}));
  std::vector<ChartMark> marks;
  for (const QString& description : descriptions) {
    marks.push_back({QStringLiteral("legend"), description, QColor(), {{0, 0}}});
  }
  chart.setMarks(marks);
  QCOMPARE(chart.marks().size(), marks.size());
  QCOMPARE(chart.accessibleDescription(), descriptions.join(QLatin1Char('\n')));
}

void SmithChartTest::savesThePaletteAndMarksAtThePixelRatio_data() {
  QTest::addColumn<bool>("dark");
  QTest::newRow("light palette") << false;
  QTest::newRow("dark palette") << true;
}

void SmithChartTest::savesThePaletteAndMarksAtThePixelRatio() {
  QFETCH(bool, dark);
  QTemporaryDir folder;
  const QString path = folder.filePath(QStringLiteral("chart.png"));
  SmithChart chart;
  chart.resize(500, 440);
  const Reflection mark{0.5, 0.5};
  chart.setMarks({{QStringLiteral("navy"), QString(), QColor(0, 0, 0x80), {mark}}});
  QVERIFY(chart.savePng(path));
  if (dark) {
    chart.setPalette(DarkPalette());  // after a first paint: the cached grid must follow
  }
  QVERIFY(chart.savePng(path));
  QImage image(path);
  const qreal ratio = chart.devicePixelRatioF();
  QCOMPARE(image.size(), QSize(qRound(500 * ratio), qRound(440 * ratio)));
  const auto colourAt = [&](QPointF point) { return image.pixelColor((point * ratio).toPoint()); };
  const QColor base = chart.palette().color(QPalette::Base);
  QCOMPARE(colourAt(PointOf(chart, {-0.24, -0.56})), base);  // a spot of the disc with no line
  QCOMPARE(colourAt(QPointF(498, 438)), chart.palette().color(QPalette::Window));
  const QColor dot = colourAt(PointOf(chart, mark));
  QVERIFY2(std::abs(dot.lightness() - base.lightness()) > 60, "the mark stands out");
  QCOMPARE(dot.hue(), QColor(0, 0, 0x80).hue());
}

void SmithChartTest::readoutInvertsTheMapping_data() {
  QTest::addColumn<double>("re");
  QTest::addColumn<double>("im");
  QTest::addColumn<double>("ohmR");
  QTest::addColumn<double>("ohmX");
  QTest::addColumn<QString>("readout");
  QTest::newRow("worked load on 50 ohm")
      << 0.2 << 0.1 << 50.0 << 0.0
      << QStringLiteral("Z = 73.08 + j15.38 ohm   |\u0393| = 0.224 at 26.6\u00b0   SWR = 1.58");
  QTest::newRow("capacitive on a complex reference")
      << -0.3 << -0.4 << 75.0 << -25.0
      << QStringLiteral(
             "Z = 19.59 - j42.57 ohm   |\u0393| = 0.500 at -126.9\u00b0   SWR = 3.00");
  QTest::newRow("matched centre")
      << 0.0 << 0.0 << 50.0 << 10.0
      << QStringLiteral("Z = 50.00 + j10.00 ohm   |\u0393| = 0.000 at 0.0\u00b0   SWR = 1.00");
  QTest::newRow("short-circuit side of the axis")
      << -0.5 << 0.0 << 50.0 << 0.0
      << QStringLiteral("Z = 16.67 + j0.00 ohm   |\u0393| = 0.500 at 180.0\u00b0   SWR = 3.00");
  QTest::newRow("next to the open circuit")
      << 0.999 << 0.0 << 50.0 << 0.0
      << QStringLiteral(
             "Z = 99950.00 + j0.00 ohm   |\u0393| = 0.999 at 0.0\u00b0   SWR = 1999.00");
  QTest::newRow("open circuit on the rim") << 1.0 << 0.0 << 50.0 << 0.0 << QString();
  QTest::newRow("outside") << -1.1 << 0.3 << 50.0 << 0.0 << QString();
}

void SmithChartTest::readoutInvertsTheMapping() {
  QFETCH(double, re);
  QFETCH(double, im);
  QFETCH(double, ohmR);
  QFETCH(double, ohmX);
  QFETCH(QString, readout);
  SmithChart chart;
  chart.setReference(ohmR, ohmX);
  QCOMPARE(chart.readoutAt(PointOf(chart, {re, im})), readout);
}

void SmithChartTest::readoutFollowsThePointer() {
  SmithChart chart;
  chart.show();
  QVERIFY(QTest::qWaitForWindowExposed(&chart));
  const auto texts = chart.placedTexts();
  const QRect line = std::find_if(texts.begin(), texts.end(), [](const auto& text) {
                       return text.role == SmithChart::TextRole::StatusLine;
                     })->rect.toAlignedRect();
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

void SmithChartTest::labelsFitAndKeepApart_data() {
  QTest::addColumn<QSize>("size");
  QTest::addColumn<QStringList>("legend");
  const QString load = QStringLiteral("Load (SWR panel)");
  QTest::newRow("default, no marks") << QSize(480, 480) << QStringList();
  QTest::newRow("default, three marks")
      << QSize(480, 480)
      << QStringList{load, QStringLiteral("Line, far end"), QStringLiteral("Tuner antenna port")};
  QTest::newRow("minimum, two marks")
      << QSize(320, 320) << QStringList{load, QStringLiteral("Line, far end")};
  QTest::newRow("wide, an overlong legend")
      << QSize(800, 500)
      << QStringList{QStringLiteral("A legend far longer than any corner of the chart holds"),
                     load};
  QTest::newRow("tall, four marks") << QSize(400, 640) << QStringList{load, load, load, load};
}

void SmithChartTest::labelsFitAndKeepApart() {
  QFETCH(QSize, size);
  QFETCH(QStringList, legend);
  SmithChart chart;
  chart.setReference(1234.5, -678.25);
  chart.resize(size);
  chart.show();
  chart.setMarks(Marks(legend));
  // The suite runs this test again at 150 % and 200 % (QT_SCALE_FACTOR).
  const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                           ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                           : 1.0;
  QCOMPARE(chart.devicePixelRatioF(), scale);
  const QRectF disc = chart.discRect();
  const double radius = disc.width() / 2;
  QStringList misfits, gridTexts, legendTexts;
  const auto texts = chart.placedTexts();
  for (const auto& text : texts) {
    const bool grid = text.role == SmithChart::TextRole::GridLabel;
    (grid ? gridTexts : legendTexts) << text.text;
    if (!QRectF(chart.rect()).contains(text.rect)) {
      misfits << text.text + QStringLiteral(" leaves the widget");
    }
    // Corner texts keep off the disc.
    const QPointF nearest(std::clamp(disc.center().x(), text.rect.left(), text.rect.right()),
                          std::clamp(disc.center().y(), text.rect.top(), text.rect.bottom()));
    const QPointF offset = nearest - disc.center();
    if (!grid && text.role != SmithChart::TextRole::StatusLine &&
        std::hypot(offset.x(), offset.y()) <= radius) {
      misfits << text.text + QStringLiteral(" on the disc");
    }
    for (const auto& other : texts) {
      if (&other < &text && other.rect.intersects(text.rect)) {
        misfits << text.text + QStringLiteral(" over ") + other.text;
      }
    }
  }
  if (!misfits.isEmpty()) {
    qWarning() << misfits;
  }
  QCOMPARE(misfits, QStringList());
  QCOMPARE(legendTexts.size(), legend.size() + 2);  // with the reference and the status line
  gridTexts.sort();
  QCOMPARE(gridTexts,
           (QStringList{"+j0.2", "+j0.5", "+j1", "+j2", "+j5", "-j0.2", "-j0.5", "-j1", "-j2",
                        "-j5", "0.2", "0.5", "1", "2", "5", "SWR 1.5", "SWR 2", "SWR 3"}));
}

QTEST_MAIN(SmithChartTest)
#include "smith_chart_test.moc"
