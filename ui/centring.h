// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Centring a window on its screen by its outer size, the one rule both
// windows follow each time they are shown.

class QWidget;

namespace ui {

// Moves the window so that its outer edges, the window decoration included,
// are centred on the primary screen.
// A decorated window not yet shown asks the window manager for the size of
// its decoration first (see decoration_extents.h), so it appears where it stays.
void centreOnScreen(QWidget& window);

}  // namespace ui
