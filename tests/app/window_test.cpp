// The window without the arithmetic (tests/calc has it): the tables and the window
// built from them, and the panels' wiring against the calculators' own texts.
#include <cmath>
#include <map>
#include <set>

#include "app/chart/smith_chart.h"
#include "app/guide.h"
#include "calc/compare/compare.h"
#include "calc/line/cable_catalogue.h"
#include "calc/line/line.h"
#include "calc/swr/conversions.h"
#include "calc/swr/swr.h"
#include "calc/tuner/tuner.h"
#include "numeric/format.h"
#include "window_fixture.h"

namespace {

using namespace tolvar;
using namespace tolvar::app;
using C = Control;
using K = ControlKind;
namespace line = calc::line;

int Pixels(int twips) { return static_cast<int>(std::lround(twips * 96 / 1440.0)); }
QString Shown(const std::string& text) { return ToQString(text).replace("\r\n", "\n"); }
QString Fixed(double value) { return ToQString(numeric::FormatFixed(value, 2)); }

// The flags the widget shows, as the layout writes them.
unsigned ShownFlags(const QWidget* w) {
  const auto flag = [](bool on, unsigned bit) { return on ? bit : 0U; };
  const int stretch = w->font().stretch();
  return flag(!w->isEnabled(), kDisabled) | flag(w->isHidden(), kHidden) |
         flag(w->font().bold(), kBold) | flag(w->font().pointSize() == 24, kLarge) |
         flag(stretch > 0 && stretch < 100, kCondensed) |
         flag(w->property("checked").toBool(), kSelected);
}

// Typed or picked before every trigger: all different, so that a field read from
// the wrong box shows, and negative where the field takes a minus.
// clang-format off
const std::map<C, QString> kEntries = {
    {C::MeasuredR, "30"}, {C::MeasuredX, "-40"}, {C::Voltage, "110"}, {C::Power, "-7"}, {C::Current, "2.5"},
    {C::ReferenceR, "75"}, {C::ReferenceX, "-12"}, {C::ForwardPower, "140"}, {C::InputR, "45"}, {C::InputX, "-15"},
    {C::OutputR, "60"}, {C::OutputX, "8"}, {C::InputVoltage, "95"}, {C::OutputVoltage, "85"}, {C::InputCurrent, "1.9"},
    {C::OutputCurrent, "1.7"}, {C::AntennaRe, "0.21"}, {C::AntennaIm, "0.12"}, {C::S11Re, "0.13"},
    {C::S11Im, "0.06"}, {C::S21Re, "0.84"}, {C::S21Im, "-0.31"}, {C::S22Re, "0.07"},
    {C::S22Im, "0.14"}, {C::S12Re, "0.82"}, {C::S12Im, "-0.29"}, {C::StartR, "100"},
    {C::StartX, "-50"}, {C::Frequency, "21"}, {C::LinePower, "120"}, {C::RtxZ, "65"}, {C::LineLoss, "1.6"},
    {C::LineZ, "48"}, {C::VelocityFactor, "0.71"}, {C::CyclesBox, "3"}, {C::CableBox, "Belden 8237 (RG-8/U)"}};
// clang-format on
constexpr int kStep = 500;  // where the shift bar goes: past the quarter wave

// The entries as a calculator gets them, read the program's way; notes which it reads.
struct Entries {
  std::set<C>* read;
  double operator()(C field) const {
    read->insert(field);
    return numeric::ReadEntryValue(kEntries.at(field).toStdString());
  }
};

calc::tuner::TunerEntries Tuner(const Entries& v) {
  const auto part = [&](C re, C im) { return numeric::Complex{v(re), v(im)}; };
  return {part(C::AntennaRe, C::AntennaIm), part(C::S11Re, C::S11Im), part(C::S21Re, C::S21Im),
          part(C::S22Re, C::S22Im), part(C::S12Re, C::S12Im)};
}

// The chart shows the marks of every result on screen and follows each change.
void CheckChart(WindowFixture& f, const Entries& v) {
  f.click(C::SwrButton);
  f.click(C::TunerLossButton);
  f.window.findChild<QAction*>(QStringLiteral("actionSmithChart"))->trigger();
  const auto* chart = f.window.findChild<SmithChart*>(QStringLiteral("SmithChart"));
  const auto port = calc::tuner::ImpedanceOhm(calc::tuner::TunerWaves(Tuner(v)).b1);
  for (const int step : {kStep + 1, 3}) {  // it follows the bar
    f.find(C::ShiftBar)->setProperty("value", step);
    QCOMPARE(chart->accessibleDescription().split('\n'),
             QStringList(
                 {"Load: R = " + Fixed(v(C::MeasuredR)) + " ohm X = " + Fixed(v(C::MeasuredX)) +
                      " ohm against R0 = " + Fixed(v(C::ReferenceR)) +
                      " ohm X0 = " + Fixed(v(C::ReferenceX)) + " ohm",
                  "Antenna: " + f.text(C::ComparisonResult).section('\n', 3).section(" SWR", 0, 0) +
                      " ohm",
                  "Tuner RTX port: Z = " + ToQString(calc::tuner::ImpedanceText(port)) + " ohm",
                  "Line start point: R = " + Fixed(v(C::StartR)) +
                      " ohm X = " + Fixed(v(C::StartX)) + " ohm",
                  "Line far point: " + f.text(C::LineResult).section("  SWR", 0, 0).simplified()}));
    QVERIFY(chart->marks().back().path.size() > 2);  // the path along the line, to the far point
  }
  f.type(C::MeasuredX, QStringLiteral("1"));  // a result that goes takes its marks along,
  f.click(C::CompareCurrentsButton);          // as does one that another calculator replaces
  QCOMPARE(chart->marks().size(), std::size_t{2});
}

// "Copy results" puts a panel on the clipboard as it shows it: by its shortcut the
// panel with the focus, from a field's context menu that field's panel.
void CheckCopy(WindowFixture& f, const Entries& /*unused*/) {
  f.click(C::SwrButton);
  f.activate();
  f.focus(C::Voltage);
  QTest::keyClick(f.find(C::Voltage), Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
  const QString copied = QApplication::clipboard()->text();  // labelled as the window labels
  QVERIFY(copied.startsWith(ToQString(LayoutRow(C::SwrFrame).text) + '\n'));
  QVERIFY(copied.contains('\n' + ToQString(AccessibleNameOf(C::MeasuredR)) + ": 30\n"));
  QVERIFY(copied.endsWith('\n' + f.text(C::SwrResult) + '\n'));
  QTimer::singleShot(0, &f.window, [] {
    for (QAction* action : QApplication::activePopupWidget()->actions()) {
      if (action->objectName() == "actionCopyResults") action->trigger();
    }
    QApplication::activePopupWidget()->close();
  });
  QContextMenuEvent menu(QContextMenuEvent::Mouse, {}, f.find(C::AntennaRe)->mapToGlobal(QPoint()));
  QApplication::sendEvent(f.find(C::AntennaRe), &menu);
  QVERIFY(
      QApplication::clipboard()->text().startsWith(ToQString(LayoutRow(C::ComparisonFrame).text)));
}

struct Wiring {
  const char* name;
  C trigger;               // a button, or the shift bar (moved to kStep, or entered by Tab)
  std::vector<C> options;  // clicked after the entries are typed
  std::vector<std::pair<C, Message>> zeros = {};  // emptied, each warns: in this order
  void (*then)(WindowFixture&, const Entries&) = nullptr;
};
// clang-format off
const Wiring kWiring[] = {
    {"power from Vpp", C::PowerFromVoltageButton, {C::VoltsPeakToPeak}, {{C::MeasuredR, kZeroResistance}}},
    {"power from Vp, then copied", C::PowerFromVoltageButton, {C::VoltsPeak}, {}, CheckCopy},
    {"voltage from W", C::VoltageFromPowerButton, {}, {{C::MeasuredR, kZeroResistance}}},
    {"voltage from dBm", C::VoltageFromPowerButton, {C::PowerInDbm}},
    {"power from current", C::PowerFromCurrentButton, {}, {{C::MeasuredR, kZeroResistance}}},
    {"SWR", C::SwrButton, {}, {{C::ReferenceR, kZeroReferenceResistance}, {C::MeasuredR, kZeroResistance}}},
    {"voltages, Vrms in and out", C::CompareVoltagesButton, {}, {{C::InputR, kZeroInputResistance}, {C::OutputR, kZeroOutputResistance}}},
    {"voltages, Vpp in, Vp out", C::CompareVoltagesButton, {C::InputVoltsPeakToPeak, C::OutputVoltsPeak}},
    {"voltages, Vp in, Vpp out", C::CompareVoltagesButton, {C::InputVoltsPeak, C::OutputVoltsPeakToPeak}},
    {"currents", C::CompareCurrentsButton, {}, {{C::InputR, kZeroInputResistance}, {C::OutputR, kZeroOutputResistance}}},
    {"tuner loss", C::TunerLossButton, {}},
    {"line to RTX, Auto, then charted", C::ShiftBar, {C::AutoLineData}, {{C::StartR, kZeroResistance},
        {C::RtxZ, kZeroRtxImpedance}, {C::Frequency, kZeroFrequency}, {C::LinePower, kZeroPower}}, CheckChart},
    {"line to ANT, manual", C::ShiftBar, {C::TowardsAntenna}, {{C::StartR, kZeroResistance},
        {C::LineZ, kZeroLineImpedance}, {C::RtxZ, kZeroRtxImpedance}, {C::VelocityFactor, kZeroVelocityFactor},
        {C::Frequency, kZeroFrequency}, {C::LinePower, kZeroPower}}},
    {"power swap after a run", C::SwapPowerButton, {}}};
// clang-format on

using Texts = std::vector<std::pair<C, std::string>>;

// What the row's trigger writes, its result field first: its calculator's texts
// for the entries and the options the row chose.
Texts Expected(const Wiring& row, const Entries& v) {
  const auto chosen = [&](C option) { return std::ranges::count(row.options, option) > 0; };
  using enum numeric::VoltageKind;
  const auto kind = [&](C vpp, C vp) {
    return chosen(vpp) ? PeakToPeak : (chosen(vp) ? Peak : Rms);
  };
  const auto unit = chosen(C::PowerInDbm) ? calc::swr::PowerUnit::Dbm : calc::swr::PowerUnit::Watt;
  const auto conv = [](C result, const auto& conversion) {
    return Texts{{result, calc::swr::ConversionText(conversion.outcome)},
                 {C::ForwardPower, calc::swr::ForwardPowerText(conversion.forwardPowerW)}};
  };
  switch (row.trigger) {
    case C::PowerFromVoltageButton:
      return conv(C::PowerFromVoltageResult,
                  calc::swr::PowerFromVoltage({v(C::MeasuredR), v(C::MeasuredX)}, v(C::Voltage),
                                              kind(C::VoltsPeakToPeak, C::VoltsPeak)));
    case C::VoltageFromPowerButton:
      return conv(
          C::VoltageFromPowerResult,
          calc::swr::VoltageFromPower({v(C::MeasuredR), v(C::MeasuredX)}, v(C::Power), unit));
    case C::PowerFromCurrentButton:
      return conv(C::PowerFromCurrentResult,
                  calc::swr::PowerFromCurrent({v(C::MeasuredR), v(C::MeasuredX)}, v(C::Current)));
    case C::SwrButton:
      return {{C::SwrResult,
               calc::swr::SwrText(calc::swr::ComputeSwr({{v(C::MeasuredR), v(C::MeasuredX)},
                                                         {v(C::ReferenceR), v(C::ReferenceX)},
                                                         v(C::ForwardPower)}))}};
    case C::CompareVoltagesButton:
      return {{C::ComparisonResult, calc::compare::ComparisonText(calc::compare::CompareVoltages(
                                        {{v(C::InputR), v(C::InputX)},
                                         v(C::InputVoltage),
                                         kind(C::InputVoltsPeakToPeak, C::InputVoltsPeak)},
                                        {{v(C::OutputR), v(C::OutputX)},
                                         v(C::OutputVoltage),
                                         kind(C::OutputVoltsPeakToPeak, C::OutputVoltsPeak)}))}};
    case C::CompareCurrentsButton:
      return {{C::ComparisonResult, calc::compare::ComparisonText(calc::compare::CompareCurrents(
                                        {{v(C::InputR), v(C::InputX)}, v(C::InputCurrent)},
                                        {{v(C::OutputR), v(C::OutputX)}, v(C::OutputCurrent)}))}};
    case C::TunerLossButton:
      return {{C::ComparisonResult,
               calc::tuner::TunerLossText(calc::tuner::ComputeTunerLoss(Tuner(v)))}};
    default:  // the line, run by the bar; the swap runs it again with the swapped power
      break;
  }
  const bool manual = !chosen(C::AutoLineData);
  const auto& cable = line::CableCatalogue().at(
      static_cast<std::size_t>(line::FindCable(kEntries.at(C::CableBox).toStdString())));
  const double mhz = v(C::Frequency);
  const double z = manual ? v(C::LineZ) : cable.impedanceOhm();
  const double vf = manual ? v(C::VelocityFactor) : cable.velocityFactor();
  const double loss = manual ? v(C::LineLoss) : line::LossDbPer100m(cable, mhz);
  using enum line::Direction;
  const auto direction = chosen(C::TowardsAntenna) ? TowardsAntenna : TowardsTransmitter;
  // In the order of LineEntries: start R and X, the line's impedance three times,
  // velocity factor, loss, RTX impedance, frequency, power, cycle, bar, direction.
  line::LineEntries e{{v(C::StartR), v(C::StartX)},
                      z,
                      z,
                      z,
                      vf,
                      loss,
                      v(C::RtxZ),
                      mhz,
                      v(C::LinePower),
                      v(C::CyclesBox),
                      kStep,
                      direction};
  auto result = line::ComputeLine(e, line::FindStartPoint(e, 0));
  Texts texts = {{C::LineResult, ""},
                 {C::HalfWaveRange, *line::HalfWaveRange(e.cycles, e.velocityFactor, mhz)}};
  if (row.trigger == C::SwapPowerButton) {
    e.power = line::SwappedPowerW(e.power, calc::FiguresOf(result)->far.powerW);
    result = line::ComputeLine(e, line::FindStartPoint(e, 0));
    texts.emplace_back(C::LinePower, numeric::FormatFixed(e.power, 1));
  }
  texts.front().second = line::LineResultText(result);
  if (!manual) {  // the catalogue's data of the cable picked
    texts.insert(texts.end(), {{C::LineZ, numeric::FormatFixed(z, 1)},
                               {C::VelocityFactor, numeric::FormatFixed(e.velocityFactor, 3)},
                               {C::LineLoss, line::LossText(e.lossPer100m)}});
  }
  return texts;
}

// The results' readers, from the rows: result -> entry -> the triggers reading it.
std::map<C, std::map<C, std::set<C>>> Readers() {
  std::map<C, std::map<C, std::set<C>>> readers;
  for (const Wiring& row : kWiring) {
    std::set<C> read;
    const C result = Expected(row, Entries{&read}).front().first;
    for (const C field : read) readers[result][field].insert(row.trigger);
  }
  return readers;
}

struct KeyCase {
  const char* name;
  C field;
  const char* typed;  // then the key, or (key 0) the text an input method commits
  int key;
  Qt::KeyboardModifiers modifiers;
  const char* commit;
  const char* shown;
  int commaBoxes;
};
// clang-format off
const KeyCase kKeys[] = {
    {"letters, minus: unsigned field", C::MeasuredR, "x-7y.5 e", 0, {}, "", "7.5", 0},
    {"letters, minus: signed field", C::MeasuredX, "x-7y.5 e", 0, {}, "", "-7.5", 0},
    {"the comma warns once", C::MeasuredR, "12,3", 0, {}, "", "123", 1},
    {"Alt+b, a letter", C::MeasuredR, "12", Qt::Key_B, Qt::AltModifier, "", "12", 0},
    {"Super+y, a letter", C::MeasuredX, "12", Qt::Key_Y, Qt::MetaModifier, "", "12", 0},
    {"AltGr+e, a letter", C::MeasuredX, "12", Qt::Key_E, Qt::GroupSwitchModifier, "", "12", 0},
    {"Alt+comma warns", C::MeasuredX, "12", Qt::Key_Comma, Qt::AltModifier, "", "12", 1},
    {"Alt+minus, unsigned field", C::MeasuredR, "12", Qt::Key_Minus, Qt::AltModifier, "", "12", 0},
    {"committed accent, letter, comma", C::StartX, "12", 0, {}, "\u00e9x,", "12", 1},
    {"committed digits, dot and minus", C::StartX, "12", 0, {}, "-4.5", "12-4.5", 0}};
// clang-format on

}  // namespace

class WindowTest : public QObject {
  Q_OBJECT

