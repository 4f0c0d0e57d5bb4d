// Drives a Tolvar window on the offscreen platform with random sequences of real
// events: typed keys, pasted text (up to a megabyte, binary too), button and
// option clicks, focus moves, shift-bar moves, cycle and cable choices, swaps.
// Warning boxes are closed as soon as they open. After every event: no field
// shows "nan" or "inf", every result field is empty, a known sentence or text in
// its calculator's layout, and a calculator pressed again on unchanged entries
// gives the same text. The longest event is reported at exit.
#include <fuzzer/FuzzedDataProvider.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyleFactory>
#include <QTest>
#include <QTimer>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "app/fields.h"
#include "app/messages.h"
#include "app/main_window.h"
#include "calc/messages.h"
#include "calc/compare/compare.h"
#include "calc/line/line.h"
#include "calc/swr/conversions.h"
#include "calc/swr/swr.h"
#include "calc/tuner/tuner.h"
#include "fuzz_check.h"

namespace {

struct Figures {
  long inputs = 0;
  long events = 0;
  long boxes = 0;
  qint64 longestEventNs = 0;
  qint64 windowNs = 0;  // building and showing the windows
  int hugePastesThisInput = 0;
  QString longestEvent;
};
Figures figures;

// Closes every modal box right after it opens.
class BoxCloser : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      if (auto* box = qobject_cast<QMessageBox*>(watched)) {
        ++figures.boxes;
        QTimer::singleShot(0, box, [box] { box->done(QMessageBox::Ok); });
      }
    }
    return false;
  }
};

// Swallows the help button's request to open the guide.
class GuideSink : public QObject {
  Q_OBJECT
 public slots:
  void open(const QUrl&) {}
};

const char* const kEntries[] = {
    "Text7",  "Text8",  "Text9",  "Text10", "Text18", "Text12", "Text11", "Text6",  "Text15",
    "Text1",  "Text16", "Text17", "Text13", "Text14", "Text20", "Text21", "Text30", "Text34",
    "Text36", "Text37", "Text33", "Text32", "Text31", "Text35", "Text38", "Text39", "Text23",
    "Text24", "Text28", "Text29", "Text26", "Text40", "Text25", "Text27"};
const char* const kCalculators[] = {"Command1", "Command2", "Command3", "Command4",
                                    "Command5", "Command6", "Command8"};
const char* const kResultOf[] = {"Text2", "Text3", "Text5", "Text4", "Text19", "Text5", "Text5"};
const char* const kOptions[] = {"Option1", "Option2",  "Option13", "Option8",  "Option7",
                                "Option4", "Option14", "Option3",  "Option5",  "Option15",
                                "Option6", "Option9",  "Option10", "Option16", "Option11"};
const char* const kFocusable[] = {"Text7",    "Text30",   "Text34", "Text33",  "Text32",
                                  "Text27",   "Text28",   "Combo1", "Combo2",  "HScroll1",
                                  "Command4", "Command8", "Text23", "Option9", "Text39"};

template <typename T = QWidget>
T* Find(QWidget& window, const char* name) {
  auto* widget = window.findChild<T*>(QString::fromLatin1(name));
  Require(widget != nullptr, "control exists", name);
  return widget;
}

template <std::size_t N>
const char* Pick(FuzzedDataProvider& in, const char* const (&names)[N]) {
  return names[in.ConsumeIntegralInRange<std::size_t>(0, N - 1)];
}

QString PastedText(FuzzedDataProvider& in) {
  QString text =
      in.ConsumeBool()
          ? QString::fromUtf8(QByteArray::fromStdString(in.ConsumeRandomLengthString(48)))
          : QString::fromLatin1(QByteArray::fromStdString(in.ConsumeRandomLengthString(48)));
  // A megabyte now and then, at most twice an input, so that no input runs long.
  if (in.ConsumeIntegralInRange(0, 15) == 0 && figures.hugePastesThisInput < 2) {
    ++figures.hugePastesThisInput;
    text = text.repeated(qMax<qsizetype>(1, (1 << 20) / qMax<qsizetype>(1, text.size())));
  }
  // Only the program's own text may bring these words into a field.
  static const QRegularExpression nonNumber(QStringLiteral("nan|inf"),
                                            QRegularExpression::CaseInsensitiveOption);
  return text.replace(nonNumber, QStringLiteral("x"));
}

