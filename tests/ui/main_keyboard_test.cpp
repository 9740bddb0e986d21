// Focus and buttons by keyboard: the tab order, the accelerators with and
// without Alt, Enter, Space, Escape and the arrow keys on a button.

#include <QSignalSpy>

#include "tests/app/modal_guard.h"
#include "tests/ui/main_window_fixture.h"
#include "ui/calmora_about_unit.h"

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

TEST_F(MainWindowTest, FirstFocusIsEdit1) { EXPECT_EQ(Focus(), Form1->Edit1); }

TEST_F(MainWindowTest, TabOrderSkipsTheDisabledSaveButton) {
  const std::vector<QWidget*> expected = {Form1->Edit2,   Form1->Edit3,   Form1->Edit4,
                                          Form1->Edit6,   Form1->Edit5,   Form1->Button1,
                                          Form1->Button2, Form1->Button3, Form1->Edit1};
  EXPECT_EQ(TabCycle(9), expected);
}

TEST_F(MainWindowTest, TabOrderIncludesTheEnabledSaveButton) {
  TypeInputs("1", "2", "3");
  const std::vector<QWidget*> expected = {Form1->Edit4,   Form1->Edit6,   Form1->Edit5,   Form1->Button1,
                                          Form1->Button2, Form1->Button3, Form1->Button4, Form1->Edit1};
  EXPECT_EQ(TabCycle(8), expected);
}

TEST_F(MainWindowTest, ShiftTabGoesBackwards) {
  const std::vector<QWidget*> expected = {Form1->Button3, Form1->Button2, Form1->Button1,
                                          Form1->Edit5,   Form1->Edit6,   Form1->Edit4};
  EXPECT_EQ(TabCycle(6, Qt::Key_Backtab), expected);
}

TEST_F(MainWindowTest, TabSelectsTheWholeTextAndAClickPlacesTheCaret) {
  TypeInputs("1234", "5", "6");
  FocusByTab(Form1->Edit1);
  EXPECT_EQ(Form1->Edit1->selectedText(), "1234");
  Form1->Edit2->setFocus(Qt::MouseFocusReason);
  QTest::mouseClick(Form1->Edit1, Qt::LeftButton, Qt::NoModifier, QPoint(4, 10));
  EXPECT_EQ(Focus(), Form1->Edit1);
  EXPECT_FALSE(Form1->Edit1->hasSelectedText());
}

TEST_F(MainWindowTest, ArrowKeysOnAButtonMoveAlongTheTabOrder) {
  FocusByTab(Form1->Button2);
  Key(Qt::Key_Right);
  EXPECT_EQ(Focus(), Form1->Button3);
  Key(Qt::Key_Up);
  EXPECT_EQ(Focus(), Form1->Button2);
  Key(Qt::Key_Left);
  EXPECT_EQ(Focus(), Form1->Button1);
  Form1->Edit5->setText("42");
  Key(Qt::Key_Left);
  EXPECT_EQ(Focus(), Form1->Edit5);
  EXPECT_EQ(Form1->Edit5->selectedText(), "42") << "reached like Tab: whole text selected";
  Form1->Button3->setFocus();
  Key(Qt::Key_Down);
  EXPECT_EQ(Focus(), Form1->Edit1) << "Button4 is disabled and skipped";
}

TEST_F(MainWindowTest, AltLetterClearsFromAnInputField) {
  TypeInputs("1000", "10", "9");
  Type("r");
  EXPECT_EQ(Text(Form1->Edit3), "9") << "the letter alone goes to the field and is discarded";
  Key(Qt::Key_R, Qt::AltModifier);
  for (QLineEdit* field :
       {Form1->Edit1, Form1->Edit2, Form1->Edit3, Form1->Edit4, Form1->Edit5, Form1->Edit6}) {
    EXPECT_EQ(Text(field), "") << field->objectName().toStdString();
  }
  EXPECT_FALSE(Form1->Button4->isEnabled());
  EXPECT_EQ(Focus(), Form1->Edit3) << "clearing leaves the focus where it was";
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
    FocusByTab(Form1->Button2);
    Key(row.key, row.modifiers);
    EXPECT_EQ(Text(Form1->Edit1), "") << row.name;
    EXPECT_EQ(Text(Form1->Edit4), "") << row.name;
  }
}

TEST_F(MainWindowTest, DisabledSaveIgnoresItsLetter) {
  QSignalSpy clicks(Form1->Button4, &QPushButton::clicked);
  Key(Qt::Key_S, Qt::AltModifier);
  FocusByTab(Form1->Button1);
  Type("s");
  EXPECT_EQ(clicks.count(), 0);
  EXPECT_EQ(Focus(), Form1->Button1);
}

TEST_F(MainWindowTest, EnabledSaveTakesItsLetter) {
  TypeInputs("1", "2", "3");
  QSignalSpy clicks(Form1->Button4, &QPushButton::clicked);
  Key(Qt::Key_S, Qt::AltModifier);
  FocusByTab(Form1->Button1);
  Type("S");
  EXPECT_EQ(clicks.count(), 2);
  EXPECT_EQ(saveDialog->asked, 2);
}

TEST_F(MainWindowTest, EnterAndSpaceClickOnlyAFocusedButton) {
  TypeInputs("1000", "10", "9");
  Key(Qt::Key_Return);
  Key(Qt::Key_Enter);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(Form1->Edit3), "9") << "no default button";
  FocusByTab(Form1->Button1);
  Key(Qt::Key_Escape);
  EXPECT_EQ(Text(Form1->Edit1), "1000") << "no cancel button";
  Key(Qt::Key_Return);
  EXPECT_EQ(Text(Form1->Edit1), "");
  TypeInputs("1000", "10", "9");
  FocusByTab(Form1->Button1);
  Key(Qt::Key_Space);
  EXPECT_EQ(Text(Form1->Edit1), "");
}

TEST_F(MainWindowTest, AboutIsShownModallyAndAgain) {
  Type("7");
  const QPoint clearButton = Form1->Button1->geometry().center();
  for (int round = 0; round < 2; ++round) {
    bool modal = false;
    ExpectModal([&](QWidget& shown) {
      modal = &shown == CalmoraAboutForm && QApplication::activeModalWidget() == CalmoraAboutForm;
      // A click on the main window through the window system is blocked.
      QTest::mouseClick(Form1->windowHandle(), Qt::LeftButton, Qt::NoModifier, clearButton);
      CalmoraAboutForm->close();
    });
    Key(Qt::Key_A, Qt::AltModifier);
    EXPECT_TRUE(modal) << "round " << round;
    EXPECT_FALSE(CalmoraAboutForm->isVisible());
    EXPECT_TRUE(Form1->isVisible());
    EXPECT_EQ(Text(Form1->Edit1), "7") << "round " << round;
    EXPECT_EQ(KeyTarget(), Form1->Edit1) << "round " << round;
  }
  EXPECT_TRUE(errors.box.texts.isEmpty());
  QTest::mouseClick(Form1->windowHandle(), Qt::LeftButton, Qt::NoModifier, clearButton);
  EXPECT_EQ(Text(Form1->Edit1), "") << "the same click clears once the About window is closed";
}

TEST_F(MainWindowTest, AltEClosesTheMainWindow) {
  Key(Qt::Key_E, Qt::AltModifier);
  EXPECT_FALSE(Form1->isVisible());
}

}  // namespace
