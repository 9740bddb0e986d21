// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/application.h"

#include <QIcon>
#include <QWidget>

#include "app/error_handling.h"
#include "calc/decimal_separator.h"

namespace app {

Application::Application(int& argc, char** argv, ErrorBox& errorBox)
    : QApplication(argc, argv), errorBox_(errorBox) {
  setWindowIcon(QIcon(QStringLiteral(":/assets/main_icon.png")));
  // The main window's close ends the loop explicitly (see notify).
  setQuitOnLastWindowClosed(false);
}

void Application::SetMainWindow(QWidget* window) { mainWindow_ = window; }

bool Application::notify(QObject* receiver, QEvent* event) {
  try {
    const bool handled = QApplication::notify(receiver, event);
    if (event->type() == QEvent::Close && receiver == mainWindow_ && event->isAccepted()) {
      exit(0);
    }
    return handled;
  } catch (...) {
    HandleError(std::current_exception());
    return true;
  }
}

bool Application::event(QEvent* event) {
  // Qt's announcements of a changed system setting. Only the separator is
  // reloaded; texts already shown keep theirs until they are next written.
  if (event->type() == QEvent::LocaleChange || event->type() == QEvent::ThemeChange) {
    calc::LoadDecimalSeparator();
  }
  return QApplication::event(event);
}

}  // namespace app
