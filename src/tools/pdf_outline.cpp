#include "pdf_outline.h"

#include <QRegularExpression>
#include <algorithm>
#include <optional>
#include <vector>

namespace tolvar::guide {

namespace {

// The text of object `number` between "obj" and "endobj", its latest version.
std::optional<QByteArray> ObjectBody(const QByteArray& pdf, int number) {
  const QByteArray start = '\n' + QByteArray::number(number) + " 0 obj";
  const qsizetype at = pdf.lastIndexOf(start);
  const qsizetype end = at < 0 ? -1 : pdf.indexOf("endobj", at);
  if (end < 0) {
    return std::nullopt;
  }
  return pdf.mid(at + start.size(), end - at - start.size());
}

// The dictionary of an object body without its outer "<<" and ">>".
std::optional<QByteArray> DictionaryContents(const QByteArray& body) {
  const qsizetype open = body.indexOf("<<");
  const qsizetype close = body.lastIndexOf(">>");
  if (open < 0 || close < open) {
    return std::nullopt;
  }
  return body.mid(open + 2, close - open - 2);
}

QList<QRegularExpressionMatch> Matches(const QByteArray& text, const QString& pattern) {
  QList<QRegularExpressionMatch> found;
  auto it = QRegularExpression(pattern).globalMatch(QString::fromLatin1(text));
  while (it.hasNext()) {
    found.append(it.next());
  }
  return found;
}

std::optional<int> Reference(const QByteArray& dictionary, const QString& key) {
  const auto found = Matches(dictionary, QStringLiteral("/%1\\s+(\\d+)\\s+0\\s+R").arg(key));
  if (found.isEmpty()) {
    return std::nullopt;
  }
  return found.first().captured(1).toInt();
}

// A text string as PDF readers take any text: UTF-16BE after a byte-order mark, in hex.
QByteArray TextString(const QString& text) {
  QByteArray out = "<FEFF";
  for (const QChar c : text) {
    out += QByteArray::number(c.unicode(), 16).rightJustified(4, '0').toUpper();
  }
  return out + '>';
}

QByteArray Ref(int number) { return QByteArray::number(number) + " 0 R"; }

struct Item {
  int parent = -1;  // index into items; -1 for the outline's root
  std::vector<int> children;
};

// What the update needs of the document Qt wrote.
struct Document {
  int size = 0;  // the cross-reference table's size: the first free object number
  int root = 0;
  std::optional<int> info;
  QByteArray previousXref;
  QByteArray catalogueContents;
  std::vector<int> pages;  // object numbers, in page order
  double pageHeight = 0;   // [pt]
};

// None for a PDF not laid out as Qt writes it, or one that has an outline.
std::optional<Document> ReadDocument(const QByteArray& pdf) {
  // The trailer of the last update names the catalogue and the table's size.
  const qsizetype trailerAt = pdf.lastIndexOf("trailer");
  const qsizetype startxrefAt = pdf.lastIndexOf("startxref");
  if (trailerAt < 0 || startxrefAt < trailerAt) {
    return std::nullopt;
  }
  const QByteArray trailer = pdf.mid(trailerAt, startxrefAt - trailerAt);
  const auto size = Matches(trailer, QStringLiteral("/Size\\s+(\\d+)"));
  const auto root = Reference(trailer, QStringLiteral("Root"));
  const auto previous = Matches(pdf.mid(startxrefAt), QStringLiteral("startxref\\s+(\\d+)"));
  if (size.isEmpty() || !root || previous.isEmpty()) {
    return std::nullopt;
  }
  const auto catalogue = ObjectBody(pdf, *root);
  const auto catalogueContents = catalogue ? DictionaryContents(*catalogue) : std::nullopt;
  const auto pagesRef =
      catalogueContents ? Reference(*catalogueContents, QStringLiteral("Pages")) : std::nullopt;
  const auto pageTree = pagesRef ? ObjectBody(pdf, *pagesRef) : std::nullopt;
  if (!catalogueContents || !pageTree || catalogueContents->contains("/Outlines")) {
    return std::nullopt;
  }
  const qsizetype kidsAt = pageTree->indexOf("/Kids");
  const qsizetype kidsEnd = kidsAt < 0 ? -1 : pageTree->indexOf(']', kidsAt);
  if (kidsEnd < 0) {
    return std::nullopt;
  }
  Document document;
  document.size = size.first().captured(1).toInt();
  document.root = *root;
  document.info = Reference(trailer, QStringLiteral("Info"));
  document.previousXref = previous.last().captured(1).toLatin1();
  document.catalogueContents = *catalogueContents;
  for (const auto& kid :
       Matches(pageTree->mid(kidsAt, kidsEnd - kidsAt), QStringLiteral("(\\d+)\\s+0\\s+R"))) {
    document.pages.push_back(kid.captured(1).toInt());
  }
  const auto firstPage =
      document.pages.empty() ? std::nullopt : ObjectBody(pdf, document.pages.front());
  const auto mediaBox =
      firstPage ? Matches(*firstPage, QStringLiteral("/MediaBox\\s*\\[\\s*[\\d.]+\\s+[\\d.]+\\s+"
                                                     "[\\d.]+\\s+([\\d.]+)\\s*\\]"))
                : QList<QRegularExpressionMatch>();
  if (mediaBox.isEmpty()) {
    return std::nullopt;
  }
  document.pageHeight = mediaBox.first().captured(1).toDouble();
  return document;
}

// Parts go beneath the section before them; a part before any section is one.
// The last item holds the top level's indices. None when a heading's page is
// not in the document.
std::optional<std::vector<Item>> Nest(const QList<Heading>& headings, std::size_t pageCount) {
  std::vector<Item> items(static_cast<std::size_t>(headings.size()) + 1);
  std::vector<int>& topLevel = items.back().children;
  int section = -1;
  for (int i = 0; i < static_cast<int>(headings.size()); ++i) {
    const Heading& heading = headings[i];
    if (heading.page < 0 || static_cast<std::size_t>(heading.page) >= pageCount) {
      return std::nullopt;
    }
    if (heading.level > 1 && section >= 0) {
      items[static_cast<std::size_t>(i)].parent = section;
      items[static_cast<std::size_t>(section)].children.push_back(i);
    } else {
      section = i;
      topLevel.push_back(i);
    }
  }
  return items;
}

// The update appended to `pdf`: the outline's objects, the catalogue again with
// the outline, their cross-reference table and trailer.
class Update {
 public:
  Update(const QByteArray& pdf, const Document& document)
      : pdf_(pdf), document_(document), text_(pdf.endsWith('\n') ? "" : "\n") {}

