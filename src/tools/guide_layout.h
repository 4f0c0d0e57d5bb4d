#pragma once

// Internal to the guide's printing: the page, the book's fonts, and the steps
// from the Markdown to laid-out pages (styling in guide_style.cpp, page breaks
// in guide_pages.cpp).

#include <QColor>
#include <QDir>
#include <QFont>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTextBlock>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>
#include <QTextFormat>
#include <utility>
#include <vector>

#include "tools/guide_document.h"

namespace tolvar::guide::detail {

// The fonts of fonts-liberation2, which the program depends on anyway, so the
// book looks the same wherever it is built.
inline const QString kSerif = QStringLiteral("Liberation Serif");
inline const QString kSans = QStringLiteral("Liberation Sans");
inline const QString kMono = QStringLiteral("Liberation Mono");

constexpr double kBodyPoints = 10.5;
inline const QColor kHeadingColour(0x1f, 0x3a, 0x5f);
inline const QColor kFooterColour(0x60, 0x60, 0x60);

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

// An image's height as first laid out, before it shrinks to stay on a page.
constexpr int kNaturalHeight = QTextFormat::UserProperty + 1;
// A picture shrinks to at most this share of that height to stay on a page.
constexpr double kLeastPictureScale = 0.75;

// Margins, paddings and borders are given in 96-dpi pixels; the layout scales
// them to the writer's resolution, as it does images.
inline double Length(double points) { return points * 96.0 / 72.0; }

QFont Font(const QString& family, double points, QFont::Weight weight = QFont::Normal,
           bool italic = false);

// A line of a code block: the worked examples' result texts.
inline bool IsCode(const QTextBlock& block) {
  return block.isValid() && block.blockFormat().hasProperty(QTextFormat::BlockCodeLanguage);
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

// Loads every image the Markdown names, relative to its folder, into the
// document, and sizes it. Returns the names of the images that could not be read.
QStringList PlaceImages(QTextDocument& document, const QDir& folder, const Page& page);

// The book's typography over what the Markdown reader produced. `codeRoom` is
// the width a code line has [device pixels].
void StyleText(QTextDocument& document, double codeRoom);

// Puts the title page where the Markdown's level-1 heading was, or before the
// text. Returns the icon's name when it cannot be read.
QStringList AddTitlePage(QTextDocument& document, const TitlePage& title, const Page& page);

// Mends the page breaks one at a time, from the top: each change moves where
// everything after it lands, and Qt's layout is only consistent again once it
// is redone as a whole.
void Paginate(QTextDocument& document, const Page& page);

// How far down each page the text reaches, as a share of the text's height.
QList<double> PageFill(QTextDocument& document, const Page& page);

// The headings of levels 2 and 3 with the page and height where their text begins.
QList<Heading> HeadingsOf(QTextDocument& document, const Page& page);

}  // namespace tolvar::guide::detail
