// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The colour depth, in bits per pixel, of the screen that decoded JPEG
// pictures are prepared for: that of the primary screen.

namespace ui {

// Bits per pixel of the primary screen; 24 when there is no screen at all.
int jpegScreenDepth();

}  // namespace ui
