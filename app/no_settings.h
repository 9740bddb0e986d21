// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The program reads no configuration and keeps no state between runs; the
// toolkit's own widgets would (the file dialog keeps its folders and sidebar
// in a settings file of the user's). After this call every settings store of
// the toolkit, user's and system's, points where nothing can be read or
// written, so nothing is read at start and nothing is left behind.

namespace app {

// Call once at start-up, before any window is built.
void DisableToolkitSettings();

}  // namespace app
