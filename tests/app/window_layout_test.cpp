// The window as a user first sees it: every control, start text, state,
// tooltip, tab stop and access key, and captions that fit their boxes.
#include <QApplication>
#include <QComboBox>
#include <QDebug>
#include <QDesktopServices>
#include <QDir>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QGroupBox>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollBar>
#include <QSet>
#include <QStyleOptionButton>
#include <QStyleOptionGroupBox>
#include <QTemporaryDir>
#include <QTest>
#include <QToolTip>
#include <algorithm>

#include "app/guide.h"
#include "calc/line/cable_catalogue.h"
#include "window_fixture.h"

class WindowLayoutTest : public QObject {
  Q_OBJECT

 public slots:
  void openGuide(const QUrl& url) { openedUrls.append(url); }

 private:
  QList<QUrl> openedUrls;

 private slots:
  void everyControlCarriesItsName();
  void startsWithTheLayoutTextsAndStates();
  void cableBoxListsTheCatalogueAndLooksUpExactly();
  void shiftBarAndCyclesBox();
  void tooltipsTellWhatToMeasure();
  void positionsFollowTheLayout();
  void captionsAndStartTextsFitTheirControls();
  void tabVisitsTheControlsInLayoutOrder();
  void accessKeysPressTheirButtons();
  void helpButtonOpensTheGuide_data();
  void helpButtonOpensTheGuide();
  void assistiveTechnologyGetsNamesAndResults();
};

namespace {

QStringList Names(const char* prefix, int first, int last, QList<int> skip = {}) {
  QStringList names;
  for (int i = first; i <= last; ++i) {
    if (!skip.contains(i)) {
      names << QStringLiteral("%1%2").arg(QLatin1String(prefix)).arg(i);
    }
  }
  return names;
}

}  // namespace

void WindowLayoutTest::everyControlCarriesItsName() {
  WindowFixture f;
  QStringList names = Names("Text", 1, 41) + Names("Command", 1, 9) + Names("Option", 1, 16, {12}) +
                      Names("Frame", 1, 19) + Names("Label", 3, 14) + Names("Label", 16, 23) +
                      Names("Label2_", 0, 9, {2});
  names << "Label34"
        << "Label36"
        << "Combo1"
        << "Combo2"
        << "HScroll1";
  for (const QString& name : names) {
    const auto found = f.window.findChildren<QWidget*>(name);
    QCOMPARE(found.size(), 1);
  }
  QVERIFY(f.window.findChildren<QWidget*>(QStringLiteral("Option12")).isEmpty());
  for (const char* multi : {"Text4", "Text5", "Text22"}) {
    f.find<QPlainTextEdit>(multi);
  }
  for (const QString& name : Names("Text", 1, 41, {4, 5, 22})) {
    QVERIFY2(f.window.findChild<QLineEdit*>(name) != nullptr, qPrintable(name));
  }
}

void WindowLayoutTest::startsWithTheLayoutTextsAndStates() {
  WindowFixture f;
  QVERIFY(f.window.windowTitle().startsWith(QStringLiteral("Tolvar 3.1")));
  QCOMPARE(f.window.size(), QSize(688, 678));
  for (const char* result : {"Text2", "Text3", "Text4", "Text5", "Text19", "Text22"}) {
    QVERIFY2(f.text(result).isEmpty(), result);
  }
  for (const char* result : {"Text2", "Text3", "Text19"}) {
    QVERIFY(f.find<QLineEdit>(result)->isReadOnly());
    QVERIFY(!f.find(result)->isEnabled());
  }
  for (const char* result : {"Text4", "Text5"}) {
    QVERIFY(f.find<QPlainTextEdit>(result)->isReadOnly());
    QVERIFY(!f.find(result)->isEnabled());
  }
  QVERIFY(f.find<QPlainTextEdit>("Text22")->isReadOnly());
  QVERIFY(f.find("Text22")->isEnabled());
  QVERIFY(!f.find<QLineEdit>("Text41")->isReadOnly());
  QVERIFY(!f.find("Text41")->isEnabled());
  QCOMPARE(f.text("Text41"), QStringLiteral("0.00 - 7.18 mt"));
  for (const char* locked : {"Text25", "Text27", "Text40"}) {
    QVERIFY2(!f.find(locked)->isEnabled(), locked);
  }
  QCOMPARE(f.text("Text12"), QStringLiteral("50"));
  QCOMPARE(f.text("Text11"), QStringLiteral("0"));
  QCOMPARE(f.text("Text6"), QStringLiteral("100"));
  QCOMPARE(f.text("Text28"), QStringLiteral("14.000"));
  QCOMPARE(f.text("Text29"), QStringLiteral("100"));
  QCOMPARE(f.text("Text26"), QStringLiteral("50"));
  QCOMPARE(f.text("Text25"), QStringLiteral("50"));
  QCOMPARE(f.text("Text27"), QStringLiteral("0.67"));
  QCOMPARE(f.text("Text40"), QStringLiteral("0"));
  for (const char* empty : {"Text7", "Text8", "Text9", "Text10", "Text18", "Text23", "Text30"}) {
    QVERIFY2(f.text(empty).isEmpty(), empty);
  }
  const QStringList selected = {"Option1", "Option8", "Option4", "Option5", "Option10", "Option16"};
  for (QRadioButton* option : f.window.findChildren<QRadioButton*>()) {
    QCOMPARE(option->isChecked(), selected.contains(option->objectName()));
  }
  QCOMPARE(f.find<QLabel>("Label19")->text(), QStringLiteral("RTX Z:"));
  auto* warning = f.find<QLabel>("Label36");
  QVERIFY(warning->isHidden());
  QVERIFY(warning->font().bold());
  QCOMPARE(warning->text(), QStringLiteral("ENTRY SWR > 25 OR F > 150 MHz: DATA NOT RELIABLE!"));
  auto* help = f.find<QPushButton>("Command7");
  QCOMPARE(help->font().pointSize(), 24);
  QVERIFY(help->font().bold());
  QVERIFY(!f.find("Text7")->font().bold());
  QCOMPARE(f.find<QGroupBox>("Frame19")->title(),
           QStringLiteral("Shift Lenght and Transmission Line Loss"));
}

