// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

// What a paste brings into the input fields (Shift+Insert and Ctrl+V, as a
// keyboard sends them), and what the result fields show of a long text.

#include <QAccessible>
#include <QClipboard>
#include <QKeySequence>

#include "tests/ui/main_window_fixture.h"

namespace {

struct PasteRow {
  const char* name;
  const char* before;  // the field's text, the caret after its first character
  const char* pasted;
  const char* after;
};

// A spreadsheet cell comes with its line end; a paste keeps the text up to
// its first line break, and the field's own text after the caret stays.
const PasteRow kPastes[] = {
    {"cell with CR LF", "", "1234,56\r\n", "1234,56"}, {"cell with LF", "", "1234,56\n", "1234,56"},
    {"cell with CR", "", "1234,56\r", "1234,56"},      {"two lines", "", "12\n34", "12"},
    {"into the middle", "19", "5\r\n6", "159"},        {"a line end first", "19", "\n5", "19"},
};

TEST_F(MainWindowTest, APasteKeepsTheTextUpToItsFirstLineBreak) {
  FocusByTab(Edit("baseAmountEdit"));
  for (const QKeyCombination keys : {Qt::SHIFT | Qt::Key_Insert, Qt::CTRL | Qt::Key_V}) {
    for (const PasteRow& row : kPastes) {
      Edit("baseAmountEdit")->setText(QString::fromLatin1(row.before));
      Edit("baseAmountEdit")->setCursorPosition(row.before[0] == '\0' ? 0 : 1);
      QApplication::clipboard()->setText(QString::fromLatin1(row.pasted));
      Key(keys.key(), keys.keyboardModifiers());
      EXPECT_EQ(Text(Edit("baseAmountEdit")), row.after)
          << row.name << " by " << QKeySequence(keys).toString().toStdString();
    }
  }
}

TEST_F(MainWindowTest, APastedFigureWithItsLineEndComputes) {
  QApplication::clipboard()->setText("220000\r\n");
  TypeInputs("250000", "12,5", "");
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Text(Edit("contractorTotalEdit")), "220000");
  EXPECT_EQ(Text(Edit("discrepancyEdit")), "0,568181818181818");
  EXPECT_TRUE(errors.box.texts.isEmpty());
}

// The fields have no length limit: 40,000 characters stay whole and are all
// read (a cut at 32,767 would leave only zeros).
TEST_F(MainWindowTest, ALongPasteIsKeptWhole) {
  const QString longAmount = QString(39999, u'0') + u'5';
  QApplication::clipboard()->setText(longAmount);
  FocusByTab(Edit("baseAmountEdit"));
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Edit("baseAmountEdit")->text().size(), 40000);
  Key(Qt::Key_Tab);
  Type("0");
  Key(Qt::Key_Tab);
  Type("5");
  EXPECT_EQ(Text(Edit("computedTotalEdit")), "5");
  EXPECT_TRUE(errors.box.texts.isEmpty());
}

// A result longer than its field shows its start (the minus sign of a
// negative discrepancy, the leading digit of a large figure), and its whole
// text is its tooltip and what assistive technology reads as its description,
// after every change.
TEST_F(MainWindowTest, AResultFieldShowsTheStartAndCarriesTheWholeText) {
  TypeInputs("250000", "12,5", "217500");
  ASSERT_EQ(Text(Edit("discrepancyEdit")), "-0,574712643678161");
  for (int round = 0; round < 2; ++round) {
    for (QLineEdit* result : {Edit("computedTotalEdit"), Edit("discrepancyEdit"), Edit("differenceEdit")}) {
      const std::string name = result->objectName().toStdString();
      EXPECT_EQ(result->cursorPosition(), 0) << name;
      EXPECT_LT(result->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 8) << name;
      EXPECT_EQ(result->toolTip(), result->text()) << name;
      QAccessibleInterface* heard = QAccessible::queryAccessibleInterface(result);
      ASSERT_NE(heard, nullptr);
      EXPECT_EQ(heard->text(QAccessible::Description), result->text()) << name;
    }
    Type("1");  // a second write of every result
    ASSERT_NE(Text(Edit("discrepancyEdit")), "-0,574712643678161");
  }
}

// Ctrl+A Ctrl+C copies a result whole, however little of it shows.
TEST_F(MainWindowTest, AWholeResultCanBeCopied) {
  TypeInputs("250000", "12,5", "217500");
  FocusByTab(Edit("discrepancyEdit"));
  Key(Qt::Key_A, Qt::ControlModifier);
  Key(Qt::Key_C, Qt::ControlModifier);
  EXPECT_EQ(QApplication::clipboard()->text(), "-0,574712643678161");
}

}  // namespace
