#pragma once
// ReportBuffer: the hidden rich-text buffer (RichEdit1) in which the report is
// built before it is saved. It holds lines of characters, each character with
// its format; a default face and size apply to all text, while colour and
// style are taken by each line from the insertion format at the moment it is
// appended. The buffer knows nothing of any file format: writers read its
// Document(). Its capacity is fixed; a line it cannot take whole raises
// "RichEdit line insertion error".

#include <QColor>
#include <QString>
#include <QTextCharFormat>
#include <QTextDocument>
#include <optional>

namespace report {

// The style part of the insertion format; every member is always set.
struct TextStyle {
  bool bold = false;
  bool italic = false;
  bool underline = false;
  bool strikeOut = false;
};

class ReportBuffer {
 public:
  // About a thousand times what a report of typical figures needs, and more
  // than five times the longest report the main window can produce (six
  // fields of at most 32767 characters each), so the limit only guards
  // against runaway input.
  static constexpr qsizetype kDefaultCapacity = qsizetype{1} << 20;

  // capacity: the most characters the buffer holds, each line end counted as
  // two (CR LF), as Length() counts them.
  explicit ReportBuffer(qsizetype capacity = kDefaultCapacity);
  ReportBuffer(const ReportBuffer&) = delete;
  ReportBuffer& operator=(const ReportBuffer&) = delete;

  // The default format, used by all text: changed at once, text included.
  void SetDefaultFace(const QString& face);
  void SetDefaultSize(int points);

  // Removes all text and resets the modified flag; the default format stays.
  void Clear();

  // The format that the next appended line takes. No colour is the automatic
  // colour (the reader's window text colour).
  void SetInsertionColour(std::optional<QColor> colour);
  void SetInsertionStyle(TextStyle style);

  // Adds text and its line end after the last line, in the insertion format.
  // Takes at most what fits the capacity; if the buffer did not grow by the
  // text's length plus two, raises ExportError::LineInsertion() and keeps
  // what it took. A lone CR, LF or paragraph separator inside the text would
  // start a line of its own, which counts two characters, so such a text is
  // not taken whole either.
  void AppendLine(const QString& text);

  // Characters held, each line end counted as two.
  qsizetype Length() const;
  qsizetype Capacity() const { return capacity_; }

  // The content: one block per appended line, then an empty last block. The
  // character format of block n + 1 (QTextBlock::charFormat) is the format of
  // the line end of line n.
  const QTextDocument& Document() const { return document_; }

 private:
  qsizetype capacity_;
  QTextDocument document_;
  QTextCharFormat insertion_;
};

}  // namespace report