void WindowLayoutTest::cableBoxListsTheCatalogueAndLooksUpExactly() {
  WindowFixture f;
  auto* box = f.find<QComboBox>("Combo2");
  const auto& cables = tolvar::calc::line::CableCatalogue();
  QCOMPARE(box->count(), 73);
  for (int i = 0; i < box->count(); ++i) {
    QCOMPARE(box->itemText(i).toStdString(), std::string(cables[static_cast<size_t>(i)].name));
  }
  QVERIFY(box->isEditable());
  QCOMPARE(box->currentText(), QStringLiteral("Messi e Paoloni Pota-Flex 6"));
  QCOMPARE(box->insertPolicy(), QComboBox::NoInsert);
  // Typed text stays as typed: no completion into a catalogue name, no new item.
  box->lineEdit()->clear();
  QTest::keyClicks(box->lineEdit(), QStringLiteral("rg-58"));
  QCOMPARE(box->currentText(), QStringLiteral("rg-58"));
  QTest::keyClick(box->lineEdit(), Qt::Key_Return);
  QCOMPARE(box->count(), 73);
}

void WindowLayoutTest::shiftBarAndCyclesBox() {
  WindowFixture f;
  auto* bar = f.find<QScrollBar>("HScroll1");
  QCOMPARE(bar->minimum(), 0);
  QCOMPARE(bar->maximum(), 720);
  QCOMPARE(bar->value(), 0);
  QCOMPARE(bar->singleStep(), 1);
  QCOMPARE(bar->pageStep(), 20);
  QCOMPARE(bar->focusPolicy(), Qt::StrongFocus);
  auto* cycles = f.find<QComboBox>("Combo1");
  QVERIFY(!cycles->isEditable());
  QCOMPARE(cycles->count(), 40);
  QCOMPARE(cycles->itemText(39), QStringLiteral("40"));
  QCOMPARE(cycles->currentText(), QStringLiteral("1"));
}

void WindowLayoutTest::tooltipsTellWhatToMeasure() {
  WindowFixture f;
  QCOMPARE(f.find("Text23")->toolTip(),
           QStringLiteral("Insert resistance of the starting point (ohm)."));
  QCOMPARE(f.find("Text27")->toolTip(),
           QStringLiteral("Insert transmission line velocity factor."));
  QCOMPARE(f.find("Text30")->toolTip(),
           QStringLiteral("Connect the first port of the VNA to the cable from the antenna, "
                          "leaving the second port of the VNA unconnected. Insert the real part "
                          "of the S11 as S Ant. real part."));
  QCOMPARE(f.find("Text32")->toolTip(),
           QStringLiteral("Connect the first port of the VNA to the RTX port of the tuner and "
                          "the second port to the ANT port of the tuner. Read S21 on the VNA and "
                          "insert the imaginary part."));
  QCOMPARE(f.find("Text39")->toolTip(),
           QStringLiteral("Connect the first port of the VNA to the ANT port of the tuner and "
                          "the second port to the RTX port of the tuner. Read S21 on the VNA and "
                          "insert the imaginary part as S12 imaginary part."));
  QVERIFY(f.find("Text7")->toolTip().isEmpty());
  // Shown on lines no screen clips, the words unchanged.
  f.window.show();
  QWidget* field = f.find("Text31");
  QHelpEvent help(QEvent::ToolTip, QPoint(5, 5), field->mapToGlobal(QPoint(5, 5)));
  QApplication::sendEvent(field, &help);
  const QStringList lines = QToolTip::text().split(QLatin1Char('\n'));
  QVERIFY(lines.size() > 2);
  for (const QString& line : lines) {
    QVERIFY2(line.size() <= 60, qPrintable(line));
  }
  QCOMPARE(lines.join(QLatin1Char(' ')), field->toolTip());
  QToolTip::hideText();
  int withTip = 0;
  for (QWidget* w : f.window.findChildren<QWidget*>()) {
    withTip += w->toolTip().isEmpty() ? 0 : 1;
  }
  QCOMPARE(withTip, 17);
}

