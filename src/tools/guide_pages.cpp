#include "tools/guide_layout.h"

#include <QAbstractTextDocumentLayout>
#include <QTextLayout>
#include <algorithm>
#include <cmath>
#include <optional>

namespace tolvar::guide::detail {

namespace {

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

}  // namespace

void Paginate(QTextDocument& document, const Page& page) {
  while (MendFirstBreak(document, page)) {
    document.markContentsDirty(0, document.characterCount());
  }
}

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

}  // namespace tolvar::guide::detail
