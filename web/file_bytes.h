// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// A report's bytes handed to the page for a download: a Uint8Array copied out
// of the module's memory, or, when the export fails, a JavaScript Error
// carrying the export error's message, which the page shows as the desktop
// shows it.

#include <emscripten/val.h>

#include <string>

#include "report/export_error.h"

namespace web {

// Calls make() for the file's bytes.
template <typename Make>
emscripten::val FileBytes(Make make) {
  emscripten::val error = emscripten::val::undefined();
  try {
    const std::string bytes = make();
    const auto* data = reinterpret_cast<const unsigned char*>(bytes.data());
    // A copy: the view into the module's memory dies with `bytes`.
    return emscripten::val::global("Uint8Array").new_(emscripten::typed_memory_view(bytes.size(), data));
  } catch (const report::ExportError& exportError) {
    error = emscripten::val::global("Error").new_(std::string(exportError.what()));
  }
  // Thrown outside the handler, with nothing of C++ left to unwind.
  error.throw_();
}

}  // namespace web
