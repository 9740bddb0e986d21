#pragma once
// RecordingErrorBox: an error box for tests. It records each caption and text
// and returns at once; installing it through ScopedErrorBox makes the frame's
// error handling use it for the lifetime of the scope.

#include <QStringList>

#include "app/error_box.h"
#include "app/error_handling.h"

class RecordingErrorBox : public app::ErrorBox {
 public:
  void Show(const QString& title, const QString& text) override {
    titles.append(title);
    texts.append(text);
  }
  QStringList titles;
  QStringList texts;
};

class ScopedErrorBox {
 public:
  ScopedErrorBox() { app::SetErrorBox(&box); }
  ~ScopedErrorBox() { app::SetErrorBox(nullptr); }
  ScopedErrorBox(const ScopedErrorBox&) = delete;
  ScopedErrorBox& operator=(const ScopedErrorBox&) = delete;

  RecordingErrorBox box;
};
