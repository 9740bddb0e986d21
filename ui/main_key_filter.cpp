#include "ui/main_key_filter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcutEvent>

#include "ui/main_unit.h"

namespace ui {

namespace {

constexpr int kNoCharacter = -1;

// The character a key press types, as the window's code page has it: the
// control character for Ctrl+letter (Ctrl+C is 3, Ctrl+V 22), the text's one
// character otherwise, kNoCharacter for keys that type nothing (arrows, Home,
// End, Insert...). A character outside one byte counts as 0, discarded.
int TypedCharacter(const QKeyEvent& event) {
  const Qt::KeyboardModifiers mods = event.modifiers();
  const bool control = (mods & Qt::ControlModifier) && !(mods & Qt::AltModifier);
  if (control && event.key() >= Qt::Key_At && event.key() <= Qt::Key_Underscore) {
    return event.key() & 0x1F;
  }
  const QString text = event.text();
  if (text.isEmpty()) return kNoCharacter;
  if (text.size() != 1 || text.front().unicode() > 0xFF) return 0;
  return text.front().unicode();
}

// The letter after the "&" of a caption, or a null QChar.
QChar MnemonicLetter(const QString& caption) {
  const qsizetype amp = caption.indexOf(u'&');
  return amp >= 0 && amp + 1 < caption.size() ? caption.at(amp + 1) : QChar();
}

}  // namespace

MainKeyFilter::MainKeyFilter(TForm1* form) : QObject(form), form_(form) {}

void MainKeyFilter::WatchInput(QLineEdit* field) {
  inputs_.append(field);
  field->installEventFilter(this);
}

void MainKeyFilter::WatchButton(QPushButton* button) {
  buttons_.append(button);
  button->installEventFilter(this);
}

bool MainKeyFilter::eventFilter(QObject* watched, QEvent* event) {
  switch (event->type()) {
    case QEvent::KeyPress:
      for (QLineEdit* field : inputs_) {
        if (watched == field) return InputKeyPress(field, static_cast<QKeyEvent*>(event));
      }
      for (QPushButton* button : buttons_) {
        if (watched == button) return ButtonKeyPress(button, static_cast<QKeyEvent*>(event));
      }
      return false;
    case QEvent::Shortcut:
      for (QPushButton* button : buttons_) {
        if (watched == button) return ButtonShortcut(button, static_cast<QShortcutEvent*>(event));
      }
      return false;
    case QEvent::ShortcutOverride:
      for (QLineEdit* field : inputs_) {
        if (watched == field) return InputShortcutOverride(static_cast<QKeyEvent*>(event));
      }
      return false;
    case QEvent::InputMethod:
      for (QLineEdit* field : inputs_) {
        if (watched == field) return InputComposed(field, static_cast<QInputMethodEvent*>(event));
      }
      return false;
    default: return false;
  }
}

bool MainKeyFilter::InputKeyPress(QLineEdit* field, QKeyEvent* event) {
  // Tab and Shift+Tab move the focus and never reach the input filter.
  if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab) return false;
  const int typed = TypedCharacter(*event);
  if (typed == kNoCharacter) return false;

  char key = static_cast<char>(typed);
  form_->Edit1KeyPress(field, key);
  if (key == 0) return true;  // discarded, silently
  if (static_cast<unsigned char>(key) == typed) return false;

  // The filter replaced the character: the field types the new one instead.
  const QChar replaced = QChar::fromLatin1(key);
  QKeyEvent retyped(QEvent::KeyPress, replaced.unicode(), Qt::NoModifier, QString(replaced));
  QCoreApplication::sendEvent(field, &retyped);
  return true;
}

bool MainKeyFilter::InputComposed(QLineEdit* field, QInputMethodEvent* event) {
  // Characters composed by an input method (dead keys, compose sequences)
  // are typed characters too: each goes through the input filter.
  QString filtered;
  for (QChar typed : event->commitString()) {
    char key = typed.unicode() > 0xFF ? 0 : static_cast<char>(typed.unicode());
    form_->Edit1KeyPress(field, key);
    if (key != 0) filtered += QChar::fromLatin1(key);
  }
  if (filtered == event->commitString()) return false;
  QInputMethodEvent replaced(event->preeditString(), event->attributes());
  replaced.setCommitString(filtered, event->replacementStart(), event->replacementLength());
  QCoreApplication::sendEvent(field, &replaced);
  return true;
}

bool MainKeyFilter::InputShortcutOverride(QKeyEvent* event) {
  // Claim Ctrl+letter for the field so that no shortcut takes it; its key
  // press then reaches InputKeyPress, which discards the control character.
  const int typed = TypedCharacter(*event);
  if (typed < 0 || typed >= 0x20) return false;
  event->accept();
  return true;
}

bool MainKeyFilter::ButtonShortcut(QPushButton* button, QShortcutEvent* event) {
  // Alt+letter clicks at once, as a mouse click does, instead of Qt's
  // animated click a tenth of a second later; the focus stays where it is.
  if (event->isAmbiguous() || !button->isEnabled()) return false;
  button->click();
  return true;
}

bool MainKeyFilter::ButtonKeyPress(QPushButton* button, QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: button->click(); return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Up: {
      // Moves like Tab and Shift+Tab, so an edit field reached this way
      // selects its whole text.
      const bool forward = event->key() == Qt::Key_Right || event->key() == Qt::Key_Down;
      QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                    forward ? Qt::NoModifier : Qt::ShiftModifier);
      QCoreApplication::sendEvent(button, &tab);
      return true;
    }
    default: break;
  }
  const QString text = event->text();
  const bool plain = !(event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  return plain && text.size() == 1 && ClickButtonWithLetter(text.front());
}

bool MainKeyFilter::ClickButtonWithLetter(QChar letter) {
  for (QPushButton* button : buttons_) {
    if (MnemonicLetter(button->text()).toUpper() == letter.toUpper() && !letter.isNull()) {
      if (button->isEnabled()) button->click();
      return true;
    }
  }
  return false;
}

}  // namespace ui
