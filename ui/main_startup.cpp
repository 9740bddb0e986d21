#include "ui/main_startup.h"

namespace ui {

ProgramWindows::ProgramWindows(std::unique_ptr<SaveDialog> saveDialog)
    : main_(about_, std::move(saveDialog)) {}

}  // namespace ui
