// The user guide: the PDF the build made, and the book laid out from guide.md
// with its title page, a section for every calculator and all its pictures.
#include <QtGui>
#include <QtTest>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>

#include "guide_document.h"
#include "pdf_outline.h"

namespace {

using tolvar::guide::Heading;

const QStringList kCalculators = {"SWR and auxiliary data", "Power, voltage and current",
                                  "Input\u2013output comparison", "Tuner insertion loss",
                                  "Transmission line"};

// An outline entry as a PDF reader finds it.
struct Entry {
  QString title;
  QString parent;       // empty at the top level
  int page = -1;        // 0 is the first page
  double height = 0.0;  // where the view opens, up from the page's foot [pt]
  friend bool operator==(const Entry& a, const Entry& b) {
    return std::tie(a.title, a.parent, a.page, a.height) ==
           std::tie(b.title, b.parent, b.page, b.height);
  }
};

void Collect(QPDF& document, const std::vector<QPDFOutlineObjectHelper>& items,
             const QString& parent, QList<Entry>& entries) {
  for (QPDFOutlineObjectHelper item : items) {
    const QString title = QString::fromStdString(item.getTitle());
    // The height as written: qpdf's reading of it follows LC_NUMERIC.
    const QByteArray height = QByteArray::fromStdString(item.getDest().getArrayItem(3).unparse());
    entries.append(
        {title, parent, document.findPage(item.getDestPage().getObjGen()), height.toDouble()});
    Collect(document, item.getKids(), title, entries);
  }
}

// The outline, depth first, and whether the PDF opens with it shown. Read with
// no repairs, so a broken cross-reference table fails.
std::pair<QList<Entry>, bool> OutlineOf(const QByteArray& pdf) {
  QPDF document;
  document.setAttemptRecovery(false);
  document.processMemoryFile("guide", pdf.constData(), static_cast<std::size_t>(pdf.size()));
  QList<Entry> entries;
  Collect(document, QPDFOutlineDocumentHelper(document).getTopLevelOutlines(), {}, entries);
  return {entries, document.getRoot().getKey("/PageMode").isNameAndEquals("/UseOutlines")};
}

}  // namespace

class GuideTest : public QObject {
  Q_OBJECT

 private slots:
  void builtGuideIsAPdfWithEveryCalculatorInItsOutline() {
    QFile built(QStringLiteral(TOLVAR_BUILT_GUIDE));
    QVERIFY2(built.open(QIODevice::ReadOnly), TOLVAR_BUILT_GUIDE);
    const QByteArray pdf = built.readAll();
    QVERIFY(pdf.startsWith("%PDF-") && pdf.endsWith("%%EOF\n"));
    const auto [outline, shown] = OutlineOf(pdf);
    QVERIFY(shown);
    for (const QString& heading : kCalculators) {
      const auto titled = [&](const Entry& entry) { return entry.title == heading; };
      QVERIFY2(std::any_of(outline.begin(), outline.end(), titled), qPrintable(heading));
    }
  }

  void layoutHasTheTitlePageEverySectionAndEveryPicture() {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    const auto guide = tolvar::guide::PrintGuide(
        QStringLiteral(TOLVAR_GUIDE_SOURCE),
        {TOLVAR_GUIDE_TITLE, TOLVAR_GUIDE_SUBTITLE, TOLVAR_GUIDE_DESCRIPTION, QString()}, writer);
    QVERIFY(pdf.data().startsWith("%PDF-"));
    for (const QString& heading : kCalculators) {
      const auto h = std::find_if(guide.headings.begin(), guide.headings.end(),
                                  [&](const Heading& each) { return each.text == heading; });
      QVERIFY2(h != guide.headings.end() && h->level == 1 && h->page > 1, qPrintable(heading));
    }
    QStringList titlePage;  // stands in for the Markdown's own title
    QTextBlock block = guide.document->begin();
    for (; block.isValid() && block.blockFormat().headingLevel() == 0; block = block.next()) {
      titlePage << block.text().trimmed();
    }
    titlePage.removeAll(QString());
    QCOMPARE(titlePage,
             QStringList({TOLVAR_GUIDE_TITLE, TOLVAR_GUIDE_SUBTITLE, TOLVAR_GUIDE_DESCRIPTION}));
    // Every Markdown picture became a loaded image, else a blank box is printed.
    QCOMPARE(guide.unreadFiles, QStringList());
    const QString html = guide.document->toHtml();
    for (const auto& m : QRegularExpression("<img src=\"([^\"]*)\"").globalMatch(html)) {
      QVERIFY(guide.document->resource(QTextDocument::ImageResource, m.captured(1)).isValid());
    }
    QFile source(QStringLiteral(TOLVAR_GUIDE_SOURCE));
    QVERIFY(source.open(QIODevice::ReadOnly));
    QCOMPARE(html.count(QStringLiteral("<img ")), source.readAll().count("!["));
  }

  void outlineLeadsToItsPagesOrIsNotWritten() {
    QByteArray pdf;
    QBuffer buffer(&pdf);
    buffer.open(QIODevice::WriteOnly);
    QPdfWriter writer(&buffer);
    QPainter painter(&writer);  // three blank pages
    writer.newPage();
    writer.newPage();
    painter.end();
    const QList<Heading> headings = {
        {"One", 1, 1, 100.25}, {"One\u2013a", 2, 1, 400.0}, {"Two", 1, 2, 50.5}};
    const QByteArray outlined = tolvar::guide::WithOutline(pdf, headings);
    QCOMPARE(tolvar::guide::WithOutline(pdf, headings), outlined);  // same bytes each time
    const auto [outline, shown] = OutlineOf(outlined);
    QVERIFY(shown);
    QCOMPARE(outline, QList<Entry>({{"One", "", 1, 842.0 - 100.25},  // A4: 842 pt high
                                    {"One\u2013a", "One", 1, 842.0 - 400.0},
                                    {"Two", "", 2, 842.0 - 50.5}}));
    // A damaged PDF, or one too short for a heading, gets none.
    for (const auto& [broken, page] :
         {std::pair{QByteArray("Tolvar"), 0}, {pdf.left(pdf.indexOf("trailer")), 0}, {pdf, 3}}) {
      QCOMPARE(tolvar::guide::WithOutline(broken, {{"One", 1, page, 10.0}}), QByteArray());
    }
  }
};

QTEST_MAIN(GuideTest)
#include "guide_test.moc"
