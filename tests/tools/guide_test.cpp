// The user guide: the PDF the build made, and the book laid out from guide.md
// with its title page, a section for every calculator and all its pictures.
#include <QtGui>
#include <QtTest>

#include "guide_document.h"
#include "pdf_outline.h"

namespace {

using tolvar::guide::Heading;

const QStringList kCalculators = {"SWR and auxiliary data", "Power, voltage and current",
                                  "Input\u2013output comparison", "Tuner insertion loss",
                                  "Transmission line"};

// Outline entries by title: each one's object, parent, page object and height from the foot.
QHash<QString, QRegularExpressionMatch> OutlineOf(const QByteArray& pdf) {
  static const QRegularExpression entry(QStringLiteral(
      "(?<object>\\d+) 0 obj\\s*<<\\s*/Title <FEFF(?<title>[0-9A-F]*)>\\s*/Parent (?<parent>\\d+) "
      "0 R[^>]*/Dest \\[(?<page>\\d+) 0 R /XYZ null (?<y>[\\d.]+)"));
  QHash<QString, QRegularExpressionMatch> entries;
  for (const auto& m : entry.globalMatch(QString::fromLatin1(pdf))) {
    const QByteArray utf16 = QByteArray::fromHex(m.captured("title").toLatin1());
    entries.insert(QStringDecoder(QStringDecoder::Utf16BE).decode(utf16), m);
  }
  return entries;
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
    for (const QString& heading : kCalculators) {
      QVERIFY2(OutlineOf(pdf).contains(heading), qPrintable(heading));
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
      const auto h = std::ranges::find(guide.headings, heading, &Heading::text);
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
        {"One", 1, 1, 100.0}, {"One\u2013a", 2, 1, 400.0}, {"Two", 1, 2, 50.0}};
    const QByteArray outlined = tolvar::guide::WithOutline(pdf, headings);
    QVERIFY(outlined.startsWith(pdf));  // an update: what Qt wrote stays as it was
    const auto pages = QRegularExpression(R"(/Kids\s*\[\s*(\d+) 0 R\s+(\d+) 0 R\s+(\d+) 0 R\s*\])")
                           .match(QString::fromLatin1(pdf));  // the three pages' objects
    const auto outline = OutlineOf(outlined);
    QCOMPARE(outline.size(), 3);
    for (const Heading& heading : headings) {
      QCOMPARE(outline[heading.text].captured("page"), pages.captured(heading.page + 1));
      QCOMPARE(outline[heading.text].captured("y").toDouble(), 842.0 - heading.top);  // A4
    }
    QCOMPARE(outline["One\u2013a"].captured("parent"), outline["One"].captured("object"));
    QCOMPARE(outline["One"].captured("parent"), outline["Two"].captured("parent"));
    // A reader finds each object of the update where the update's table says.
    const qsizetype xref = outlined.lastIndexOf("\nxref\n") + 1;
    QVERIFY(outlined.endsWith("startxref\n" + QByteArray::number(xref) + "\n%%EOF\n"));
    const QString table =
        QString::fromLatin1(outlined.mid(xref, outlined.indexOf("trailer", xref) - xref));
    auto sections =
        QRegularExpression(R"((\d+) (\d+)\n((?:\d{10} 00000 n \n)*))").globalMatch(table);
    int objects = 0;
    while (sections.hasNext()) {
      const auto section = sections.next();
      for (int i = 0; i < section.captured(2).toInt(); ++i, ++objects) {
        const qsizetype at = section.captured(3).mid(i * 20, 10).toLongLong();
        const QByteArray object = QByteArray::number(section.captured(1).toInt() + i) + " 0 obj";
        QVERIFY2(at >= pdf.size() && outlined.mid(at).startsWith(object), object);
      }
    }
    QCOMPARE(objects, 5);  // the outline, its three items and the catalogue again
    QCOMPARE(outlined.mid(pdf.size()).count("<<"), outlined.mid(pdf.size()).count(">>"));
    // A PDF not laid out as Qt writes it, or too short for a heading, gets none.
    for (const auto& [broken, page] :
         {std::pair{QByteArray("Tolvar"), 0}, {pdf.left(pdf.indexOf("trailer")), 0}, {pdf, 3}}) {
      QCOMPARE(tolvar::guide::WithOutline(broken, {{"One", 1, page, 10.0}}), QByteArray());
    }
  }
};

QTEST_MAIN(GuideTest)
#include "guide_test.moc"
