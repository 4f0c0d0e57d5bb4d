#include "tools/pdf_outline.h"

#include <charconv>
#include <exception>
#include <optional>
#include <qpdf/Pl_String.hh>
#include <qpdf/QPDF.hh>
#include <qpdf/QPDFPageDocumentHelper.hh>
#include <qpdf/QPDFWriter.hh>
#include <string>
#include <vector>

namespace tolvar::guide {

namespace {

struct Section {
  QPDFObjectHandle item;
  std::vector<QPDFObjectHandle> parts;
};

// The page's top edge, its MediaBox's upper y [pt]. Read here, as qpdf's own
// reading of a real follows LC_NUMERIC, which Qt sets from the environment:
// "841.89" would be 841 in German.
std::optional<double> PageTop(QPDFPageObjectHelper& page) {
  QPDFObjectHandle mediaBox = page.getMediaBox();
  const std::string top = mediaBox.isRectangle() ? mediaBox.getArrayItem(3).unparse() : "";
  double value = 0.0;
  const auto [end, error] = std::from_chars(top.data(), top.data() + top.size(), value);
  if (error != std::errc() || end != top.data() + top.size()) {
    return std::nullopt;
  }
  return value;
}

// An outline item leading to the heading on `page`. PDF measures heights up
// from the page's foot, the heading's top down from the page's top edge.
QPDFObjectHandle NewItem(QPDF& pdf, const Heading& heading, QPDFPageObjectHelper& page) {
  const std::optional<double> pageTop = PageTop(page);
  if (!pageTop) {
    return {};
  }
  const double height = *pageTop - heading.top;
  QPDFObjectHandle item = QPDFObjectHandle::newDictionary();
  item.replaceKey("/Title", QPDFObjectHandle::newUnicodeString(heading.text.toStdString()));
  item.replaceKey("/Dest", QPDFObjectHandle::newArray(
                               {page.getObjectHandle(), QPDFObjectHandle::newName("/XYZ"),
                                QPDFObjectHandle::newNull(), QPDFObjectHandle::newReal(height, 2),
                                QPDFObjectHandle::newNull()}));
  return pdf.makeIndirectObject(item);
}

// Hangs `children` beneath `parent` in their order; `shown` items are listed
// beneath it when the outline opens (a positive /Count keeps it open).
void Adopt(QPDFObjectHandle parent, const std::vector<QPDFObjectHandle>& children,
           long long shown) {
  if (children.empty()) {
    return;
  }
  for (std::size_t i = 0; i < children.size(); ++i) {
    QPDFObjectHandle child = children[i];  // a handle: the object itself changes
    child.replaceKey("/Parent", parent);
    if (i > 0) {
      child.replaceKey("/Prev", children[i - 1]);
    }
    if (i + 1 < children.size()) {
      child.replaceKey("/Next", children[i + 1]);
    }
  }
  parent.replaceKey("/First", children.front());
  parent.replaceKey("/Last", children.back());
  parent.replaceKey("/Count", QPDFObjectHandle::newInteger(shown));
}

// Parts go beneath the section before them; a part before any section is one.
// None when a heading's page is missing or has no page size.
std::optional<std::vector<Section>> Nest(QPDF& pdf, const QList<Heading>& headings) {
  std::vector<QPDFPageObjectHelper> pages = QPDFPageDocumentHelper(pdf).getAllPages();
  std::vector<Section> sections;
  for (const Heading& heading : headings) {
    if (heading.page < 0 || static_cast<std::size_t>(heading.page) >= pages.size()) {
      return std::nullopt;
    }
    QPDFObjectHandle item = NewItem(pdf, heading, pages[static_cast<std::size_t>(heading.page)]);
    if (!item.isInitialized()) {
      return std::nullopt;
    }
    if (heading.level > 1 && !sections.empty()) {
      sections.back().parts.push_back(item);
    } else {
      sections.push_back({item, {}});
    }
  }
  return sections;
}

}  // namespace

QByteArray WithOutline(const QByteArray& pdf, const QList<Heading>& headings) {
  try {
    QPDF document;
    document.setSuppressWarnings(true);
    // A damaged PDF is a fault in laying out the guide: not to be papered over.
    document.setAttemptRecovery(false);
    document.processMemoryFile("guide", pdf.constData(), static_cast<std::size_t>(pdf.size()));
    const std::optional<std::vector<Section>> sections = Nest(document, headings);
    if (!sections) {
      return {};
    }
    QPDFObjectHandle outline =
        document.makeIndirectObject(QPDFObjectHandle::parse("<< /Type /Outlines >>"));
    std::vector<QPDFObjectHandle> topLevel;
    for (const Section& section : *sections) {
      Adopt(section.item, section.parts, static_cast<long long>(section.parts.size()));
      topLevel.push_back(section.item);
    }
    Adopt(outline, topLevel, headings.size());
    QPDFObjectHandle catalogue = document.getRoot();
    catalogue.replaceKey("/Outlines", outline);
    catalogue.replaceKey("/PageMode", QPDFObjectHandle::newName("/UseOutlines"));

    std::string bytes;
    Pl_String output("guide", nullptr, bytes);
    QPDFWriter writer(document);
    writer.setOutputPipeline(&output);
    writer.setDeterministicID(true);  // from the contents, not the clock: same PDF, same bytes
    writer.write();
    return document.anyWarnings() ? QByteArray() : QByteArray::fromStdString(bytes);
  } catch (const std::exception&) {
    return {};
  }
}

}  // namespace tolvar::guide
