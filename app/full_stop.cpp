// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "app/full_stop.h"

namespace app {

QString WithFullStop(const QString& message) {
  // A non-ASCII character (its last UTF-8 byte, its UTF-16 unit) is always
  // above 0x2E, so it gets the full stop, as a byte-wise comparison would.
  if (message.isEmpty() || message.back().unicode() <= 0x2E) return message;
  return message + u'.';
}

}  // namespace app
