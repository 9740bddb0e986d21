#include "ui/single_line_validator.h"

namespace ui {

SingleLineValidator::SingleLineValidator(QObject* parent) : QValidator(parent) {}

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const {
  qsizetype lineBreak = -1;
  for (qsizetype i = 0; i < input.size() && lineBreak < 0; ++i) {
    if (input.at(i) == u'\r' || input.at(i) == u'\n') lineBreak = i;
  }
  if (lineBreak < 0) return Acceptable;
  // The field held no line break before, so this one came with the text just
  // inserted, which ends at the caret: the old text after the caret stays.
  const QString rest = pos > lineBreak ? input.mid(pos) : QString();
  input = input.left(lineBreak) + rest;
  pos = static_cast<int>(lineBreak);
  return Acceptable;
}

}  // namespace ui
