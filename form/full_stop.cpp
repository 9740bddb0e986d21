// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/full_stop.h"

namespace form {

std::string WithFullStop(std::string_view message) {
  std::string shown(message);
  if (!message.empty() && static_cast<unsigned char>(message.back()) > 0x2E) shown += '.';
  return shown;
}

}  // namespace form
