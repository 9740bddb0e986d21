// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/first_line.h"

namespace form {

std::string_view FirstLine(std::string_view pasted) { return pasted.substr(0, pasted.find_first_of("\r\n")); }

}  // namespace form
