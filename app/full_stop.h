// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The full-stop rule of every error message the user sees: a message that
// does not end in a character at or below "." gets a "." appended.

#include <QString>

namespace app {

// Appends "." when the message is not empty and the code of its last
// character is above 0x2E. Letters, digits, ":" and every non-ASCII character
// get the full stop; ".", "!", ")", "-", a space or a control character do not.
QString WithFullStop(const QString& message);

}  // namespace app
