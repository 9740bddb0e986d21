// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
//
// The award form beside the main form on any sequence of what a user does
// in the two windows: characters typed, texts pasted and selections deleted
// in the three main inputs and in the safety and labour costs, the discount's
// decimals set (0 to 10, the last out of range), the guarantee switched,
// Ripulisci and saving the award report, under "," or "." as the decimal
// separator. After every event:
//   - the award form holds the main form's three texts and those typed into
//     its own fields;
//   - the award report may be saved exactly when the three main inputs hold
//     text and award::CheckAward gives figures for the inputs held, and then
//     the figures shown are exactly those of these inputs;
//   - a check that fails shows its own line; the line is empty otherwise;
//   - the view was told exactly the award form's state, and only of changes;
//   - saving writes report::AwardReportRtf of the inputs held, and nothing
//     while saving is disabled;
//   - a character typed into the safety or labour costs is kept as itself,
//     as it would be pasted.
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

#include "award/award_check.h"
#include "award/award_error.h"
#include "award/award_texts.h"
#include "calc/calc_error.h"
#include "calc/decimal_separator.h"
#include "form/award_form.h"
#include "form/fields.h"
#include "form/form.h"
#include "report/award_report.h"
#include "tests/fuzz/fuzz_bytes.h"
#include "tests/fuzz/text_edits.h"

namespace {

class SilentFormView final : public form::FormView {
 public:
  void ShowInput(form::Input, const std::string&) override {}
  void ShowResult(form::Result, const std::string&) override {}
  void ShowSaveEnabled(bool) override {}
};

// What the award window shows: whatever the award form tells it, each time a
// change.
class MirrorView final : public form::AwardView {
 public:
  void ShowAwardTexts(const award::AwardTexts& shown) override {
    if (shown == texts) std::abort();  // told of no change
    texts = shown;
  }
  void ShowAwardError(const std::string& line) override {
    if (line == errorLine) std::abort();
    errorLine = line;
  }
  void ShowAwardSaveEnabled(bool enabled) override {
    if (enabled == saveEnabled) std::abort();
    saveEnabled = enabled;
  }

  award::AwardTexts texts;
  std::string errorLine;
  bool saveEnabled = false;
};

// The two forms and the inputs the user gave them, kept apart from the forms.
struct Session {
  Session() { mainForm.SetFollower(&award); }

