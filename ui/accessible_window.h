// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// What assistive technology hears of the windows. A top-level window of the
// program is announced as a window (a plain widget would be a "filler"), and
// a part marked decorative (a shadow copy of a text, a unit sign that the
// field's own name already says) is left out of its parent's children, so a
// screen reader meets every text once.

class QWidget;

namespace ui {

// Makes the accessibility layer describe windows of the program's window
// classes as above. Call before the first window is built; later calls do
// nothing.
void installAccessibleWindows();

// Leaves widget out of what assistive technology hears.
void markDecorative(QWidget& widget);

}  // namespace ui
