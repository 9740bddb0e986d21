// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// StartupFatalGuard: while the application object is being made, the toolkit
// ends the process with an abort when it cannot reach a window system (no
// display, an unknown platform). For as long as a guard lives, such a fatal
// message takes the start-up error path instead: the start-up report on
// standard error and exit code 1. Other messages go on as before.

namespace app {

class StartupFatalGuard {
 public:
  StartupFatalGuard();
  ~StartupFatalGuard();
  StartupFatalGuard(const StartupFatalGuard&) = delete;
  StartupFatalGuard& operator=(const StartupFatalGuard&) = delete;
};

}  // namespace app
