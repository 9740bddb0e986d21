// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/application.h"

#include <QIcon>
#include <QStyle>
#include <QWidget>

#include "app/error_handling.h"
#include "app/steady_icon_style.h"
#include "calc/decimal_separator.h"

namespace app {

Application::Application(int& argc, char** argv, ErrorBox& errorBox)
    : QApplication(argc, argv), errorBox_(errorBox) {
  setWindowIcon(QIcon(QStringLiteral(":/assets/main_icon.png")));
  // The style chosen by the desktop or by -style, handing out its standard
  // icons once each (see steady_icon_style.h).
  setStyle(new SteadyIconStyle(style()->name()));
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
  if (event->type() == QEvent::ThemeChange) {
    if (auto* steady = dynamic_cast<SteadyIconStyle*>(style())) steady->Forget();
  }
  return QApplication::event(event);
}

}  // namespace app
