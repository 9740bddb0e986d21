// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// The full-stop rule of every error message the user sees, in the window's
// error box and the page's alike: a message that does not end in a character
// at or below "." gets a "." appended.
//   "Floating point overflow" → "Floating point overflow."
//   "Done."                   → "Done."
//   "Errore (1)"              → "Errore (1)"
//   "perché è"                → "perché è."

#include <string>
#include <string_view>

namespace form {

// Appends "." when the UTF-8 message is not empty and its last byte is above
// 0x2E. Letters, digits, ":" and every non-ASCII character (whose last byte
// is 0x80 or above) get the full stop; ".", "!", ")", "-", a space or a
// control character do not.
std::string WithFullStop(std::string_view message);

}  // namespace form
