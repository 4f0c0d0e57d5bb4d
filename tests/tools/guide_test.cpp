// The user guide: the PDF the build made, and the book laid out from guide.md
// with its title page, a section for every calculator and all its pictures.
#include <QBuffer>
#include <QFile>
#include <QHash>
#include <QPainter>
#include <QPdfWriter>
#include <QRegularExpression>
#include <QTest>
#include <QTextBlock>
#include <algorithm>

#include "guide_document.h"
#include "pdf_outline.h"

namespace {

using tolvar::guide::Heading;

const QStringList kCalculators = {
    QStringLiteral("SWR and auxiliary data"), QStringLiteral("Power, voltage and current"),
    QStringLiteral("Input\u2013output comparison"), QStringLiteral("Tuner insertion loss"),
    QStringLiteral("Transmission line")};

void AddCalculatorRows() {
  QTest::addColumn<QString>("heading");
  for (const QString& heading : kCalculators) {
    QTest::newRow(qPrintable(heading)) << heading;
  }
}

QString FromUtf16Hex(const QString& hex) {
  const QByteArray bytes = QByteArray::fromHex(hex.toLatin1());
  QString text;
  for (qsizetype i = 0; i + 1 < bytes.size(); i += 2) {
    text += QChar(static_cast<char16_t>((static_cast<unsigned char>(bytes[i]) << 8) |
                                        static_cast<unsigned char>(bytes[i + 1])));
  }
  return text;
}

// An outline entry as a PDF reader finds it.
struct Entry {
  int object;
  int parent;
  int page;  // object number of the page it leads to
  double y;  // from the page's foot [pt]
};

// The outline entries of a PDF, by title (text strings in UTF-16, as written).
QHash<QString, Entry> OutlineOf(const QByteArray& pdf) {
  QHash<QString, Entry> entries;
  auto it = QRegularExpression(
                QStringLiteral("(\\d+) 0 obj\\s*<<\\s*/Title <FEFF([0-9A-F]*)>\\s*"
                               "/Parent (\\d+) 0 R[^>]*/Dest \\[(\\d+) 0 R /XYZ null ([\\d.]+)"))
                .globalMatch(QString::fromLatin1(pdf));
  while (it.hasNext()) {
    const auto m = it.next();
    entries.insert(FromUtf16Hex(m.captured(2)), {m.captured(1).toInt(), m.captured(3).toInt(),
                                                 m.captured(4).toInt(), m.captured(5).toDouble()});
  }
  return entries;
}

// The page objects of a PDF in page order, from its page tree.
QList<int> PagesOf(const QByteArray& pdf) {
  const qsizetype kids = pdf.indexOf("/Kids");
  QList<int> pages;
  auto it = QRegularExpression(QStringLiteral("(\\d+) 0 R"))
                .globalMatch(QString::fromLatin1(pdf.mid(kids, pdf.indexOf(']', kids) - kids)));
  while (it.hasNext()) {
    pages << it.next().captured(1).toInt();
  }
  return pages;
}

QByteArray ThreePagePdf() {
  QBuffer buffer;
  buffer.open(QIODevice::WriteOnly);
  QPdfWriter writer(&buffer);
  QPainter painter(&writer);
  for (int page = 0; page < 3; ++page) {
    if (page > 0) {
      writer.newPage();
    }
    painter.drawText(100, 100, QString::number(page));
  }
  painter.end();
  return buffer.data();
}

}  // namespace

class GuideTest : public QObject {
  Q_OBJECT

 private slots:
  void initTestCase();
  void builtGuideIsAPdfWithEveryCalculatorInItsOutline_data() { AddCalculatorRows(); }
  void builtGuideIsAPdfWithEveryCalculatorInItsOutline();
  void titlePageComesFirst();
  void everyCalculatorHasASection_data() { AddCalculatorRows(); }
  void everyCalculatorHasASection();
  void everyPictureIsFound();
  void outlineEntriesLeadToTheirPages();
  void unexpectedPdfGetsNoOutline_data();
  void unexpectedPdfGetsNoOutline();

 private:
  tolvar::guide::PrintedGuide guide_;
};

void GuideTest::initTestCase() {
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  QPdfWriter writer(&pdf);
  guide_ = tolvar::guide::PrintGuide(
      QStringLiteral(TOLVAR_GUIDE_SOURCE),
      {QStringLiteral(TOLVAR_GUIDE_TITLE), QStringLiteral(TOLVAR_GUIDE_SUBTITLE),
       QStringLiteral(TOLVAR_GUIDE_DESCRIPTION), QString()},
      writer);
  QVERIFY(pdf.data().startsWith("%PDF-"));
  QVERIFY(guide_.pageCount > 5);
}

