#pragma once
// MainFields: the six fields and the save button of the main window as the
// discrepancy computation sees them. Texts cross as UTF-8; writing a field
// that already holds the new text leaves it untouched (its caret, selection
// and undo history included) and fires nothing. A read-only result field
// shows the start of every new text.

#include <QString>
#include <array>

#include "calc/compute_discrepancy.h"

class QLineEdit;
class QPushButton;

namespace ui {

class MainFields : public calc::DiscrepancyFields {
 public:
  // Fields in the order of calc::Field: Edit1, Edit2, Edit3, Edit4, Edit5, Edit6.
  MainFields(const std::array<QLineEdit*, 6>& fields, QPushButton* save);

  std::string Text(calc::Field field) const override;
  void SetText(calc::Field field, const std::string& text) override;
  void SetSaveEnabled(bool enabled) override;

 private:
  std::array<QLineEdit*, 6> fields_;
  QPushButton* save_;
};

// Sets a field's text only when it differs from the current one, so that an
// unchanged text fires no change handling; returns whether it set it.
bool SetFieldText(QLineEdit& field, const QString& text);

}  // namespace ui
