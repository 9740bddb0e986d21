// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Placing a window by its outer size: centred on its screen, the one rule
// the main and About windows follow each time they are shown; or beside
// another window, as the award dialog opens beside the main window.

class QWidget;

namespace ui {

// Moves the window so that its outer edges, the window decoration included,
// are centred on the primary screen.
// A decorated window not yet shown asks the window manager for the size of
// its decoration first (see decoration_extents.h), so it appears where it stays.
void centreOnScreen(QWidget& window);

// Moves a window not yet shown beside `anchor`, a shown window, on anchor's
// screen and within its free area: to anchor's right with their tops level,
// else to its left, else centred on it.
void placeBeside(QWidget& window, const QWidget& anchor);

}  // namespace ui
