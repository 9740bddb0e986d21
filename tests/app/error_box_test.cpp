// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/error_box.h"

#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QClipboard>
#include <QMessageBox>
#include <QPixmap>
#include <QPixmapCache>
#include <QPlainTextEdit>
#include <QScreen>
#include <QScrollBar>
#include <QTest>

#include "tests/app/modal_guard.h"

namespace {

// The conversion error for a pasted amount of this many digits.
QString ConversionError(int digits) {
  QString amount(digits, u'7');
  return QStringLiteral("'%1' is not a valid floating point value.").arg(amount);
}

// What the test saw of the box while it was open.
struct Seen {
  QString text;
  QString reported;
  QRect frame;
  QRect available;
  QRect box;
  QRect okInBox;
  bool okVisible = false;
  bool scrolls = false;
  int hiddenLines = 0;
};

Seen Look(QWidget& modal) {
  Seen seen;
  auto* box = qobject_cast<QMessageBox*>(&modal);
  auto* message = modal.findChild<QPlainTextEdit*>();
  if (box == nullptr || message == nullptr) {
    ADD_FAILURE() << "not a message box with a text area";
    return seen;
  }
  QAbstractButton* ok = box->button(QMessageBox::Ok);
  seen.text = message->toPlainText();
  seen.reported = box->text();
  seen.frame = modal.frameGeometry();
  seen.available = modal.screen()->availableGeometry();
  seen.box = modal.rect();
  seen.okInBox = QRect(ok->mapTo(&modal, QPoint(0, 0)), ok->size());
  seen.okVisible = ok->isVisible();
  seen.scrolls = message->verticalScrollBar()->isVisible();
  seen.hiddenLines = message->verticalScrollBar()->maximum();
  return seen;
}

// Shows the box with the message and looks at it before a click on OK
// closes it.
Seen ShowAndLook(const QString& text) {
  Seen seen;
  ExpectModal([&](QWidget& modal) {
    seen = Look(modal);
    if (auto* box = qobject_cast<QMessageBox*>(&modal)) {
      QTest::mouseClick(box->button(QMessageBox::Ok), Qt::LeftButton);
    }
  });
  app::MessageErrorBox().Show(QStringLiteral("Titolo"), text);
  EXPECT_FALSE(ModalStillExpected());
  return seen;
}

struct MessageRow {
  const char* name;
  QString text;
  bool scrolls;
};

const MessageRow kMessages[] = {
    {"short", QStringLiteral("Floating point division by zero."), false},
    {"wrapped at spaces",
     QStringLiteral("A longer message wraps at its spaces into a few lines, all of them shown at once, "
                    "without a scroll bar, the way a message box has always shown a sentence or two."),
     false},
    {"line breaks", QStringLiteral("First line\nSecond line\n\nFourth line."), false},
    {"short run without spaces", ConversionError(300), false},
    {"pasted amount of 100,000 digits", ConversionError(100000), true},
};

TEST(MessageErrorBox, FitsTheScreenWithOkInReachAndTheWholeText) {
  for (const MessageRow& row : kMessages) {
    SCOPED_TRACE(row.name);
    const Seen seen = ShowAndLook(row.text);
    EXPECT_EQ(seen.text, row.text);
    EXPECT_EQ(seen.reported, row.text);
    EXPECT_TRUE(seen.available.contains(seen.frame))
        << "frame " << seen.frame.width() << "x" << seen.frame.height();
    EXPECT_TRUE(seen.okVisible);
    EXPECT_TRUE(seen.box.contains(seen.okInBox));
    EXPECT_EQ(seen.scrolls, row.scrolls);
    if (!row.scrolls) {
      EXPECT_EQ(seen.hiddenLines, 0) << "every line of a text that fits is shown";
    }
  }
}

TEST(MessageErrorBox, ShortMessageKeepsTheBoxCompact) {
  const Seen seen = ShowAndLook(QStringLiteral("Floating point overflow."));
  EXPECT_LT(seen.box.width(), seen.available.width() / 2);
  EXPECT_LT(seen.box.height(), seen.available.height() / 4);
}

// Select all and copy, typed in the text, give the whole message.
TEST(MessageErrorBox, CopiesTheWholeLongMessage) {
  const QString text = ConversionError(100000);
  QApplication::clipboard()->clear();
  ExpectModal([](QWidget& modal) {
    auto* message = modal.findChild<QPlainTextEdit*>();
    ASSERT_NE(message, nullptr);
    QTest::mouseClick(message->viewport(), Qt::LeftButton, {}, QPoint(10, 10));
    QTest::keyClick(message, Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(message, Qt::Key_C, Qt::ControlModifier);
    QTest::keyClick(message, Qt::Key_Escape);
  });
  app::MessageErrorBox().Show(QStringLiteral("Titolo"), text);
  EXPECT_FALSE(ModalStillExpected());
  EXPECT_EQ(QApplication::clipboard()->text(), text);
}

struct KeyRow {
  const char* name;
  Qt::Key key;
  bool inText;  // typed with the focus in the message rather than on OK
};

const KeyRow kClosingKeys[] = {
    {"Enter on OK", Qt::Key_Return, false},       {"Space on OK", Qt::Key_Space, false},
    {"Escape on OK", Qt::Key_Escape, false},      {"Enter in the text", Qt::Key_Return, true},
    {"Escape in the text", Qt::Key_Escape, true},
};

TEST(MessageErrorBox, KeysCloseIt) {
  for (const KeyRow& row : kClosingKeys) {
    SCOPED_TRACE(row.name);
    bool okHadFocus = false;
    bool closedByKey = false;
    ExpectModal([&](QWidget& modal) {
      ASSERT_TRUE(QTest::qWaitForWindowActive(&modal));
      auto* box = qobject_cast<QMessageBox*>(&modal);
      auto* message = modal.findChild<QPlainTextEdit*>();
      ASSERT_TRUE(box != nullptr && message != nullptr);
      okHadFocus = box->button(QMessageBox::Ok)->hasFocus();
      if (row.inText) QTest::mouseClick(message->viewport(), Qt::LeftButton, {}, QPoint(5, 5));
      QTest::keyClick(QApplication::focusWidget(), row.key);
      closedByKey = !modal.isVisible();
    });
    app::MessageErrorBox().Show(QStringLiteral("Titolo"), ConversionError(100000));
    EXPECT_FALSE(ModalStillExpected());
    EXPECT_TRUE(okHadFocus) << "OK has the focus when the box opens";
    EXPECT_TRUE(closedByKey);
  }
}

// The box's icon is made afresh for each box, so what the toolkit cached of
// it can never be drawn again; the cache is emptied when the box is gone.
TEST(MessageErrorBox, LeavesNoCachedPixmapBehind) {
  const QString probe = QStringLiteral("cached before the box");
  QPixmapCache::insert(probe, QPixmap(16, 16));
  ShowAndLook(QStringLiteral("Floating point division by zero."));
  QPixmap found;
  EXPECT_FALSE(QPixmapCache::find(probe, &found));
}

}  // namespace
