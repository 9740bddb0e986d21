// The windowed program run with a scripted end, for the exit-code tests:
//   close  builds the real windows, and once the loop runs closes the main
//          window (the hidden About window still exists): exit code 0;
//   fail   raises while the windows are built; the start-up report's box is
//          closed when it appears and its caption printed: exit code 1.

#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <cstdio>
#include <cstring>
#include <stdexcept>

#include "app/run_program.h"
#include "ui/main_startup.h"

namespace {

QWidget* CreateThenClose() {
  QWidget* mainWindow = CreateStartupWindows();
  QTimer::singleShot(0, mainWindow, [mainWindow] { mainWindow->close(); });
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
  if (argc > 1 && std::strcmp(argv[1], "fail") == 0) {
    return app::RunProgram(argc, argv, {&CreateFailing, &DestroyNothing});
  }
  return app::RunProgram(argc, argv, {&CreateThenClose, &DestroyStartupWindows});
}
