// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The decoration a window manager will put around a top-level window, asked
// before the window is first shown (the _NET_REQUEST_FRAME_EXTENTS request of X11
// window managers), so that the window can be placed by its outer edges
// from its first appearance instead of being moved once it is on screen.

#include <QMargins>
#include <optional>

class QWidget;

namespace ui {

// The decoration's left, top, right and bottom widths around the window's client
// area. Nothing on a platform other than X11, under a window manager that
// does not take the request, or when no answer comes within a fifth of a
// second. Makes the window's native window (unmapped) when it has none.
std::optional<QMargins> askDecorationExtents(QWidget& window);

}  // namespace ui
