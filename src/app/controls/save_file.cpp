#include "app/controls/save_file.h"

#include <QSaveFile>

namespace tolvar::app {

bool WriteWholeFile(const QString& path, std::string_view text) {
  QSaveFile file(path);
  return file.open(QIODevice::WriteOnly) &&
         file.write(text.data(), static_cast<qint64>(text.size())) ==
             static_cast<qint64>(text.size()) &&
         file.commit();
}

}  // namespace tolvar::app