// Result field shapes: each is empty, a known sentence, or its calculator's layout.
const QString N0 = QStringLiteral("-?\\d+");
QString N(int decimals) { return QStringLiteral("-?\\d+\\.\\d{%1}").arg(decimals); }
QString U(int decimals) { return QStringLiteral("\\d+\\.\\d{%1}").arg(decimals); }

QRegularExpression Layout(const QString& pattern) {
  return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
}

struct Shape {
  const char* field;
  QList<QRegularExpression> layouts;
  QStringList sentences;
};

QList<Shape> Shapes() {
  const QString fault = tolvar::app::ToQString(tolvar::app::kFaultSentence);
  const auto s = [](std::string_view text) { return tolvar::app::ToQString(text); };
  namespace swr = tolvar::calc;
  return {
      {"Text2",
       {Layout(N(3) + "W " + N(3) + "dBm " + N(3) + "A")},
       {"", fault, s(swr::kNoVoltage), s(swr::kNoDbm)}},
      {"Text3",
       {Layout(N(3) + "Vrms " + N(3) + "Vp " + N(3) + "Vpp " + N(3) + "A")},
       {"", fault, s(swr::kNoPower), s(swr::kNoVoltageFromPower)}},
      {"Text19",
       {Layout(N(3) + "W " + N(3) + "dBm " + N(1) + "Vrms " + N(1) + "Vp " + N(1) + "Vpp")},
       {"", fault, s(swr::kNoCurrent), s(swr::kNoDbm)}},
      {"Text4",
       {Layout("SWR = " + N(3) + " Ret\\.Loss = " + N(3) + " Refl\\.Pwr\\. = " + N(3) +
               "\\nReflection Coeff\\. \\(Gamma or S11\\) = [+-]" + U(4) + " [+-] i" + U(4) +
               "\\nReflection Coefficent Magnitude \\(rho\\) = " + N(4) +
               "\\nAngle of Reflection Coeff\\. \\(Gamma Phase\\) = " + N(1) +
               "\u00b0\\nAdmittance = " + N(3) + " [+-] J" + U(3) + " S"),
        Layout("SWR = " + N(3) + " Ret\\.Loss = INF\\. Refl\\.Pwr\\. = 0\\.000\\nRef\\.Coef\\. = " +
               U(3) + " [+-] i" + U(3) + "  Ref\\.Coef\\.Magn\\. = " + N(3))},
       {"", fault, s(swr::kNoForwardPower)}},
      {"Text5",
       {Layout("INPUT = " + N(3) + " W " + N(3) + " (A|Vrms)\\nOUTPUT = " + N(3) + " W " + N(3) +
               " (A|Vrms)\\n(Insertion Loss|Gain) = " + U(3) + " dB\\nFor 100 W PWR IN you get " +
               N(3) + " W PWR OUT\\."),
        Layout("(Tuner Insertion Loss = " + N(4) + " dB \\(" + N(2) + " %\\)|Tuner GAIN = " + U(4) +
               " dB \\(" + N(2) + "%\\) CHECK DATA!)\\na1 = \\(1\\.0000 \\+i0\\.0000\\) a2 = \\(" +
               N(4) + " [+-]i" + U(4) + "\\)\\nb1 = \\(" + N(4) + " [+-]i" + U(4) + "\\) b2 = \\(" +
               N(4) + " [+-]i" + U(4) + "\\)\\nZ = " + N(2) + " [+-] J" + U(2) + " SWR = " + N(3))},
       {"", fault, s(tolvar::calc::kNoComparedVoltage), s(tolvar::calc::kNoCurrent),
        s(tolvar::calc::kInvalidSParameters)}},
      {"Text22",
       {Layout("R = " + N(2) + " ohm  X = " + N(2) + " ohm  (SWR = " + N(2) + "|SWR " + N0 +
               "ohm=" + N(2) + " SWR " + N0 + "ohm=" + N(2) + ")\\nV = " + N(2) + "Vrms " + N(2) +
               "Vp " + N(2) + "Vpp I = " + N(2) + "A PWR = " + N(2) + "W\\nShift=[+-]" + U(2) +
               "\u00b0 [+-]" + N(3) + " lambda " + N(2) + "m loss=" + N(2) + "\\(ML\\)\\+" + N(2) +
               "\\(SWRL\\)=" + N(2) + "dB\\n(Rp = " + N(2) + " ohm|Rp > 9999 ohm) (Xp = " + N(2) +
               " ohm|Xp > 9999 ohm|Xp < -9999 ohm) open-end stub: " + N(2) + "m shorted: " + N(2) +
               "m")},
       {"", fault, s(tolvar::calc::kEntrySwrTooHigh)}},
      {"Text41", {Layout(N(2) + " - " + N(2) + " mtrs\\.")}, {"0.00 - 7.18 mt"}},
  };
}

