// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The one-line fields of the working windows, made one way for both. An
// amount field takes text of any length on one line (a paste keeps its first
// line); a result field is an amount field made read-only, navy on button
// face, copyable, and shows the start of its text with the whole text as its
// tooltip and accessible description.

class QLineEdit;
class QString;

namespace ui {

void makeAmountField(QLineEdit& field);
// Makes an amount field a result field.
void makeResultField(QLineEdit& field);

// Sets a field's text only when it differs, so that an unchanged field keeps
// its caret, selection and undo history; true when it changed.
bool setFieldText(QLineEdit& field, const QString& text);

// Shows text in a result field: its start in view (sign and leading digits
// included, however long it is), the whole as tooltip and description.
void showResultText(QLineEdit& field, const QString& text);

}  // namespace ui
