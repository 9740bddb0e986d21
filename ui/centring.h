#pragma once
// Centring a window on its screen by its outer size, the one rule both
// windows follow each time they are shown.

#include <QPoint>
#include <QRect>
#include <QSize>

class QWidget;

namespace ui {

// Top-left corner of an outer frame of the given size centred on the screen:
// each half of the free room with the remainder dropped, 0 when negative.
QPoint CentredPosition(const QRect& screen, const QSize& frame);

// Moves the window so that its outer frame is centred on the primary screen.
// A decorated window not yet shown asks the window manager for the size of
// its decoration first (see frame_extents.h), so it appears where it stays.
void CentreOnScreen(QWidget& window);

}  // namespace ui
