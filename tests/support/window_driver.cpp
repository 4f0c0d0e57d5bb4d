#include "support/window_driver.h"

#include <QtTest>
#include <QtWidgets>
#include <iterator>
#include <vector>

#include "app/chart/smith_chart.h"
#include "app/controls/controls.h"
#include "app/layout/layout.h"
#include "app/layout/messages.h"
#include "app/main_window.h"
#include "calc/line/line.h"
#include "calc/messages.h"

namespace tolvar::testing {

namespace {

using app::ControlKind;

// Swallows the help button's request to open the guide.
class GuideSink : public QObject {
  Q_OBJECT
 public slots:
  void open(const QUrl& /*url*/) {}
};

// The controls the events aim at, from the layout table.
struct Names {
  QStringList entries, options, focusable, results, calculators;
  std::vector<int> accessKeys;  // from the "&" of the buttons' captions
};

const Names& Table() {
  static const Names names = [] {
    using enum ControlKind;
    Names found;
    for (const app::ControlRow& row : app::WindowLayout()) {
      const QString name = row.name ? app::ObjectName(*row.name) : QString();
      if (row.tab >= 0) found.focusable << name;
      if (row.kind == Entry) found.entries << name;
      if (row.kind == Option) found.options << name;
      if (row.kind == Result || row.kind == MultiResult || row.kind == Display)
        found.results << name;
      if (row.kind != Button) continue;
      found.accessKeys.push_back(QChar(row.text[row.text.find('&') + 1]).toUpper().unicode());
      // Not the help button, nor the swap, which changes its own entry at every press.
      if (row.name != app::Control::HelpButton && row.name != app::Control::SwapPowerButton) {
        found.calculators << name;
      }
    }
    return found;
  }();
  return names;
}

template <typename List>
auto Pick(Choices& choices, const List& list) {
  return *std::next(std::begin(list), choices.range(0, static_cast<int>(std::size(list)) - 1));
}

Event Make(const char* verb, const QString& target = {}, const QString& text = {}, int number = 0,
           int repeat = 1) {
  return {QString::fromLatin1(verb), target, text, number, repeat};
}

QString RandomText(Choices& choices, std::size_t most) {
  const std::string raw = choices.bytes(most);
  const auto size = static_cast<qsizetype>(raw.size());
  QString text =
      choices.coin() ? QString::fromUtf8(raw.data(), size) : QString::fromLatin1(raw.data(), size);
  // Only the program's own text may bring these words into a field.
  static const QRegularExpression nonNumber(QStringLiteral("nan|inf"),
                                            QRegularExpression::CaseInsensitiveOption);
  return text.replace(nonNumber, QStringLiteral("x"));
}

QString Keys(Choices& choices) {
  const QString keys = QStringLiteral("0123456789.-,e+ aX\u00e9");
  QString typed;
  for (int n = choices.range(1, 10); n > 0; --n) {
    typed += keys[choices.range(0, static_cast<int>(keys.size()) - 1)];
  }
  return typed;
}

void Activate(QWidget& window) {
  window.activateWindow();
  QApplication::setActiveWindow(&window);
}

// Types the text as key events that no shortcut takes.
void TypeText(QWidget* target, const QString& text, Qt::KeyboardModifiers modifiers) {
  for (const QChar c : text) {
    const int key = c.unicode() < 128 ? c.toUpper().unicode() : int(Qt::Key_unknown);
    for (const QEvent::Type type : {QEvent::KeyPress, QEvent::KeyRelease}) {
      QKeyEvent event(type, key, modifiers, QString(c));
      QApplication::sendEvent(target, &event);
    }
  }
}

// No text shown by the program may carry a rendering of a non-number.
bool ShowsNoNonNumber(const QString& text) {
  return !text.contains(QLatin1String("nan")) && !text.contains(QLatin1String("inf"));
}

// The measurements the events open: the sample files and a few broken ones.
const QStringList& MeasurementFiles() {
  static QTemporaryDir broken;
  static const QStringList files = [] {
    QStringList paths = {QStringLiteral(TOLVAR_EXAMPLES_DIR "/dipole-40m.s1p"),
                         QStringLiteral(TOLVAR_EXAMPLES_DIR "/tuner-t-network.s2p")};
    const std::pair<const char*, QByteArray> kBroken[] = {
        {"short.s2p", "# MHz S RI R 50\n7 0.1 0 0.9 0\n"},
        {"nan.s1p", "# MHz S RI R 50\n7 nan 0\n"},
        {"falling.s1p", "# MHz S RI R 50\n7 0.1 0\n6 0.1 0\n"},
        {"binary.s1p", QByteArray("# MHz S RI R 50\n7 0.1\0 0\n", 25)},
        {"active.s1p", "# MHz S RI R 50\n7 -1.5 0\n8 1 0\n"}};
    for (const auto& [name, bytes] : kBroken) {
      QFile file(broken.filePath(QString::fromLatin1(name)));
      if (file.open(QIODevice::WriteOnly)) file.write(bytes);
      paths << file.fileName();
    }
    return paths;
  }();
  return files;
}

// What a result field shows instead of figures.
const std::string_view kSentences[] = {app::kFaultSentence,
                                       calc::kNoForwardPower,
                                       calc::kNoVoltage,
                                       calc::kNoPower,
                                       calc::kNoDbm,
                                       calc::kNoVoltageFromPower,
                                       calc::kNoCurrent,
                                       calc::kNoComparedVoltage,
                                       calc::kInvalidSParameters,
                                       calc::kEntrySwrTooHigh,
                                       calc::kNegativeLineLoss};

// True when the field shows a calculator's figures: not empty, not a sentence.
bool ShowsFigures(const QString& text) {
  return !text.isEmpty() &&
         std::none_of(std::begin(kSentences), std::end(kSentences),
                      [&](std::string_view s) { return text == app::ToQString(s); });
}

}  // namespace

BoxWatcher::BoxWatcher(QObject* parent) : QObject(parent) { qApp->installEventFilter(this); }

bool BoxWatcher::eventFilter(QObject* watched, QEvent* event) {
  auto* box = qobject_cast<QMessageBox*>(watched);
  if (box != nullptr && event->type() == QEvent::Show) {
    boxes << box->windowTitle() + ": " + box->text() +
                 (box->icon() == QMessageBox::Warning ? "" : " (no warning icon)");
    QTimer::singleShot(0, box, [box] { box->button(QMessageBox::Ok)->click(); });
  }
  return false;
}

// verb, target ("-" for none), number, repeat and the text percent-encoded, so
// that a line holds any text, binary pastes too.
QString Write(const Event& event) {
  return QStringList{event.verb, event.target.isEmpty() ? QStringLiteral("-") : event.target,
                     QString::number(event.number), QString::number(event.repeat),
                     QString::fromLatin1(event.text.toUtf8().toPercentEncoding())}
      .join(QLatin1Char(' '));
}

std::optional<Event> Read(const QString& line) {
  const QStringList parts = line.trimmed().split(QLatin1Char(' '));
  bool number = false;
  bool repeat = false;
  const QByteArray text = QByteArray::fromPercentEncoding(parts.value(4).toLatin1());
  const Event event{parts.value(0), parts.value(1) == "-" ? QString() : parts.value(1),
                    QString::fromUtf8(text), parts.value(2).toInt(&number),
                    parts.value(3).toInt(&repeat)};
  const bool whole = (parts.size() == 4 || parts.size() == 5) && number && repeat;
  return whole ? std::optional(event) : std::nullopt;
}

void PrepareApplication() {
  QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
  new BoxWatcher(qApp);
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
  if (QWidget* open = chart()) open->close();
}

QWidget* WindowDriver::control(const QString& name) const {
  auto* widget = window_.findChild<QWidget*>(name);
  if (name.isEmpty() || widget == nullptr) qFatal("no control \"%s\"", qPrintable(name));
  return widget;
}

QWidget* WindowDriver::chart() const {
  return window_.findChild<QWidget*>(QStringLiteral("SmithChart"));
}

Event WindowDriver::randomEvent(Choices& choices) {
  constexpr Qt::KeyboardModifier kModifiers[] = {
      Qt::NoModifier,    Qt::NoModifier,      Qt::AltModifier,         Qt::MetaModifier,
      Qt::ShiftModifier, Qt::ControlModifier, Qt::GroupSwitchModifier, Qt::KeypadModifier};
  constexpr Qt::FocusReason kReasons[] = {Qt::TabFocusReason, Qt::MouseFocusReason,
                                          Qt::BacktabFocusReason, Qt::OtherFocusReason};
  constexpr Qt::Key kKeys[] = {Qt::Key_Tab,    Qt::Key_Backtab,  Qt::Key_Left, Qt::Key_Right,
                               Qt::Key_PageUp, Qt::Key_PageDown, Qt::Key_Home, Qt::Key_End};
  const Names& names = Table();
  // Access keys wait for their button's animated press: they come less often.
  if (choices.range(0, 299) == 0) {
    return Make("access", {}, {}, Pick(choices, names.accessKeys));
  }
  switch (choices.range(0, 18)) {
    case 0:
    case 1:
      return Make("type", Pick(choices, names.entries), Keys(choices),
                  static_cast<int>(Pick(choices, kModifiers)));
    case 2:
      return Make("clear", Pick(choices, names.entries));
    case 3: {
      Event paste = Make("paste", Pick(choices, names.entries), RandomText(choices, 48));
      // A megabyte now and then, at most twice a window, so no run lasts long.
      if (choices.range(0, 15) == 0 && hugePastes_ < 2) {
        ++hugePastes_;
        paste.repeat = static_cast<int>((1 << 20) / qMax<qsizetype>(1, paste.text.size()));
      }
      return paste;
    }
    case 4:
      return Make("commit", Pick(choices, names.entries), Keys(choices));
    case 5:
    case 6:
      return Make("press", Pick(choices, names.calculators));
    case 7:
    case 8:
      return Make("choose", Pick(choices, names.options));
    case 9:
      return Make("focus", Pick(choices, names.focusable), {}, Pick(choices, kReasons));
    case 10:
      return Make("key", {}, {}, Pick(choices, kKeys));
    case 11:
      return Make(choices.coin() ? "bar" : "drag", {}, {},
                  choices.range(0, calc::line::kShiftSteps));
    case 12:
      return Make("cycle", {}, {}, choices.range(0, calc::line::kMaxCycles - 1));
    case 13:
      return choices.coin() ? Make("cable", {}, {}, choices.range(0, 72))
                            : Make("cable-text", {}, RandomText(choices, 40));
    case 14:
      return Make("swap");
    case 15:
      return Make("box");
    case 16:
      // The chart opened, closed, its grid switched or resized; the pointer over it.
      return choices.coin() ? Make("chart", {}, {}, choices.range(0, 3), choices.range(320, 900))
                            : Make("point", {}, {}, choices.range(0, 1000), choices.range(0, 1000));
    case 17:
      // A measurement opened, good or broken; its values used, or another frequency chosen.
      switch (choices.range(0, 2)) {
        case 0:
          return Make("open", {}, {},
                      choices.range(0, static_cast<int>(MeasurementFiles().size()) - 1));
        case 1:
          return Make("use", {}, {}, choices.range(0, 3));
        default:
          return Make("frequency", {}, {}, choices.range(0, 400));
      }
    default:
      return Make("copy");
  }
}

std::optional<QString> WindowDriver::apply(const Event& e) {
  Activate(window_);
  QWidget* focused =
      QApplication::focusWidget() != nullptr ? QApplication::focusWidget() : &window_;
  const auto is = [&e](const char* verb) { return e.verb == QLatin1String(verb); };
  const auto click = [this](const QString& name) {
    QTest::mouseClick(qobject_cast<QAbstractButton*>(control(name)), Qt::LeftButton);
  };
  auto* bar = qobject_cast<QScrollBar*>(control(app::ObjectName(app::Control::ShiftBar)));
  auto* cable = qobject_cast<QComboBox*>(control(app::ObjectName(app::Control::CableBox)));
  auto* open = static_cast<app::SmithChart*>(chart());
  if (is("type")) {
    TypeText(control(e.target), e.text, static_cast<Qt::KeyboardModifiers>(e.number));
  } else if (is("clear") || is("paste")) {
    if (is("paste")) {
      QApplication::clipboard()->setText(e.text.repeated(e.repeat));
    }
    QTest::keyClick(control(e.target), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(control(e.target), is("clear") ? Qt::Key_Delete : Qt::Key_V,
                    is("clear") ? Qt::NoModifier : Qt::ControlModifier);
  } else if (is("commit")) {
    QInputMethodEvent commit;
    commit.setCommitString(e.text);
    QApplication::sendEvent(control(e.target), &commit);
  } else if (is("press")) {
    // Pressed three times: the last two, on unchanged entries, must agree.
    QStringList texts[3];
    for (QStringList& shown : texts) {
      click(e.target);
      Activate(window_);
      for (const QString& result : Table().results) shown << app::FieldText(control(result));
    }
    if (texts[1] != texts[2]) {
      return "the same press on the same entries gives the same text:\n" + texts[1].join('\n') +
             "\n---\n" + texts[2].join('\n');
    }
  } else if (is("access")) {
    QTest::keyClick(focused, static_cast<Qt::Key>(e.number), Qt::AltModifier);
    // The button animates its press for a tenth of a second before it clicks.
    const auto buttons = window_.findChildren<QAbstractButton*>();
    for (int wait = 0; wait < 30 && std::any_of(buttons.begin(), buttons.end(),
                                                [](auto* button) { return button->isDown(); });
         ++wait) {
      QTest::qWait(10);
    }
  } else if (is("choose")) {
    click(e.target);
  } else if (is("focus")) {
    control(e.target)->setFocus(static_cast<Qt::FocusReason>(e.number));
  } else if (is("key")) {
    QTest::keyClick(focused, static_cast<Qt::Key>(e.number));
  } else if (is("bar")) {
    bar->setValue(e.number);
  } else if (is("drag")) {
    // The handle held and moved in steps, as a mouse drag moves it.
    bar->setSliderDown(true);
    for (int step = 1; step <= 4; ++step) {
      bar->setSliderPosition(bar->value() + (e.number - bar->value()) * step / 4);
    }
    bar->setSliderDown(false);
  } else if (is("cycle")) {
    qobject_cast<QComboBox*>(control(app::ObjectName(app::Control::CyclesBox)))
        ->setCurrentIndex(e.number);
  } else if (is("cable")) {
    cable->setCurrentIndex(e.number);
  } else if (is("cable-text")) {
    cable->lineEdit()->selectAll();
    TypeText(cable->lineEdit(), e.text, Qt::NoModifier);
  } else if (is("swap")) {
    click(app::ObjectName(app::Control::SwapPowerButton));
  } else if (is("box")) {
    // A box of another's opens and closes over the focused control.
    QMessageBox::warning(&window_, QStringLiteral("Other"), QStringLiteral("Other"));
  } else if (is("chart") && (e.number == 0 || open == nullptr)) {
    QTest::keyClick(focused, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
  } else if (is("chart") && e.number == 1) {
    open->close();
  } else if (is("chart") && e.number == 2) {
    open->setAdmittanceGrid(!open->admittanceGrid());
  } else if (is("chart")) {
    open->resize(e.repeat, e.repeat * 3 / 4);
  } else if (is("point") && open != nullptr && open->isVisible()) {
    QTest::mouseMove(open,
                     QPoint(open->width() * e.number / 1000, open->height() * e.repeat / 1000));
  } else if (is("open")) {
    window_.openMeasurement(MeasurementFiles().value(e.number));
  } else if (is("use")) {
    constexpr const char* kActions[] = {"actionUseAsLoad", "actionUseAtLine", "actionUseAsAntenna",
                                        "actionUseAsTuner"};
    window_.findChild<QAction*>(QString::fromLatin1(kActions[e.number % 4]))->trigger();
  } else if (is("frequency")) {
    if (auto* chooser = window_.findChild<QComboBox*>(QStringLiteral("MeasurementFrequency"))) {
      chooser->setCurrentIndex(e.number % std::max(1, chooser->count()));
    }
  } else if (is("copy")) {
    QApplication::clipboard()->clear();
    QTest::keyClick(focused, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    if (!ShowsNoNonNumber(QApplication::clipboard()->text())) {
      return "copied results show no nan or inf:\n" + QApplication::clipboard()->text().left(2000);
    }
  } else if (!is("point")) {
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
      return "no field shows nan or inf: " + field->objectName() + ": " + field->text().left(200);
    }
  }
  for (QPlainTextEdit* field : window_.findChildren<QPlainTextEdit*>()) {
    if (!ShowsNoNonNumber(field->toPlainText())) {
      return "no result shows nan or inf: " + field->objectName() + ": " +
             field->toPlainText().left(2000);
    }
  }
  const auto* open = static_cast<const app::SmithChart*>(chart());
  if (open == nullptr || !open->isVisible()) return std::nullopt;
  // The chart shows the marks of the results on screen, and only those.
  const auto shown = [this](app::Control result) {
    return app::FieldText(control(app::ObjectName(result)));
  };
  QStringList expected;
  QString farPoint;
  if (ShowsFigures(shown(app::Control::SwrResult))) {
    expected << QStringLiteral("Load (SWR panel)");
  }
  if (shown(app::Control::ComparisonResult).startsWith(QStringLiteral("Tuner "))) {
    expected << QStringLiteral("Antenna (tuner panel)") << QStringLiteral("Tuner RTX port");
  }
  const QString line = shown(app::Control::LineResult);
  if (ShowsFigures(line)) {
    expected << QStringLiteral("Line start point") << QStringLiteral("Line far point and path");
    const QString first = line.section('\n', 0, 0);
    farPoint = "Line far point: " + first.left(first.indexOf(QStringLiteral("  SWR"))).simplified();
  }
  QStringList legends;
  for (const app::ChartMark& mark : open->marks()) {
    if (mark.trace) {  // a measurement's: its chosen point, if any, is one of its own
      if (mark.chosen && *mark.chosen >= mark.path.size()) {
        return "a trace's chosen point lies on it: " + mark.legend;
      }
      continue;
    }
    legends << mark.legend;
    if (mark.legend == QStringLiteral("Line far point and path") && mark.description != farPoint) {
      return "the chart's far point is the one the line result shows: " + mark.description + " / " +
             farPoint;
    }
  }
  if (legends != expected) {
    return "the chart shows the marks of the results on screen: " + legends.join(", ") + " / " +
           expected.join(", ");
  }
  return std::nullopt;
}

}  // namespace tolvar::testing

#include "window_driver.moc"