 public slots:
  void openGuide(const QUrl& url) { openedUrls.append(url); }

 private:
  QList<QUrl> openedUrls;

 private slots:
  void theTablesHoldTogetherAndBuildTheWindow();
  void captionsAndStartTextsFitTheirControls();
  void tabVisitsTheStopsInTabIndexOrder();
  void helpButtonOpensTheGuide();
  void keysFollowTheFieldsRules_data() { AddRows(kKeys); }
  void keysFollowTheFieldsRules();
  void editingShortcutsAndPastesWork();
  void triggersFeedTheirCalculators_data() { AddRows(kWiring); }
  void triggersFeedTheirCalculators();
  void entryChangesEmptyTheResultsThatReadThem();
  void zeroChecksWarnInOrder_data() {
    AddRows(kWiring, [](const Wiring& row) { return !row.zeros.empty(); });
  }
  void zeroChecksWarnInOrder();
  void leaveRulesRunForRealMovesAndBeforeAccessKeys();
};

void WindowTest::theTablesHoldTogetherAndBuildTheWindow() {
  WindowFixture f;
  f.window.show();
  QCOMPARE(f.window.size(), QSize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips)));
  std::set<C> named;
  std::set<int> tabs;
  std::size_t entryRows = 0;
  for (const ControlSpec& row : WindowLayout()) {
    const QString caption = ToQString(row.text);
    const QByteArray bytes = (row.name ? ObjectName(*row.name) : caption).toUtf8();
    const char* name = bytes.constData();
    // Unique names and tab indices; every control inside its panel
    // (an option may reach beyond: its panel clips it, and the caption test
    // measures what shows).
    QVERIFY2(!row.name || named.insert(*row.name).second, name);
    QVERIFY2(row.tab < 0 || tabs.insert(row.tab).second, name);
    const ControlSpec* panel = row.parent ? &LayoutRow(*row.parent) : nullptr;
    const QRect inside(0, 0, panel ? panel->width : kClientWidthTwips,
                       panel ? panel->height : kClientHeightTwips);
    const int width = row.kind == K::Option ? 1 : row.width;
    QVERIFY2(inside.contains(QRect(row.left, row.top, width, row.height)), name);
    entryRows += row.kind == K::Entry ? 1U : 0U;
    // The control built from the row.
    QWidget* parent = row.parent ? f.find(*row.parent) : &f.window;
    const QRect place(Pixels(row.left), Pixels(row.top), Pixels(row.width), Pixels(row.height));
    QWidget* w = row.name ? f.find(*row.name) : parent->childAt(place.center());  // "R:", "I:"
    QVERIFY2(w != nullptr && w->parentWidget() == parent, name);
    QCOMPARE(w->geometry(), place);
    QString text;  // a button's caption is wrapped to fit it
    for (const char* property : {"title", "text", "currentText", "plainText"}) {
      text += w->property(property).toString();
    }
    QCOMPARE(text.replace('\n', ' '), caption);
    QCOMPARE(ShownFlags(w), row.flags & ~unsigned{kLineData});
    QCOMPARE(w->accessibleName(), row.name ? ToQString(AccessibleNameOf(*row.name)) : QString());
    QVERIFY2(row.kind != K::Entry || !w->accessibleName().isEmpty(), name);
    QCOMPARE(w->toolTip(), ToQString(row.tooltip));
    if (!row.tooltip.empty()) {  // on lines that no screen clips, the words unchanged
      QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), w->mapToGlobal(QPoint(5, 5)));
      QApplication::sendEvent(w, &help);
      const QStringList lines = QToolTip::text().split('\n');
      QVERIFY(std::all_of(lines.begin(), lines.end(), [](auto& l) { return l.size() <= 60; }));
      QCOMPARE(lines.join(' '), w->toolTip());
    }
  }
  QCOMPARE(named.size(), kControlCount);
  std::set<C> ruled;  // each entry one rule; no two controls one accessible name
  for (const EntryRule& rule : EntryRules()) {
    QVERIFY(LayoutRow(rule.field).kind == K::Entry && ruled.insert(rule.field).second);
  }
  QCOMPARE(ruled.size(), entryRows);
  std::set<std::string_view> names;
  for (const AccessibleName& entry : AccessibleNames()) QVERIFY(names.insert(entry.name).second);
}

