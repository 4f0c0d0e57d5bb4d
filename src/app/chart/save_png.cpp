#include "app/chart/save_png.h"

#include <QDir>
#include <QFileDialog>
#include <QMessageBox>

namespace tolvar::app {

void SavePngWithDialog(QWidget* parent, const QString& what, const QString& suggested,
                       const std::function<bool(const QString&)>& save) {
  QString path = QFileDialog::getSaveFileName(parent, QStringLiteral("Save ") + what, suggested,
                                              QStringLiteral("PNG images (*.png)"));
  if (path.isEmpty()) {
    return;
  }
  if (!path.endsWith(QStringLiteral(".png"), Qt::CaseInsensitive)) {
    path += QStringLiteral(".png");
  }
  if (!save(path)) {
    QMessageBox::warning(
        parent, QStringLiteral("Save as PNG"),
        QStringLiteral("%1 could not be written to %2.")
            .arg(what.left(1).toUpper() + what.mid(1), QDir::toNativeSeparators(path)));
  }
}

}  // namespace tolvar::app
