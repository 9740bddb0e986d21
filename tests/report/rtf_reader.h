#pragma once
// RtfReader: a small reader of the RTF subset that the report writer uses, so
// that tests can check what a word processor would see: the font and colour
// tables, and every paragraph's characters with the format each one carries
// (the paragraph mark's format last). It knows the code page only through
// the windows-1252 table, which its own test checks against iconv.

#include <QRgb>
#include <QString>
#include <QStringList>
#include <optional>
#include <string>
#include <vector>

namespace report::testing {

struct ReadFormat {
  int font = 0;
  int halfPoints = 24;
  int colour = 0;
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
  bool operator==(const ReadFormat&) const = default;
};

struct ReadParagraph {
  QString text;
  std::vector<ReadFormat> formats;  // one per character of text, then the \par's
};

struct ReadDocument {
  QStringList fonts;                         // by \fN index
  std::vector<std::optional<QRgb>> colours;  // by \cfN index; nothing: automatic
  std::vector<ReadParagraph> paragraphs;
  QString trailing;                  // text after the last \par
  std::vector<std::string> unknown;  // control words the reader does not know
  int groupDepthAtEnd = 0;
};

ReadDocument ReadRtf(const QByteArray& rtf);

// Only the text of a stream of escaped characters (no groups, no \par).
QString ReadRtfText(const QByteArray& rtf);

}  // namespace report::testing
