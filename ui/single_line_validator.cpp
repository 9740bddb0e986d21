// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/single_line_validator.h"

#include <string>

#include "form/first_line.h"

namespace ui {

SingleLineValidator::SingleLineValidator(QObject* parent) : QValidator(parent) {}

QValidator::State SingleLineValidator::validate(QString& input, int& pos) const {
  const std::string text = input.toStdString();
  const QString firstLine = QString::fromStdString(std::string(form::FirstLine(text)));
  if (firstLine.size() == input.size()) return Acceptable;
  // The field held no line break before, so this one came with the text just
  // inserted, which ends at the caret: the old text after the caret stays.
  const QString rest = pos > firstLine.size() ? input.mid(pos) : QString();
  input = firstLine + rest;
  pos = static_cast<int>(firstLine.size());
  return Acceptable;
}

}  // namespace ui
