#pragma once
// The windows the program builds at start-up, in their order: the main window
// Form1 first, then the About window CalmoraAboutForm, which stays hidden.

#include <memory>

#include "ui/save_dialog.h"

class QWidget;

namespace ui {

// Returns Form1, not yet shown; its report export asks for the file name
// through saveDialog.
QWidget* CreateStartupWindows(std::unique_ptr<SaveDialog> saveDialog);

// Destroys both windows and clears their globals; safe when creation failed
// half-way.
void DestroyStartupWindows();

}  // namespace ui
