// The user guide: the PDF the build made, and the book laid out from guide.md
// with its title page, a section for every calculator and all its pictures.
#include <QtGui>
#include <QtTest>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFOutlineDocumentHelper.hh>

#include "tools/guide_document.h"
#include "tools/pdf_outline.h"

namespace {

using tolvar::guide::Heading;

const QStringList kCalculators = {"SWR and auxiliary data", "Power, voltage and current",
                                  "Input\u2013output comparison", "Tuner insertion loss",
                                  "Transmission line"};

// Each outline entry, depth first, as "title: page N at height": N counted from
// 0, the height up from the page's foot, a part's title after its section's.
void Collect(QPDF& document, const std::vector<QPDFOutlineObjectHelper>& items,
             const QString& section, QStringList& entries) {
  for (QPDFOutlineObjectHelper item : items) {
    const QString title = section + QString::fromStdString(item.getTitle());
    // Read locale-free: qpdf's own reading of a real follows LC_NUMERIC.
    const QByteArray height = QByteArray::fromStdString(item.getDest().getArrayItem(3).unparse());
    entries << QStringLiteral("%1: page %2 at %3")
                   .arg(title)
                   .arg(document.findPage(item.getDestPage().getObjGen()))
                   .arg(height.toDouble());
    Collect(document, item.getKids(), title + " > ", entries);
  }
}

// The outline and whether the PDF opens with it shown. Read with no repairs, so
// a broken cross-reference table fails.
std::pair<QStringList, bool> OutlineOf(const QByteArray& pdf) {
  QPDF document;
  document.setAttemptRecovery(false);
  document.processMemoryFile("guide", pdf.constData(), static_cast<std::size_t>(pdf.size()));
  QStringList entries;
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
      const auto isSection = [&](const QString& entry) { return entry.startsWith(heading + ": "); };
      QVERIFY2(std::any_of(outline.begin(), outline.end(), isSection), qPrintable(heading));
    }
  }

  void layoutHasTheTitlePageEverySectionAndEveryPicture() {
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    QPdfWriter writer(&pdf);
    const auto guide = tolvar::guide::PrintGuide(
        QStringLiteral(TOLVAR_GUIDE_SOURCE), QStringLiteral(TOLVAR_GUIDE_IMAGE_BASE),
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
    // A label's colon never runs into the sentence's full stop ("V.F.:.").
    QVERIFY(!guide.document->toPlainText().contains(QStringLiteral(":.")));
    // Each heading stands in its page's text (A4, 20 mm above it, 25 mm below),
    // where the outline leads.
    for (const Heading& heading : guide.headings) {
      QVERIFY2(heading.top > 56 && heading.top < 842 - 71 - 20, qPrintable(heading.text));
    }
    // No page is left more than a third empty, but the title page and the last.
    for (int page = 1; page + 1 < guide.pageCount; ++page) {
      QVERIFY2(
          guide.pageFill[page] > 2.0 / 3,
          qPrintable(
              QStringLiteral("page %1 is filled to %2").arg(page + 1).arg(guide.pageFill[page])));
    }
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
    QCOMPARE(outline, QStringList({"One: page 1 at 741.75", "One > One\u2013a: page 1 at 442",
                                   "Two: page 2 at 791.5"}));  // A4: 842 pt less the tops
    // A damaged PDF, or one too short for a heading, gets none.
    for (const auto& [broken, page] :
         {std::pair{QByteArray("Tolvar"), 0}, {pdf.left(pdf.indexOf("trailer")), 0}, {pdf, 3}}) {
      QCOMPARE(tolvar::guide::WithOutline(broken, {{"One", 1, page, 10.0}}), QByteArray());
    }
  }
};

QTEST_MAIN(GuideTest)
#include "guide_test.moc"