  // Object number of outline item `item`; the outline's root is the first free one.
  int number(int item) const { return document_.size + 1 + item; }

  // The /First, /Last and /Count of an item with these children.
  QByteArray chain(const std::vector<int>& siblings, int count) const {
    if (siblings.empty()) {
      return {};
    }
    return "/First " + Ref(number(siblings.front())) + "\n/Last " + Ref(number(siblings.back())) +
           "\n/Count " + QByteArray::number(count) + '\n';
  }

  void add(int object, const QByteArray& contents) {
    offsets_.emplace_back(object, pdf_.size() + text_.size());
    text_ += QByteArray::number(object) + " 0 obj\n<<\n" + contents + ">>\nendobj\n";
  }

  // One subsection for the catalogue, added last, one for the outline's objects,
  // in object order.
  QByteArray finish() {
    const auto entry = [](qsizetype offset) {
      return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
    };
    const qsizetype xrefAt = pdf_.size() + text_.size();
    text_ += "xref\n" + QByteArray::number(document_.root) + " 1\n" +
             entry(offsets_.back().second) + QByteArray::number(document_.size) + ' ' +
             QByteArray::number(static_cast<int>(offsets_.size()) - 1) + '\n';
    for (std::size_t i = 0; i + 1 < offsets_.size(); ++i) {
      text_ += entry(offsets_[i].second);
    }
    const int newSize = number(static_cast<int>(offsets_.size()) - 2);
    text_ += "trailer\n<<\n/Size " + QByteArray::number(newSize) + "\n/Root " +
             Ref(document_.root) + '\n';
    if (document_.info) {
      text_ += "/Info " + Ref(*document_.info) + '\n';
    }
    text_ += "/Prev " + document_.previousXref + "\n>>\nstartxref\n" + QByteArray::number(xrefAt) +
             "\n%%EOF\n";
    return pdf_ + text_;
  }

 private:
  const QByteArray& pdf_;
  const Document& document_;
  QByteArray text_;
  std::vector<std::pair<int, qsizetype>> offsets_;
};

}  // namespace

QByteArray WithOutline(const QByteArray& pdf, const QList<Heading>& headings) {
  const auto document = ReadDocument(pdf);
  const auto items = document ? Nest(headings, document->pages.size()) : std::nullopt;
  if (!items) {
    return {};
  }
  const std::vector<int>& topLevel = items->back().children;
  Update update(pdf, *document);
  const int outlineRoot = document->size;
  update.add(outlineRoot,
             "/Type /Outlines\n" + update.chain(topLevel, static_cast<int>(headings.size())));
  for (int i = 0; i < static_cast<int>(headings.size()); ++i) {
    const Item& item = (*items)[static_cast<std::size_t>(i)];
    const std::vector<int>& siblings =
        item.parent < 0 ? topLevel : (*items)[static_cast<std::size_t>(item.parent)].children;
    const auto at = std::find(siblings.begin(), siblings.end(), i);
    const Heading& heading = headings[i];
    QByteArray contents = "/Title " + TextString(heading.text) + "\n/Parent " +
                          Ref(item.parent < 0 ? outlineRoot : update.number(item.parent)) + '\n';
    if (at != siblings.begin()) {
      contents += "/Prev " + Ref(update.number(*(at - 1))) + '\n';
    }
    if (at + 1 != siblings.end()) {
      contents += "/Next " + Ref(update.number(*(at + 1))) + '\n';
    }
    contents += update.chain(item.children, static_cast<int>(item.children.size()));
    contents += "/Dest [" + Ref(document->pages[static_cast<std::size_t>(heading.page)]) +
                " /XYZ null " + QByteArray::number(document->pageHeight - heading.top, 'f', 2) +
                " null]\n";
    update.add(update.number(i), contents);
  }
  update.add(document->root, document->catalogueContents + "/Outlines " + Ref(outlineRoot) +
                                 "\n/PageMode /UseOutlines\n");
  return update.finish();
}

}  // namespace tolvar::guide
