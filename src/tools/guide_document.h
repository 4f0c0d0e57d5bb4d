#pragma once

// The user guide as a printed book: docs/guide.md laid out on A4 pages behind a
// title page, with its screenshots, and painted on a PDF writer.

#include <QList>
#include <QString>
#include <QStringList>
#include <QTextDocument>
#include <memory>

class QPdfWriter;

namespace tolvar::guide {

// What the title page shows.
struct TitlePage {
  QString title;        // "Tolvar 3.1"
  QString subtitle;     // "User guide"
  QString description;  // the program's one-line description
  QString icon;         // image file shown above the title; none when empty
};

// A heading of the guide and where it landed on paper.
struct Heading {
  QString text;
  int level = 1;     // 1 for the sections (Markdown ##), 2 for their parts (###)
  int page = 0;      // 0 is the title page
  double top = 0.0;  // from the page's top edge down to the heading [pt]
};

struct PrintedGuide {
  std::unique_ptr<QTextDocument> document;  // the text printed, title page first
  QList<Heading> headings;
  QStringList unreadFiles;  // the Markdown, or images it names, that could not be read
  int pageCount = 0;
  QList<double> pageFill;  // how far down each page its text reaches, a share of its height
};

// Lays the guide out for the writer's pages (A4) and paints it there: the title
// page, then the Markdown's text, its images no wider than the text, a page
// number at the foot of every later page. A heading never ends a page, nor
// does a page break split a code block from the sentence that introduces it;
// a picture that would leave more than a third of its page empty shrinks a
// little to stay there. The Markdown's first heading, when it is a level-1
// one, is the guide's name: the title page stands in its place.
// The Markdown's image paths are relative to `imageBase`, its own folder when
// that is empty (the build makes the pictures in a folder of its own).
PrintedGuide PrintGuide(const QString& markdownFile, const QString& imageBase,
                        const TitlePage& titlePage, QPdfWriter& writer);

}  // namespace tolvar::guide