void GuideTest::builtGuideIsAPdfWithEveryCalculatorInItsOutline() {
  QFETCH(QString, heading);
  QFile built(QStringLiteral(TOLVAR_BUILT_GUIDE));
  QVERIFY2(built.open(QIODevice::ReadOnly), TOLVAR_BUILT_GUIDE);
  const QByteArray pdf = built.readAll();
  QVERIFY(pdf.startsWith("%PDF-"));
  QVERIFY(pdf.endsWith("%%EOF\n"));
  QVERIFY(OutlineOf(pdf).contains(heading));
}

void GuideTest::titlePageComesFirst() {
  QStringList titlePage;
  QTextBlock block = guide_.document->begin();
  for (; block.isValid() && block.blockFormat().headingLevel() == 0; block = block.next()) {
    if (!block.text().trimmed().isEmpty()) {
      titlePage << block.text();
    }
  }
  // The title page stands in for the Markdown's own title.
  QCOMPARE(titlePage,
           QStringList({QStringLiteral(TOLVAR_GUIDE_TITLE), QStringLiteral(TOLVAR_GUIDE_SUBTITLE),
                        QStringLiteral(TOLVAR_GUIDE_DESCRIPTION)}));
  QCOMPARE(guide_.headings.value(0).page, 1);
}

void GuideTest::everyCalculatorHasASection() {
  QFETCH(QString, heading);
  const auto found = std::find_if(guide_.headings.begin(), guide_.headings.end(),
                                  [&](const Heading& h) { return h.text == heading; });
  QVERIFY(found != guide_.headings.end());
  QCOMPARE(found->level, 1);
  QVERIFY(found->page > 1);
}

void GuideTest::everyPictureIsFound() {
  QCOMPARE(guide_.unreadFiles, QStringList());
  QFile source(QStringLiteral(TOLVAR_GUIDE_SOURCE));
  QVERIFY(source.open(QIODevice::ReadOnly));
  int pictures = 0;
  for (QTextBlock block = guide_.document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextCharFormat format = it.fragment().charFormat();
      if (format.isImageFormat()) {
        ++pictures;
        const QString name = format.toImageFormat().name();
        QVERIFY2(guide_.document->resource(QTextDocument::ImageResource, QUrl(name)).isValid(),
                 qPrintable(name));  // else a blank box is printed
      }
    }
  }
  QCOMPARE(pictures, source.readAll().count("!["));  // each Markdown image became one
}

void GuideTest::outlineEntriesLeadToTheirPages() {
  const QByteArray pdf = ThreePagePdf();
  const QList<Heading> headings = {{QStringLiteral("One"), 1, 1, 100.0},
                                   {QStringLiteral("One\u2013a"), 2, 1, 400.0},
                                   {QStringLiteral("Two"), 1, 2, 50.0}};
  const QByteArray outlined = tolvar::guide::WithOutline(pdf, headings);
  QVERIFY(outlined.startsWith(pdf));  // an update: what Qt wrote stays as it was
  const QList<int> pages = PagesOf(pdf);
  QCOMPARE(pages.size(), 3);
  const auto outline = OutlineOf(outlined);
  QCOMPARE(outline.size(), 3);
  for (const Heading& heading : headings) {
    const Entry entry = outline.value(heading.text);
    QCOMPARE(entry.page, pages[heading.page]);
    QCOMPARE(entry.y, 842.0 - heading.top);  // A4 is 842 pt high; PDF counts from the foot
  }
  QCOMPARE(outline.value(QStringLiteral("One\u2013a")).parent,
           outline.value(QStringLiteral("One")).object);
  QCOMPARE(outline.value(QStringLiteral("One")).parent,
           outline.value(QStringLiteral("Two")).parent);
}

void GuideTest::unexpectedPdfGetsNoOutline_data() {
  QTest::addColumn<QByteArray>("pdf");
  QTest::addColumn<int>("page");
  const QByteArray pdf = ThreePagePdf();
  QTest::newRow("not a PDF") << QByteArray("Tolvar") << 0;
  QTest::newRow("no trailer") << pdf.left(pdf.indexOf("trailer")) << 0;
  QTest::newRow("a heading beyond the last page") << pdf << 3;
}

void GuideTest::unexpectedPdfGetsNoOutline() {
  QFETCH(QByteArray, pdf);
  QFETCH(int, page);
  QCOMPARE(tolvar::guide::WithOutline(pdf, {{QStringLiteral("One"), 1, page, 10.0}}), QByteArray());
}

QTEST_MAIN(GuideTest)
#include "guide_test.moc"
