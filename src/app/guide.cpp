#include "app/guide.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace tolvar::app {

std::optional<QString> LocalGuide(const QString& programDir) {
  const QFileInfo guide(
      QDir::cleanPath(QDir(programDir).filePath(QStringLiteral(TOLVAR_GUIDE_FROM_PROGRAM))));
  if (!guide.isFile() || !guide.isReadable()) {
    return std::nullopt;
  }
  return guide.absoluteFilePath();
}

QUrl GuideUrl(const QString& programDir) {
  if (const auto local = LocalGuide(programDir)) {
    return QUrl::fromLocalFile(*local);
  }
  return {QStringLiteral("https://") + QStringLiteral(TOLVAR_GUIDE_HOST) +
          QStringLiteral("/content/guide/") + QStringLiteral(TOLVAR_GUIDE_FILE)};
}

QUrl GuideUrl() { return GuideUrl(QCoreApplication::applicationDirPath()); }

}  // namespace tolvar::app
