// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// Typing into the input fields: the input filter, the change handling and the
// error box, through real key presses.

#include <QClipboard>
#include <QInputMethodEvent>
#include <QShortcut>
#include <QSignalSpy>
#include <random>

#include "app/title.h"
#include "form/typed_character.h"
#include "tests/ui/main_window_fixture.h"

namespace {

// The rule itself is the form's (tests/form/typed_character_test.cpp); these
// check that key presses reach it with the separator of the moment.
TEST_F(MainWindowTest, ATypedPointBecomesTheCurrentSeparator) {
  const struct {
    char separator;
    const char* shown;
  } rows[] = {{',', "12,5"}, {'.', "12.5"}};
  for (const auto& row : rows) {
    calc::SetDecimalSeparator(row.separator);
    Edit("baseAmountEdit")->clear();
    Type("12.5");
    EXPECT_EQ(Text(Edit("baseAmountEdit")), row.shown) << row.separator;
  }
}

struct DiscardedKey {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
};

// A typed character, a key that types a control character, and Ctrl with a
// letter that is no editing command.
const DiscardedKey kDiscardedKeys[] = {
    {"letter", Qt::Key_A, Qt::NoModifier},
    {"enter", Qt::Key_Return, Qt::NoModifier},
    {"ctrl+r", Qt::Key_R, Qt::ControlModifier},
};

TEST_F(MainWindowTest, DiscardedKeysLeaveTheFieldAsItWas) {
  Type("12");
  Edit("baseAmountEdit")->setSelection(1, 1);  // a selection that typing would replace
  for (const DiscardedKey& row : kDiscardedKeys) {
    Key(row.key, row.modifiers);
    EXPECT_EQ(Text(Edit("baseAmountEdit")), "12") << row.name;
    EXPECT_EQ(Edit("baseAmountEdit")->selectedText(), "2") << row.name;
    EXPECT_EQ(Focus(), Edit("baseAmountEdit")) << row.name;
  }
  EXPECT_TRUE(errors.box.texts.isEmpty());
}

TEST_F(MainWindowTest, ControlKeysReachNoShortcutFromAnInputField) {
  QShortcut shortcut(QKeySequence(Qt::CTRL | Qt::Key_R), window.get());
  QSignalSpy activated(&shortcut, &QShortcut::activated);
  Type("5");
  Key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(activated.count(), 0);
  EXPECT_EQ(Text(Edit("baseAmountEdit")), "5");
  FocusByTab(Button("clearButton"));
  Key(Qt::Key_R, Qt::ControlModifier);
  EXPECT_EQ(activated.count(), 1) << "outside the input fields the shortcut works";
}

// Seeded random typing over printable ASCII and backspace: the field holds
// what the form's rule keeps of each key, backspace deleting the last
// character; with the discount and the contractor's total empty nothing is
// computed, so no error box appears.
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
    } else {
      model += form::KeptTypedText(std::string(1, key), ',', form::TypingRule::PointIsSeparator);
    }
    ASSERT_EQ(Text(Edit("baseAmountEdit")), model) << "after key " << code << " (step " << i << ")";
  }
  EXPECT_TRUE(errors.box.texts.isEmpty());
}

TEST_F(MainWindowTest, AccentedCharacterIsDiscarded) {
  Type("4");
  QTest::sendKeyEvent(QTest::Click, Focus(), Qt::Key_Egrave, QString::fromUtf8("è"), Qt::NoModifier);
  QTest::sendKeyEvent(QTest::Click, Focus(), Qt::Key_unknown, QString::fromUtf8("€"), Qt::NoModifier);
  EXPECT_EQ(Text(Edit("baseAmountEdit")), "4");
}

TEST_F(MainWindowTest, ComposedCharactersPassTheFilterToo) {
  Type("4");
  QInputMethodEvent composed;
  composed.setCommitString(QString::fromUtf8("è.7x"));
  QCoreApplication::sendEvent(Focus(), &composed);
  EXPECT_EQ(Text(Edit("baseAmountEdit")), "4,7");
}

TEST_F(MainWindowTest, EditingKeysKeepTheirEffect) {
  Type("1234");
  Key(Qt::Key_Backspace);
  EXPECT_EQ(Text(Edit("baseAmountEdit")), "123");
  Key(Qt::Key_Home);
  Key(Qt::Key_Delete);
  EXPECT_EQ(Text(Edit("baseAmountEdit")), "23");
  Key(Qt::Key_Right);
  Type(".");
  EXPECT_EQ(Text(Edit("baseAmountEdit")), "2,3");
}