void WindowTest::captionsAndStartTextsFitTheirControls() {
  WindowFixture f;
  f.window.show();
  QCOMPARE(f.window.devicePixelRatioF(), Scale());  // the suite runs it at 150 and 200 % too
  QCOMPARE(QFontInfo(f.window.font()).family(), QStringLiteral("Liberation Sans"));
  QStringList misfits;
  const auto check = [&](QWidget* w, bool fits) {
    if (!fits) misfits << w->objectName() + '/' + w->metaObject()->className();
  };
  for (QLabel* label : f.window.findChildren<QLabel*>()) {
    check(label, label->heightForWidth(label->width()) <= label->height());
  }
  for (QPushButton* button : f.window.findChildren<QPushButton*>()) {
    const QRect needed = button->fontMetrics().boundingRect(QRect(0, 0, 10000, 10000),
                                                            Qt::TextShowMnemonic, button->text());
    check(button, needed.width() + 6 <= button->width() && needed.height() <= button->height());
  }
  for (QRadioButton* option : f.window.findChildren<QRadioButton*>()) {
    // The caption is drawn after the indicator and its spacing, in the style's
    // contents rectangle; the panel clips an option that reaches beyond it.
    QStyleOptionButton style;
    style.initFrom(option);
    style.text = option->text();
    const QRect contents =
        option->style()->subElementRect(QStyle::SE_RadioButtonContents, &style, option);
    const QFontMetricsF metrics(option->font());
    const double textRight = contents.left() + metrics.horizontalAdvance(option->text());
    const int visible = std::min(option->width(), option->parentWidget()->width() - option->x());
    check(option, textRight <= visible && metrics.height() <= option->height());
  }
  for (QLineEdit* field : f.window.findChildren<QLineEdit*>()) {
    check(field, field->fontMetrics().horizontalAdvance(field->text()) + 6 <= field->width());
  }
  for (QGroupBox* frame : f.window.findChildren<QGroupBox*>()) {
    QStyleOptionGroupBox style;
    style.initFrom(frame);
    style.text = frame->title();
    style.subControls = QStyle::SC_GroupBoxLabel;
    const QRect title = frame->style()->subControlRect(QStyle::CC_GroupBox, &style,
                                                       QStyle::SC_GroupBoxLabel, frame);
    check(frame, title.right() < frame->width());
  }
  QCOMPARE(misfits, QStringList());
}

