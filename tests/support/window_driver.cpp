#include "support/window_driver.h"

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QComboBox>
#include <QDesktopServices>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStyle>
#include <QStyleFactory>
#include <QStyleOptionSlider>
#include <QTest>
#include <QTimer>
#include <iterator>
#include <vector>

#include "app/fields.h"
#include "app/layout.h"
#include "app/main_window.h"
#include "app/messages.h"
#include "app/smith_chart.h"
#include "calc/line/line.h"
#include "calc/messages.h"

namespace tolvar::testing {

namespace {

using app::ControlKind;

// Closes every modal box right after it opens.
class BoxCloser : public QObject {
 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::Show) {
      if (auto* box = qobject_cast<QMessageBox*>(watched)) {
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
  void open(const QUrl& /*url*/) {}
};

QString Name(app::Control control) { return app::ObjectName(control); }

// The controls of one kind, or with a tab stop, from the layout table.
QStringList Controls(const std::function<bool(const app::ControlSpec&)>& wanted) {
  QStringList names;
  for (const app::ControlSpec& row : app::WindowLayout()) {
    if (row.name && wanted(row)) {
      names << Name(*row.name);
    }
  }
  return names;
}

const QStringList& Entries() {
  static const QStringList names =
      Controls([](const auto& row) { return row.kind == ControlKind::Entry; });
  return names;
}
const QStringList& Options() {
  static const QStringList names =
      Controls([](const auto& row) { return row.kind == ControlKind::Option; });
  return names;
}
const QStringList& Focusable() {
  static const QStringList names = Controls([](const auto& row) { return row.tab >= 0; });
  return names;
}
const QStringList& Results() {
  static const QStringList names = Controls([](const auto& row) {
    return row.kind == ControlKind::Result || row.kind == ControlKind::MultiResult ||
           row.kind == ControlKind::Display;
  });
  return names;
}
// The calculator buttons: all but the help button and the swap, which changes
// its own entry at every press.
const QStringList& Calculators() {
  static const QStringList names = Controls([](const auto& row) {
    return row.kind == ControlKind::Button && row.name != app::Control::Command7 &&
           row.name != app::Control::Command9;
  });
  return names;
}
// The access keys, from the "&" of the buttons' captions.
const std::vector<int>& AccessKeys() {
  static const std::vector<int> keys = [] {
    std::vector<int> found;
    for (const app::ControlSpec& row : app::WindowLayout()) {
      const auto amp = row.text.find('&');
      if (row.kind == ControlKind::Button && amp != std::string_view::npos) {
        found.push_back(QChar(row.text[amp + 1]).toUpper().unicode());
      }
    }
    return found;
  }();
  return keys;
}

template <typename List>
auto Pick(Choices& choices, const List& list) {
  const int last = static_cast<int>(std::size(list)) - 1;
  return *std::next(std::begin(list), choices.range(0, last));
}

QString RandomText(Choices& choices, std::size_t most) {
  const std::string raw = choices.bytes(most);
  QString text = choices.coin()
                     ? QString::fromUtf8(raw.data(), static_cast<qsizetype>(raw.size()))
                     : QString::fromLatin1(raw.data(), static_cast<qsizetype>(raw.size()));
  // Only the program's own text may bring these words into a field.
  static const QRegularExpression nonNumber(QStringLiteral("nan|inf"),
                                            QRegularExpression::CaseInsensitiveOption);
  return text.replace(nonNumber, QStringLiteral("x"));
}

QString Keys(Choices& choices) {
  static const char kKeys[] = "0123456789.-,e+ aX\u00e9";
  QString keys;
  for (int n = choices.range(1, 10); n > 0; --n) {
    keys += QString::fromUtf8(&kKeys[choices.range(0, static_cast<int>(sizeof kKeys) - 3)], 1);
  }
  return keys;
}

void Activate(QWidget& window) {
  window.activateWindow();
  QApplication::setActiveWindow(&window);
}

// Types the text as key events that no shortcut takes.
void TypeText(QWidget* target, const QString& text, Qt::KeyboardModifiers modifiers) {
  for (const QChar c : text) {
    const int key = c.unicode() < 128 ? c.toUpper().unicode() : int(Qt::Key_unknown);
    QKeyEvent press(QEvent::KeyPress, key, modifiers, QString(c));
    QApplication::sendEvent(target, &press);
    QKeyEvent release(QEvent::KeyRelease, key, modifiers, QString(c));
    QApplication::sendEvent(target, &release);
  }
}

// Drags the shift bar's handle with the mouse to where `value` lies.
void Drag(QScrollBar* bar, int value) {
  QStyleOptionSlider option;
  option.initFrom(bar);
  option.orientation = Qt::Horizontal;
  option.minimum = bar->minimum();
  option.maximum = bar->maximum();
  option.sliderPosition = bar->value();
  option.sliderValue = bar->value();
  option.singleStep = bar->singleStep();
  option.pageStep = bar->pageStep();
  option.subControls = QStyle::SC_All;
  const QRect handle =
      bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarSlider, bar);
  const QRect groove =
      bar->style()->subControlRect(QStyle::CC_ScrollBar, &option, QStyle::SC_ScrollBarGroove, bar);
  const int span = groove.width() - handle.width();
  const int toX = groove.left() + handle.width() / 2 + span * value / qMax(1, bar->maximum());
  QPoint at = handle.center();
  QTest::mousePress(bar, Qt::LeftButton, Qt::NoModifier, at);
  for (int step = 1; step <= 4; ++step) {
    at.setX(handle.center().x() + (toX - handle.center().x()) * step / 4);
    QTest::mouseMove(bar, at);
  }
  QTest::mouseRelease(bar, Qt::LeftButton, Qt::NoModifier, at);
}

QString FieldText(QWidget* field) { return app::FieldText(field); }

// Result field shapes: each is empty, a known sentence, or its calculator's layout.
const QString N0 = QStringLiteral("-?\\d+");
QString N(int decimals) { return QStringLiteral("-?\\d+\\.\\d{%1}").arg(decimals); }
QString U(int decimals) { return QStringLiteral("\\d+\\.\\d{%1}").arg(decimals); }
QRegularExpression Layout(const QString& pattern) {
  return QRegularExpression(QLatin1Char('^') + pattern + QLatin1Char('$'));
}

const QRegularExpression& SwrLayout() {
  static const QRegularExpression layout =
      Layout("(SWR = " + N(3) + " Ret\\.Loss = " + N(3) + " Refl\\.Pwr\\. = " + N(3) +
             "\\nReflection Coeff\\. \\(Gamma or S11\\) = [+-]" + U(4) + " [+-] i" + U(4) +
             "\\nReflection Coefficent Magnitude \\(rho\\) = " + N(4) +
             "\\nAngle of Reflection Coeff\\. \\(Gamma Phase\\) = " + N(1) +
             "\u00b0\\nAdmittance = " + N(3) + " [+-] J" + U(3) + " S|SWR = " + N(3) +
             " Ret\\.Loss = INF\\. Refl\\.Pwr\\. = 0\\.000\\nRef\\.Coef\\. = " + U(3) + " [+-] i" +
             U(3) + "  Ref\\.Coef\\.Magn\\. = " + N(3) + ")");
  return layout;
}
const QRegularExpression& TunerLayout() {
  static const QRegularExpression layout =
      Layout("(Tuner Insertion Loss = " + N(4) + " dB \\(" + N(2) + " %\\)|Tuner GAIN = " + U(4) +
             " dB \\(" + N(2) + "%\\) CHECK DATA!)\\na1 = \\(1\\.0000 \\+i0\\.0000\\) a2 = \\(" +
             N(4) + " [+-]i" + U(4) + "\\)\\nb1 = \\(" + N(4) + " [+-]i" + U(4) + "\\) b2 = \\(" +
             N(4) + " [+-]i" + U(4) + "\\)\\nZ = " + N(2) + " [+-] J" + U(2) + " SWR = " + N(3));
  return layout;
}
const QRegularExpression& LineLayout() {
  static const QRegularExpression layout = Layout(
      "R = " + N(2) + " ohm  X = " + N(2) + " ohm  (SWR = " + N(2) + "|SWR " + N0 + "ohm=" + N(2) +
      " SWR " + N0 + "ohm=" + N(2) + ")\\nV = " + N(2) + "Vrms " + N(2) + "Vp " + N(2) +
      "Vpp I = " + N(2) + "A PWR = " + N(2) + "W\\nShift=[+-]" + U(2) + "\u00b0 [+-]" + N(3) +
      " lambda " + N(2) + "m loss=" + N(2) + "\\(ML\\)\\+" + N(2) + "\\(SWRL\\)=" + N(2) +
      "dB\\n(Rp = " + N(2) + " ohm|Rp > 9999 ohm) (Xp = " + N(2) +
      " ohm|Xp > 9999 ohm|Xp < -9999 ohm) open-end stub: " + N(2) + "m shorted: " + N(2) + "m");
  return layout;
}

struct Shape {
  const char* field;
  QList<QRegularExpression> layouts;
  QStringList sentences;
};

const QList<Shape>& Shapes() {
  static const QList<Shape> shapes = [] {
    const QString fault = app::ToQString(app::kFaultSentence);
    const auto s = [](std::string_view text) { return app::ToQString(text); };
    return QList<Shape>{
        {"Text2",
         {Layout(N(3) + "W " + N(3) + "dBm " + N(3) + "A")},
         {"", fault, s(calc::kNoVoltage), s(calc::kNoDbm)}},
        {"Text3",
         {Layout(N(3) + "Vrms " + N(3) + "Vp " + N(3) + "Vpp " + N(3) + "A")},
         {"", fault, s(calc::kNoPower), s(calc::kNoVoltageFromPower)}},
        {"Text19",
         {Layout(N(3) + "W " + N(3) + "dBm " + N(1) + "Vrms " + N(1) + "Vp " + N(1) + "Vpp")},
         {"", fault, s(calc::kNoCurrent), s(calc::kNoDbm)}},
        {"Text4", {SwrLayout()}, {"", fault, s(calc::kNoForwardPower)}},
        {"Text5",
         {Layout("INPUT = " + N(3) + " W " + N(3) + " (A|Vrms)\\nOUTPUT = " + N(3) + " W " + N(3) +
                 " (A|Vrms)\\n(Insertion Loss|Gain) = " + U(3) + " dB\\nFor 100 W PWR IN you get " +
                 N(3) + " W PWR OUT\\."),
          TunerLayout()},
         {"", fault, s(calc::kNoComparedVoltage), s(calc::kNoCurrent),
          s(calc::kInvalidSParameters)}},
        {"Text22", {LineLayout()}, {"", fault, s(calc::kEntrySwrTooHigh)}},
        {"Text41", {Layout(N(2) + " - " + N(2) + " mtrs\\.")}, {"0.00 - 7.18 mt"}},
    };
  }();
  return shapes;
}

// No text shown by the program may carry a rendering of a non-number.
bool ShowsNoNonNumber(const QString& text) {
  return !text.contains(QLatin1String("nan")) && !text.contains(QLatin1String("inf"));
}

QString Escaped(const QString& text) {
  QString out;
  for (const char32_t c : text.toUcs4()) {
    if (c == U'\\' || c == U'"') {
      out += QLatin1Char('\\') + QChar(c);
    } else if (c >= 0x20 && c < 0x7f) {
      out += QChar(c);
    } else {
      out += QStringLiteral("\\u{%1}").arg(static_cast<uint>(c), 0, 16);
    }
  }
  return out;
}

std::optional<QString> Unescaped(const QString& text) {
  QList<char32_t> out;
  for (qsizetype i = 0; i < text.size(); ++i) {
    if (text[i] != QLatin1Char('\\')) {
      out << text[i].unicode();
      continue;
    }
    if (i + 1 >= text.size()) {
      return std::nullopt;
    }
    if (text[i + 1] != QLatin1Char('u')) {
      out << text[++i].unicode();
      continue;
    }
    const qsizetype close = text.indexOf(QLatin1Char('}'), i);
    bool ok = false;
    const uint code = text.mid(i + 3, close - i - 3).toUInt(&ok, 16);
    if (close < 0 || !ok) {
      return std::nullopt;
    }
    out << code;
    i = close;
  }
  return QString::fromUcs4(out.constData(), out.size());
}

}  // namespace

QString Write(const Event& event) {
  return QStringLiteral("%1 %2 %3 %4 \"%5\"")
      .arg(event.verb, event.target.isEmpty() ? QStringLiteral("-") : event.target)
      .arg(event.number)
      .arg(event.repeat)
      .arg(Escaped(event.text));
}

std::optional<Event> Read(const QString& line) {
  static const QRegularExpression form(QStringLiteral("^(\\S+) (\\S+) (-?\\d+) (\\d+) \"(.*)\"$"));
  const QRegularExpressionMatch match = form.match(line.trimmed());
  if (!match.hasMatch()) {
    return std::nullopt;
  }
  const auto text = Unescaped(match.captured(5));
  if (!text) {
    return std::nullopt;
  }
  Event event;
  event.verb = match.captured(1);
  event.target = match.captured(2) == QStringLiteral("-") ? QString() : match.captured(2);
  event.number = match.captured(3).toInt();
  event.repeat = match.captured(4).toInt();
  event.text = *text;
  return event;
}

void PrepareApplication() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  qApp->installEventFilter(new BoxCloser);
  auto* sink = new GuideSink;
  for (const char* scheme : {"https", "file"}) {
    QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), sink, "open");
  }
}

