// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The one error box of the GUI tests, handed to the application object by the
// test main: it records each caption and text and returns at once. A test
// takes it through ScopedErrorBox, which empties it on entry and on exit; a
// test of the real box's look sets showsMessageBox to open it as well.

#include <QStringList>

#include "app/error_box.h"

class RecordingErrorBox : public app::ErrorBox {
 public:
  void Show(const QString& title, const QString& text) override {
    titles.append(title);
    texts.append(text);
    if (showsMessageBox) app::MessageErrorBox().Show(title, text);
  }

  QStringList titles;
  QStringList texts;
  bool showsMessageBox = false;
};

// The box the test main made.
RecordingErrorBox& TestErrorBox();

class ScopedErrorBox {
 public:
  ScopedErrorBox() { Reset(); }
  ~ScopedErrorBox() { Reset(); }
  ScopedErrorBox(const ScopedErrorBox&) = delete;
  ScopedErrorBox& operator=(const ScopedErrorBox&) = delete;

  RecordingErrorBox& box = TestErrorBox();

 private:
  void Reset() {
    box.titles.clear();
    box.texts.clear();
    box.showsMessageBox = false;
  }
};
