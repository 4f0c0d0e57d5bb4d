// The window built from its tables: the tables' invariants and the controls made
// from them, captions that fit, the tab order, the entries' key rules and the
// help button. The panels' behaviour is in panels/panels_test.cpp.
#include <set>

#include "app/controls/build.h"
#include "app/guide.h"
#include "window_fixture.h"

namespace {

using namespace tolvar;
using namespace tolvar::app;
using C = Control;
using K = ControlKind;

// The flags the widget shows, as the layout writes them.
unsigned ShownFlags(const QWidget* w) {
  const auto flag = [](bool on, unsigned bit) { return on ? bit : 0U; };
  const int stretch = w->font().stretch();
  return flag(!w->isEnabled(), kDisabled) | flag(w->isHidden(), kHidden) |
         flag(w->font().bold(), kBold) | flag(w->font().pointSize() == 24, kLarge) |
         flag(stretch > 0 && stretch < 100, kCondensed) |
         flag(w->property("checked").toBool(), kSelected);
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
  void shiftBarRunsItsWayAndShowsTheFocus();
  void cableListShowsWholeNames();
};

void WindowTest::theTablesHoldTogetherAndBuildTheWindow() {
  WindowFixture f;
  f.window.show();
  QCOMPARE(f.window.size(), QSize(Pixels(kClientWidthTwips), Pixels(kClientHeightTwips)));
  std::set<C> named;
  std::set<int> tabs;
  std::size_t entryRows = 0;
  for (const ControlRow& row : WindowLayout()) {
    const QString caption = ToQString(row.text);
    const QByteArray bytes = (row.name ? ObjectName(*row.name) : caption).toUtf8();
    const char* name = bytes.constData();
    // Unique names and tab indices; every control inside its panel
    // (an option may reach beyond: its panel clips it, and the caption test
    // measures what shows).
    QVERIFY2(!row.name || named.insert(*row.name).second, name);
    QVERIFY2(row.tab < 0 || tabs.insert(row.tab).second, name);
    const ControlRow* panel = row.parent ? &LayoutRow(*row.parent) : nullptr;
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
  for (const ControlRow& row : WindowLayout()) {
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
  // Without a viewer (none on this platform) a box says where the guide is.
  f.click(C::HelpButton);
  const QString where = GuideUrl().isLocalFile() ? GuideUrl().toLocalFile() : GuideUrl().toString();
  QCOMPARE(f.watcher.boxes, QStringList(BoxOf(kGuideNotOpened).arg(where)));
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

void WindowTest::shiftBarRunsItsWayAndShowsTheFocus() {
  WindowFixture f;
  f.activate();
  f.type(C::StartR, QStringLiteral("50"));  // the line computes without boxes
  auto* bar = f.find<QScrollBar>(C::ShiftBar);
  const QImage unfocused = bar->grab().toImage();
  f.focus(C::ShiftBar);
  QVERIFY(bar->grab().toImage() != unfocused);  // Tab's arrival shows
  bar->setValue(0);
  QList<int> values;
  for (const Qt::Key key :
       {Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Right, Qt::Key_Left, Qt::Key_End,
        Qt::Key_Home, Qt::Key_PageDown, Qt::Key_PageUp}) {
    QTest::keyClick(bar, key);
    values << bar->value();
  }
  QCOMPARE(values, QList<int>({1, 2, 3, 4, 3, 720, 0, 20, 0}));
  QWheelEvent wheelDown(QPointF(5, 5), bar->mapToGlobal(QPointF(5, 5)), {}, QPoint(0, -120),
                        Qt::NoButton, Qt::NoModifier, Qt::NoScrollPhase, false);
  QApplication::sendEvent(bar, &wheelDown);
  QVERIFY(bar->value() > 0);  // moves it right, as on other horizontal bars
  QCOMPARE(f.watcher.boxes, QStringList());
}

void WindowTest::cableListShowsWholeNames() {
  WindowFixture f;
  f.window.show();
  auto* box = f.find<QComboBox>(C::CableBox);
  box->showPopup();
  int widest = 0;
  for (int i = 0; i < box->count(); ++i) {
    widest = std::max(widest, box->view()->fontMetrics().horizontalAdvance(box->itemText(i)));
  }
  QVERIFY2(box->view()->viewport()->width() >= widest + 8,
           qPrintable(QString::number(box->view()->viewport()->width())));
  box->hidePopup();
}

QTEST_MAIN(WindowTest)
#include "window_test.moc"
