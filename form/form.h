// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#pragma once
// Form: the six fields of the discrepancy calculator and their rules, shared
// by the window and the web page. It holds the texts (UTF-8) and whether the
// report may be saved, and runs the change handling on every edit of an input:
//   1. an input text that is empty (no characters at all) → "Salva" disabled,
//      results kept as they are;
//   2. otherwise the three results are computed, in full, before any is shown;
//   3. success → each result whose text changes is shown, then "Salva" enabled;
//   4. failure → results kept, "Salva" disabled, the CalcError raised for the
//      error box.
// So "Salva" is enabled exactly while the results shown are those of the
// three inputs shown, and a saved report never pairs inputs with results of
// other inputs. The decimal separator is the process-wide one of
// calc/decimal_separator.h, read at each computation. A follower (the award
// check's form) is handed the form after every edit and clearing.

#include <array>
#include <string>

#include "form/fields.h"
#include "form/form_view.h"
#include "form/main_inputs_follower.h"
#include "report/report_fields.h"

namespace form {

class Form {
 public:
  // All six fields empty, "Salva" disabled; the view is told nothing.
  explicit Form(FormView& view);

  const std::string& InputText(Input input) const;
  const std::string& ResultText(Result result) const;
  bool SaveEnabled() const { return saveEnabled_; }

  // An input's text changed (typed, pasted, deleted). Nothing happens when the
  // form already holds that text. Raises calc::CalcError when the computation
  // fails; the input keeps the new text all the same.
  void EditInput(Input input, std::string text);

  // Empties the inputs in their order, then the results, and disables
  // "Salva"; nothing is computed and nothing fails.
  void Clear();

  // Hands the form to `follower` now and after every edit and clearing;
  // nullptr hands it to no one. The follower must outlive the form or be
  // replaced first.
  void SetFollower(MainInputsFollower* follower);

  // The six texts as they stand, for the report.
  report::ReportFields ReportFields() const;

 private:
  void Compute();
  void TellFollower();
  void ShowResult(Result result, std::string text);
  void SetSaveEnabled(bool enabled);

  FormView& view_;
  std::array<std::string, kInputs.size()> inputs_;
  std::array<std::string, kResults.size()> results_;
  bool saveEnabled_ = false;
  MainInputsFollower* follower_ = nullptr;
};

}  // namespace form
