#include "app/controls/save_png.h"

#include <QDir>
#include <QFileDialog>

#include "app/controls/recent_folder.h"
#include "app/controls/warning.h"
#include "app/layout/messages.h"

namespace tolvar::app {

void SavePngWithDialog(QWidget* parent, const QString& what, const QString& suggested,
                       const std::function<bool(const QString&)>& save) {
  QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save ") + what,
                                              InRecentFolder(suggested),
                                              QStringLiteral("PNG images (*.png)"));
  if (path.isEmpty()) {
    return;
  }
  if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
    path += QStringLiteral(".png");
  }
  if (!save(path)) {
    ShowWarning(parent, kPngNotSaved,
                {what.left(1).toUpper() + what.mid(1), QDir::toNativeSeparators(path)});
    return;
  }
  RememberFolderOf(path);
}

}  // namespace tolvar::app
