// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The window fonts the forms name, mapped onto the metric-compatible
// Liberation families that Debian ships (fonts-liberation), for every window.

namespace app {

// "MS Sans Serif" and "Arial" → "Liberation Sans", "Times New Roman" →
// "Liberation Serif". Call once at start-up, before any window is built.
void InstallFontSubstitutions();

}  // namespace app
