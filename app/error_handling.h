// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The frame's error handling: the one place where an error that escaped a
// handler is shown. A SilentAbort shows nothing; any other error shows the
// application object's error box with the application title as caption and
// the message with its full stop; afterwards the previously active window is
// active again and the keyboard focus is back on the widget that had it.

#include <exception>

namespace app {

void HandleError(std::exception_ptr error);

}  // namespace app
