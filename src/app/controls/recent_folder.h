#pragma once

#include <QString>

namespace tolvar::app {

// The folder of the file last opened or saved in this run, where every file
// dialog starts; the working folder before any. Not kept between runs: the
// program keeps no settings.
QString RecentFolder();
// Remembers the folder of `path`, a file just opened or saved.
void RememberFolderOf(const QString& path);
// Where a save dialog starts: `name` in the recent folder.
QString InRecentFolder(const QString& name);

}  // namespace tolvar::app