void WindowTest::tabVisitsTheStopsInTabIndexOrder() {
  WindowFixture f;
  f.activate();
  f.type(C::StartR, QStringLiteral("50"));  // tabbing over the shift bar computes the line
  // Options the program selects, never visited by the focus: Tab enters a group
  // on its selected option.
  for (const C option : {C::VoltsPeak, C::PowerInDbm, C::InputVoltsPeakToPeak, C::OutputVoltsPeak,
                         C::ManualLineData}) {
    f.find(option)->setProperty("checked", true);
  }
  std::map<int, QString> stops;  // every enabled control with a tab index
  for (const ControlSpec& row : WindowLayout()) {
    QWidget* w = row.tab >= 0 ? f.find(*row.name) : nullptr;
    const bool unselected = w != nullptr && w->property("checkable").toBool() &&
                            !w->property("checked").toBool();  // an option of a group
    if (w != nullptr && w->isEnabled() && !unselected) stops[row.tab] = ObjectName(*row.name);
  }
  QStringList ahead;
  for (const auto& [tab, name] : stops) ahead << name;
  const QStringList back(ahead.rbegin(), ahead.rend());
  ahead << ahead.takeFirst();  // and round to the first again
  for (const auto& [key, expected] : {std::pair{Qt::Key_Tab, ahead}, {Qt::Key_Backtab, back}}) {
    f.window.findChild<QWidget*>(back.last())->setFocus(Qt::TabFocusReason);
    QStringList visited;
    while (visited.size() < expected.size()) {
      QTest::keyClick(QApplication::focusWidget(), key);
      QWidget* focus = QApplication::focusWidget();
      visited << (focus->objectName().isEmpty() ? focus->parentWidget() : focus)->objectName();
    }
    QCOMPARE(visited, expected);
  }
}

