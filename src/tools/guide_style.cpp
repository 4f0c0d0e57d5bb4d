#include "tools/guide_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QFontMetricsF>
#include <QImage>
#include <QTextFrame>
#include <QTextTable>
#include <QUrl>
#include <algorithm>
#include <cmath>
#include <vector>

namespace tolvar::guide::detail {

namespace {

QTextCharFormat CharFormat(const QFont& font, const QColor& colour = Qt::black) {
  QTextCharFormat format;
  format.setFont(font, QTextCharFormat::FontPropertiesAll);
  format.setForeground(colour);
  return format;
}

// The size at which an image is laid out, in 96-dpi pixels (the unit image
// formats take): its size on a screen of the resolution its file states, 96 dpi
// when it states none, at most the width of the text.
QSizeF ImageSize(const QImage& image, const Page& page) {
  const double fileDpi = image.dotsPerMeterX() > 0 ? image.dotsPerMeterX() * 0.0254 : 96.0;
  const double textWidth = page.points(page.width) * 96.0 / 72.0;
  const double width = std::min(image.width() * 96.0 / fileDpi, textWidth);
  return {width, width * image.height() / image.width()};
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

}  // namespace

QFont Font(const QString& family, double points, QFont::Weight weight,
           bool italic) {
  QFont font(family);
  font.setPointSizeF(points);
  font.setWeight(weight);
  font.setItalic(italic);
  return font;
}

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


}  // namespace tolvar::guide::detail
