// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// SingleLineValidator: keeps an edit field on one line, as a single-line field
// of the window system does. Text that arrives with a line break (a pasted
// spreadsheet cell ends in CR LF) is kept up to its first CR or LF; what
// followed the insertion stays. A field that holds it therefore never holds
// CR or LF, whichever way the text came in (paste, drop, set by program).
// The cut is the form's paste rule, form::FirstLine.

#include <QValidator>

namespace ui {

class SingleLineValidator : public QValidator {
  Q_OBJECT

 public:
  explicit SingleLineValidator(QObject* parent);

  // Always Acceptable; cuts input as above and leaves pos at the cut.
  State validate(QString& input, int& pos) const override;
};

}  // namespace ui