void WindowTest::helpButtonOpensTheGuide() {
  // Run from the build tree: the guide built for it; installed without the
  // guide: the guide on the web. By the access key and the mouse alike.
  QTemporaryDir emptyPrefix;
  QVERIFY(QDir(emptyPrefix.path()).mkpath(QStringLiteral("bin")));
  WindowFixture f;
  f.activate();
  const QUrl local = QUrl::fromLocalFile(QStringLiteral(TOLVAR_BUILT_GUIDE));
  const QUrl web("https://" TOLVAR_GUIDE_HOST "/content/guide/Tolvar31guide.pdf");
  QCOMPARE(GuideUrl(QStringLiteral(TOLVAR_BUILD_PROGRAM_DIR)), local);
  QCOMPARE(GuideUrl(emptyPrefix.filePath("bin")), web);
  for (const char* scheme : {"file", "https"}) {
    QDesktopServices::setUrlHandler(scheme, this, "openGuide");
  }
  QTest::keyClick(&f.window, Qt::Key_Question, Qt::AltModifier);
  QTRY_COMPARE(openedUrls.size(), 1);
  f.click(C::HelpButton);
  for (const char* scheme : {"file", "https"}) QDesktopServices::unsetUrlHandler(scheme);
  QCOMPARE(openedUrls, QList<QUrl>({GuideUrl(), GuideUrl()}));
  QCOMPARE(f.watcher.boxes, QStringList());
}

