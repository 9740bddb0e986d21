// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// Replace: how both forms tell their views only of a change. It sets a held
// value and says whether it changed, so that a caller tells the view, or
// computes, only then:
//   if (Replace(saveEnabled_, enabled)) view_.ShowSaveEnabled(enabled);

#include <utility>

namespace form {

template <typename T>
bool Replace(T& held, T value) {
  if (held == value) return false;
  held = std::move(value);
  return true;
}

}  // namespace form
