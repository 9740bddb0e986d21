// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
// The editing commands in the input fields, as a keyboard sends them: copy,
// cut, paste, select all, undo and redo by Ctrl+letter and by the platform's
// own key sequences. They are commands, not typed characters: the typed-
// character rule does not see them, and every change they make reaches the
// form like typing does.

#include <QClipboard>
#include <QKeySequence>

#include "tests/ui/main_window_fixture.h"

namespace {

class MainWindowEditingTest : public MainWindowTest {
 protected:
  void Press(const QKeyCombination& keys) { Key(keys.key(), keys.keyboardModifiers()); }
  void Ctrl(Qt::Key letter) { Key(letter, Qt::ControlModifier); }
};

TEST_F(MainWindowEditingTest, CtrlLettersCopyCutPasteSelectUndoAndRedo) {
  TypeInputs("1000", "10", "95");
  QLineEdit* total = Edit("contractorTotalEdit");
  Ctrl(Qt::Key_A);
  EXPECT_EQ(total->selectedText(), "95");
  Ctrl(Qt::Key_C);
  EXPECT_EQ(QApplication::clipboard()->text(), "95");
  Ctrl(Qt::Key_X);
  EXPECT_EQ(Text(total), "");
  EXPECT_FALSE(Button("saveButton")->isEnabled()) << "the form saw the cut";
  QApplication::clipboard()->setText("9");
  Ctrl(Qt::Key_V);
  EXPECT_EQ(Text(total), "9");
  EXPECT_EQ(Text(Edit("differenceEdit")), "-891") << "the form computed the paste";
  EXPECT_TRUE(Button("saveButton")->isEnabled());
  Ctrl(Qt::Key_Z);
  EXPECT_EQ(Text(total), "");
  EXPECT_FALSE(Button("saveButton")->isEnabled());
  Ctrl(Qt::Key_Y);
  EXPECT_EQ(Text(total), "9");
  EXPECT_TRUE(Button("saveButton")->isEnabled());
  EXPECT_TRUE(errors.box.texts.isEmpty()) << errors.box.texts.join(u'|').toStdString();
}

// Every key sequence the platform binds to a command works as that command
// (Ctrl+Insert copies, Shift+Delete cuts, Ctrl+Shift+Z redoes...).
TEST_F(MainWindowEditingTest, ThePlatformsKeySequencesWorkToo) {
  QLineEdit* base = Edit("baseAmountEdit");
  for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::SelectAll)) {
    base->setText("1234");
    base->deselect();
    Press(keys[0]);
    EXPECT_EQ(base->selectedText(), "1234") << keys.toString().toStdString();
  }
  for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Copy)) {
    base->setText("1234");
    base->selectAll();
    QApplication::clipboard()->clear();
    Press(keys[0]);
    EXPECT_EQ(QApplication::clipboard()->text(), "1234") << keys.toString().toStdString();
  }
  for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Cut)) {
    base->setText("1234");
    base->selectAll();
    Press(keys[0]);
    EXPECT_EQ(Text(base), "") << keys.toString().toStdString();
    EXPECT_EQ(QApplication::clipboard()->text(), "1234") << keys.toString().toStdString();
  }
  for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Paste)) {
    base->clear();
    QApplication::clipboard()->setText("56\r\n78");
    Press(keys[0]);
    EXPECT_EQ(Text(base), "56") << keys.toString().toStdString();
  }
  for (const QKeySequence& keys : QKeySequence::keyBindings(QKeySequence::Redo)) {
    base->clear();
    Type("7");
    Ctrl(Qt::Key_Z);
    ASSERT_EQ(Text(base), "");
    Press(keys[0]);
    EXPECT_EQ(Text(base), "7") << keys.toString().toStdString();
  }
}

// Ctrl+V and Shift+Insert paste alike, letters and all: a paste is not typing.
TEST_F(MainWindowEditingTest, APasteIsNotFilteredLikeTyping) {
  for (const QKeyCombination keys : {Qt::CTRL | Qt::Key_V, Qt::SHIFT | Qt::Key_Insert}) {
    Edit("baseAmountEdit")->clear();
    QApplication::clipboard()->setText("1.234,5 abc");
    Press(keys);
    EXPECT_EQ(Text(Edit("baseAmountEdit")), "1.234,5 abc") << QKeySequence(keys).toString().toStdString();
  }
}

}  // namespace
