#pragma once
// The windows the program builds at start-up, in their order: the main window
// Form1 first, then the About window CalmoraAboutForm, which stays hidden.

class QWidget;

namespace ui {

// Returns Form1, not yet shown.
QWidget* CreateStartupWindows();

// Destroys both windows and clears their globals; safe when creation failed
// half-way.
void DestroyStartupWindows();

}  // namespace ui
