// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Guarded: wraps a handler where it is connected so that no error unwinds
// through Qt code. An escaping error goes to the frame's error handling and
// the handler counts as done; the event loop goes on. The signal's own
// arguments are not passed on: handlers take what they need from their window.
//
//   connect(button, &QPushButton::clicked, this, app::Guarded([this] { Clear(); }));

#include <exception>
#include <utility>

#include "app/error_handling.h"

namespace app {

template <typename Handler>
auto Guarded(Handler handler) {
  return [handler = std::move(handler)](auto&&...) {
    try {
      handler();
    } catch (...) {
      HandleError(std::current_exception());
    }
  };
}

}  // namespace app
