// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// SilentAbort: the error that ends the running handler like any other but is
// never shown. The frame's error handling recognises it by its type.

#include <exception>

namespace app {

class SilentAbort : public std::exception {
 public:
  const char* what() const noexcept override { return "Operation aborted"; }
};

}  // namespace app
