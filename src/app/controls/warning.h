#pragma once

#include <QStringList>

#include "app/layout/messages.h"

class QWidget;

namespace tolvar::app {

// The window's one kind of warning box: the message's title and text (its %1,
// %2, … replaced by `args` in order), an exclamation icon and one OK button,
// modal over `parent`. Returns when the user has closed it.
void ShowWarning(QWidget* parent, const Message& message, const QStringList& args = {});

// The same box with `goOn` and Cancel instead of OK: true when the user goes on.
bool AskToGoOn(QWidget* parent, const Message& message, const QStringList& args,
               const QString& goOn);

// The same box with a text the user can select and copy (a path or address).
void ShowSelectableWarning(QWidget* parent, const Message& message, const QStringList& args);

}  // namespace tolvar::app
