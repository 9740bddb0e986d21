// The windowed program: the main window and the About window on the frame.

#include "app/run_program.h"
#include "ui/main_startup.h"

int main(int argc, char** argv) {
  return app::RunProgram(argc, argv, {&ui::CreateStartupWindows, &ui::DestroyStartupWindows});
}
