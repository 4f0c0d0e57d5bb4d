#pragma once

#include <QString>
#include <QUrl>
#include <optional>

namespace tolvar::app {

// The user guide beside a program whose executable is in `programDir`: the
// file installed with the documentation (../share/doc/tolvar/ from bin/), which
// the build also puts at that place from the executable it builds. None when
// there is no such file.
std::optional<QString> LocalGuide(const QString& programDir);

// What the help button opens for a program in `programDir`: the local guide as
// a file: address, or else the guide on the web.
QUrl GuideUrl(const QString& programDir);

// The same for the running program, from its executable's folder.
QUrl GuideUrl();

}  // namespace tolvar::app
