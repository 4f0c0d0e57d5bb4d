#include "app/event_filters.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QKeyEvent>
#include <QPointer>
#include <QStringList>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace tolvar::app {

EntryKeyGuard::EntryKeyGuard(QObject* parent, std::function<void()> warnComma)
    : QObject(parent), warnComma_(std::move(warnComma)) {}

void EntryKeyGuard::guard(QWidget* entry, KeyFilter filter) {
  filters_.insert(entry, filter);
  entry->installEventFilter(this);
}

bool EntryKeyGuard::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::KeyPress) {
    return false;
  }
  const auto* key = static_cast<QKeyEvent*>(event);
  if (key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) {
    return false;
  }
  const KeyFilter filter = filters_.value(watched, KeyFilter::Short);
  bool reject = false;
  for (const char32_t c : key->text().toUcs4()) {
    if (c < 32 || c == 127) {
      continue;  // control keys: Backspace, Enter, Tab, Delete
    }
    switch (JudgeKey(c, filter)) {
      case KeyVerdict::Accept:
        break;
      case KeyVerdict::WarnComma:
        warnComma_();
        reject = true;
        break;
      case KeyVerdict::Reject:
        reject = true;
        break;
    }
  }
  return reject;
}

bool IsOwnFocusMove(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

FocusHandlers::FocusHandlers(QObject* parent) : QObject(parent) {}

void FocusHandlers::onGained(QWidget* widget, std::function<void()> handler) {
  gained_.insert(widget, std::move(handler));
  widget->installEventFilter(this);
}

void FocusHandlers::onLost(QWidget* widget, std::function<void()> handler) {
  lost_.insert(widget, std::move(handler));
  widget->installEventFilter(this);
}

bool FocusHandlers::eventFilter(QObject* watched, QEvent* event) {
  const bool in = event->type() == QEvent::FocusIn;
  const bool out = event->type() == QEvent::FocusOut;
  if ((in || out) && IsOwnFocusMove(static_cast<QFocusEvent*>(event)->reason())) {
    const auto& handlers = in ? gained_ : lost_;
    const auto found = handlers.constFind(watched);
    if (found != handlers.constEnd()) {
      // Let the widget see the event first, as it would without handlers.
      watched->event(event);
      reason_ = static_cast<QFocusEvent*>(event)->reason();
      found.value()();
      return true;
    }
  }
  return false;
}

ToolTipWrapper::ToolTipWrapper(QObject* parent, int columns) : QObject(parent), columns_(columns) {}

void ToolTipWrapper::wrap(QWidget* widget) { widget->installEventFilter(this); }

bool ToolTipWrapper::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() != QEvent::ToolTip) {
    return false;
  }
  auto* widget = static_cast<QWidget*>(watched);
  QStringList lines;
  QString line;
  for (const QString& word : widget->toolTip().split(QLatin1Char(' '), Qt::SkipEmptyParts)) {
    if (!line.isEmpty() && line.size() + 1 + word.size() > columns_) {
      lines << line;
      line.clear();
    }
    line += (line.isEmpty() ? QString() : QStringLiteral(" ")) + word;
  }
  lines << line;
  QToolTip::showText(static_cast<QHelpEvent*>(event)->globalPos(), lines.join(QLatin1Char('\n')),
                     widget);
  return true;
}

namespace {

// Lives for the delivery of one event: swallows the press aimed at its target.
class PressDropper : public QObject {
 public:
  explicit PressDropper(QWidget* target) : target_(target) {
    qApp->installEventFilter(this);
    // Whatever happens, gone once the current event is delivered.
    QTimer::singleShot(0, this, [this] { deleteLater(); });
  }

 protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    const bool press =
        event->type() == QEvent::MouseButtonPress || event->type() == QEvent::MouseButtonDblClick;
    if (press && watched == target_) {
      deleteLater();
      return true;
    }
    return false;
  }

 private:
  QPointer<QWidget> target_;
};

}  // namespace

void DropPendingButtonPress(QWidget* target) {
  if (qobject_cast<QAbstractButton*>(target) != nullptr) {
    new PressDropper(target);
  }
}

}  // namespace tolvar::app
