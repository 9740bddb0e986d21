// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Focus and buttons by keyboard: the tab order, the accelerators with and
// without Alt, Enter, Space, Escape and the arrow keys on a button.

#include <QSignalSpy>

#include "tests/app/modal_guard.h"
#include "tests/ui/main_window_fixture.h"

namespace {

std::vector<QWidget*> TabCycle(int presses, Qt::Key key = Qt::Key_Tab) {
  std::vector<QWidget*> seen;
  for (int i = 0; i < presses; ++i) {
    QTest::keyClick(QApplication::focusWidget(), key,
                    key == Qt::Key_Backtab ? Qt::ShiftModifier : Qt::NoModifier);
    seen.push_back(QApplication::focusWidget());
  }
  return seen;
}

TEST_F(MainWindowTest, FirstFocusIsTheBaseAmount) { EXPECT_EQ(Focus(), Edit("baseAmountEdit")); }

TEST_F(MainWindowTest, TabOrderSkipsTheDisabledSaveButton) {
  const std::vector<QWidget*> expected = {
      Edit("discountEdit"),    Edit("contractorTotalEdit"), Edit("computedTotalEdit"), Edit("differenceEdit"),
      Edit("discrepancyEdit"), Button("clearButton"),       Button("aboutButton"),     Button("exitButton"),
      Button("verifyButton"),  Edit("baseAmountEdit")};
  EXPECT_EQ(TabCycle(10), expected);
}

TEST_F(MainWindowTest, TabOrderIncludesTheEnabledSaveButton) {
  TypeInputs("1", "2", "3");
  const std::vector<QWidget*> expected = {
      Edit("computedTotalEdit"), Edit("differenceEdit"), Edit("discrepancyEdit"),
      Button("clearButton"),     Button("aboutButton"),  Button("exitButton"),
      Button("saveButton"),      Button("verifyButton"), Edit("baseAmountEdit")};
  EXPECT_EQ(TabCycle(9), expected);
}

TEST_F(MainWindowTest, ShiftTabGoesBackwards) {
  const std::vector<QWidget*> expected = {
      Button("verifyButton"),  Button("exitButton"),   Button("aboutButton"),    Button("clearButton"),
      Edit("discrepancyEdit"), Edit("differenceEdit"), Edit("computedTotalEdit")};
  EXPECT_EQ(TabCycle(7, Qt::Key_Backtab), expected);
}

TEST_F(MainWindowTest, TabSelectsTheWholeTextAndAClickPlacesTheCaret) {
  TypeInputs("1234", "5", "6");
  FocusByTab(Edit("baseAmountEdit"));
  EXPECT_EQ(Edit("baseAmountEdit")->selectedText(), "1234");
  Edit("discountEdit")->setFocus(Qt::MouseFocusReason);
  QTest::mouseClick(Edit("baseAmountEdit"), Qt::LeftButton, Qt::NoModifier, QPoint(4, 10));
  EXPECT_EQ(Focus(), Edit("baseAmountEdit"));
  EXPECT_FALSE(Edit("baseAmountEdit")->hasSelectedText());
}

TEST_F(MainWindowTest, ArrowKeysOnAButtonMoveAlongTheTabOrder) {
  FocusByTab(Button("aboutButton"));
  Key(Qt::Key_Right);
  EXPECT_EQ(Focus(), Button("exitButton"));
  Key(Qt::Key_Up);
  EXPECT_EQ(Focus(), Button("aboutButton"));
  Key(Qt::Key_Left);
  EXPECT_EQ(Focus(), Button("clearButton"));
  Edit("discrepancyEdit")->setText("42");
  Key(Qt::Key_Left);
  EXPECT_EQ(Focus(), Edit("discrepancyEdit"));
  EXPECT_EQ(Edit("discrepancyEdit")->selectedText(), "42") << "reached like Tab: whole text selected";
  Button("exitButton")->setFocus();
  Key(Qt::Key_Down);
  EXPECT_EQ(Focus(), Button("verifyButton")) << "the disabled save button is skipped";
}

TEST_F(MainWindowTest, AltLetterClearsFromAnInputField) {
  TypeInputs("1000", "10", "9");
  Type("r");
  EXPECT_EQ(Text(Edit("contractorTotalEdit")), "9") << "the letter alone goes to the field and is discarded";
  Key(Qt::Key_R, Qt::AltModifier);
  for (QLineEdit* field : {Edit("baseAmountEdit"), Edit("discountEdit"), Edit("contractorTotalEdit"),
                           Edit("computedTotalEdit"), Edit("discrepancyEdit"), Edit("differenceEdit")}) {
    EXPECT_EQ(Text(field), "") << field->objectName().toStdString();
  }
  EXPECT_FALSE(Button("saveButton")->isEnabled());
  EXPECT_EQ(Focus(), Edit("contractorTotalEdit")) << "clearing leaves the focus where it was";
}

struct LetterRow {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

TEST_F(MainWindowTest, LetterAloneOnAButtonClearsInEitherCase) {
  const LetterRow rows[] = {{"r", Qt::Key_R, Qt::NoModifier},
                            {"R", Qt::Key_R, Qt::ShiftModifier},
                            {"Alt+R", Qt::Key_R, Qt::AltModifier}};
  for (const LetterRow& row : rows) {
    TypeInputs("1000", "10", "9");
    FocusByTab(Button("aboutButton"));
    Key(row.key, row.modifiers);
    EXPECT_EQ(Text(Edit("baseAmountEdit")), "") << row.name;
    EXPECT_EQ(Text(Edit("computedTotalEdit")), "") << row.name;
  }
}

TEST_F(MainWindowTest, DisabledSaveIgnoresItsLetter) {
  QSignalSpy clicks(Button("saveButton"), &QPushButton::clicked);
  Key(Qt::Key_S, Qt::AltModifier);
  FocusByTab(Button("clearButton"));
  Type("s");
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(Focus(), Button("clearButton"));
}

TEST_F(MainWindowTest, EnabledSaveTakesItsLetter) {
  TypeInputs("1", "2", "3");
  QSignalSpy clicks(Button("saveButton"), &QPushButton::clicked);
  Key(Qt::Key_S, Qt::AltModifier);
  FocusByTab(Button("clearButton"));
  Type("S");
  EXPECT_EQ(clicks.count(), 2);
  EXPECT_EQ(saveDialog->asked, 2);
}

TEST_F(MainWindowTest, EnterAndSpaceClickOnlyAFocusedButton) {
  TypeInputs("1000", "10", "9");
  Key(Qt::Key_Return);
  Key(Qt::Key_Enter);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(Edit("contractorTotalEdit")), "9") << "no default button";
  FocusByTab(Button("clearButton"));
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(Edit("baseAmountEdit")), "1000") << "no cancel button";
  Key(Qt::Key_Return);
  EXPECT_EQ(Text(Edit("baseAmountEdit")), "");
  TypeInputs("1000", "10", "9");
  FocusByTab(Button("clearButton"));
  Key(Qt::Key_Space);
  EXPECT_EQ(Text(Edit("baseAmountEdit")), "");
}

TEST_F(MainWindowTest, AboutIsShownModallyAndAgain) {
  Type("7");
  const QPoint clearButton = Button("clearButton")->geometry().center();
  for (int round = 0; round < 2; ++round) {
    bool modal = false;
    ExpectModal([&](QWidget& shown) {
      modal = &shown == about.get() && QApplication::activeModalWidget() == about.get();
      // A click on the main window through the window system is blocked.
      QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, clearButton);
      about->close();
    });
    Key(Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(modal) << "round " << round;
    EXPECT_FALSE(about->isVisible());
    EXPECT_TRUE(window->isVisible());
    EXPECT_EQ(Text(Edit("baseAmountEdit")), "7") << "round " << round;
    EXPECT_EQ(KeyTarget(), Edit("baseAmountEdit")) << "round " << round;
  }
  EXPECT_TRUE(errors.box.texts.isEmpty());
  QTest::mouseClick(window->windowHandle(), Qt::LeftButton, Qt::NoModifier, clearButton);
  EXPECT_EQ(Text(Edit("baseAmountEdit")), "") << "the same click clears once the About window is closed";
}

TEST_F(MainWindowTest, AltEClosesTheMainWindow) {
  Key(Qt::Key_E, Qt::AltModifier);
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
