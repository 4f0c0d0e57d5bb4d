#include "app/guide.h"

#include <QString>

namespace tolvar::app {

QUrl GuideUrl() {
  return QUrl(QStringLiteral("https://") + QStringLiteral(TOLVAR_GUIDE_HOST) +
              QStringLiteral("/content/guide/Tolvar31guide.pdf"));
}

}  // namespace tolvar::app
