// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Guarded: wraps a handler where it is connected so that no error unwinds
// through Qt code. An escaping error goes to the frame's error handling and
// the handler counts as done; the event loop goes on. A handler given alone
// takes no arguments; a member function is handed the signal's own.
//
//   connect(button, &QPushButton::clicked, this, app::Guarded([this] { Clear(); }));
//   connect(field, &QLineEdit::textEdited, this, app::Guarded(this, &AwardWindow::editSafetyCosts));

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

template <typename Object, typename... Arguments>
auto Guarded(Object* object, void (Object::*slot)(Arguments...)) {
  return [object, slot](Arguments... arguments) {
    try {
      (object->*slot)(std::forward<Arguments>(arguments)...);
    } catch (...) {
      HandleError(std::current_exception());
    }
  };
}

}  // namespace app
