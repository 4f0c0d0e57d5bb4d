#include "tools/guide_document.h"

#include <QAbstractTextDocumentLayout>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QFontMetricsF>
#include <QImage>
#include <QPageLayout>
#include <QPageSize>
#include <QPainter>
#include <QPdfWriter>
#include <QTextBlock>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <optional>
#include <vector>

namespace tolvar::guide {

namespace {

// The fonts of fonts-liberation2, which the program depends on anyway, so the
// book looks the same wherever it is built.
const QString kSerif = QStringLiteral("Liberation Serif");
const QString kSans = QStringLiteral("Liberation Sans");
const QString kMono = QStringLiteral("Liberation Mono");

constexpr double kBodyPoints = 10.5;
const QColor kHeadingColour(0x1f, 0x3a, 0x5f);
const QColor kFooterColour(0x60, 0x60, 0x60);

// Where the text goes on the page, in the writer's device pixels.
struct Page {
  double dpi;   // the writer's resolution
  double left;  // margins
  double top;
  double width;   // of the text
  double height;  // of the text
  double footer;  // baseline of the page number, from the page's top
  double points(double pixels) const { return pixels * 72.0 / dpi; }
  double pixels(double points) const { return points * dpi / 72.0; }
  // Lengths in formats are in 96-dpi pixels, which the layout scales.
  double fromCss(double length) const { return length * dpi / 96.0; }
  double toCss(double pixels) const { return pixels * 96.0 / dpi; }
};

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

QFont Font(const QString& family, double points, QFont::Weight weight = QFont::Normal,
           bool italic = false) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setWeight(weight);
  font.setItalic(italic);
  return font;
}

QTextCharFormat CharFormat(const QFont& font, const QColor& colour = Qt::black) {
  QTextCharFormat format;
  format.setFont(font, QTextCharFormat::FontPropertiesAll);
  format.setForeground(colour);
  return format;
}

// An image's height as first laid out, before it shrinks to stay on a page.
constexpr int kNaturalHeight = QTextFormat::UserProperty + 1;
// A picture shrinks to at most this share of that height to stay on a page.
constexpr double kLeastPictureScale = 0.75;

// Margins, paddings and borders are given in 96-dpi pixels; the layout scales
// them to the writer's resolution, as it does images.
double Length(double points) { return points * 96.0 / 72.0; }

// The size at which an image is laid out, in 96-dpi pixels (the unit image
// formats take): its size on a screen of the resolution its file states, 96 dpi
// when it states none, at most the width of the text.
QSizeF ImageSize(const QImage& image, const Page& page) {
  const double fileDpi = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 96.0;
  const double textWidth = page.points(page.width) * 96.0 / 72.0;
  const double width = std::min(image.width() * 96.0 / fileDpi, textWidth);
  return {width, width * image.height() / image.width()};
}

// Loads every image the Markdown names, relative to its folder, into the
// document, and sizes it. Returns the names of the images that could not be read.
QStringList PlaceImages(QTextDocument& document, const QDir& folder, const Page& page) {
  struct Placed {
    int position;
    QTextImageFormat format;
    bool alone;  // the only thing in its paragraph
  };
  std::vector<Placed> placed;
  QStringList missing;
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (auto it = block.begin(); !it.atEnd(); ++it) {
      const QTextFragment fragment = it.fragment();
      if (!fragment.charFormat().isImageFormat()) {
        continue;
      }
      QTextImageFormat format = fragment.charFormat().toImageFormat();
      const QImage image(folder.filePath(format.name()));
      if (image.isNull()) {
        missing << format.name();
        continue;
      }
      document.addResource(QTextDocument::ImageResource, QUrl(format.name()), image);
      const QSizeF size = ImageSize(image, page);
      format.setWidth(size.width());
      format.setHeight(size.height());
      format.setProperty(kNaturalHeight, size.height());
      placed.push_back({fragment.position(), format, block.text().trimmed().size() == 1});
    }
  }
  // Formats change only after the walk, which they would disturb.
  for (const Placed& image : placed) {
    QTextCursor cursor(&document);
    cursor.setPosition(image.position);
    cursor.setPosition(image.position + 1, QTextCursor::KeepAnchor);
    cursor.setCharFormat(image.format);
    if (image.alone) {
      QTextBlockFormat centred = cursor.blockFormat();
      centred.setAlignment(Qt::AlignHCenter);
      // The text's line spacing would add 15 % of the picture's height below it.
      centred.setLineHeight(0, QTextBlockFormat::SingleHeight);
      centred.setTopMargin(Length(6));
      centred.setBottomMargin(Length(2));
      cursor.setBlockFormat(centred);
    }
  }
  return missing;
}

