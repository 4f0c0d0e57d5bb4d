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

#include "guide_document.h"
#include "pdf_outline.h"

namespace {

using tolvar::guide::Heading;

const QStringList kCalculators = {"SWR and auxiliary data", "Power, voltage and current",
                                  "Input\u2013output comparison", "Tuner insertion loss",
                                  "Transmission line"};

// An outline entry as a PDF reader finds it: its object, its parent's, the
// object of the page it leads to, and the height there from the foot [pt].
struct Entry {
  int object, parent, page;
  double y;
};

QHash<QString, Entry> OutlineOf(const QByteArray& pdf) {
  QHash<QString, Entry> entries;
  auto it = QRegularExpression(QStringLiteral("(\\d+) 0 obj\\s*<<\\s*/Title <FEFF([0-9A-F]*)>\\s*"
                                              "/Parent (\\d+) 0 R[^>]*/Dest \\[(\\d+) 0 R /XYZ "
                                              "null ([\\d.]+)"))
                .globalMatch(QString::fromLatin1(pdf));
  while (it.hasNext()) {
    const auto m = it.next();
    const QByteArray utf16 = QByteArray::fromHex(m.captured(2).toLatin1());
    QString title;
    for (qsizetype i = 0; i + 1 < utf16.size(); i += 2) {
      title += QChar(static_cast<char16_t>((static_cast<unsigned char>(utf16[i]) << 8) |
                                           static_cast<unsigned char>(utf16[i + 1])));
    }
    entries.insert(title, {m.captured(1).toInt(), m.captured(3).toInt(), m.captured(4).toInt(),
                           m.captured(5).toDouble()});
  }
  return entries;
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
  void builtGuideIsAPdfWithEveryCalculatorInItsOutline();
  void layoutHasTheTitlePageEverySectionAndEveryPicture();
  void outlineLeadsToItsPagesOrIsNotWritten();
};

void GuideTest::builtGuideIsAPdfWithEveryCalculatorInItsOutline() {
  QFile built(QStringLiteral(TOLVAR_BUILT_GUIDE));
  QVERIFY2(built.open(QIODevice::ReadOnly), TOLVAR_BUILT_GUIDE);
  const QByteArray pdf = built.readAll();
  QVERIFY(pdf.startsWith("%PDF-") && pdf.endsWith("%%EOF\n"));
  for (const QString& heading : kCalculators) {
    QVERIFY2(OutlineOf(pdf).contains(heading), qPrintable(heading));
  }
}

void GuideTest::layoutHasTheTitlePageEverySectionAndEveryPicture() {
  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  QPdfWriter writer(&pdf);
  const auto guide = tolvar::guide::PrintGuide(
      QStringLiteral(TOLVAR_GUIDE_SOURCE),
      {TOLVAR_GUIDE_TITLE, TOLVAR_GUIDE_SUBTITLE, TOLVAR_GUIDE_DESCRIPTION, QString()}, writer);
  QVERIFY(pdf.data().startsWith("%PDF-"));
  // The title page stands in for the Markdown's own title.
  QStringList titlePage;
  QTextBlock block = guide.document->begin();
  for (; block.isValid() && block.blockFormat().headingLevel() == 0; block = block.next()) {
    if (!block.text().trimmed().isEmpty()) {
      titlePage << block.text();
    }
  }
  QCOMPARE(titlePage,
           QStringList({TOLVAR_GUIDE_TITLE, TOLVAR_GUIDE_SUBTITLE, TOLVAR_GUIDE_DESCRIPTION}));
  for (const QString& heading : kCalculators) {
    const bool section = std::any_of(guide.headings.begin(), guide.headings.end(), [&](auto& h) {
      return h.text == heading && h.level == 1 && h.page > 1;
    });
    QVERIFY2(section, qPrintable(heading));
  }
  // Every Markdown picture became a loaded image, else a blank box is printed.
  QCOMPARE(guide.unreadFiles, QStringList());
  QFile source(QStringLiteral(TOLVAR_GUIDE_SOURCE));
  QVERIFY(source.open(QIODevice::ReadOnly));
  int pictures = 0;
  for (block = guide.document->begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      if (const auto format = it.fragment().charFormat(); format.isImageFormat()) {
        ++pictures;
        QVERIFY(guide.document
                    ->resource(QTextDocument::ImageResource, QUrl(format.toImageFormat().name()))
                    .isValid());
      }
    }
  }
  QCOMPARE(pictures, source.readAll().count("!["));
}

void GuideTest::outlineLeadsToItsPagesOrIsNotWritten() {
  const QByteArray pdf = ThreePagePdf();
  const QList<Heading> headings = {
      {"One", 1, 1, 100.0}, {"One\u2013a", 2, 1, 400.0}, {"Two", 1, 2, 50.0}};
  const QByteArray outlined = tolvar::guide::WithOutline(pdf, headings);
  QVERIFY(outlined.startsWith(pdf));  // an update: what Qt wrote stays as it was
  const qsizetype kids = pdf.indexOf("/Kids");
  const QStringList pages =
      QString::fromLatin1(pdf.mid(kids + 7, pdf.indexOf(']', kids) - kids - 7))
          .split(QStringLiteral(" 0 R"), Qt::SkipEmptyParts);
  const auto outline = OutlineOf(outlined);
  QCOMPARE(outline.size(), 3);
  for (const Heading& heading : headings) {
    QCOMPARE(outline.value(heading.text).page, pages.value(heading.page).trimmed().toInt());
    QCOMPARE(outline.value(heading.text).y, 842.0 - heading.top);  // A4, from the foot
  }
  QCOMPARE(outline.value("One\u2013a").parent, outline.value("One").object);
  QCOMPARE(outline.value("One").parent, outline.value("Two").parent);
  // A PDF not laid out as Qt writes it, or too short for a heading, gets none.
  for (const auto& [broken, page] :
       {std::pair{QByteArray("Tolvar"), 0}, {pdf.left(pdf.indexOf("trailer")), 0}, {pdf, 3}}) {
    QCOMPARE(tolvar::guide::WithOutline(broken, {{"One", 1, page, 10.0}}), QByteArray());
  }
}

QTEST_MAIN(GuideTest)
#include "guide_test.moc"
