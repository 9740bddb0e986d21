// Typing into the input fields: the input filter, the change handling and the
// error box, through real key presses.

#include <QClipboard>
#include <QInputMethodEvent>
#include <QShortcut>
#include <QSignalSpy>
#include <random>

#include "app/title.h"
#include "tests/ui/main_window_fixture.h"

namespace {

TEST_F(MainWindowTest, StopBecomesComma) {
  Type("12.5");
  EXPECT_EQ(Text(Form1->Edit1), "12,5");
}

TEST_F(MainWindowTest, SeveralSeparatorsAreKeptAsTyped) {
  Type("1,2,3");
  EXPECT_EQ(Text(Form1->Edit1), "1,2,3");
}

struct DiscardedKey {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

const DiscardedKey kDiscardedKeys[] = {
    {"letter", Qt::Key_A, Qt::NoModifier},      {"capital letter", Qt::Key_Z, Qt::ShiftModifier},
    {"space", Qt::Key_Space, Qt::NoModifier},   {"minus", Qt::Key_Minus, Qt::NoModifier},
    {"plus", Qt::Key_Plus, Qt::NoModifier},     {"percent", Qt::Key_Percent, Qt::NoModifier},
    {"enter", Qt::Key_Return, Qt::NoModifier},  {"escape", Qt::Key_Escape, Qt::NoModifier},
    {"ctrl+c", Qt::Key_C, Qt::ControlModifier}, {"ctrl+v", Qt::Key_V, Qt::ControlModifier},
    {"ctrl+x", Qt::Key_X, Qt::ControlModifier}, {"ctrl+z", Qt::Key_Z, Qt::ControlModifier},
    {"ctrl+a", Qt::Key_A, Qt::ControlModifier},
};

TEST_F(MainWindowTest, FilterDiscardsEverythingElseSilently) {
  QApplication::clipboard()->setText("999");
  Type("12");
  Form1->Edit1->setSelection(1, 1);  // a selection that cut or paste would replace
  for (const DiscardedKey& row : kDiscardedKeys) {
    Key(row.key, row.modifiers);
    EXPECT_EQ(Text(Form1->Edit1), "12") << row.name;
    EXPECT_EQ(Focus(), Form1->Edit1) << row.name;
  }
  EXPECT_EQ(QApplication::clipboard()->text(), "999") << "nothing was copied or cut";
  EXPECT_TRUE(errors.box.texts.isEmpty());
}

TEST_F(MainWindowTest, ControlKeysReachNoShortcutFromAnInputField) {
  QShortcut shortcut(QKeySequence(Qt::CTRL | Qt::Key_R), Form1);
  QSignalSpy activated(&shortcut, &QShortcut::activated);
  Type("5");
  Key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(activated.count(), 0);
  EXPECT_EQ(Text(Form1->Edit1), "5");
  FocusByTab(Form1->Button1);
  Key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(activated.count(), 1) << "outside the input fields the shortcut works";
}

// Seeded random typing over printable ASCII and backspace: the field ends as
// the filter's model says (digits and "," kept, "." as ",", backspace deletes
// the last character, everything else discarded); with Edit2 and Edit3
// empty nothing is computed, so no error box appears.
TEST_F(MainWindowTest, RandomTypingFollowsTheFilterModel) {
  std::mt19937 random(20261208);
  std::uniform_int_distribution<int> character(0x1F, 0x7E);  // 0x1F stands for backspace
  std::string model;
  for (int i = 0; i < 400; ++i) {
    const int code = character(random);
    const char key = code == 0x1F ? '\b' : static_cast<char>(code);
    QTest::keyClick(KeyTarget(), key);
    if (key == '\b') {
      if (!model.empty()) model.pop_back();
    } else if ((key >= '0' && key <= '9') || key == ',' || key == '.') {
      model += key == '.' ? ',' : key;
    }
    ASSERT_EQ(Text(Form1->Edit1), model) << "after key " << code << " (step " << i << ")";
  }
  EXPECT_TRUE(errors.box.texts.isEmpty());
}

TEST_F(MainWindowTest, AccentedCharacterIsDiscarded) {
  Type("4");
  QTest::sendKeyEvent(QTest::Click, Focus(), Qt::Key_Egrave, QString::fromUtf8("è"), Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Click, Focus(), Qt::Key_unknown, QString::fromUtf8("€"), Qt::NoModifier);
  EXPECT_EQ(Text(Form1->Edit1), "4");
}

TEST_F(MainWindowTest, ComposedCharactersPassTheFilterToo) {
  Type("4");
  QInputMethodEvent composed;
  composed.setCommitString(QString::fromUtf8("è.7x"));
  QCoreApplication::sendEvent(Focus(), &composed);
  EXPECT_EQ(Text(Form1->Edit1), "4,7");
}

TEST_F(MainWindowTest, EditingKeysKeepTheirEffect) {
  Type("1234");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(Form1->Edit1), "123");
  Key(Qt::Key_Home);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Text(Form1->Edit1), "23");
  Key(Qt::Key_Right);
  Type(".");
  EXPECT_EQ(Text(Form1->Edit1), "2,3");
}

