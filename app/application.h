// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Application: the one application object. Besides Qt's own work it is the
// last-resort error guard (an error escaping an event's dispatch is handled by
// the frame, never unwound further), ends the event loop when the main window
// closes, reloads the decimal separator when Qt announces a locale change,
// and wraps the style so that its standard icons are made once each.

#include <QApplication>
#include <QPointer>

namespace app {

class ErrorBox;

class Application : public QApplication {
  Q_OBJECT

 public:
  // Carries the program's icon. Does not set applicationDisplayName, which
  // would change every window caption. Errors are shown in errorBox, which
  // must outlive the application object.
  Application(int& argc, char** argv, ErrorBox& errorBox);

  // The box of the frame's error handling.
  ErrorBox& errorBox() const { return errorBox_; }

  // Closing this window (close box, Alt+F4, close()) ends the event loop with
  // exit code 0, whatever other windows exist, hidden or not.
  void SetMainWindow(QWidget* window);

  bool notify(QObject* receiver, QEvent* event) override;

 protected:
  bool event(QEvent* event) override;

 private:
  ErrorBox& errorBox_;
  QPointer<QWidget> mainWindow_;
};

}  // namespace app
