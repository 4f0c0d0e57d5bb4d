// Makes the pictures of the user guide from the real window, so that they show
// what the program shows:
//   guide_pictures FOLDER [--check GUIDE.md]
// It types each worked example of the guide as the guide tells the reader and
// saves, into FOLDER/images/, each panel with its example (swr.png,
// conversions.png, comparison.png, tuner.png, line.png), then the window with
// the SWR, tuner and line examples (window.png) and the Smith chart opened
// from it (smith-chart.png). With --check it also fails, naming them, when the
// guide does not quote the result texts the window shows for its examples.
// Always on the offscreen platform at 200 %, in the program's style.
#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCommandLineParser>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QPixmap>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <QTextStream>
#include <QTimer>
#include <initializer_list>
#include <utility>

#include "app/chart/smith_chart.h"
#include "app/controls/controls.h"
#include "app/main_window.h"

namespace {

using tolvar::app::Control;
using C = Control;

// 192 dpi: a picture taken at 200 % prints at the size the window has on a
// 96-dpi screen at 100 %.
constexpr int kDotsPerMetre = 7559;

// Drives one window as the guide's reader does, and keeps what went wrong.
class Reader {
 public:
  Reader(tolvar::MainWindow& window, QStringList& faults) : window_(window), faults_(faults) {
    window_.show();
    window_.activateWindow();
    if (!QTest::qWaitForWindowActive(&window_)) {
      faults_ << QStringLiteral("the window did not become active");
    }
    // A warning box would wait for a click: it is noted and closed.
    QObject::connect(&boxes_, &QTimer::timeout, &window_, [this] {
      if (QWidget* box = QApplication::activeModalWidget()) {
        faults_ << QStringLiteral("a box showed up: ") + box->windowTitle();
        box->close();
      }
    });
    boxes_.start(20);
  }

  template <typename T = QWidget>
  T* find(Control control) const {
    T* widget = window_.findChild<T*>(tolvar::app::ObjectName(control));
    Q_ASSERT(widget != nullptr);
    return widget;
  }
  QString text(Control field) const {
    return tolvar::app::FieldText(find(field))
        .replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  }

  // Gives the entry the focus as a click does, selects what it holds and
  // types over it.
  void type(Control entry, const QString& keys) const {
    auto* edit = find<QLineEdit>(entry);
    edit->setFocus(Qt::MouseFocusReason);
    edit->selectAll();
    QTest::keyClicks(edit, keys);
  }
  void type(std::initializer_list<std::pair<Control, const char*>> entries) const {
    for (const auto& [entry, keys] : entries) {
      type(entry, QString::fromLatin1(keys));
    }
  }
  void click(Control button) const {
    QTest::mouseClick(find<QAbstractButton>(button), Qt::LeftButton);
  }
  void trigger(const char* action) const {
    window_.findChild<QAction*>(QString::fromLatin1(action))->trigger();
    QApplication::processEvents();
  }

  // The window's part across `frame`, from the top of `top` down to the foot of
  // `bottom` and `below` pixels more. Taken from the window, not the frame, so
  // that what lies over the frame (option groups, the help button) shows.
  QImage picture(Control frame, Control top, Control bottom, int below = 0) const {
    const QRect across = inWindow(frame);
    const QRect area(QPoint(across.left(), inWindow(top).top()),
                     QPoint(across.right(), inWindow(bottom).bottom() + below));
    return window_.grab(area).toImage();
  }
  QImage picture(Control frame) const { return picture(frame, frame, frame); }
  QImage picture() const { return window_.grab().toImage(); }

 private:
  QRect inWindow(Control control) const {
    const QWidget* widget = find(control);
    return {widget->mapTo(&window_, QPoint()), widget->size()};
  }

