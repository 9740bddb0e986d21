// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/key_filter.h"

#include <QCoreApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLineEdit>
#include <QPushButton>
#include <QShortcutEvent>
#include <optional>
#include <string>

#include "calc/decimal_separator.h"
#include "form/typed_character.h"

namespace ui {

namespace {

// An editing command of an input field: the platform's key sequence for it,
// and Ctrl with its letter, which works on every platform.
struct EditingCommand {
  QKeySequence::StandardKey sequence;
  Qt::Key letter;
  void (*action)(QLineEdit&);
};

constexpr EditingCommand kEditingCommands[] = {
    {QKeySequence::Copy, Qt::Key_C, [](QLineEdit& field) { field.copy(); }},
    {QKeySequence::Cut, Qt::Key_X, [](QLineEdit& field) { field.cut(); }},
    {QKeySequence::Paste, Qt::Key_V, [](QLineEdit& field) { field.paste(); }},
    {QKeySequence::SelectAll, Qt::Key_A, [](QLineEdit& field) { field.selectAll(); }},
    {QKeySequence::Undo, Qt::Key_Z, [](QLineEdit& field) { field.undo(); }},
    {QKeySequence::Redo, Qt::Key_Y, [](QLineEdit& field) { field.redo(); }},
};

Qt::KeyboardModifiers modifiersOf(const QKeyEvent& event) { return event.modifiers() & ~Qt::KeypadModifier; }

const EditingCommand* editingCommandOf(const QKeyEvent& event) {
  for (const EditingCommand& command : kEditingCommands) {
    if (event.matches(command.sequence)) return &command;
    if (modifiersOf(event) == Qt::ControlModifier && event.key() == command.letter) return &command;
  }
  return nullptr;
}

// The control character that Ctrl+letter types (Ctrl+R is 18), or nothing
// for any other key.
std::optional<char32_t> controlCharacter(const QKeyEvent& event) {
  const Qt::KeyboardModifiers modifiers = modifiersOf(event);
  const bool control = (modifiers & Qt::ControlModifier) && !(modifiers & Qt::AltModifier);
  if (!control || event.key() < Qt::Key_At || event.key() > Qt::Key_Underscore) return std::nullopt;
  return static_cast<char32_t>(event.key() & 0x1F);
}

// What the typed-character rule keeps of a key's or a composition's text.
QString keptText(const QString& typed, form::TypingRule rule) {
  return QString::fromStdString(form::KeptTypedText(typed.toStdString(), calc::DecimalSeparator(), rule));
}

// The letter after the "&" of a caption, or a null QChar.
QChar mnemonicLetter(const QString& caption) {
  const qsizetype amp = caption.indexOf(u'&');
  return amp >= 0 && amp + 1 < caption.size() ? caption.at(amp + 1) : QChar();
}

template <typename Widget>
Widget* watchedOf(const QList<Widget*>& widgets, QObject* watched) {
  for (Widget* widget : widgets) {
    if (widget == watched) return widget;
  }
  return nullptr;
}

}  // namespace

KeyFilter::KeyFilter(QObject* parent) : QObject(parent) {}

void KeyFilter::watchInput(QLineEdit* field, form::TypingRule rule) {
  inputs.insert(field, rule);
  field->installEventFilter(this);
}

void KeyFilter::watchButton(QPushButton* button) {
  buttons.append(button);
  button->installEventFilter(this);
}

bool KeyFilter::eventFilter(QObject* watched, QEvent* event) {
  QLineEdit* input = qobject_cast<QLineEdit*>(watched);
  if (!inputs.contains(input)) input = nullptr;
  QPushButton* button = watchedOf(buttons, watched);
  switch (event->type()) {
    case QEvent::KeyPress:
      if (input != nullptr) return filterInputKey(*input, *static_cast<QKeyEvent*>(event));
      if (button != nullptr) return handleButtonKey(*button, *static_cast<QKeyEvent*>(event));
      return false;
    case QEvent::ShortcutOverride:
      // Ctrl+letter belongs to the field, so that no shortcut takes it; its
      // key press then comes to filterInputKey.
      if (input == nullptr || !controlCharacter(*static_cast<QKeyEvent*>(event))) return false;
      event->accept();
      return true;
    case QEvent::Shortcut:
      // Alt+letter clicks at once, as a mouse click does, instead of Qt's
      // animated click a tenth of a second later; the focus stays where it is.
      if (button == nullptr || static_cast<QShortcutEvent*>(event)->isAmbiguous() || !button->isEnabled()) {
        return false;
      }
      button->click();
      return true;
    case QEvent::InputMethod:
      return input != nullptr && inputComposed(*input, *static_cast<QInputMethodEvent*>(event));
    default: return false;
  }
}

bool KeyFilter::filterInputKey(QLineEdit& field, const QKeyEvent& event) {
  // Tab and Shift+Tab move the focus and type nothing; Escape belongs to the
  // window, which it closes where the window is a dialog.
  if (event.key() == Qt::Key_Tab || event.key() == Qt::Key_Backtab || event.key() == Qt::Key_Escape)
    return false;
  if (const EditingCommand* command = editingCommandOf(event)) {
    command->action(field);
    return true;
  }
  if (const std::optional<char32_t> control = controlCharacter(event)) {
    // Kept only as the field's own editing key (Ctrl+H is backspace).
    return !form::KeptTypedCharacter(*control, calc::DecimalSeparator(), inputs.value(&field)).has_value();
  }
  const QString typed = event.text();
  if (typed.isEmpty()) return false;  // arrows, Home, End, Delete...
  const QString kept = keptText(typed, inputs.value(&field));
  if (kept == typed) return false;
  if (kept.isEmpty()) return true;  // discarded, silently

  // The rule replaced the character: the field types the kept one instead.
  const int key = kept.size() == 1 ? kept.front().unicode() : int{Qt::Key_unknown};
  QKeyEvent retyped(QEvent::KeyPress, key, Qt::NoModifier, kept);
  QCoreApplication::sendEvent(&field, &retyped);
  return true;
}

bool KeyFilter::inputComposed(QLineEdit& field, const QInputMethodEvent& event) {
  // Characters composed by an input method (dead keys, compose sequences)
  // are typed characters too.
  const QString kept = keptText(event.commitString(), inputs.value(&field));
  if (kept == event.commitString()) return false;
  QInputMethodEvent replaced(event.preeditString(), event.attributes());
  replaced.setCommitString(kept, event.replacementStart(), event.replacementLength());
  QCoreApplication::sendEvent(&field, &replaced);
  return true;
}

bool KeyFilter::handleButtonKey(QPushButton& button, const QKeyEvent& event) {
  switch (event.key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter: button.click(); return true;
    case Qt::Key_Right:
    case Qt::Key_Down:
    case Qt::Key_Left:
    case Qt::Key_Up: {
      // Moves like Tab and Shift+Tab, so an edit field reached this way
      // selects its whole text.
      const bool forward = event.key() == Qt::Key_Right || event.key() == Qt::Key_Down;
      QKeyEvent tab(QEvent::KeyPress, forward ? Qt::Key_Tab : Qt::Key_Backtab,
                    forward ? Qt::NoModifier : Qt::ShiftModifier);
      QCoreApplication::sendEvent(&button, &tab);
      return true;
    }
    default: break;
  }
  const QString text = event.text();
  const bool plain = !(event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier));
  return plain && text.size() == 1 && clickButtonWithLetter(text.front());
}

bool KeyFilter::clickButtonWithLetter(QChar letter) {
  if (letter.isNull()) return false;
  for (QPushButton* button : buttons) {
    if (mnemonicLetter(button->text()).toUpper() == letter.toUpper()) {
      if (button->isEnabled()) button->click();
      return true;
    }
  }
  return false;
}

}  // namespace ui
