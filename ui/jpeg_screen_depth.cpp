// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/jpeg_screen_depth.h"

#include <QGuiApplication>
#include <QScreen>

namespace ui {

int jpegScreenDepth() {
  const QScreen* screen = QGuiApplication::primaryScreen();
  return screen != nullptr ? screen->depth() : 24;
}

}  // namespace ui