// Sets a format on every fragment of a block, keeping what `adjust` leaves.
template <typename Adjust>
void RestyleFragments(QTextDocument& document, const QTextBlock& block, Adjust adjust) {
  std::vector<std::pair<QTextFragment, QTextCharFormat>> changes;
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    QTextCharFormat format = it.fragment().charFormat();
    if (adjust(format)) {
      changes.emplace_back(it.fragment(), format);
    }
  }
  for (const auto& [fragment, format] : changes) {
    QTextCursor cursor(&document);
    cursor.setPosition(fragment.position());
    cursor.setPosition(fragment.position() + fragment.length(), QTextCursor::KeepAnchor);
    cursor.setCharFormat(format);
  }
}

// A line of a code block: the worked examples' result texts.
bool IsCode(const QTextBlock& block) {
  return block.isValid() && block.blockFormat().hasProperty(QTextFormat::BlockCodeLanguage);
}

// A code line stays whole on its line: one wider than `room` [device pixels]
// (a long CSV header) gets letters small enough to fit.
double CodePoints(const QTextBlock& block, double room, QPaintDevice* device) {
  constexpr double kCodePoints = kBodyPoints - 1.5;
  QFont font(kMono);
  font.setPointSizeF(kCodePoints);
  const double width = QFontMetricsF(font, device).horizontalAdvance(block.text());
  return width <= room ? kCodePoints : std::floor(kCodePoints * room / width * 10) / 10;
}

// A code block's line: set in, in the mono font, whole on its line.
void StyleCode(QTextDocument& document, const QTextBlock& block, double codeRoom) {
  QTextCursor cursor(block);
  QTextBlockFormat blockFormat = block.blockFormat();
  blockFormat.setLeftMargin(Length(14));
  blockFormat.setTopMargin(IsCode(block.previous()) ? 0 : Length(2));
  blockFormat.setBottomMargin(IsCode(block.next()) ? 0 : Length(6));
  cursor.setBlockFormat(blockFormat);
  const double points = CodePoints(block, codeRoom, document.documentLayout()->paintDevice());
  RestyleFragments(document, block, [points](QTextCharFormat& format) {
    format.setFontFamilies({kMono});
    format.setFontPointSize(points);
    return true;
  });
}

// The book's typography over what the Markdown reader produced. `codeRoom` is
// the width a code line has [device pixels].
void StyleText(QTextDocument& document, double codeRoom) {
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    QTextCursor cursor(block);
    QTextBlockFormat blockFormat = block.blockFormat();
    const int level = blockFormat.headingLevel();
    if (IsCode(block)) {
      StyleCode(document, block, codeRoom);
      continue;
    }
    if (level > 0) {
      const double points = level <= 2 ? 16.0 : 12.5;
      blockFormat.setTopMargin(Length(level <= 2 ? 16.0 : 10.0));
      blockFormat.setBottomMargin(Length(5.0));
      cursor.setBlockFormat(blockFormat);
      RestyleFragments(document, block, [&](QTextCharFormat& format) {
        format.clearProperty(QTextFormat::FontSizeAdjustment);
        format.setFont(Font(kSans, points, QFont::Bold), QTextCharFormat::FontPropertiesAll);
        format.setForeground(kHeadingColour);
        return true;
      });
      continue;
    }
    blockFormat.setLineHeight(115, QTextBlockFormat::ProportionalHeight);
    if (blockFormat.bottomMargin() > 0) {
      blockFormat.setBottomMargin(Length(5.0));
    }
    cursor.setBlockFormat(blockFormat);
    RestyleFragments(document, block, [&](QTextCharFormat& format) {
      if (!format.fontFixedPitch() || format.isImageFormat()) {
        return false;
      }
      format.setFontFamilies({kMono});
      format.setFontPointSize(kBodyPoints - 1);
      return true;
    });
  }
  for (QTextFrame* frame : document.rootFrame()->childFrames()) {
    if (auto* table = qobject_cast<QTextTable*>(frame)) {
      QTextTableFormat format = table->format();
      format.setBorder(Length(0.5));
      format.setBorderStyle(QTextFrameFormat::BorderStyle_Solid);
      format.setBorderBrush(QColor(0x90, 0x90, 0x90));
      format.setBorderCollapse(false);
      format.setCellPadding(Length(3));
      format.setCellSpacing(0);
      format.setHeaderRowCount(1);  // repeated over the rest of a table a page break splits
      format.setWidth(QTextLength(QTextLength::PercentageLength, 100));
      format.setTopMargin(Length(4));
      format.setBottomMargin(Length(8));
      table->setFormat(format);
    }
  }
}

