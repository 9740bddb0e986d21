// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// KeyFilter: the one event filter of a working window (the main window, the
// award window), for its keyboard rules. On the amount fields it watches,
// every typed character, composed ones from an input method included, goes
// through the form's typed-character rule (form/typed_character.h) before the
// field sees it; the editing commands (copy, cut, paste, select all, undo,
// redo: Ctrl+C, X, V, A, Z, Y and the platform's own key sequences for them)
// act on the field, a paste taking the text up to its first line break as
// Shift+Insert does; any other Ctrl+letter is a control character and is
// discarded, and no shortcut of the window takes it. On the push buttons it
// watches, Alt+letter clicks its button at once, the letter alone clicks it
// while a button has the focus, Enter clicks the focused button, and the
// arrow keys move the focus along the tab order.

#include <QHash>
#include <QList>
#include <QObject>

#include "form/typed_character.h"

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QShortcutEvent;

namespace ui {

class KeyFilter : public QObject {
  Q_OBJECT

 public:
  explicit KeyFilter(QObject* parent);

  // Typed characters reach the field through `rule`.
  void watchInput(QLineEdit* field, form::TypingRule rule);
  void watchButton(QPushButton* button);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool filterInputKey(QLineEdit& field, const QKeyEvent& event);
  bool inputComposed(QLineEdit& field, const QInputMethodEvent& event);
  bool handleButtonKey(QPushButton& button, const QKeyEvent& event);
  bool clickButtonWithLetter(QChar letter);

  QHash<QLineEdit*, form::TypingRule> inputs;
  QList<QPushButton*> buttons;
};

}  // namespace ui
