// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// An error during start-up, before the event loop runs: there is no error box
// yet, so it is reported by an "Application Error" box (when the application
// object exists) and on standard error, and the program ends with code 1.

#include <QString>
#include <exception>

namespace app {

// "Exception <kind> in module <module>.\r\n<message><full stop>\r\n". The
// platform tells no code address for a C++ exception, so the " at %p" part
// is left out; the full stop is added when the message does not end in one.
QString StartupErrorText(const QString& kind, const QString& module, const QString& message);

// Writes the report of the error, as above, to standard error. The error's
// kind is the demangled name of its exception class, the module the program
// file's name.
void WriteStartupError(std::exception_ptr error);

// Writes the report, shows it in an "Application Error" box when the
// application object exists, and returns the exit code 1.
int ReportStartupError(std::exception_ptr error);

}  // namespace app
