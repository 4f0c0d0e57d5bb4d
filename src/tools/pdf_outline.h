#pragma once

// Bookmarks for a PDF that QPdfWriter wrote. Qt has no outline API, so the PDF
// is read with libqpdf, given an outline and written anew.

#include <QByteArray>
#include <QList>

#include "tools/guide_document.h"

namespace tolvar::guide {

// The PDF with an outline of the headings (sections, their parts beneath them),
// each leading to its heading's page and height, shown when the PDF is opened.
// The same input gives the same bytes. Empty when the PDF cannot be read
// cleanly or has fewer pages than the headings name.
QByteArray WithOutline(const QByteArray& pdf, const QList<Heading>& headings);

}  // namespace tolvar::guide
