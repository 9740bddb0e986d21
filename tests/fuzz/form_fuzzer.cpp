// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
//
// The form on any sequence of what a user does in the window: characters
// typed at a caret (through the typed-character rule, backspace and DEL
// deleting), texts pasted at a caret (through the first-line rule), a
// selection deleted, Ripulisci and Salva, under "," or "." as the decimal
// separator. After every event:
//   - "Salva" is enabled exactly when the three inputs hold text and compute,
//     and then the three results are what calc::ComputeTexts gives for them;
//   - a failed computation (CalcError, nothing else) leaves the inputs as
//     typed, the results as they were and "Salva" disabled;
//   - the view was told exactly the form's state, and only of changes;
//   - Salva takes the six texts the form holds.
// Input: the first byte picks the separator, then events of a few bytes
// each (see NextEvent); an input that ends mid-event ends the sequence.
#include <array>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <exception>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "calc/calc_error.h"
#include "calc/decimal_separator.h"
#include "calc/discrepancy.h"
#include "form/fields.h"
#include "form/form.h"
#include "tests/fuzz/fuzz_bytes.h"
#include "tests/fuzz/text_edits.h"

namespace {

std::size_t Index(form::Input input) { return static_cast<std::size_t>(input); }
std::size_t Index(form::Result result) { return static_cast<std::size_t>(result); }

// What a window shows: the texts typed into its input fields (set by the
// fuzzer, as a field takes keystrokes) and whatever the form tells it.
class MirrorView final : public form::FormView {
 public:
  void ShowInput(form::Input input, const std::string& text) override { Set(inputs[Index(input)], text); }
  void ShowResult(form::Result result, const std::string& text) override {
    Set(results[Index(result)], text);
  }
  void ShowSaveEnabled(bool enabled) override {
    if (enabled == saveEnabled) std::abort();  // told of no change
    saveEnabled = enabled;
  }

  std::array<std::string, 3> inputs;
  std::array<std::string, 3> results;
  bool saveEnabled = false;

 private:
  static void Set(std::string& shown, const std::string& text) {
    if (shown == text) std::abort();  // told of no change
    shown = text;
  }
};

// The three results for the inputs, or nothing when they do not compute.
std::optional<calc::DiscrepancyTexts> Compute(const std::array<std::string, 3>& inputs) {
  for (const std::string& input : inputs) {
    if (input.empty()) return std::nullopt;
  }
  try {
    return calc::ComputeTexts(inputs[0], inputs[1], inputs[2], calc::DecimalSeparator());
  } catch (const calc::CalcError&) {
    return std::nullopt;
  }
}

// The results expected for the form's inputs, computed anew only when the
// inputs have changed since the last event: most events change nothing, and
// a computation is what an execution spends most on.
class Expectation {
 public:
  const std::optional<calc::DiscrepancyTexts>& For(const form::Form& form) {
    std::array<std::string, 3> inputs;
    for (form::Input input : form::kInputs) inputs[Index(input)] = form.InputText(input);
    if (inputs != inputs_) {
      inputs_ = std::move(inputs);
      results_ = Compute(inputs_);
    }
    return results_;
  }

 private:
  std::array<std::string, 3> inputs_;
  std::optional<calc::DiscrepancyTexts> results_;  // nothing for empty inputs, as at the start
};

void CheckState(const form::Form& form, const MirrorView& view, Expectation& expectation) {
  for (form::Input input : form::kInputs) {
    if (view.inputs[Index(input)] != form.InputText(input)) std::abort();
  }
  for (form::Result result : form::kResults) {
    if (view.results[Index(result)] != form.ResultText(result)) std::abort();
  }
  if (view.saveEnabled != form.SaveEnabled()) std::abort();
  const std::optional<calc::DiscrepancyTexts>& expected = expectation.For(form);
  if (form.SaveEnabled() != expected.has_value()) std::abort();
  if (expected && (form.ResultText(form::Result::ComputedTotal) != expected->computedTotal ||
                   form.ResultText(form::Result::Difference) != expected->difference ||
                   form.ResultText(form::Result::Discrepancy) != expected->discrepancy))
    std::abort();
}

// The field takes its new text, then the form hears of the edit.
void Edit(form::Form& form, MirrorView& view, form::Input input, std::string text) {
  const std::array<std::string, 3> resultsBefore = view.results;
  view.inputs[Index(input)] = text;
  try {
    form.EditInput(input, text);
  } catch (const calc::CalcError&) {
    if (form.InputText(input) != text || form.SaveEnabled() || view.results != resultsBefore) std::abort();
  } catch (const std::exception&) {
    std::abort();
  }
}

// One event: the first byte picks what happens (low three bits) and in which
// input field (the rest); caret positions are taken modulo the text's length.
// False when the input ends before the event is whole.
bool NextEvent(FuzzBytes& bytes, form::Form& form, MirrorView& view) {
  const std::optional<std::uint8_t> head = bytes.Next();
  if (!head) return false;
  const form::Input input = form::kInputs[(*head >> 3) % form::kInputs.size()];
  std::string text = form.InputText(input);
  switch (*head & 7) {
    case 0:
    case 1:
    case 2: {  // a typed character at the caret
      const TypedEdit typed = TypeAtCaret(bytes, text, form::TypingRule::PointIsSeparator);
      if (typed != TypedEdit::Changed) return typed == TypedEdit::Unchanged;
      break;
    }
    case 3:
    case 4: {  // a paste at the caret
      if (!PasteAtCaret(bytes, text, 256)) return false;
      break;
    }
    case 5: {  // a selection deleted
      if (!DeleteSelection(bytes, text)) return false;
      break;
    }
    case 6:  // Ripulisci
      form.Clear();
      return true;
    case 7: {  // Salva: the report takes what the form holds
      if (!form.SaveEnabled()) return true;
      const report::ReportFields fields = form.ReportFields();
      if (fields.baseAmount != form.InputText(form::Input::BaseAmount) ||
          fields.discount != form.InputText(form::Input::Discount) ||
          fields.contractorTotal != form.InputText(form::Input::ContractorTotal) ||
          fields.computedTotal != form.ResultText(form::Result::ComputedTotal) ||
          fields.difference != form.ResultText(form::Result::Difference) ||
          fields.discrepancy != form.ResultText(form::Result::Discrepancy))
        std::abort();
      return true;
    }
  }
  Edit(form, view, input, std::move(text));  // unchanged too: the form then does nothing
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  calc::SetDecimalSeparator(data[0] & 1 ? '.' : ',');
  FuzzBytes bytes(data + 1, size - 1);
  MirrorView view;
  form::Form form(view);
  Expectation expectation;
  while (NextEvent(bytes, form, view)) CheckState(form, view, expectation);
  return 0;
}
