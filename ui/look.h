// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The fonts and colours that the windows' layouts name, made one way for
// every window. Sizes are character heights in device-independent pixels:
// Qt's own high-DPI scaling grows a window on a denser screen, so the rule
// that rescales a window by the text height of its font is left to it, and a
// substitute font that measures differently from the one it stands in for
// rescales nothing at 96 dpi.

#include <QColor>
#include <QFont>

class QWidget;

namespace ui {

inline const QColor kNavy(0, 0, 128);
inline const QColor kGrey(128, 128, 128);
inline const QColor kOlive(128, 128, 0);
inline const QColor kSilver(192, 192, 192);
inline const QColor kMaroon(128, 0, 0);
// The classic system colour of an inactive caption; Qt's palette has no such
// role.
inline const QColor kInactiveCaption(128, 128, 128);

struct FontStyle {
  bool bold = false;
  bool italic = false;
};

// The family (or the substitute installed for it) at a character height.
QFont pixelFont(const char* family, int characterHeight, FontStyle style = {});

// Paints widget's text (a label's letters) in colour.
void setTextColour(QWidget& widget, const QColor& colour);

}  // namespace ui