WindowDriver::WindowDriver(MainWindow& window) : window_(window) {
  window_.show();
  Activate(window_);
}

WindowDriver::~WindowDriver() {
  if (QWidget* open = chart()) {
    open->close();
  }
}

QWidget* WindowDriver::control(const QString& name) const {
  auto* widget = window_.findChild<QWidget*>(name);
  if (widget == nullptr) {
    qFatal("no control %s", qPrintable(name));
  }
  return widget;
}

QWidget* WindowDriver::chart() const {
  return window_.findChild<QWidget*>(QStringLiteral("SmithChart"));
}

Event WindowDriver::randomEvent(Choices& choices) {
  constexpr Qt::KeyboardModifier kModifiers[] = {
      Qt::NoModifier,    Qt::NoModifier,      Qt::AltModifier,         Qt::MetaModifier,
      Qt::ShiftModifier, Qt::ControlModifier, Qt::GroupSwitchModifier, Qt::KeypadModifier};
  // Access keys wait for their button's animated press: they come less often.
  if (choices.range(0, 299) == 0) {
    return {QStringLiteral("access"), {}, {}, Pick(choices, AccessKeys())};
  }
  switch (choices.range(0, 17)) {
    case 0:
    case 1:
      return {QStringLiteral("type"), Pick(choices, Entries()), Keys(choices),
              static_cast<int>(Pick(choices, kModifiers))};
    case 2:
      return {QStringLiteral("clear"), Pick(choices, Entries())};
    case 3: {
      Event paste{QStringLiteral("paste"), Pick(choices, Entries()), RandomText(choices, 48)};
      // A megabyte now and then, at most twice a window, so no run lasts long.
      if (choices.range(0, 15) == 0 && hugePastes_ < 2) {
        ++hugePastes_;
        paste.repeat =
            static_cast<int>(qMax<qsizetype>(1, (1 << 20) / qMax<qsizetype>(1, paste.text.size())));
      }
      return paste;
    }
    case 4:
      return {QStringLiteral("commit"), Pick(choices, Entries()), Keys(choices)};
    case 5:
    case 6:
      return {QStringLiteral("press"), Pick(choices, Calculators())};
    case 7:
    case 8:
      return {QStringLiteral("choose"), Pick(choices, Options())};
    case 9: {
      constexpr Qt::FocusReason kReasons[] = {Qt::TabFocusReason, Qt::MouseFocusReason,
                                              Qt::BacktabFocusReason, Qt::OtherFocusReason};
      return {QStringLiteral("focus"),
              Pick(choices, Focusable()),
              {},
              static_cast<int>(Pick(choices, kReasons))};
    }
    case 10: {
      constexpr Qt::Key kKeys[] = {Qt::Key_Tab,    Qt::Key_Backtab,  Qt::Key_Left, Qt::Key_Right,
                                   Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
      return {QStringLiteral("key"), {}, {}, static_cast<int>(Pick(choices, kKeys))};
    }
    case 11:
      return {choices.coin() ? QStringLiteral("bar") : QStringLiteral("drag"),
              {},
              {},
              choices.range(0, calc::line::kShiftSteps)};
    case 12:
      return {QStringLiteral("cycle"), {}, {}, choices.range(0, calc::line::kMaxCycles - 1)};
    case 13:
      if (choices.coin()) {
        return {QStringLiteral("cable"), {}, {}, choices.range(0, 72)};
      }
      return {QStringLiteral("cable-text"), {}, RandomText(choices, 40)};
    case 14:
      return {QStringLiteral("swap")};
    case 15:
      return {QStringLiteral("box")};
    case 16:
      // The chart opened, resized, its grid switched, or closed; the pointer over it.
      if (choices.coin()) {
        return {QStringLiteral("chart"), {}, {}, choices.range(0, 3), choices.range(320, 900)};
      }
      return {QStringLiteral("point"), {}, {}, choices.range(0, 1000), choices.range(0, 1000)};
    default:
      return {QStringLiteral("copy")};
  }
}

std::optional<QString> WindowDriver::apply(const Event& e) {
  Activate(window_);
  const auto focused = [this]() -> QWidget* {
    QWidget* focus = QApplication::focusWidget();
    return focus != nullptr ? focus : &window_;
  };
  if (e.verb == QStringLiteral("type")) {
    TypeText(control(e.target), e.text, static_cast<Qt::KeyboardModifiers>(e.number));
  } else if (e.verb == QStringLiteral("clear")) {
    QTest::keyClick(control(e.target), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(control(e.target), Qt::Key_Delete);
  } else if (e.verb == QStringLiteral("paste")) {
    QApplication::clipboard()->setText(e.text.repeated(e.repeat));
    QTest::keyClick(control(e.target), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(control(e.target), Qt::Key_V, Qt::ControlModifier);
  } else if (e.verb == QStringLiteral("commit")) {
    QInputMethodEvent commit;
    commit.setCommitString(e.text);
    QApplication::sendEvent(control(e.target), &commit);
  } else if (e.verb == QStringLiteral("press")) {
    // Pressed three times: the last two, on unchanged entries, must agree.
    auto* button = qobject_cast<QAbstractButton*>(control(e.target));
    QStringList texts[2];
    for (int press = 0; press < 3; ++press) {
      QTest::mouseClick(button, Qt::LeftButton);
      Activate(window_);
      if (press > 0) {
        for (const QString& result : Results()) {
          texts[press - 1] << FieldText(control(result));
        }
      }
    }
    if (texts[0] != texts[1]) {
      return QStringLiteral("the same press on the same entries gives the same text:\n") +
             texts[0].join(QLatin1Char('\n')) + QStringLiteral("\n---\n") +
             texts[1].join(QLatin1Char('\n'));
    }
  } else if (e.verb == QStringLiteral("access")) {
    QTest::keyClick(focused(), static_cast<Qt::Key>(e.number), Qt::AltModifier);
    // The button animates its press for a tenth of a second before it clicks.
    const auto pressed = [this] {
      for (QAbstractButton* button : window_.findChildren<QAbstractButton*>()) {
        if (button->isDown()) {
          return true;
        }
      }
      return false;
    };
    for (int wait = 0; wait < 30 && pressed(); ++wait) {
      QTest::qWait(10);
    }
  } else if (e.verb == QStringLiteral("choose")) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(control(e.target)), Qt::LeftButton);
  } else if (e.verb == QStringLiteral("focus")) {
    control(e.target)->setFocus(static_cast<Qt::FocusReason>(e.number));
  } else if (e.verb == QStringLiteral("key")) {
    QTest::keyClick(focused(), static_cast<Qt::Key>(e.number));
  } else if (e.verb == QStringLiteral("bar")) {
    qobject_cast<QScrollBar*>(control(QStringLiteral("HScroll1")))->setValue(e.number);
  } else if (e.verb == QStringLiteral("drag")) {
    Drag(qobject_cast<QScrollBar*>(control(QStringLiteral("HScroll1"))), e.number);
  } else if (e.verb == QStringLiteral("cycle")) {
    qobject_cast<QComboBox*>(control(QStringLiteral("Combo1")))->setCurrentIndex(e.number);
  } else if (e.verb == QStringLiteral("cable")) {
    qobject_cast<QComboBox*>(control(QStringLiteral("Combo2")))->setCurrentIndex(e.number);
  } else if (e.verb == QStringLiteral("cable-text")) {
    QLineEdit* line = qobject_cast<QComboBox*>(control(QStringLiteral("Combo2")))->lineEdit();
    line->selectAll();
    TypeText(line, e.text, Qt::NoModifier);
  } else if (e.verb == QStringLiteral("swap")) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(control(QStringLiteral("Command9"))),
                      Qt::LeftButton);
  } else if (e.verb == QStringLiteral("box")) {
    // A box of another's opens and closes over the focused control.
    QMessageBox::warning(&window_, QStringLiteral("Other"), QStringLiteral("Other"));
  } else if (e.verb == QStringLiteral("chart")) {
    QWidget* open = chart();
    if (e.number == 0 || open == nullptr) {
      QTest::keyClick(focused(), Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
    } else if (e.number == 1) {
      open->close();
    } else if (e.number == 2) {
      auto* smith = static_cast<app::SmithChart*>(open);
      smith->setAdmittanceGrid(!smith->admittanceGrid());
    } else {
      open->resize(e.repeat, e.repeat * 3 / 4);
    }
    Activate(window_);
  } else if (e.verb == QStringLiteral("point")) {
    if (QWidget* open = chart(); open != nullptr && open->isVisible()) {
      QTest::mouseMove(open,
                       QPoint(open->width() * e.number / 1000, open->height() * e.repeat / 1000));
    }
  } else if (e.verb == QStringLiteral("copy")) {
    QApplication::clipboard()->clear();
    QTest::keyClick(focused(), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    const QString copied = QApplication::clipboard()->text();
    if (!ShowsNoNonNumber(copied)) {
      return QStringLiteral("copied results show no nan or inf:\n") + copied.left(2000);
    }
  } else {
    qFatal("no such event: %s", qPrintable(e.verb));
  }
  // What the event loop does between two user events: timers that are due,
  // objects deleted later.
  QCoreApplication::processEvents();
  QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
  return std::nullopt;
}

std::optional<QString> WindowDriver::check() const {
  for (QLineEdit* field : window_.findChildren<QLineEdit*>()) {
    if (!ShowsNoNonNumber(field->text())) {
      return QStringLiteral("no field shows nan or inf: ") + field->objectName() +
             QStringLiteral(": ") + field->text().left(200);
    }
  }
  for (const Shape& shape : Shapes()) {
    const QString text = FieldText(control(QString::fromLatin1(shape.field)));
    bool known = shape.sentences.contains(text);
    for (const QRegularExpression& layout : shape.layouts) {
      known = known || layout.match(text).hasMatch();
    }
    if (!known || !ShowsNoNonNumber(text)) {
      return QStringLiteral("result is empty, a known sentence or in its layout: ") +
             QString::fromLatin1(shape.field) + QStringLiteral(": ") + text.left(2000);
    }
  }
  const QWidget* open = chart();
  if (open == nullptr || !open->isVisible()) {
    return std::nullopt;
  }
  // The chart shows the marks of the results on screen, and only those.
  QStringList expected;
  QString farPoint;
  if (SwrLayout().match(FieldText(control(QStringLiteral("Text4")))).hasMatch()) {
    expected << QStringLiteral("Load (SWR panel)");
  }
  if (TunerLayout().match(FieldText(control(QStringLiteral("Text5")))).hasMatch()) {
    expected << QStringLiteral("Antenna (tuner panel)") << QStringLiteral("Tuner RTX port");
  }
  const QString line = FieldText(control(QStringLiteral("Text22")));
  if (LineLayout().match(line).hasMatch()) {
    expected << QStringLiteral("Line start point") << QStringLiteral("Line far point and path");
    const QString first = line.section(QLatin1Char('\n'), 0, 0);
    farPoint = QStringLiteral("Line far point: ") +
               first.left(first.indexOf(QStringLiteral("  SWR"))).simplified();
  }
  QStringList shown;
  for (const app::ChartMark& mark : static_cast<const app::SmithChart*>(open)->marks()) {
    shown << mark.legend;
    if (mark.legend == QStringLiteral("Line far point and path") && mark.description != farPoint) {
      return QStringLiteral("the chart's far point is the one Text22 shows: ") + mark.description +
             QStringLiteral(" / ") + farPoint;
    }
  }
  if (shown != expected) {
    return QStringLiteral("the chart shows the marks of the results on screen: ") +
           shown.join(QStringLiteral(", ")) + QStringLiteral(" / ") +
           expected.join(QStringLiteral(", "));
  }
  return std::nullopt;
}

}  // namespace tolvar::testing

#include "window_driver.moc"
