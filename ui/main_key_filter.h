#pragma once
// MainKeyFilter: the main window's one event filter, for its keyboard rules.
// On the three input fields every typed character, composed ones from an
// input method included, goes through the window's input filter
// (Edit1KeyPress) before the field sees it, and the control characters of
// Ctrl+letter (copy, paste, cut, undo, ...) are discarded even though Qt would
// treat them as editing shortcuts. On the push buttons Alt+letter clicks its
// button at once, the letter alone clicks it while a button has the focus,
// Enter clicks the focused button, and the arrow keys move the focus along
// the tab order.

#include <QList>
#include <QObject>

class QInputMethodEvent;
class QKeyEvent;
class QLineEdit;
class QPushButton;
class QShortcutEvent;
class TForm1;

namespace ui {

class MainKeyFilter : public QObject {
  Q_OBJECT

 public:
  explicit MainKeyFilter(TForm1* form);

  void WatchInput(QLineEdit* field);
  void WatchButton(QPushButton* button);

  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  bool InputKeyPress(QLineEdit* field, QKeyEvent* event);
  bool InputComposed(QLineEdit* field, QInputMethodEvent* event);
  bool InputShortcutOverride(QKeyEvent* event);
  bool ButtonKeyPress(QPushButton* button, QKeyEvent* event);
  bool ButtonShortcut(QPushButton* button, QShortcutEvent* event);
  bool ClickButtonWithLetter(QChar letter);

  TForm1* form_;
  QList<QLineEdit*> inputs_;
  QList<QPushButton*> buttons_;
};

}  // namespace ui
