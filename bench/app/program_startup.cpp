// The windowed program's own start-up (frame, main window, About window),
// ended at the main window's first paint.

#include <QWidget>
#include <memory>

#include "app/run_program.h"
#include "bench/app/first_paint_exit.h"
#include "ui/main_startup.h"
#include "ui/qt_save_dialog.h"

namespace {

QWidget* CreateAndWatch() {
  QWidget* mainWindow = ui::CreateStartupWindows(std::make_unique<ui::QtSaveDialog>());
  mainWindow->installEventFilter(new FirstPaintExit(mainWindow));
  return mainWindow;
}

}  // namespace

int main(int argc, char** argv) {
  return app::RunProgram(argc, argv, {&CreateAndWatch, &ui::DestroyStartupWindows});
}