TEST_F(MainWindowTest, ShiftInsertPastesUnfiltered) {
  QApplication::clipboard()->setText("abc");
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Text(Form1->Edit1), "abc");
}

TEST_F(MainWindowTest, PastedTextWithoutDigitsIsAConversionError) {
  TypeInputs("1000", "10", "9");
  ASSERT_EQ(Text(Form1->Edit4), "900");
  QApplication::clipboard()->setText("xy");
  FocusByTab(Form1->Edit2);
  Key(Qt::Key_Insert, Qt::ShiftModifier);  // replaces the selected "10"
  EXPECT_EQ(Text(Form1->Edit2), "xy");
  ASSERT_EQ(errors.box.texts.size(), 1);
  EXPECT_TRUE(errors.box.texts[0].endsWith("is not a valid floating point value."))
      << errors.box.texts[0].toStdString();
  EXPECT_TRUE(Form1->Button4->isEnabled());
  EXPECT_EQ(Text(Form1->Edit4), "900") << "results keep the last successful run";
}

TEST_F(MainWindowTest, ResultFieldsCanBeCopied) {
  TypeInputs("1000", "10", "9");
  FocusByTab(Form1->Edit4);
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "900");
}

struct WorkedExample {
  const char* base;
  const char* discount;
  const char* total;
  const char* computed;    // Edit4
  const char* difference;  // Edit6
  const char* percentage;  // Edit5
};

const WorkedExample kWorkedExamples[] = {
    {"1000", "10", "9", "900", "-891", "-9900"},
    {"250000", "12.5", "220000", "218750", "1250", "0,568181818181818"},
    {"2767605", "97", "5738745", "83028,1500000001", "5655716,85", "98,5532002206057"},
    {"1017865", "94", "5194350", "61071,9000000001", "5133278,1", "98,8242629010367"},
};

TEST_F(MainWindowTest, WorkedExamplesTypedKeyByKey) {
  for (const WorkedExample& row : kWorkedExamples) {
    Form1->Button1->click();
    TypeInputs(row.base, row.discount, row.total);
    EXPECT_EQ(Text(Form1->Edit4), row.computed) << row.base;
    EXPECT_EQ(Text(Form1->Edit6), row.difference) << row.base;
    EXPECT_EQ(Text(Form1->Edit5), row.percentage) << row.base;
    EXPECT_TRUE(Form1->Button4->isEnabled()) << row.base;
  }
  EXPECT_TRUE(errors.box.texts.isEmpty()) << errors.box.texts.join('|').toStdString();
}

TEST_F(MainWindowTest, ZeroCommaFiveBringsTwoErrorsThenAResult) {
  TypeInputs("1000", "10", "");
  ASSERT_EQ(Focus(), Form1->Edit3);
  EXPECT_FALSE(Form1->Button4->isEnabled());

  Type("0");
  EXPECT_EQ(errors.box.texts, QStringList{"Floating point division by zero."});
  EXPECT_TRUE(Form1->Button4->isEnabled());
  EXPECT_EQ(Text(Form1->Edit4), "");
  Type(",");
  EXPECT_EQ(errors.box.texts.size(), 2);
  EXPECT_EQ(errors.box.texts.value(1).toStdString(), "Floating point division by zero.");
  EXPECT_EQ(errors.box.titles.value(1), app::ApplicationTitle());
  Type("5");
  EXPECT_EQ(errors.box.texts.size(), 2);
  EXPECT_EQ(Text(Form1->Edit3), "0,5");
  EXPECT_EQ(Text(Form1->Edit4), "900");
  EXPECT_EQ(Text(Form1->Edit6), "-899,5");
  EXPECT_EQ(Text(Form1->Edit5), "-179900");
}

TEST_F(MainWindowTest, EmptyingAnInputDisablesSaveAndKeepsResults) {
  TypeInputs("1000", "10", "9");
  ASSERT_TRUE(Form1->Button4->isEnabled());
  Key(Qt::Key_Backspace);
  EXPECT_FALSE(Form1->Button4->isEnabled());
  EXPECT_EQ(Text(Form1->Edit4), "900");
  EXPECT_EQ(Text(Form1->Edit6), "-891");
  EXPECT_EQ(Text(Form1->Edit5), "-9900");
}

TEST_F(MainWindowTest, UnchangedResultIsNotRewritten) {
  TypeInputs("1000", "10", "9");
  // A separator added to the discount changes no result text.
  FocusByTab(Form1->Edit2);
  Form1->Edit4->setCursorPosition(1);
  Key(Qt::Key_End);
  Type(",");
  EXPECT_EQ(Text(Form1->Edit4), "900");
  EXPECT_EQ(Form1->Edit4->cursorPosition(), 1) << "an untouched field keeps its caret";
}

}  // namespace
