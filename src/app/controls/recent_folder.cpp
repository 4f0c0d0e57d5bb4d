#include "app/controls/recent_folder.h"

#include <QDir>
#include <QFileInfo>

namespace tolvar::app {

namespace {

QString& Folder() {
  static QString folder;
  return folder;
}

}  // namespace

QString RecentFolder() { return Folder().isEmpty() ? QDir::currentPath() : Folder(); }

void RememberFolderOf(const QString& path) { Folder() = QFileInfo(path).absolutePath(); }

QString InRecentFolder(const QString& name) { return QDir(RecentFolder()).filePath(name); }

}  // namespace tolvar::app
