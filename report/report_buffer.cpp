#include "report/report_buffer.h"

#include <QTextCursor>

#include "report/export_error.h"

namespace report {

ReportBuffer::ReportBuffer(qsizetype capacity) : capacity_(capacity) {
  document_.setUndoRedoEnabled(false);
}

void ReportBuffer::SetDefaultFace(const QString& face) {
  QFont font = document_.defaultFont();
  font.setFamilies({face});
  document_.setDefaultFont(font);
}

void ReportBuffer::SetDefaultSize(int points) {
  QFont font = document_.defaultFont();
  font.setPointSize(points);
  document_.setDefaultFont(font);
}

void ReportBuffer::Clear() {
  document_.clear();
  document_.setModified(false);
}

void ReportBuffer::SetInsertionColour(std::optional<QColor> colour) {
  if (colour) {
    insertion_.setForeground(*colour);
  } else {
    insertion_.clearForeground();
  }
}

void ReportBuffer::SetInsertionStyle(TextStyle style) {
  insertion_.setFontWeight(style.bold ? QFont::Bold : QFont::Normal);
  insertion_.setFontItalic(style.italic);
  insertion_.setFontUnderline(style.underline);
  insertion_.setFontStrikeOut(style.strikeOut);
}

void ReportBuffer::AppendLine(const QString& text) {
  const qsizetype start = Length();
  const qsizetype room = capacity_ - start;
  QTextCursor cursor(&document_);
  cursor.movePosition(QTextCursor::End);
  if (text.size() + 2 <= room) {
    cursor.insertText(text, insertion_);
    cursor.insertBlock(QTextBlockFormat(), insertion_);
  } else if (room > 0) {
    cursor.insertText(text.left(room), insertion_);
  }
  if (Length() != start + text.size() + 2) {
    throw ExportError::LineInsertion();
  }
}

qsizetype ReportBuffer::Length() const {
  // characterCount() counts every block separator once, the final one too.
  const qsizetype lineEnds = document_.blockCount() - 1;
  const qsizetype characters = document_.characterCount() - document_.blockCount();
  return characters + 2 * lineEnds;
}

}  // namespace report