void WindowLayoutTest::positionsFollowTheLayout() {
  WindowFixture f;
  // twips / 15 = pixels, relative to the containing panel.
  QCOMPARE(f.find("Frame11")->geometry(), QRect(3, 488, 680, 187));
  QCOMPARE(f.find("Text7")->parentWidget(), f.find("Frame1"));
  QCOMPARE(f.find("Text7")->geometry(), QRect(64, 32, 41, 25));
  QCOMPARE(f.find("Command8")->parentWidget(), f.find("Frame13"));
  QCOMPARE(f.find("Command8")->geometry(), QRect(160, 120, 105, 41));
  QCOMPARE(f.find("Text6")->parentWidget(), f.find("Frame5"));
  QCOMPARE(f.find("Command7")->parentWidget(), &f.window);
  QCOMPARE(f.find("Command7")->geometry(), QRect(632, 344, 33, 41));
  QCOMPARE(f.find("Option1")->parentWidget(), f.find("Frame3"));
  QCOMPARE(f.find("HScroll1")->geometry(), QRect(216, 8, 449, 17));
}

void WindowLayoutTest::captionsAndStartTextsFitTheirControls() {
  WindowFixture f;
  f.window.show();
  // The suite runs this test again at 150 % and 200 % (QT_SCALE_FACTOR).
  const double scale = qEnvironmentVariableIsSet("QT_SCALE_FACTOR")
                           ? qEnvironmentVariable("QT_SCALE_FACTOR").toDouble()
                           : 1.0;
  QCOMPARE(f.window.devicePixelRatioF(), scale);
  QCOMPARE(QFontInfo(f.window.font()).family(), QStringLiteral("Liberation Sans"));
  QStringList misfits;
  const auto check = [&](QWidget* w, bool fits) {
    if (!fits) {
      misfits << w->objectName() + QLatin1Char('/') + w->metaObject()->className();
    }
  };
  for (QLabel* label : f.window.findChildren<QLabel*>()) {
    if (!label->text().isEmpty()) {
      check(label, label->heightForWidth(label->width()) <= label->height());
    }
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
  // No opaque option panel may cover a caption's text.
  for (QLabel* label : f.window.findChildren<QLabel*>()) {
    const QRect text = label->fontMetrics()
                           .boundingRect(label->rect(), Qt::TextWordWrap, label->text())
                           .translated(label->pos());
    for (QWidget* sibling :
         label->parentWidget()->findChildren<QWidget*>(QString(), Qt::FindDirectChildrenOnly)) {
      const bool coversLabels = sibling->autoFillBackground() && !sibling->inherits("QGroupBox");
      if (coversLabels && sibling->isVisible() && label->isVisible() &&
          sibling->geometry().intersects(text)) {
        misfits << label->objectName() + QStringLiteral(" under ") + sibling->objectName();
      }
    }
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
  if (!misfits.isEmpty()) {
    qWarning() << misfits;
  }
  QCOMPARE(misfits, QStringList());
}

void WindowLayoutTest::tabVisitsTheControlsInLayoutOrder() {
  WindowFixture f;
  f.activate();
  const QStringList expected = {
      "Text7",    "Text8",    "Option1", "Text9",    "Command1", "Option8",  "Text10",   "Command2",
      "Text18",   "Command5", "Text12",  "Text11",   "Text6",    "Command4", "Text15",   "Text1",
      "Option4",  "Text13",   "Text20",  "Text16",   "Text17",   "Option5",  "Text14",   "Text21",
      "Command3", "Command6", "Text30",  "Text34",   "Text36",   "Text37",   "Text33",   "Text32",
      "Text31",   "Text35",   "Text38",  "Text39",   "Command8", "Option10", "Text23",   "Text24",
      "Text28",   "Text29",   "Text26",  "Option16", "Combo1",   "HScroll1", "Command9", "Command7",
      "Text22",   "Combo2",   "Text7"};
  f.type("Text23", QStringLiteral("50"));  // tabbing over the shift bar computes the line
  f.find("Text7")->setFocus(Qt::TabFocusReason);
  QStringList visited = {QApplication::focusWidget()->objectName()};
  for (int i = 1; i < expected.size(); ++i) {
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    while (focus != nullptr && focus->objectName().isEmpty()) {
      focus = focus->parentWidget();  // the cable box's edit line
    }
    visited << (focus != nullptr ? focus->objectName() : QStringLiteral("?"));
  }
  if (visited != expected) {
    qWarning() << visited;
  }
  QCOMPARE(visited, expected);
}

void WindowLayoutTest::accessKeysPressTheirButtons() {
  WindowFixture f;
  const QList<QPair<const char*, const char*>> keys = {
      {"Command1", "Alt+P"}, {"Command2", "Alt+V"}, {"Command3", "Alt+C"},
      {"Command4", "Alt+S"}, {"Command5", "Alt+A"}, {"Command6", "Alt+O"},
      {"Command7", "Alt+?"}, {"Command8", "Alt+L"}, {"Command9", "Alt+W"}};
  for (const auto& [name, key] : keys) {
    QCOMPARE(f.find<QPushButton>(name)->shortcut(), QKeySequence(QString::fromLatin1(key)));
  }
  f.activate();
  int pressed = 0;
  QObject::connect(f.find<QPushButton>("Command4"), &QPushButton::clicked, &f.window,
                   [&] { ++pressed; });
  f.find("Text7")->setFocus();
  QTest::keyClick(f.find("Text7"), Qt::Key_S, Qt::AltModifier);
  QTRY_COMPARE(pressed, 1);  // an access key animates the press before it clicks
  QVERIFY(!f.text("Text7").contains(QLatin1Char('s')));  // the access key typed nothing
}

void WindowLayoutTest::helpButtonOpensTheGuide_data() {
  QTest::addColumn<bool>("inBuildTree");  // else in an install prefix that has no guide
  QTest::addColumn<QUrl>("opened");
  QTest::newRow("run from the build tree: the guide built for it")
      << true << QUrl::fromLocalFile(QStringLiteral(TOLVAR_BUILT_GUIDE));
  QTest::newRow("installed without the guide: the guide on the web")
      << false
      << QUrl(QStringLiteral("https://" TOLVAR_GUIDE_HOST "/content/guide/Tolvar31guide.pdf"));
}

void WindowLayoutTest::helpButtonOpensTheGuide() {
  QFETCH(bool, inBuildTree);
  QFETCH(QUrl, opened);
  QTemporaryDir emptyPrefix;
  QVERIFY(QDir(emptyPrefix.path()).mkpath(QStringLiteral("bin")));
  const tolvar::app::GuideProgramDirForTest programDir(
      inBuildTree ? QStringLiteral(TOLVAR_BUILD_PROGRAM_DIR) : emptyPrefix.filePath("bin"));
  WindowFixture f;
  openedUrls.clear();
  for (const QString& scheme : {QStringLiteral("file"), QStringLiteral("https")}) {
    QDesktopServices::setUrlHandler(scheme, this, "openGuide");
  }
  f.activate();
  QTest::keyClick(&f.window, Qt::Key_Question, Qt::AltModifier);
  QTRY_COMPARE(openedUrls.size(), 1);
  f.click("Command7");
  for (const QString& scheme : {QStringLiteral("file"), QStringLiteral("https")}) {
    QDesktopServices::unsetUrlHandler(scheme);
  }
  QCOMPARE(openedUrls, QList<QUrl>({opened, opened}));
  QVERIFY(f.boxes.boxes.isEmpty());
}

void WindowLayoutTest::assistiveTechnologyGetsNamesAndResults() {
  WindowFixture f;
  QSet<QString> names;
  for (QLineEdit* field : f.window.findChildren<QLineEdit*>()) {
    if (field->parentWidget()->inherits("QComboBox")) {
      continue;  // the cable box's edit line: the box carries the name
    }
    QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(field->objectName()));
    names.insert(field->accessibleName());
  }
  QCOMPARE(names.size(), 38);  // every entry and one-line result its own name
  QCOMPARE(f.find("Text7")->accessibleName(), QStringLiteral("Measured Z, R ohm"));
  QCOMPARE(f.find("Text33")->accessibleName(), QStringLiteral("S21 real part"));
  QCOMPARE(f.find("Combo2")->accessibleName(), QStringLiteral("Cable"));
  QCOMPARE(f.find("Text41")->accessibleDescription(), QStringLiteral("0.00 - 7.18 mt"));
  f.type("Text7", QStringLiteral("100"));
  f.click("Command4");
  QCOMPARE(f.find("Text4")->accessibleDescription(), f.text("Text4"));
  QVERIFY(f.find("Text4")->accessibleDescription().startsWith(QStringLiteral("SWR = 2.000")));
  f.type("Text6", QStringLiteral("1"));
  QCOMPARE(f.find("Text4")->accessibleDescription(), QString());
}

QTEST_MAIN(WindowLayoutTest)
#include "window_layout_test.moc"
