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

}  // namespace

QByteArray WithOutline(const QByteArray& pdf, const QList<Heading>& headings) {
  // The trailer of the last update names the catalogue and the table's size.
  const qsizetype trailerAt = pdf.lastIndexOf("trailer");
  const qsizetype startxrefAt = pdf.lastIndexOf("startxref");
  if (trailerAt < 0 || startxrefAt < trailerAt) {
    return {};
  }
  const QByteArray trailer = pdf.mid(trailerAt, startxrefAt - trailerAt);
  const auto size = Matches(trailer, QStringLiteral("/Size\\s+(\\d+)"));
  const auto root = Reference(trailer, QStringLiteral("Root"));
  const auto info = Reference(trailer, QStringLiteral("Info"));
  const auto previous = Matches(pdf.mid(startxrefAt), QStringLiteral("startxref\\s+(\\d+)"));
  if (size.isEmpty() || !root || previous.isEmpty()) {
    return {};
  }
  const auto catalogue = ObjectBody(pdf, *root);
  const auto catalogueContents = catalogue ? DictionaryContents(*catalogue) : std::nullopt;
  const auto pagesRef =
      catalogueContents ? Reference(*catalogueContents, QStringLiteral("Pages")) : std::nullopt;
  const auto pageTree = pagesRef ? ObjectBody(pdf, *pagesRef) : std::nullopt;
  if (!catalogueContents || !pageTree || catalogueContents->contains("/Outlines")) {
    return {};
  }
  const qsizetype kidsAt = pageTree->indexOf("/Kids");
  const qsizetype kidsEnd = kidsAt < 0 ? -1 : pageTree->indexOf(']', kidsAt);
  if (kidsEnd < 0) {
    return {};
  }
  std::vector<int> pages;
  for (const auto& kid :
       Matches(pageTree->mid(kidsAt, kidsEnd - kidsAt), QStringLiteral("(\\d+)\\s+0\\s+R"))) {
    pages.push_back(kid.captured(1).toInt());
  }
  const auto firstPage = pages.empty() ? std::nullopt : ObjectBody(pdf, pages.front());
  const auto mediaBox =
      firstPage ? Matches(*firstPage, QStringLiteral("/MediaBox\\s*\\[\\s*[\\d.]+\\s+[\\d.]+\\s+"
                                                     "[\\d.]+\\s+([\\d.]+)\\s*\\]"))
                : QList<QRegularExpressionMatch>();
  if (mediaBox.isEmpty()) {
    return {};
  }
  const double pageHeight = mediaBox.first().captured(1).toDouble();

  // Parts go beneath the section before them; a part before any section is one.
  std::vector<Item> items(static_cast<std::size_t>(headings.size()));
  std::vector<int> topLevel;
  int section = -1;
  for (int i = 0; i < static_cast<int>(headings.size()); ++i) {
    const Heading& heading = headings[i];
    if (heading.page < 0 || heading.page >= static_cast<int>(pages.size())) {
      return {};
    }
    if (heading.level > 1 && section >= 0) {
      items[static_cast<std::size_t>(i)].parent = section;
      items[static_cast<std::size_t>(section)].children.push_back(i);
    } else {
      section = i;
      topLevel.push_back(i);
    }
  }

  const int outlineRoot = size.first().captured(1).toInt();
  const auto number = [outlineRoot](int item) { return outlineRoot + 1 + item; };
  const auto chain = [&](const std::vector<int>& siblings, int count) {
    QByteArray out;
    if (!siblings.empty()) {
      out += "/First " + Ref(number(siblings.front())) + "\n/Last " + Ref(number(siblings.back())) +
             "\n/Count " + QByteArray::number(count) + '\n';
    }
    return out;
  };

  QByteArray update = pdf.endsWith('\n') ? QByteArray() : QByteArray("\n");
  std::vector<std::pair<int, qsizetype>> offsets;
  const auto add = [&](int object, const QByteArray& contents) {
    offsets.emplace_back(object, pdf.size() + update.size());
    update += QByteArray::number(object) + " 0 obj\n<<\n" + contents + ">>\nendobj\n";
  };
  add(outlineRoot, "/Type /Outlines\n" + chain(topLevel, static_cast<int>(headings.size())));
  for (int i = 0; i < static_cast<int>(headings.size()); ++i) {
    const Item& item = items[static_cast<std::size_t>(i)];
    const std::vector<int>& siblings =
        item.parent < 0 ? topLevel : items[static_cast<std::size_t>(item.parent)].children;
    const auto at = std::find(siblings.begin(), siblings.end(), i);
    const Heading& heading = headings[i];
    QByteArray contents = "/Title " + TextString(heading.text) + "\n/Parent " +
                          Ref(item.parent < 0 ? outlineRoot : number(item.parent)) + '\n';
    if (at != siblings.begin()) {
      contents += "/Prev " + Ref(number(*(at - 1))) + '\n';
    }
    if (at + 1 != siblings.end()) {
      contents += "/Next " + Ref(number(*(at + 1))) + '\n';
    }
    contents += chain(item.children, static_cast<int>(item.children.size()));
    contents += "/Dest [" + Ref(pages[static_cast<std::size_t>(heading.page)]) + " /XYZ null " +
                QByteArray::number(pageHeight - heading.top, 'f', 2) + " null]\n";
    add(number(i), contents);
  }
  add(*root, *catalogueContents + "/Outlines " + Ref(outlineRoot) + "\n/PageMode /UseOutlines\n");

  // One subsection for the catalogue, one for the new objects, in object order.
  const auto entry = [](qsizetype offset) {
    return QByteArray::number(offset).rightJustified(10, '0') + " 00000 n \n";
  };
  const qsizetype xrefAt = pdf.size() + update.size();
  update += "xref\n" + QByteArray::number(*root) + " 1\n" + entry(offsets.back().second) +
            QByteArray::number(outlineRoot) + ' ' +
            QByteArray::number(static_cast<int>(offsets.size()) - 1) + '\n';
  for (std::size_t i = 0; i + 1 < offsets.size(); ++i) {
    update += entry(offsets[i].second);
  }
  const int newSize = number(static_cast<int>(headings.size()));
  update += "trailer\n<<\n/Size " + QByteArray::number(newSize) + "\n/Root " + Ref(*root) + '\n';
  if (info) {
    update += "/Info " + Ref(*info) + '\n';
  }
  update += "/Prev " + previous.last().captured(1).toLatin1() + "\n>>\nstartxref\n" +
            QByteArray::number(xrefAt) + "\n%%EOF\n";
  return pdf + update;
}

}  // namespace tolvar::guide
