// The windowed program run with a scripted end, for the exit-code tests:
//   close-box  the real windows; once the loop runs, the window system's
//              close request (what the close box and Alt+F4 send) reaches the
//              main window while the hidden About window exists: exit code 0;
//   esci       the same, ended by a click on the "&Esci" button;
//   title      prints the application title and the main window's caption
//              once it shows, then ends as close-box does;
//   fail       raises while the windows are built; the start-up report's box
//              is closed when it appears and its caption printed: exit code 1.

#include <QApplication>
#include <QCloseEvent>
#include <QPushButton>
#include <QTimer>
#include <QWidget>
#include <QWindow>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "app/run_program.h"
#include "app/title.h"
#include "ui/main_startup.h"
#include "ui/main_unit.h"

namespace {

QWidget* CreateThenCloseBox() {
  QWidget* mainWindow = CreateStartupWindows();
  QTimer::singleShot(0, mainWindow, [mainWindow] {
    QCoreApplication::postEvent(mainWindow->windowHandle(), new QCloseEvent);
  });
  return mainWindow;
}

QWidget* CreateThenPrintTitle() {
  QWidget* mainWindow = CreateStartupWindows();
  QTimer::singleShot(0, mainWindow, [mainWindow] {
    std::printf("title: %s\ncaption: %s\n", app::ApplicationTitle().toUtf8().constData(),
                mainWindow->windowTitle().toUtf8().constData());
    std::fflush(stdout);
    QCoreApplication::postEvent(mainWindow->windowHandle(), new QCloseEvent);
  });
  return mainWindow;
}

QWidget* CreateThenEsci() {
  QWidget* mainWindow = CreateStartupWindows();
  QTimer::singleShot(0, mainWindow, [] { Form1->Button3->click(); });
  return mainWindow;
}

void CloseStartupBox() {
  if (QWidget* box = QApplication::activeModalWidget()) {
    std::printf("box: %s\n", box->windowTitle().toUtf8().constData());
    std::fflush(stdout);
    box->close();
  } else {
    QTimer::singleShot(10, &CloseStartupBox);
  }
}

QWidget* CreateFailing() {
  QTimer::singleShot(0, &CloseStartupBox);
  throw std::runtime_error("Window description unreadable");
}

void DestroyNothing() {}

}  // namespace

int main(int argc, char** argv) {
  const char* mode = argc > 1 ? argv[1] : "";
  if (std::strcmp(mode, "fail") == 0) return app::RunProgram(argc, argv, {&CreateFailing, &DestroyNothing});
  if (std::strcmp(mode, "title") == 0) {
    return app::RunProgram(argc, argv, {&CreateThenPrintTitle, &DestroyStartupWindows});
  }
  if (std::strcmp(mode, "esci") == 0)
    return app::RunProgram(argc, argv, {&CreateThenEsci, &DestroyStartupWindows});
  return app::RunProgram(argc, argv, {&CreateThenCloseBox, &DestroyStartupWindows});
}
