// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// FrameError: an error that the application frame raises itself, such as a
// refused modal showing. It carries only the message the error box shows.
// WindowSystemError: the start-up's report when no window system answers.

#include <stdexcept>

namespace app {

class FrameError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

class WindowSystemError : public FrameError {
 public:
  using FrameError::FrameError;
};

}  // namespace app
