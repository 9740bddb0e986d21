#pragma once
// The frame's error handling: the one place where an error that escaped a
// handler is shown. A SilentAbort shows nothing; any other error shows the
// error box with the application title as caption and the message with its
// full stop; afterwards the previously active window is active again and the
// keyboard focus is back on the widget that had it.

#include <exception>

namespace app {

class ErrorBox;

void HandleError(std::exception_ptr error);

// Replaces the error box (tests install a recorder); nullptr restores the
// message box. The box must outlive its installation.
void SetErrorBox(ErrorBox* box);

}  // namespace app
