// Builds the PDF user guide from its Markdown source at build time:
//   guide_pdf --title T --subtitle S --description D [--icon PNG] [--images DIR] guide.md out.pdf
// Runs on any Qt platform; the build uses the offscreen one.
#include <QBuffer>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QPdfWriter>
#include <QSaveFile>
#include <QTextStream>

#include "tools/guide_document.h"
#include "tools/pdf_outline.h"

int main(int argc, char* argv[]) {
  QGuiApplication app(argc, argv);
  QCommandLineParser parser;
  parser.addHelpOption();
  const QCommandLineOption title(QStringLiteral("title"), QStringLiteral("Title."),
                                 QStringLiteral("text"));
  const QCommandLineOption subtitle(QStringLiteral("subtitle"), QStringLiteral("Subtitle."),
                                    QStringLiteral("text"));
  const QCommandLineOption description(QStringLiteral("description"),
                                       QStringLiteral("One-line description."),
                                       QStringLiteral("text"));
  const QCommandLineOption icon(QStringLiteral("icon"), QStringLiteral("Image above the title."),
                                QStringLiteral("file"));
  const QCommandLineOption images(
      QStringLiteral("images"),
      QStringLiteral("The folder the guide's image paths are relative to (default: its own)."),
      QStringLiteral("folder"));
  parser.addOptions({title, subtitle, description, icon, images});
  parser.addPositionalArgument(QStringLiteral("markdown"), QStringLiteral("The guide's source."));
  parser.addPositionalArgument(QStringLiteral("pdf"), QStringLiteral("The PDF to write."));
  parser.process(app);
  const QStringList files = parser.positionalArguments();
  if (files.size() != 2) {
    parser.showHelp(2);
  }

  QBuffer pdf;
  pdf.open(QIODevice::WriteOnly);
  QPdfWriter writer(&pdf);
  const tolvar::guide::PrintedGuide guide = tolvar::guide::PrintGuide(
      files[0], parser.value(images),
      {parser.value(title), parser.value(subtitle), parser.value(description), parser.value(icon)},
      writer);
  if (!guide.unreadFiles.isEmpty()) {
    QTextStream(stderr) << "guide_pdf: cannot read " << guide.unreadFiles.join(QStringLiteral(", "))
                        << '\n';
    return 1;
  }
  QByteArray bytes = tolvar::guide::WithOutline(pdf.data(), guide.headings);
  if (bytes.isEmpty()) {
    QTextStream(stderr) << "guide_pdf: warning: the PDF has no outline (unexpected layout)\n";
    bytes = pdf.data();
  }
  QSaveFile out(files[1]);
  if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size() || !out.commit()) {
    QTextStream(stderr) << "guide_pdf: cannot write " << files[1] << '\n';
    return 1;
  }
  QTextStream(stdout) << files[1] << ": " << guide.pageCount << " pages, " << bytes.size()
                      << " bytes\n";
  return 0;
}
