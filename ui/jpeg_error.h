// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// JpegError: the error raised when libjpeg reports a fatal fault in picture
// data. Its message is "JPEG error #N", N being the library's message number,
// which the error also keeps for callers that want to tell faults apart.

#include <stdexcept>

namespace ui {

class JpegError : public std::runtime_error {
 public:
  explicit JpegError(int messageCode);

  int messageCode() const noexcept { return code; }

 private:
  int code;
};

}  // namespace ui