void CheckProperties(QWidget& window, const QString& event) {
  static const QList<Shape> shapes = Shapes();
  for (QLineEdit* field : window.findChildren<QLineEdit*>()) {
    Require(
        ShowsNoNonNumber(field->text().toStdString()), "no field shows nan or inf",
        (field->objectName() + ": " + field->text().left(200) + " after " + event).toStdString());
  }
  for (const Shape& shape : shapes) {
    const QString text = tolvar::app::FieldText(Find(window, shape.field));
    Require(ShowsNoNonNumber(text.toStdString()), "no result shows nan or inf", text.toStdString());
    bool known = shape.sentences.contains(text);
    for (const QRegularExpression& layout : shape.layouts) {
      known = known || layout.match(text).hasMatch();
    }
    Require(known, "result is empty, a known sentence or in its layout",
            (QString::fromLatin1(shape.field) + ": " + text + "\nafter " + event).toStdString());
  }
}

// Types any text as key events (QTest's own typing knows only ASCII keys).
void TypeText(QWidget* target, const QString& text) {
  for (const QChar c : text) {
    const int key = c.unicode() < 128 ? QChar(c).toUpper().unicode() : int(Qt::Key_unknown);
    QKeyEvent press(QEvent::KeyPress, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, Qt::NoModifier, QString(c));
    QApplication::sendEvent(target, &release);
  }
}

void Activate(QWidget& window) {
  window.activateWindow();
  QApplication::setActiveWindow(&window);
}

