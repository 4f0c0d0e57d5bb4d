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

// While it lives, GuideUrl() looks for the guide from `dir` as though the
// program ran there: tests stand a build or an install tree in for their own.
class GuideProgramDirForTest {
 public:
  explicit GuideProgramDirForTest(const QString& dir);
  ~GuideProgramDirForTest();
  GuideProgramDirForTest(const GuideProgramDirForTest&) = delete;
  GuideProgramDirForTest& operator=(const GuideProgramDirForTest&) = delete;
  GuideProgramDirForTest(GuideProgramDirForTest&&) = delete;
  GuideProgramDirForTest& operator=(GuideProgramDirForTest&&) = delete;

 private:
  std::optional<QString> previous_;
};

}  // namespace tolvar::app