void WindowTest::keysFollowTheFieldsRules() {
  QFETCH(int, row);
  const KeyCase& key = kKeys[row];
  WindowFixture f;
  f.activate();
  f.focus(key.field);
  f.type(key.field, key.typed);
  QInputMethodEvent committed;
  committed.setCommitString(QString::fromUtf8(key.commit));
  if (key.key != 0) QTest::keyClick(f.find(key.field), Qt::Key(key.key), key.modifiers);
  QApplication::sendEvent(f.find(key.field), &committed);
  QCOMPARE(f.text(key.field), QString::fromLatin1(key.shown));
  QCOMPARE(f.watcher.boxes, QStringList(key.commaBoxes, BoxOf(kUseDot)));
}

void WindowTest::editingShortcutsAndPastesWork() {
  WindowFixture f;
  auto* field = f.find<QLineEdit>(C::MeasuredR);
  f.type(C::MeasuredR, QStringLiteral("3"));
  for (const Qt::Key key : {Qt::Key_A, Qt::Key_C, Qt::Key_X, Qt::Key_Z}) {  // all, copy, cut, undo
    QTest::keyClick(field, key, Qt::ControlModifier);
  }
  QCOMPARE(QApplication::clipboard()->text() + field->text(), QStringLiteral("33"));
  QApplication::clipboard()->setText(QStringLiteral("1.2.3 ohm"));  // pasted text is not judged
  field->clear();
  QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
  QCOMPARE(field->text(), QStringLiteral("1.2.3 ohm"));
}

