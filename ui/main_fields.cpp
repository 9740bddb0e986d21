#include "ui/main_fields.h"

#include <QLineEdit>
#include <QPushButton>

namespace ui {

MainFields::MainFields(const std::array<QLineEdit*, 6>& fields, QPushButton* save)
    : fields_(fields), save_(save) {}

std::string MainFields::Text(calc::Field field) const {
  return fields_[static_cast<size_t>(field)]->text().toStdString();
}

void MainFields::SetText(calc::Field field, const std::string& text) {
  QLineEdit& edit = *fields_[static_cast<size_t>(field)];
  if (!SetFieldText(edit, QString::fromStdString(text))) return;
  // A result shows the start of its text, sign and leading digits included,
  // however long it is; setText alone leaves the end in view.
  if (edit.isReadOnly()) edit.setCursorPosition(0);
}

void MainFields::SetSaveEnabled(bool enabled) { save_->setEnabled(enabled); }

bool SetFieldText(QLineEdit& field, const QString& text) {
  if (field.text() == text) return false;
  field.setText(text);
  return true;
}

}  // namespace ui
