#include "app/controls/event_filters.h"

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QStringList>
#include <QThread>
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
  const KeyFilter filter = filters_.value(watched, KeyFilter::Short);
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    // A field inserts no text with Ctrl or Ctrl+Shift held: those are its
    // editing shortcuts. Alt, AltGr and Super do insert text when no access key
    // takes the key, so their characters are judged like plain ones.
    const auto held = key->modifiers() & (Qt::ControlModifier | Qt::ShiftModifier |
                                          Qt::AltModifier | Qt::MetaModifier);
    if (held == Qt::ControlModifier || held == (Qt::ControlModifier | Qt::ShiftModifier)) {
      return false;
    }
    const QString kept = judged(key->text(), filter);
    if (kept == key->text()) {
      return false;
    }
    if (!kept.isEmpty()) {  // a key that types several characters keeps the good ones
      static_cast<QLineEdit*>(watched)->insert(kept);
    }
    return true;
  }
  if (event->type() == QEvent::InputMethod) {
    // Dead keys and input methods commit their text here, never as a key press.
    const auto* input = static_cast<QInputMethodEvent*>(event);
    const QString kept = judged(input->commitString(), filter);
    if (kept == input->commitString()) {
      return false;
    }
    QInputMethodEvent filtered(input->preeditString(), input->attributes());
    filtered.setCommitString(kept, input->replacementStart(), input->replacementLength());
    QCoreApplication::sendEvent(watched, &filtered);
    return true;
  }
  return false;
}

QString EntryKeyGuard::judged(const QString& text, KeyFilter filter) const {
  QString kept;
  for (const char32_t c : text.toUcs4()) {
    if (c < 32 || c == 127) {
      kept += QChar(c);  // control keys: Backspace, Enter, Tab, Delete
      continue;
    }
    switch (JudgeKey(c, filter)) {
      case KeyVerdict::Accept:
        kept += QChar(c);
        break;
      case KeyVerdict::WarnComma:
        warnComma_();
        break;
      case KeyVerdict::Reject:
        break;
    }
  }
  return kept;
}

bool IsOwnFocusMove(Qt::FocusReason reason) {
  return reason != Qt::ActiveWindowFocusReason && reason != Qt::PopupFocusReason;
}

FocusHandlers::FocusHandlers(QObject* parent) : QObject(parent) {}

void FocusHandlers::onGained(QWidget* widget, const Handler& handler) {
  gained_.insert(widget, handler);
  widget->installEventFilter(this);
}

void FocusHandlers::onLost(QWidget* widget, const Handler& handler) {
  lost_.insert(widget, handler);
  widget->installEventFilter(this);
}

bool FocusHandlers::eventFilter(QObject* watched, QEvent* event) {
  const bool in = event->type() == QEvent::FocusIn;
  const bool out = event->type() == QEvent::FocusOut;
  if (!in && !out) {
    return false;
  }
  const Qt::FocusReason reason = static_cast<QFocusEvent*>(event)->reason();
  if (IsOwnFocusMove(reason)) {
    const auto& handlers = in ? gained_ : lost_;
    const auto found = handlers.constFind(watched);
    if (found != handlers.constEnd()) {
      // Let the widget see the event first, as it would without handlers.
      watched->event(event);
      found.value()(reason);
      return true;
    }
  }
  return false;
}

namespace {

// Lives for the delivery of one event: swallows the press aimed at its target.
class PressDropper : public QObject {
  Q_OBJECT

 public:
  explicit PressDropper(QWidget* target)
      : target_(target), loopLevel_(QThread::currentThread()->loopLevel()) {
    qApp->installEventFilter(this);
    leaveOnceDelivered();
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
  // Whatever happens, gone once the current event is delivered. A warning box
  // still open runs its own event loop, where a zero timer fires before the press
  // arrives: wait for that loop to end first, looking again now and then.
  void leaveOnceDelivered(int afterMs = 0) {
    QTimer::singleShot(afterMs, this, [this] {
      if (QThread::currentThread()->loopLevel() > loopLevel_) {
        leaveOnceDelivered(kLookAgainMs);
      } else {
        deleteLater();
      }
    });
  }

  static constexpr int kLookAgainMs = 50;
  QPointer<QWidget> target_;
  int loopLevel_;
};

// Drops the mouse press now being delivered to `target` when it is a button: a
// warning box shown while that press moved the focus has taken the user's
// attention, and the press must not go on to click the button afterwards.
void DropPendingButtonPress(QWidget* target) {
  if (qobject_cast<QAbstractButton*>(target) != nullptr) {
    new PressDropper(target);
  }
}

}  // namespace

ButtonPresses::ButtonPresses(QObject* parent) : QObject(parent) {}

void ButtonPresses::watch(QWidget* button) { button->installEventFilter(this); }

void ButtonPresses::cancel(Qt::FocusReason reason) {
  if (reason == Qt::MouseFocusReason) {
    DropPendingButtonPress(QApplication::focusWidget());
  } else if (reason == Qt::ShortcutFocusReason) {
    accessKeyCancelled_ = true;
  }
}

bool ButtonPresses::eventFilter(QObject* watched, QEvent* event) {
  // A button's own access key reaches it as a shortcut event; Qt would click it
  // without moving the focus, so no leave rule would run.
  if (event->type() != QEvent::Shortcut || static_cast<QShortcutEvent*>(event)->isAmbiguous()) {
    return false;
  }
  auto* button = static_cast<QWidget*>(watched);
  const QPointer<QWidget> left = QApplication::focusWidget();
  accessKeyCancelled_ = false;
  button->setFocus(Qt::ShortcutFocusReason);
  if (!accessKeyCancelled_) {
    return false;  // the button animates its click as usual
  }
  accessKeyCancelled_ = false;
  if (left != nullptr) {
    left->setFocus(Qt::ShortcutFocusReason);
  }
  return true;
}

void MakeSelectedOptionsTabStops(QWidget* window) {
  // Qt keeps one tab stop per group of options, on the one that last had the
  // focus (at first, the first option). Put it on the selected one.
  for (QRadioButton* option : window->findChildren<QRadioButton*>()) {
    bool groupHasSelection = false;
    for (QRadioButton* sibling : option->parentWidget()->findChildren<QRadioButton*>(
             QString(), Qt::FindDirectChildrenOnly)) {
      groupHasSelection = groupHasSelection || sibling->isChecked();
    }
    const bool stop = option->isChecked() || !groupHasSelection;
    option->setFocusPolicy(stop ? Qt::StrongFocus : Qt::ClickFocus);
  }
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
}  // namespace tolvar::app

#include "event_filters.moc"
#include "moc_event_filters.cpp"
