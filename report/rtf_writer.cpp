// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/rtf_writer.h"

#include <optional>
#include <vector>

#include "report/rtf_sink.h"

namespace report {

namespace {

class Writer {
 public:
  Writer(const ReportBuffer& buffer, const RtfPieceWriter& write) : buffer_(buffer), write_(write) {
    for (const ReportLine& line : buffer.Lines()) {
      if (line.format.colour) ColourIndex(*line.format.colour);
    }
  }

  bool Write() {
    WriteHeader();
    if (!Flush()) return false;
    for (const ReportLine& line : buffer_.Lines()) {
      Switch(line.format);
      sink_.Text(line.text);
      sink_.ControlWord("par");
      sink_.NewLine();
      if (!Flush()) return false;
    }
    sink_.CloseGroup();
    return Flush();
  }

 private:
  // Colour 0 of the table is the automatic colour; explicit colours follow in
  // the order of their first use.
  int ColourIndex(const Rgb& colour) {
    for (std::size_t i = 0; i < colours_.size(); ++i) {
      if (colours_[i] == colour) return static_cast<int>(i + 1);
    }
    colours_.push_back(colour);
    return static_cast<int>(colours_.size());
  }

  void WriteHeader() {
    sink_.OpenGroup();
    sink_.ControlWord("rtf", 1);
    sink_.ControlWord("ansi");
    sink_.ControlWord("ansicpg", 1252);
    sink_.ControlWord("deff", 0);
    sink_.ControlWord("uc", 1);
    sink_.NewLine();
    sink_.OpenGroup();
    sink_.ControlWord("fonttbl");
    sink_.OpenGroup();
    sink_.ControlWord("f", 0);
    sink_.ControlWord("fnil");
    sink_.ControlWord("fcharset", 0);
    sink_.Text(buffer_.DefaultFace() + ';');
    sink_.CloseGroup();
    sink_.CloseGroup();
    sink_.NewLine();
    sink_.OpenGroup();
    sink_.ControlWord("colortbl");
    sink_.Text(";");
    for (const Rgb& colour : colours_) {
      sink_.ControlWord("red", colour.red);
      sink_.ControlWord("green", colour.green);
      sink_.ControlWord("blue", colour.blue);
      sink_.Text(";");
    }
    sink_.CloseGroup();
    sink_.NewLine();
    sink_.ControlWord("pard");
  }

  // States the whole format anew (after \plain) whenever it changes.
  void Switch(const CharacterFormat& format) {
    if (current_ == format) return;
    current_ = format;
    sink_.ControlWord("plain");
    sink_.ControlWord("f", 0);
    if (buffer_.DefaultSize() > 0) sink_.ControlWord("fs", buffer_.DefaultSize() * 2);
    if (format.colour) sink_.ControlWord("cf", ColourIndex(*format.colour));
    if (format.style.bold) sink_.ControlWord("b");
    if (format.style.italic) sink_.ControlWord("i");
    if (format.style.underline) sink_.ControlWord("ul");
    if (format.style.strikeOut) sink_.ControlWord("strike");
  }

  bool Flush() {
    const bool taken = write_(sink_.Bytes());
    sink_.ClearBytes();
    return taken;
  }

  const ReportBuffer& buffer_;
  const RtfPieceWriter& write_;
  RtfSink sink_;
  std::vector<Rgb> colours_;
  std::optional<CharacterFormat> current_;
};

}  // namespace

bool WriteRtf(const ReportBuffer& buffer, const RtfPieceWriter& write) {
  return Writer(buffer, write).Write();
}

}  // namespace report
