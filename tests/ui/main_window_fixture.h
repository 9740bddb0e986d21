#pragma once
// The main window as the user meets it: the start-up windows built, Form1
// shown and active, a recording error box installed, "," as the separator.
// Keys go to whichever widget has the focus, as a keyboard would send them.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>

#include "calc/decimal_separator.h"
#include "tests/app/recording_error_box.h"
#include "ui/main_startup.h"
#include "ui/main_unit.h"
#include "ui/save_dialog.h"

// The one answering save dialog of the tests: answers with a name, or cancels
// while it has none, and counts the questions.
class AnsweringDialog : public ui::SaveDialog {
 public:
  std::optional<QString> AskFileName(QWidget* /*owner*/) override {
    ++asked;
    return answer;
  }

  std::optional<QString> answer;
  int asked = 0;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calc::SetDecimalSeparator(',');
    auto dialog = std::make_unique<AnsweringDialog>();
    saveDialog = dialog.get();
    ui::CreateStartupWindows(std::move(dialog));
    Form1->show();
    Form1->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(Form1));
  }

  void TearDown() override { ui::DestroyStartupWindows(); }

  static QWidget* Focus() { return QApplication::focusWidget(); }

  // The focused widget, once the window system has delivered a pending
  // reactivation (after an error box, for instance), as a keyboard would.
  static QWidget* KeyTarget() {
    for (int i = 0; i < 100 && Focus() == nullptr; ++i) QTest::qWait(10);
    QWidget* target = Focus();
    EXPECT_NE(target, nullptr) << "no widget has the keyboard focus";
    return target ? target : Form1;
  }

  // Each character as its own key press and release.
  static void Type(const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key) QTest::keyClick(KeyTarget(), *key);
  }

  static void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(KeyTarget(), key, modifiers);
  }

  static void FocusByTab(QWidget* target) {
    for (int i = 0; i < 12 && Focus() != target; ++i) Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), target);
  }

  // Types the three inputs, moving on with Tab, and leaves the focus in Edit3.
  void TypeInputs(const char* base, const char* discount, const char* total) {
    FocusByTab(Form1->Edit1);
    Type(base);
    Key(Qt::Key_Tab);
    Type(discount);
    Key(Qt::Key_Tab);
    Type(total);
  }

  static std::string Text(const QLineEdit* field) { return field->text().toStdString(); }

  ScopedErrorBox errors;
  AnsweringDialog* saveDialog = nullptr;  // Form1's, which owns it
};
