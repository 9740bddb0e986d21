// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "web/printed_report.h"

#include <cstdint>
#include <optional>
#include <string>

namespace web {
namespace {

// "#rrggbb", or "" for the automatic colour.
std::string CssColour(const std::optional<report::Rgb>& colour) {
  if (!colour) return {};
  static constexpr char kHex[] = "0123456789abcdef";
  std::string css = "#";
  for (const std::uint8_t part : {colour->red, colour->green, colour->blue}) {
    css += kHex[part >> 4];
    css += kHex[part & 0xF];
  }
  return css;
}

emscripten::val PrintedLine(const report::ReportLine& line) {
  emscripten::val printed = emscripten::val::object();
  printed.set("text", line.text);
  printed.set("bold", line.format.style.bold);
  printed.set("italic", line.format.style.italic);
  printed.set("underline", line.format.style.underline);
  printed.set("strikeOut", line.format.style.strikeOut);
  printed.set("colour", CssColour(line.format.colour));
  return printed;
}

}  // namespace

emscripten::val PrintedReport(const report::ReportBuffer& buffer) {
  emscripten::val lines = emscripten::val::array();
  for (const report::ReportLine& line : buffer.Lines()) lines.call<void>("push", PrintedLine(line));
  emscripten::val printed = emscripten::val::object();
  printed.set("face", buffer.DefaultFace());
  printed.set("points", buffer.DefaultSize());
  printed.set("lines", lines);
  return printed;
}

}  // namespace web