void WindowTest::triggersFeedTheirCalculators() {
  QFETCH(int, row);
  const Wiring& wiring = kWiring[row];
  WindowFixture f;
  f.click(C::ManualLineData);  // the line data take typing in manual mode
  for (const auto& [control, text] : kEntries) {
    if (auto* box = f.find<QComboBox>(control)) {
      box->setCurrentIndex(box->findText(text));
    } else {
      f.setText(control, QString());
      f.type(control, text);
    }
  }
  for (const C option : wiring.options) f.click(option);
  if (wiring.trigger == C::ShiftBar || wiring.trigger == C::SwapPowerButton) {
    f.find(C::ShiftBar)->setProperty("value", kStep);
  }
  if (wiring.trigger != C::ShiftBar) f.click(wiring.trigger);
  // Every entry keeps what was typed, but those the handler writes and, first,
  // those that one other calculator writing into its result field reads alone
  // (the impedances, which both comparisons read, stay).
  std::set<C> read;
  const Texts expected = Expected(wiring, Entries{&read});
  std::map<C, QString> shown;
  for (const EntryRule& rule : EntryRules()) shown[rule.field] = kEntries.at(rule.field);
  auto readers = Readers();
  for (const auto& [field, triggers] : readers[expected.front().first]) {
    if (triggers.size() == 1 && triggers.count(wiring.trigger) == 0) shown[field].clear();
  }
  for (const auto& [field, text] : expected) shown[field] = Shown(text);
  for (const auto& [field, text] : shown) QCOMPARE(f.text(field), text);
  QWidget* result = f.find(expected.front().first);
  QCOMPARE(result->accessibleDescription(), f.text(expected.front().first));
  QVERIFY(result->font().bold());
  QCOMPARE(f.watcher.boxes, QStringList());
  if (wiring.then != nullptr) wiring.then(f, Entries{&read});
}

void WindowTest::entryChangesEmptyTheResultsThatReadThem() {
  // A write by the program into an entry, as typing does, empties exactly the
  // results that read it.
  const auto readers = Readers();
  WindowFixture f;
  for (const EntryRule& rule : EntryRules()) {
    std::set<C> reading;
    for (const auto& [result, fields] : readers) {
      if (fields.count(rule.field) > 0) reading.insert(result);
      f.setText(result, QStringLiteral("old"));
    }
    QVERIFY(std::set<C>(rule.clears.begin(), rule.clears.end()) == reading);
    f.setText(rule.field, QStringLiteral("0.001"));
    for (const auto& [result, fields] : readers) {
      QVERIFY(f.text(result).isEmpty() == (reading.count(result) > 0));
    }
  }
}

void WindowTest::zeroChecksWarnInOrder() {
  QFETCH(int, row);
  const Wiring& wiring = kWiring[row];
  WindowFixture f;
  f.activate();
  if (wiring.trigger == C::ShiftBar && wiring.options != std::vector{C::AutoLineData}) {
    f.click(C::ManualLineData);  // manual: the line data too
  }
  QStringList boxes;
  for (const auto& [field, message] : wiring.zeros) {
    f.setText(field, QString());
    boxes << BoxOf(message);
  }
  if (wiring.trigger == C::ShiftBar) {  // gaining the focus runs the line, and only once:
    f.focus(C::CyclesBox);              // not again when the focus comes back after the boxes
    QTest::keyClick(f.find(C::CyclesBox), Qt::Key_Tab);
    f.activate();
    QCOMPARE(QApplication::focusWidget(), f.find(C::ShiftBar));
  } else {
    f.click(wiring.trigger);
  }
  QCOMPARE(f.watcher.boxes, boxes);
  for (const auto& [field, message] : wiring.zeros) {
    QCOMPARE(f.text(field), ToQString(kZeroReplacement));  // and the handler goes on with it
  }
}