// One random event; returns what it was, for the reports.
QString Step(QWidget& window, FuzzedDataProvider& in) {
  switch (in.ConsumeIntegralInRange(0, 9)) {
    case 0: {  // typing
      const char* name = Pick(in, kEntries);
      static const char kKeys[] = "0123456789.-,e+ aX";
      QString keys;
      for (int n = in.ConsumeIntegralInRange(1, 10); n > 0; --n) {
        keys += QLatin1Char(kKeys[in.ConsumeIntegralInRange<std::size_t>(0, sizeof kKeys - 2)]);
      }
      if (in.ConsumeBool()) {
        QTest::keyClick(Find(window, name), Qt::Key_A, Qt::ControlModifier);
      }
      QTest::keyClicks(Find(window, name), keys);
      return QStringLiteral("type %1 into %2").arg(keys, QLatin1String(name));
    }
    case 1: {  // pasting
      const char* name = Pick(in, kEntries);
      const QString text = PastedText(in);
      QApplication::clipboard()->setText(text);
      QTest::keyClick(Find(window, name), Qt::Key_A, Qt::ControlModifier);
      QTest::keyClick(Find(window, name), Qt::Key_V, Qt::ControlModifier);
      return QStringLiteral("paste %1 chars into %2").arg(text.size()).arg(QLatin1String(name));
    }
    case 2: {  // a calculator, pressed three times: the last two must agree
      const auto index = in.ConsumeIntegralInRange<std::size_t>(0, std::size(kCalculators) - 1);
      auto* button = Find<QAbstractButton>(window, kCalculators[index]);
      QWidget* result = Find(window, kResultOf[index]);
      QTest::mouseClick(button, Qt::LeftButton);
      Activate(window);
      QTest::mouseClick(button, Qt::LeftButton);
      const QString first = tolvar::app::FieldText(result);
      QTest::mouseClick(button, Qt::LeftButton);
      const QString again = tolvar::app::FieldText(result);
      Require(first == again, "the same press on the same entries gives the same text",
              (first + "\n---\n" + again).toStdString());
      return QStringLiteral("press %1").arg(QLatin1String(kCalculators[index]));
    }
    case 3: {  // an option
      const char* name = Pick(in, kOptions);
      QTest::mouseClick(Find<QAbstractButton>(window, name), Qt::LeftButton);
      return QStringLiteral("choose %1").arg(QLatin1String(name));
    }
    case 4: {  // a focus move
      const char* name = Pick(in, kFocusable);
      const Qt::FocusReason reasons[] = {Qt::TabFocusReason, Qt::MouseFocusReason,
                                         Qt::BacktabFocusReason, Qt::OtherFocusReason};
      Find(window, name)->setFocus(reasons[in.ConsumeIntegralInRange(0, 3)]);
      if (in.ConsumeBool() && QApplication::focusWidget() != nullptr) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
      }
      return QStringLiteral("focus %1").arg(QLatin1String(name));
    }
    case 5: {  // the shift bar
      auto* bar = Find<QScrollBar>(window, "HScroll1");
      if (in.ConsumeBool()) {
        bar->setValue(in.ConsumeIntegralInRange(0, 720));
      } else {
        const Qt::Key keys[] = {Qt::Key_Left,     Qt::Key_Right, Qt::Key_PageUp,
                                Qt::Key_PageDown, Qt::Key_Home,  Qt::Key_End};
        QTest::keyClick(bar, keys[in.ConsumeIntegralInRange(0, 5)]);
      }
      return QStringLiteral("shift to %1").arg(bar->value());
    }
    case 6: {  // the cycles box
      const int index = in.ConsumeIntegralInRange(0, 39);
      Find<QComboBox>(window, "Combo1")->setCurrentIndex(index);
      return QStringLiteral("cycle %1").arg(index + 1);
    }
    case 7: {  // the cable box: a pick or typed text
      auto* box = Find<QComboBox>(window, "Combo2");
      if (in.ConsumeBool()) {
        box->setCurrentIndex(in.ConsumeIntegralInRange(0, 72));
      } else {
        box->lineEdit()->selectAll();
        TypeText(box->lineEdit(), PastedText(in).left(40));
      }
      return QStringLiteral("cable %1").arg(box->currentText());
    }
    case 8: {  // the power swap
      QTest::mouseClick(Find<QAbstractButton>(window, "Command9"), Qt::LeftButton);
      return QStringLiteral("swap");
    }
    default: {  // a box of another's opens and closes over the focused control
      QMessageBox::warning(&window, QStringLiteral("Other"), QStringLiteral("Other"));
      Activate(window);
      return QStringLiteral("foreign box");
    }
  }
}

void Report() {
  std::fprintf(
      stderr,
      "fuzz_window: %ld inputs, %ld events, %ld warning boxes, %.1f ms a window, "
      "longest event %.1f ms (%s)\n",
      figures.inputs, figures.events, figures.boxes,
      static_cast<double>(figures.windowNs) / 1e6 / static_cast<double>(qMax(1L, figures.inputs)),
      static_cast<double>(figures.longestEventNs) / 1e6,
      figures.longestEvent.toLocal8Bit().constData());
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  qputenv("QT_QPA_PLATFORM", "offscreen");
  static int argc = 1;
  static char name[] = "fuzz_window";
  static char* argv[] = {name, nullptr};
  // Lives until the process ends: destroying it among the exit handlers would
  // race Qt's own static objects.
  auto* app = new QApplication(argc, argv);
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  app->installEventFilter(new BoxCloser);
  QDesktopServices::setUrlHandler(QStringLiteral("https"), new GuideSink, "open");
  std::atexit(Report);
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  FuzzedDataProvider in(data, size);
  QElapsedTimer build;
  build.start();
  tolvar::MainWindow window;
  window.show();
  Activate(window);
  figures.windowNs += build.nsecsElapsed();
  ++figures.inputs;
  figures.hugePastesThisInput = 0;
  for (int n = 0; n < 48 && in.remaining_bytes() > 0; ++n) {
    QElapsedTimer clock;
    clock.start();
    const QString event = Step(window, in);
    const qint64 took = clock.nsecsElapsed();
    if (took > figures.longestEventNs) {
      figures.longestEventNs = took;
      figures.longestEvent = event.left(80);
    }
    ++figures.events;
    CheckProperties(window, event);
  }
  return 0;
}

#include "fuzz_window.moc"
