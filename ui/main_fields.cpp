#include "ui/main_fields.h"

#include <QLineEdit>
#include <QPushButton>

MainFields::MainFields(const std::array<QLineEdit*, 6>& fields, QPushButton* save)
    : fields_(fields), save_(save) {}

std::string MainFields::Text(calc::Field field) const {
  return fields_[static_cast<size_t>(field)]->text().toStdString();
}

void MainFields::SetText(calc::Field field, const std::string& text) {
  SetFieldText(*fields_[static_cast<size_t>(field)], QString::fromStdString(text));
}

void MainFields::SetSaveEnabled(bool enabled) {
  save_->setEnabled(enabled);
}

void SetFieldText(QLineEdit& field, const QString& text) {
  if (field.text() != text) field.setText(text);
}