void WindowTest::leaveRulesRunForRealMovesAndBeforeAccessKeys() {
  WindowFixture f;
  f.activate();
  int presses = 0;
  QObject::connect(f.find<QAbstractButton>(C::TunerLossButton), &QAbstractButton::clicked,
                   &f.window, [&] { ++presses; });
  f.focus(C::AntennaRe);
  f.type(C::AntennaRe, QStringLiteral("1.5,"));  // the comma's box opens and closes over the field,
  f.activate();
  QMessageBox::information(&f.window, QStringLiteral("Box"), QStringLiteral("Text"));  // another,
  f.activate();
  QWidget other;  // and another window takes the activation and gives it back
  other.show();
  QApplication::setActiveWindow(&other);
  QVERIFY(QTest::qWaitForWindowActive(&other));
  f.activate();
  QCOMPARE(f.watcher.boxes, QStringList({BoxOf(kUseDot), "Box: Text (no warning icon)"}));
  f.click(C::TunerLossButton);  // a press that leaves the field: its box, and no click
  QCOMPARE(f.watcher.boxes.mid(2), QStringList(BoxOf(kAntennaRealOutOfRange)));
  QCOMPARE(f.text(C::AntennaRe), QString());
  QCOMPARE(presses, 0);
  f.activate();
  f.focus(C::AntennaIm);
  f.type(C::AntennaIm, QStringLiteral("-1"));
  QTest::keyClick(f.find(C::AntennaIm), Qt::Key_L, Qt::AltModifier);  // the access key: the same
  QCOMPARE(f.watcher.boxes.mid(3), QStringList(BoxOf(kAntennaImaginaryOutOfRange)));
  QCOMPARE(f.window.focusWidget(), f.find(C::AntennaIm));  // back where the user was typing
  QTest::qWait(300);                                       // longer than the animated click
  QCOMPARE(f.text(C::ComparisonResult), QString());
  f.activate();
  // An access key runs the leave rule first: the example of the guide, typed
  // field by field (leaving S21's parts copies them into S12).
  const std::pair<C, const char*> typed[] = {
      {C::AntennaRe, "0.2"}, {C::AntennaIm, "0.1"}, {C::S11Re, "0.1"},  {C::S11Im, "0.05"},
      {C::S22Re, "0.05"},    {C::S22Im, "0.1"},     {C::S21Re, "0.85"}, {C::S21Im, "-0.3"}};
  for (const auto& [field, keys] : typed) {
    f.focus(field);
    f.type(field, keys);
  }
  QTest::keyClick(f.find(C::S21Im), Qt::Key_L, Qt::AltModifier);
  QCOMPARE(f.text(C::S12Im), QStringLiteral("-0.3"));
  QTRY_COMPARE(f.text(C::ComparisonResult),
               Shown(calc::tuner::TunerLossText(calc::tuner::ComputeTunerLoss(
                   {{0.2, 0.1}, {0.1, 0.05}, {0.85, -0.3}, {0.05, 0.1}, {0.85, -0.3}}))));
  // The swap's key after a new frequency: the half-wave range first, then the swap.
  f.setText(C::StartR, QStringLiteral("100"));
  f.click(C::TowardsAntenna);  // a complete run to swap with
  QStringList writes;
  for (const C field : {C::HalfWaveRange, C::LinePower}) {
    QObject::connect(f.find<QLineEdit>(field), &QLineEdit::textChanged, &f.window,
                     [&writes, field] { writes << ObjectName(field); });
  }
  f.activate();
  f.focus(C::Frequency);
  f.find<QLineEdit>(C::Frequency)->selectAll();
  f.type(C::Frequency, QStringLiteral("7"));
  QTest::keyClick(f.find(C::Frequency), Qt::Key_W, Qt::AltModifier);
  QTRY_COMPARE(writes, QStringList({ObjectName(C::HalfWaveRange), ObjectName(C::LinePower)}));
  f.activate();  // above 150 MHz the line's note shows on leaving the frequency
  f.focus(C::Frequency);
  f.find<QLineEdit>(C::Frequency)->selectAll();
  f.type(C::Frequency, QStringLiteral("151"));
  QVERIFY(f.find(C::UnreliableNote)->isHidden());
  QTest::keyClick(f.find(C::Frequency), Qt::Key_Tab);
  QVERIFY(!f.find(C::UnreliableNote)->isHidden());
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