// Puts the title page where the Markdown's level-1 heading was, or before the
// text. Returns the icon's name when it cannot be read.
QStringList AddTitlePage(QTextDocument& document, const TitlePage& title, const Page& page) {
  QTextCursor cursor(&document);
  if (document.begin().blockFormat().headingLevel() == 1) {
    cursor.movePosition(QTextCursor::EndOfBlock, QTextCursor::KeepAnchor);
    cursor.removeSelectedText();
  } else {
    cursor.insertBlock();
    cursor.movePosition(QTextCursor::Start);
  }
  const auto block = [&](double topPoints) {
    QTextBlockFormat format;
    format.setAlignment(Qt::AlignHCenter);
    format.setTopMargin(Length(topPoints));
    cursor.insertBlock(format);
  };
  // The first block's top margin counts for nothing; a line of fixed height does.
  QTextBlockFormat spacer;
  spacer.setLineHeight(Length(page.points(page.height) * 0.22), QTextBlockFormat::FixedHeight);
  cursor.setBlockFormat(spacer);
  const QImage icon = title.icon.isEmpty() ? QImage() : QImage(title.icon);
  if (!icon.isNull()) {
    block(0);
    document.addResource(QTextDocument::ImageResource, QUrl(title.icon), icon);
    QTextImageFormat image;
    image.setName(title.icon);
    image.setWidth(34.0 / 25.4 * 96.0);  // 34 mm
    image.setHeight(34.0 / 25.4 * 96.0 * icon.height() / icon.width());
    cursor.insertImage(image);
  }
  block(icon.isNull() ? 0.0 : 18.0);
  cursor.setBlockCharFormat(CharFormat(Font(kSans, 34, QFont::Bold), kHeadingColour));
  cursor.insertText(title.title, CharFormat(Font(kSans, 34, QFont::Bold), kHeadingColour));
  block(10.0);
  cursor.insertText(title.subtitle, CharFormat(Font(kSans, 20), kHeadingColour));
  block(28.0);
  cursor.insertText(title.description, CharFormat(Font(kSerif, 13, QFont::Normal, true)));
  QTextBlockFormat last = cursor.blockFormat();
  last.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysAfter);
  cursor.setBlockFormat(last);
  return icon.isNull() && !title.icon.isEmpty() ? QStringList{title.icon} : QStringList{};
}

// The page a point of the document lies on. Qt places lines in 1/64 pixel
// steps: a line moved to the next page may start a hair above its top edge.
int PageAt(double y, const Page& page) {
  return static_cast<int>(std::floor((y + 0.5) / page.height));
}

// Where a block's line stands in the document, top and bottom.
double LineTop(QAbstractTextDocumentLayout& layout, const QTextBlock& block, int line) {
  return layout.blockBoundingRect(block).top() + block.layout()->lineAt(line).rect().top();
}
double LineBottom(QAbstractTextDocumentLayout& layout, const QTextBlock& block, int line) {
  return layout.blockBoundingRect(block).top() + block.layout()->lineAt(line).rect().bottom();
}

// The unit that starts at `block`, when a page break splits it: a heading with
// the first line of its text, or a code block with the paragraph that
// introduces it. Returns the unit's first block; null when there is none, or
// when the unit already starts a page.
QTextBlock SplitUnitAt(QAbstractTextDocumentLayout& layout, const QTextBlock& block,
                       const Page& page) {
  QTextBlock first = block;
  QTextBlock last = block.next();
  int lastLine = 0;
  if (block.blockFormat().headingLevel() > 0 && last.isValid()) {
    lastLine = 0;
  } else if (IsCode(block) && !IsCode(block.previous())) {
    const QTextBlock previous = block.previous();
    if (previous.isValid() && previous.blockFormat().headingLevel() == 0) {
      first = previous;
    }
    last = block;
    while (IsCode(last.next())) {
      last = last.next();
    }
    lastLine = last.layout()->lineCount() - 1;
  } else {
    return {};
  }
  if (first.layout()->lineCount() == 0 || lastLine < 0 || last.layout()->lineCount() == 0) {
    return {};
  }
  const bool split = PageAt(LineTop(layout, first, 0), page) !=
                     PageAt(LineBottom(layout, last, lastLine) - 1, page);
  if (split && (first.blockFormat().pageBreakPolicy() & QTextFormat::PageBreak_AlwaysBefore) == 0) {
    return first;
  }
  return {};
}

// The picture a block holds on its own; none for other blocks.
std::optional<QTextImageFormat> PictureOf(const QTextBlock& block) {
  if (!block.isValid() || block.text().trimmed().size() != 1) {
    return {};
  }
  for (auto it = block.begin(); !it.atEnd(); ++it) {
    if (it.fragment().charFormat().isImageFormat()) {
      return it.fragment().charFormat().toImageFormat();
    }
  }
  return {};
}

