// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/jpeg_error.h"

#include <string>

namespace ui {

JpegError::JpegError(int messageCode)
    : std::runtime_error("JPEG error #" + std::to_string(messageCode)), code(messageCode) {}

}  // namespace ui