TEST_F(MainWindowTest, PastedTextWithoutDigitsIsAConversionError) {
  TypeInputs("1000", "10", "9");
  ASSERT_EQ(Text(Edit("computedTotalEdit")), "900");
  QApplication::clipboard()->setText("xy");
  FocusByTab(Edit("discountEdit"));
  Key(Qt::Key_Insert, Qt::ShiftModifier);  // replaces the selected "10"
  EXPECT_EQ(Text(Edit("discountEdit")), "xy");
  ASSERT_EQ(errors.box.texts.size(), 1);
  EXPECT_TRUE(errors.box.texts[0].endsWith("is not a valid floating point value."))
      << errors.box.texts[0].toStdString();
  EXPECT_FALSE(Button("saveButton")->isEnabled()) << "the results shown belong to other inputs";
  EXPECT_EQ(Text(Edit("computedTotalEdit")), "900") << "results keep the last successful run";
}

struct WorkedExample {
  const char* base;
  const char* discount;
  const char* total;
  const char* computed;
  const char* difference;
  const char* discrepancy;
};

const WorkedExample kWorkedExamples[] = {
    {"1000", "10", "9", "900", "-891", "-9900"},
    {"250000", "12.5", "220000", "218750", "1250", "0,568181818181818"},
    {"2767605", "97", "5738745", "83028,1500000001", "5655716,85", "98,5532002206057"},
    {"1017865", "94", "5194350", "61071,9000000001", "5133278,1", "98,8242629010367"},
};

TEST_F(MainWindowTest, WorkedExamplesTypedKeyByKey) {
  for (const WorkedExample& row : kWorkedExamples) {
    Click("clearButton");
    TypeInputs(row.base, row.discount, row.total);
    EXPECT_EQ(Text(Edit("computedTotalEdit")), row.computed) << row.base;
    EXPECT_EQ(Text(Edit("differenceEdit")), row.difference) << row.base;
    EXPECT_EQ(Text(Edit("discrepancyEdit")), row.discrepancy) << row.base;
    EXPECT_TRUE(Button("saveButton")->isEnabled()) << row.base;
  }
  EXPECT_TRUE(errors.box.texts.isEmpty()) << errors.box.texts.join('|').toStdString();
}

TEST_F(MainWindowTest, ZeroCommaFiveBringsTwoErrorsThenAResult) {
  TypeInputs("1000", "10", "");
  ASSERT_EQ(Focus(), Edit("contractorTotalEdit"));
  EXPECT_FALSE(Button("saveButton")->isEnabled());

  Type("0");
  EXPECT_EQ(errors.box.texts, QStringList{"Floating point division by zero."});
  EXPECT_FALSE(Button("saveButton")->isEnabled());
  EXPECT_EQ(Text(Edit("computedTotalEdit")), "");
  Type(",");
  EXPECT_EQ(errors.box.texts.size(), 2);
  EXPECT_EQ(errors.box.texts.value(1).toStdString(), "Floating point division by zero.");
  EXPECT_EQ(errors.box.titles.value(1), app::ApplicationTitle());
  Type("5");
  EXPECT_EQ(errors.box.texts.size(), 2);
  EXPECT_EQ(Text(Edit("contractorTotalEdit")), "0,5");
  EXPECT_EQ(Text(Edit("computedTotalEdit")), "900");
  EXPECT_EQ(Text(Edit("differenceEdit")), "-899,5");
  EXPECT_EQ(Text(Edit("discrepancyEdit")), "-179900");
  EXPECT_TRUE(Button("saveButton")->isEnabled());
}

TEST_F(MainWindowTest, EmptyingAnInputDisablesSaveAndKeepsResults) {
  TypeInputs("1000", "10", "9");
  ASSERT_TRUE(Button("saveButton")->isEnabled());
  Key(Qt::Key_Backspace);
  EXPECT_FALSE(Button("saveButton")->isEnabled());
  EXPECT_EQ(Text(Edit("computedTotalEdit")), "900");
  EXPECT_EQ(Text(Edit("differenceEdit")), "-891");
  EXPECT_EQ(Text(Edit("discrepancyEdit")), "-9900");
}

TEST_F(MainWindowTest, UnchangedResultIsNotRewritten) {
  TypeInputs("1000", "10", "9");
  // A separator added to the discount changes no result text.
  FocusByTab(Edit("discountEdit"));
  Edit("computedTotalEdit")->setCursorPosition(1);
  Key(Qt::Key_End);
  Type(",");
  EXPECT_EQ(Text(Edit("computedTotalEdit")), "900");
  EXPECT_EQ(Edit("computedTotalEdit")->cursorPosition(), 1) << "an untouched field keeps its caret";
}

}  // namespace
