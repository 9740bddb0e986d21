// What a paste brings into the input fields (Shift+Insert, as a keyboard
// sends it), and what the result fields show of a long text.

#include <QClipboard>

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
  FocusByTab(Form1->Edit1);
  for (const PasteRow& row : kPastes) {
    Form1->Edit1->setText(QString::fromLatin1(row.before));
    Form1->Edit1->setCursorPosition(row.before[0] == '\0' ? 0 : 1);
    QApplication::clipboard()->setText(QString::fromLatin1(row.pasted));
    Key(Qt::Key_Insert, Qt::ShiftModifier);
    EXPECT_EQ(Text(Form1->Edit1), row.after) << row.name;
  }
}

TEST_F(MainWindowTest, APastedFigureWithItsLineEndComputes) {
  QApplication::clipboard()->setText("220000\r\n");
  TypeInputs("250000", "12,5", "");
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Text(Form1->Edit3), "220000");
  EXPECT_EQ(Text(Form1->Edit5), "0,568181818181818");
  EXPECT_TRUE(errors.box.texts.isEmpty());
}

// The fields have no length limit: 40,000 characters stay whole and are all
// read (a cut at 32,767 would leave only zeros).
TEST_F(MainWindowTest, ALongPasteIsKeptWhole) {
  const QString longAmount = QString(39999, u'0') + u'5';
  QApplication::clipboard()->setText(longAmount);
  FocusByTab(Form1->Edit1);
  Key(Qt::Key_Insert, Qt::ShiftModifier);
  EXPECT_EQ(Form1->Edit1->text().size(), 40000);
  Key(Qt::Key_Tab);
  Type("0");
  Key(Qt::Key_Tab);
  Type("5");
  EXPECT_EQ(Text(Form1->Edit4), "5");
  EXPECT_TRUE(errors.box.texts.isEmpty());
}

// A result longer than its field shows its start: the minus sign of a
// negative discrepancy, the leading digit of a large figure.
TEST_F(MainWindowTest, AResultFieldShowsTheStartOfItsText) {
  TypeInputs("250000", "12,5", "217500");
  ASSERT_EQ(Text(Form1->Edit5), "-0,574712643678161");
  for (QLineEdit* result : {Form1->Edit4, Form1->Edit5, Form1->Edit6}) {
    EXPECT_EQ(result->cursorPosition(), 0) << result->objectName().toStdString();
    EXPECT_LT(result->inputMethodQuery(Qt::ImCursorRectangle).toRect().left(), 8)
        << result->objectName().toStdString();
  }
  Type("1");  // a second write of every result
  EXPECT_EQ(Form1->Edit5->cursorPosition(), 0);
}

}  // namespace