  SilentFormView mainView;
  form::Form mainForm{mainView};
  MirrorView view;
  form::AwardForm award{view};
  award::AwardInputs typed;  // the five texts as the fields hold them, N and the guarantee
};

// The check's outcome for the inputs the user gave, computed anew only when
// they have changed since the last event.
struct Expected {
  award::AwardInputs inputs;
  bool computed = false;  // false while a main input is empty, as at the start
  std::optional<award::AwardTexts> texts;
  std::string errorLine;
};

void Recompute(const award::AwardInputs& inputs, Expected& expected) {
  expected.inputs = inputs;
  expected.texts.reset();
  expected.errorLine.clear();
  expected.computed =
      !inputs.baseAmount.empty() && !inputs.discount.empty() && !inputs.contractorTotal.empty();
  if (!expected.computed) return;
  const char separator = calc::DecimalSeparator();
  try {
    expected.texts =
        award::AwardTextsOf(award::CheckAward(inputs, separator), separator, award::Digits::Grouped);
  } catch (const award::AwardError& error) {
    expected.errorLine = error.what();
  }
}

void CheckState(const Session& session, Expected& expected) {
  const form::AwardForm& award = session.award;
  if (award.Inputs() != session.typed) std::abort();
  if (session.view.texts != award.Texts() || session.view.errorLine != award.ErrorLine() ||
      session.view.saveEnabled != award.SaveEnabled())
    std::abort();
  if (expected.inputs != session.typed) Recompute(session.typed, expected);
  if (award.SaveEnabled() != expected.texts.has_value()) std::abort();
  if (expected.texts && award.Texts() != *expected.texts) std::abort();
  if (award.ErrorLine() != expected.errorLine) std::abort();
}

// The award check's own amounts keep a typed character as itself, so that
// a typed text reads as the same text pasted: a key that lengthens the text
// inserts exactly the character typed, "." and "-" included.
void CheckTypedAsWritten(const std::string& before, const std::string& after, std::uint8_t key) {
  if (after.size() != before.size() + 1) return;
  std::size_t at = 0;
  while (at < before.size() && before[at] == after[at]) ++at;
  if (after.compare(at + 1, std::string::npos, before, at) != 0) std::abort();
  if (static_cast<std::uint8_t>(after[at]) != key) std::abort();
}

// The five fields a user types into: the main three, then S and L.
constexpr std::size_t kFields = 5;

std::string& TypedText(Session& session, std::size_t field) {
  switch (field) {
    case 0: return session.typed.baseAmount;
    case 1: return session.typed.discount;
    case 2: return session.typed.contractorTotal;
    case 3: return session.typed.safetyCosts;
    default: return session.typed.labourCosts;
  }
}

// The field takes its new text, then its form hears of the edit; the award
// form follows a main edit, whether the main form computed or not.
void Edit(Session& session, std::size_t field, std::string text) {
  TypedText(session, field) = text;
  if (field == 3) return session.award.EditSafetyCosts(text);
  if (field == 4) return session.award.EditLabourCosts(text);
  try {
    session.mainForm.EditInput(form::kInputs[field], text);
  } catch (const calc::CalcError&) {
  }
}

// One event: the first byte picks what happens (low three bits) and in which
// field (the rest); caret positions are taken modulo the text's length.
// False when the input ends before the event is whole.
bool NextEvent(FuzzBytes& bytes, Session& session) {
  const std::optional<std::uint8_t> head = bytes.Next();
  if (!head) return false;
  const std::size_t field = (*head >> 3) % kFields;
  std::string text = TypedText(session, field);
  switch (*head & 7) {
    case 0:
    case 1: {  // a typed character at the caret
      const bool ownAmount = field >= form::kInputs.size();
      const std::string before = text;
      const std::optional<std::uint8_t> key = FuzzBytes(bytes).Next();
      const TypedEdit typed = TypeAtCaret(
          bytes, text, ownAmount ? form::TypingRule::AsWritten : form::TypingRule::PointIsSeparator);
      if (ownAmount && key) CheckTypedAsWritten(before, text, *key);
      if (typed != TypedEdit::Changed) return typed == TypedEdit::Unchanged;
      break;
    }
    case 2: {  // a paste at the caret
      if (!PasteAtCaret(bytes, text, 32)) return false;
      break;
    }
    case 3: {  // a selection deleted
      if (!DeleteSelection(bytes, text)) return false;
      break;
    }
    case 4: {  // the discount's decimals chosen
      const std::optional<std::uint8_t> decimals = bytes.Next();
      if (!decimals) return false;
      session.typed.discountDecimals = *decimals % (award::kMostDiscountDecimals + 2);
      session.award.SetDiscountDecimals(session.typed.discountDecimals);
      return true;
    }
    case 5:  // the guarantee switched
      session.typed.guaranteeKind = session.typed.guaranteeKind == award::GuaranteeKind::Ordinary
                                        ? award::GuaranteeKind::BelowThreshold
                                        : award::GuaranteeKind::Ordinary;
      session.award.SetGuaranteeKind(session.typed.guaranteeKind);
      return true;
    case 6:  // Ripulisci in the main window
      session.mainForm.Clear();
      session.typed.baseAmount.clear();
      session.typed.discount.clear();
      session.typed.contractorTotal.clear();
      return true;
    case 7: {  // saving the award report
      const std::optional<std::string> rtf = session.award.ReportRtf();
      if (rtf.has_value() != session.award.SaveEnabled()) std::abort();
      if (rtf && *rtf != report::AwardReportRtf(session.typed, calc::DecimalSeparator())) std::abort();
      return true;
    }
  }
  Edit(session, field, std::move(text));
  return true;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  calc::SetDecimalSeparator(data[0] & 1 ? '.' : ',');
  FuzzBytes bytes(data + 1, size - 1);
  Session session;
  Expected expected;
  try {
    while (NextEvent(bytes, session)) CheckState(session, expected);
  } catch (const std::exception&) {
    std::abort();  // the forms raise nothing past a main edit's CalcError
  }
  return 0;
}