// A picture too tall for the rest of its page goes to the next one, and would
// leave the rest empty. When that is more than a third of the page, and the
// picture keeps at least kLeastPictureScale of its size, it rather shrinks to
// fit there: returns the height [96-dpi pixels] to give it.
std::optional<double> HeightToStay(QAbstractTextDocumentLayout& layout, const QTextBlock& block,
                                   const Page& page) {
  const std::optional<QTextImageFormat> picture = PictureOf(block);
  const QTextBlock previous = block.previous();
  if (!picture || !previous.isValid() || previous.layout()->lineCount() == 0 ||
      block.layout()->lineCount() == 0) {
    return {};
  }
  const double above = LineBottom(layout, previous, previous.layout()->lineCount() - 1);
  const double pageEnd = (PageAt(above - 1, page) + 1) * page.height;
  const double left = pageEnd - above;
  if (PageAt(LineTop(layout, block, 0), page) == PageAt(above - 1, page) ||
      left <= page.height / 3) {
    return {};
  }
  // The picture's line is a little taller than the picture; both margins
  // between the blocks are counted, to be safe.
  const double line = block.layout()->lineAt(0).height() - page.fromCss(picture->height());
  const double margins = previous.blockFormat().bottomMargin() + block.blockFormat().topMargin();
  const double fitting = page.toCss(left - line - page.fromCss(margins)) - 1;
  if (fitting < kLeastPictureScale * picture->doubleProperty(kNaturalHeight) ||
      fitting > picture->height() - 1) {
    return {};
  }
  return fitting;
}

void ResizePicture(QTextDocument& document, const QTextBlock& block, double height) {
  QTextImageFormat picture = *PictureOf(block);
  picture.setWidth(picture.width() * height / picture.height());
  picture.setHeight(height);
  RestyleFragments(document, block, [&](QTextCharFormat& format) {
    if (!format.isImageFormat()) {
      return false;
    }
    format = picture;
    return true;
  });
}

// The one change the first awkward page break from the top needs: a picture
// shrunk to stay on its page, or a unit it would split moved to the next page.
// Returns false when there is none.
bool MendFirstBreak(QTextDocument& document, const Page& page) {
  QAbstractTextDocumentLayout& layout = *document.documentLayout();
  layout.documentSize();  // lays it all out: lines exist only once laid out
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    // A heading over a picture stays with it, wherever the picture goes.
    const QTextBlock picture = block.blockFormat().headingLevel() > 0 ? block.next() : block;
    if (const auto height = HeightToStay(layout, picture, page)) {
      ResizePicture(document, picture, *height);
      return true;
    }
    if (const QTextBlock first = SplitUnitAt(layout, block, page); first.isValid()) {
      QTextBlockFormat format = first.blockFormat();
      format.setPageBreakPolicy(QTextFormat::PageBreak_AlwaysBefore);
      QTextCursor(first).setBlockFormat(format);
      return true;
    }
  }
  return false;
}

// Mends the page breaks one at a time, from the top: each change moves where
// everything after it lands, and Qt's layout is only consistent again once it
// is redone as a whole.
void Paginate(QTextDocument& document, const Page& page) {
  while (MendFirstBreak(document, page)) {
    document.markContentsDirty(0, document.characterCount());
  }
}

// How far down each page the text reaches, as a share of the text's height.
QList<double> PageFill(QTextDocument& document, const Page& page) {
  QList<double> fill(document.pageCount(), 0.0);
  QAbstractTextDocumentLayout& layout = *document.documentLayout();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    for (int line = 0; line < block.layout()->lineCount(); ++line) {
      const int number = PageAt(LineTop(layout, block, line), page);
      if (number >= 0 && number < fill.size()) {
        const double bottom = LineBottom(layout, block, line) - number * page.height;
        fill[number] = std::max(fill[number], bottom / page.height);
      }
    }
  }
  return fill;
}

QList<Heading> HeadingsOf(QTextDocument& document, const Page& page) {
  QList<Heading> headings;
  QAbstractTextDocumentLayout* layout = document.documentLayout();
  for (QTextBlock block = document.begin(); block.isValid(); block = block.next()) {
    const int level = block.blockFormat().headingLevel();
    if (level < 2) {
      continue;
    }
    // Its text's top: a heading that Qt moves to the next page leaves its top
    // margin behind at the foot of the page before.
    const double top = LineTop(*layout, block, 0);
    const int number = PageAt(top, page);
    headings.append(
        {block.text(), level - 1, number, page.points(top - number * page.height + page.top)});
  }
  return headings;
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