  tolvar::MainWindow& window_;
  QStringList& faults_;
  QTimer boxes_;
};

// The worked examples, typed and run as the guide tells them.
void SwrExample(const Reader& reader) {
  reader.type({{C::MeasuredR, "100"},
               {C::MeasuredX, "0"},
               {C::ReferenceR, "50"},
               {C::ReferenceX, "0"},
               {C::ForwardPower, "100"}});
  reader.click(C::SwrButton);
}

// The conversions: from a voltage (the worked example), a power and a current.
void ConversionExamples(const Reader& reader) {
  reader.type({{C::MeasuredR, "50"}, {C::MeasuredX, "0"}});
  reader.click(C::VoltsRms);
  reader.type(C::Voltage, QStringLiteral("100"));
  reader.click(C::PowerFromVoltageButton);
  reader.click(C::PowerInWatts);
  reader.type(C::Power, QStringLiteral("100"));
  reader.click(C::VoltageFromPowerButton);
  reader.type(C::Current, QStringLiteral("2"));
  reader.click(C::PowerFromCurrentButton);
}

void ComparisonExample(const Reader& reader) {
  reader.type({{C::InputR, "50"}, {C::InputX, "0"}, {C::OutputR, "50"}, {C::OutputX, "0"}});
  reader.click(C::InputVoltsRms);
  reader.click(C::OutputVoltsRms);
  reader.type({{C::InputVoltage, "100"}, {C::OutputVoltage, "90"}});
  reader.click(C::CompareVoltagesButton);
}

void TunerExample(const Reader& reader) {
  reader.type({{C::AntennaRe, "0.2"},
               {C::AntennaIm, "0.1"},
               {C::S11Re, "0.1"},
               {C::S11Im, "0"},
               {C::S21Re, "0.9"},
               {C::S21Im, "0"},
               {C::S22Re, "0.1"},
               {C::S22Im, "0"},
               {C::S12Re, "0.9"},
               {C::S12Im, "0"}});
  reader.click(C::TunerLossButton);
}

// Own line data, then the starting point, the direction and the bar to its middle.
void LineExample(const Reader& reader) {
  reader.click(C::ManualLineData);
  reader.type({{C::LineLoss, "2"},
               {C::LineZ, "50"},
               {C::VelocityFactor, "0.66"},
               {C::StartR, "100"},
               {C::StartX, "50"},
               {C::Frequency, "14"},
               {C::LinePower, "100"},
               {C::RtxZ, "75"}});
  reader.click(C::TowardsTransmitter);
  auto* bar = reader.find<QScrollBar>(C::ShiftBar);
  bar->setValue((bar->minimum() + bar->maximum()) / 2);
}

// What the guide must quote of the window.
class GuideText {
 public:
  explicit GuideText(QString markdown)
      : markdown_(std::move(markdown)), prose_(markdown_.simplified()) {}

  // A result box: its lines as a code block of the guide.
  void expectBlock(const QString& shown) {
    QString block = QStringLiteral("    ") + shown;
    block.replace(QLatin1Char('\n'), QStringLiteral("\n    "));
    expect(!shown.isEmpty() && markdown_.contains(block + QLatin1Char('\n')), shown);
  }
  // A line of text, quoted in the prose: "200.000W 53.010dBm 2.000A".
  void expectQuote(const QString& shown) {
    expect(!shown.isEmpty() && prose_.contains(QLatin1Char('"') + shown.simplified() + '"'), shown);
  }
  // Words of the prose: "the watt field becomes 97.6".
  void expectWords(const QString& words) { expect(prose_.contains(words), words); }

  const QStringList& missing() const { return missing_; }

