#include "app/controls/event_filters.h"

#include <QAbstractButton>
#include <QApplication>
#include <QHelpEvent>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPointer>
#include <QRadioButton>
#include <QShortcutEvent>
#include <QStringList>
#include <QTimer>
#include <QToolTip>
#include <QWidget>

namespace tolvar::app {

EntryKeyGuard::EntryKeyGuard(QObject* parent) : QObject(parent) {}

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

QString EntryKeyGuard::judged(const QString& text, KeyFilter filter) {
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
        emit commaRefused();
        break;
      case KeyVerdict::Reject:
        break;
    }
  }
  return kept;
}

namespace {

// Lives for the delivery of one mouse press: swallows it when it reaches its
// target, and goes once control is back in the event loop. It is made after
// the warning box has closed, so the zero timer cannot fire inside the box's
// own event loop, before the press arrives.
class PressDropper : public QObject {
  Q_OBJECT

 public:
  explicit PressDropper(QWidget* target) : target_(target) {
    qApp->installEventFilter(this);
    QTimer::singleShot(0, this, &QObject::deleteLater);
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

ButtonPresses::ButtonPresses(QObject* parent) : QObject(parent) {}

void ButtonPresses::watch(QWidget* button) { button->installEventFilter(this); }

void ButtonPresses::cancelWithBox(Qt::FocusReason reason, const std::function<void()>& showBox) {
  // The press that moved the focus is still being delivered to the widget
  // that now holds it; the box has taken the user's attention, so that press
  // must not go on to click a button afterwards.
  QWidget* pressed = QApplication::focusWidget();
  showBox();
  if (reason == Qt::MouseFocusReason && qobject_cast<QAbstractButton*>(pressed) != nullptr) {
    new PressDropper(pressed);
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
