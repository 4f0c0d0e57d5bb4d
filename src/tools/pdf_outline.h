#pragma once

// Bookmarks for a PDF that QPdfWriter wrote. Qt has no outline API, so they are
// appended as an incremental update: the outline's objects, a new catalogue that
// points at them, and a cross-reference section for both.

#include <QByteArray>
#include <QList>

#include "guide_document.h"

namespace tolvar::guide {

// The PDF with an outline of the headings (sections, their parts beneath them),
// each leading to its heading's page and height. Empty when the PDF is not laid
// out as QPdfWriter writes it (a catalogue, one page tree, a cross-reference
// table) or has fewer pages than the headings name.
QByteArray WithOutline(const QByteArray& pdf, const QList<Heading>& headings);

}  // namespace tolvar::guide
