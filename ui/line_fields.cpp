// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "ui/line_fields.h"

#include <QLineEdit>
#include <limits>

#include "ui/look.h"
#include "ui/single_line_validator.h"

namespace ui {

void makeAmountField(QLineEdit& field) {
  field.setMaxLength(std::numeric_limits<int>::max());
  field.setValidator(new SingleLineValidator(&field));
}

void makeResultField(QLineEdit& field) {
  field.setReadOnly(true);
  QPalette palette = field.palette();
  palette.setColor(QPalette::Base, palette.color(QPalette::Button));
  palette.setColor(QPalette::Text, kNavy);
  field.setPalette(palette);
}

bool setFieldText(QLineEdit& field, const QString& text) {
  if (field.text() == text) return false;
  field.setText(text);
  return true;
}

void showResultText(QLineEdit& field, const QString& text) {
  if (!setFieldText(field, text)) return;
  // setText alone leaves the end of a long text in view.
  field.setCursorPosition(0);
  field.setToolTip(text);
  field.setAccessibleDescription(text);
}

}  // namespace ui
