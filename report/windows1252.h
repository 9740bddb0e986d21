// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Windows-1252: the single-byte code page in which RTF text is written. Maps
// one character to its byte, or to nothing when the code page has no
// such character (its five unassigned bytes included), so that the caller can
// write it another way.

#include <optional>

namespace report {

std::optional<unsigned char> ToWindows1252(char32_t character);

}  // namespace report
