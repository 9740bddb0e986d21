// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The main window as the user meets it: built over its About window, shown
// and active, a recording error box installed, "," as the separator.
// Keys go to whichever widget has the focus, as a keyboard would send them;
// widgets are found by their objectName.

#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTest>
#include <optional>
#include <string>
#include <string_view>

#include "calc/decimal_separator.h"
#include "tests/app/recording_error_box.h"
#include "ui/about_window.h"
#include "ui/main_window.h"
#include "ui/save_dialog.h"

// The one answering save dialog of the tests: answers with a name, or cancels
// while it has none, and counts the questions and keeps the last name proposed.
class AnsweringDialog : public ui::SaveDialog {
 public:
  std::optional<QString> askFileName(QWidget* /*owner*/, std::string_view proposedName) override {
    ++asked;
    proposed = proposedName;
    return answer;
  }

  std::optional<QString> answer;
  int asked = 0;
  std::string proposed;
};

class MainWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    calc::SetDecimalSeparator(',');
    auto dialog = std::make_unique<AnsweringDialog>();
    saveDialog = dialog.get();
    about = MakeAboutWindow();
    window =
        std::make_unique<ui::MainWindow>([this]() -> ui::AboutWindow& { return *about; }, std::move(dialog));
    window->show();
    window->activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
  }

  void TearDown() override {
    window.reset();
    about.reset();
  }

  // The About window that "&About" shows: the program's own.
  virtual std::unique_ptr<ui::AboutWindow> MakeAboutWindow() { return std::make_unique<ui::AboutWindow>(); }

  static QWidget* Focus() { return QApplication::focusWidget(); }

  // The window's widget of that objectName, as the window's layout names it.
  template <typename Widget = QWidget>
  Widget* Find(const char* name) const {
    auto* widget = window->findChild<Widget*>(QString::fromLatin1(name));
    EXPECT_NE(widget, nullptr) << "no widget named " << name;
    return widget;
  }
  QLineEdit* Edit(const char* name) const { return Find<QLineEdit>(name); }
  QPushButton* Button(const char* name) const { return Find<QPushButton>(name); }
  QLabel* Label(const char* name) const { return Find<QLabel>(name); }
  void Click(const char* button) const { QTest::mouseClick(Button(button), Qt::LeftButton); }

  // The focused widget, once the window system has delivered a pending
  // reactivation (after an error box, for instance), as a keyboard would.
  QWidget* KeyTarget() const {
    for (int i = 0; i < 100 && Focus() == nullptr; ++i) QTest::qWait(10);
    QWidget* target = Focus();
    EXPECT_NE(target, nullptr) << "no widget has the keyboard focus";
    return target ? target : window.get();
  }

  // Each character as its own key press and release.
  void Type(const char* keys) {
    for (const char* key = keys; *key != '\0'; ++key) QTest::keyClick(KeyTarget(), *key);
  }

  void Key(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QTest::keyClick(KeyTarget(), key, modifiers);
  }

  void FocusByTab(QWidget* target) {
    for (int i = 0; i < 12 && Focus() != target; ++i) Key(Qt::Key_Tab);
    ASSERT_EQ(Focus(), target);
  }

  // Types the three inputs, moving on with Tab, and leaves the focus in the contractor's total.
  void TypeInputs(const char* base, const char* discount, const char* total) {
    FocusByTab(Edit("baseAmountEdit"));
    Type(base);
    Key(Qt::Key_Tab);
    Type(discount);
    Key(Qt::Key_Tab);
    Type(total);
  }

  static std::string Text(const QLineEdit* field) { return field->text().toStdString(); }

  ScopedErrorBox errors;
  std::unique_ptr<ui::AboutWindow> about;
  std::unique_ptr<ui::MainWindow> window;
  AnsweringDialog* saveDialog = nullptr;  // the window's, which owns it
};
