#pragma once

#include <QUrl>

namespace tolvar::app {

// Web address of the user guide that the help button opens.
QUrl GuideUrl();

}  // namespace tolvar::app
