#include "tools/guide_document.h"

#include <QAbstractTextDocumentLayout>
#include <QFile>
#include <QFileInfo>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>

#include "tools/guide_layout.h"

namespace tolvar::guide {

namespace {

using detail::AddTitlePage;
using detail::Font;
using detail::HeadingsOf;
using detail::kBodyPoints;
using detail::kFooterColour;
using detail::kSans;
using detail::kSerif;
using detail::Length;
using detail::Page;
using detail::PageFill;
using detail::Paginate;
using detail::PlaceImages;
using detail::StyleText;

Page PageOf(const QPdfWriter& writer) {
  // A4 with margins of 22 mm at the sides, 20 mm at the top and 25 mm at the
  // foot, where the page number stands.
  const double dpi = writer.resolution();
  const auto mm = [dpi](double millimetres) { return millimetres / 25.4 * dpi; };
  const double sheetWidth = writer.width();
  const double sheetHeight = writer.height();
  return {dpi,
          mm(22),
          mm(20),
          sheetWidth - 2 * mm(22),
          sheetHeight - mm(20) - mm(25),
          sheetHeight - mm(13)};
}

void PaintPages(QTextDocument& document, const TitlePage& title, const Page& page,
                QPdfWriter& writer) {
  QPainter painter(&writer);
  // Screenshots stay sharp: no JPEG.
  painter.setRenderHint(QPainter::LosslessImageRendering);
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  const QString footer = title.title + QStringLiteral(" \u2013 ") + title.subtitle;
  for (int number = 0; number < document.pageCount(); ++number) {
    if (number > 0) {
      writer.newPage();
    }
    painter.save();
    painter.translate(page.left, page.top - number * page.height);
    QAbstractTextDocumentLayout::PaintContext context;
    context.clip = QRectF(0, number * page.height, page.width, page.height);
    context.palette.setColor(QPalette::Text, Qt::black);
    painter.setClipRect(context.clip);
    layout->draw(&painter, context);
    painter.restore();
    if (number == 0) {
      continue;  // the title page has no number
    }
    painter.setFont(Font(kSans, 8.5));
    painter.setPen(kFooterColour);
    const QRectF line(page.left, page.footer - page.pixels(12), page.width, page.pixels(14));
    painter.drawText(line, Qt::AlignLeft | Qt::AlignBottom, footer);
    painter.drawText(line, Qt::AlignRight | Qt::AlignBottom, QString::number(number + 1));
  }
}

}  // namespace

PrintedGuide PrintGuide(const QString& markdownFile, const QString& imageBase,
                        const TitlePage& titlePage, QPdfWriter& writer) {
  writer.setPageLayout(QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Portrait, QMarginsF()));
  writer.setTitle(titlePage.title + QLatin1Char(' ') + titlePage.subtitle);
  writer.setCreator(titlePage.title);
  const Page page = PageOf(writer);
  const QDir folder = imageBase.isEmpty() ? QFileInfo(markdownFile).absoluteDir() : QDir(imageBase);

  PrintedGuide guide;
  guide.document = std::make_unique<QTextDocument>();
  QTextDocument& document = *guide.document;
  // Laid out for the writer itself: fonts are measured at its resolution.
  document.documentLayout()->setPaintDevice(&writer);
  document.setDefaultFont(Font(kSerif, kBodyPoints));
  document.setDocumentMargin(0);

  QFile source(markdownFile);
  if (!source.open(QIODevice::ReadOnly)) {
    guide.unreadFiles << markdownFile;
    return guide;
  }
  document.setMarkdown(QString::fromUtf8(source.readAll()), QTextDocument::MarkdownDialectGitHub);
  StyleText(document, page.width - page.fromCss(Length(14)));
  guide.unreadFiles = PlaceImages(document, folder, page);
  guide.unreadFiles += AddTitlePage(document, titlePage, page);
  document.setPageSize(QSizeF(page.width, page.height));
  Paginate(document, page);

  guide.headings = HeadingsOf(document, page);
  guide.pageCount = document.pageCount();
  guide.pageFill = PageFill(document, page);
  PaintPages(document, titlePage, page, writer);
  // The writer may go before the document; its text and structure stay.
  document.documentLayout()->setPaintDevice(nullptr);
  return guide;
}

}  // namespace tolvar::guide