 private:
  void expect(bool found, const QString& shown) {
    if (!found) {
      missing_ << shown;
    }
  }
  QString markdown_;
  QString prose_;
  QStringList missing_;
};

void Save(QImage image, const QDir& folder, const QString& name, QStringList& faults) {
  image.setDotsPerMeterX(kDotsPerMetre);
  image.setDotsPerMeterY(kDotsPerMetre);
  if (!image.save(folder.filePath(name))) {
    faults << QStringLiteral("cannot write ") + folder.filePath(name);
  }
}

// One window through the guide's sections in order, a picture of each panel
// with its example, and what the guide says of them.
void PanelPictures(const QDir& folder, GuideText& guide, QStringList& faults) {
  tolvar::MainWindow window;
  const Reader reader(window, faults);
  SwrExample(reader);
  Save(reader.picture(C::SwrFrame), folder, QStringLiteral("swr.png"), faults);
  guide.expectBlock(reader.text(C::SwrResult));
  reader.find(C::MeasuredR)->setFocus(Qt::MouseFocusReason);
  reader.trigger("actionCopyResults");
  guide.expectBlock(QApplication::clipboard()->text().trimmed());
  reader.type(C::MeasuredR, QStringLiteral("50"));  // a load equal to the reference
  reader.click(C::SwrButton);
  guide.expectQuote(reader.text(C::SwrResult).section(QLatin1Char('\n'), 0, 0));

  ConversionExamples(reader);
  Save(reader.picture(C::SwrFrame, C::SwrFrame, C::PowerFromCurrentResult, 4), folder,
       QStringLiteral("conversions.png"), faults);
  guide.expectQuote(reader.text(C::PowerFromVoltageResult));
  guide.expectQuote(reader.text(C::VoltageFromPowerResult));
  guide.expectQuote(reader.text(C::PowerFromCurrentResult));

  ComparisonExample(reader);
  Save(reader.picture(C::ComparisonFrame), folder, QStringLiteral("comparison.png"), faults);
  guide.expectBlock(reader.text(C::ComparisonResult));
  TunerExample(reader);
  Save(reader.picture(C::ComparisonFrame, C::TunerFrame, C::ComparisonFrame), folder,
       QStringLiteral("tuner.png"), faults);
  guide.expectBlock(reader.text(C::ComparisonResult));

  LineExample(reader);
  Save(reader.picture(C::LineFrame), folder, QStringLiteral("line.png"), faults);
  guide.expectBlock(reader.text(C::LineResult));
  reader.click(C::SwapPowerButton);
  const QString farPower = QRegularExpression(QStringLiteral("PWR = ([0-9.]+)W"))
                               .match(reader.text(C::LineResult))
                               .captured(1);
  guide.expectWords(QStringLiteral("the watt field becomes %1 and the far point gets %2 W")
                        .arg(reader.text(C::LinePower), farPower));
}

// A fresh window with the three examples that show on the Smith chart, and the
// chart opened from it, as a reader would after them.
void WindowAndChartPictures(const QDir& folder, QStringList& faults) {
  tolvar::MainWindow window;
  const Reader reader(window, faults);
  SwrExample(reader);
  TunerExample(reader);
  LineExample(reader);
  Save(reader.picture(), folder, QStringLiteral("window.png"), faults);
  reader.trigger("actionSmithChart");
  auto* chart = window.findChild<tolvar::app::SmithChart*>(QStringLiteral("SmithChart"));
  if (chart == nullptr || chart->marks().empty()) {
    faults << QStringLiteral("the Smith chart did not open with the examples' marks");
    return;
  }
  Save(chart->grab().toImage(), folder, QStringLiteral("smith-chart.png"), faults);
}

QString ReadAll(const QString& file, QStringList& faults) {
  QFile source(file);
  if (!source.open(QIODevice::ReadOnly)) {
    faults << QStringLiteral("cannot read ") + file;
    return {};
  }
  return QString::fromUtf8(source.readAll());
}

}  // namespace

int main(int argc, char* argv[]) {
  // The pictures look the same wherever they are made.
  qputenv("QT_QPA_PLATFORM", "offscreen");
  qputenv("QT_SCALE_FACTOR", "2");
  qunsetenv("QT_SCREEN_SCALE_FACTORS");
  qunsetenv("QT_FONT_DPI");
  QApplication app(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption check(
      QStringLiteral("check"),
      QStringLiteral("Fail unless the guide quotes the examples' results."),
      QStringLiteral("guide.md"));
  parser.addOption(check);
  parser.addPositionalArgument(QStringLiteral("folder"),
                               QStringLiteral("Where images/ with the pictures goes."));
  parser.process(app);
  if (parser.positionalArguments().size() != 1) {
    parser.showHelp(2);
  }
  QStringList faults;
  const QDir folder(parser.positionalArguments().front() + QStringLiteral("/images"));
  if (!folder.mkpath(QStringLiteral("."))) {
    faults << QStringLiteral("cannot make ") + folder.path();
  }
  GuideText guide(parser.isSet(check) ? ReadAll(parser.value(check), faults) : QString());
  PanelPictures(folder, guide, faults);
  WindowAndChartPictures(folder, faults);
  if (parser.isSet(check)) {
    for (const QString& shown : guide.missing()) {
      faults << QStringLiteral("the guide does not show what the window shows:\n") + shown;
    }
  }
  for (const QString& fault : faults) {
    QTextStream(stderr) << "guide_pictures: " << fault << '\n';
  }
  return faults.isEmpty() ? 0 : 1;
}
