// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/award_form.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "calc/calc_error.h"
#include "calc/decimal_separator.h"
#include "report/award_report.h"
#include "report/report_buffer.h"

namespace {

using award::Figure;
using award::GuaranteeKind;
using form::Input;
using Log = std::vector<std::string>;

// The main form's view; the award form never talks to it.
class SilentFormView : public form::FormView {
 public:
  void ShowInput(Input, const std::string&) override {}
  void ShowResult(form::Result, const std::string&) override {}
  void ShowSaveEnabled(bool) override {}
};

// Writes down what the award form tells it: of the figures, the contract
// amount, the outcome, the guarantee and the note stand for the whole set.
class RecordingAwardView : public form::AwardView {
 public:
  void ShowAwardTexts(const award::AwardTexts& texts) override {
    std::string line = "figures " + texts[Figure::ContractAmount] + " | " + texts[Figure::Outcome] + " | " +
                       texts[Figure::Guarantee];
    if (!texts[Figure::Note].empty()) line += " | " + texts[Figure::Note];
    log.push_back(line);
  }
  void ShowAwardError(const std::string& line) override { log.push_back("error=" + line); }
  void ShowAwardSaveEnabled(bool enabled) override { log.push_back(enabled ? "save on" : "save off"); }

  Log log;
};

// A main form and the award form that follows it, as a window holds them.
struct Forms {
  Forms() {
    calc::SetDecimalSeparator(',');
    mainForm.SetFollower(&award);
  }

  // Types a main input; the award form follows it, failed or not.
  void EditMain(Input input, const std::string& text) {
    try {
      mainForm.EditInput(input, text);
    } catch (const calc::CalcError&) {
    }
  }
  // The first worked example: A 1.000.000, P 12,345, C 880.253,50, S 30.000.
  void EnterWorkedExample() {
    award.EditSafetyCosts("30000");
    EditMain(Input::BaseAmount, "1000000");
    EditMain(Input::Discount, "12,345");
    EditMain(Input::ContractorTotal, "880253,50");
    view.log.clear();
  }

  SilentFormView mainView;
  form::Form mainForm{mainView};
  RecordingAwardView view;
  form::AwardForm award{view};
};

const std::string kWorkedFigures =
    "figures 880.253,50 | concorde | 12,345 % dell'importo contrattuale, 108.667,29";
const std::string kNoDiscountedBase =
    "error=L'importo soggetto a ribasso (base d'asta meno oneri della sicurezza e costi della manodopera) "
    "non è "
    "maggiore di zero.";

TEST(AwardFormTest, NothingIsComputedUntilTheThreeMainInputsHoldText) {
  Forms forms;
  forms.award.EditSafetyCosts("30000");
  forms.EditMain(Input::BaseAmount, "1000000");
  forms.EditMain(Input::Discount, "12,345");
  EXPECT_EQ(forms.view.log, Log{});
  EXPECT_EQ(forms.award.ReportRtf(), std::nullopt);
  forms.EditMain(Input::ContractorTotal, "880253,50");
  EXPECT_EQ(forms.view.log, (Log{kWorkedFigures, "save on"}));
  EXPECT_EQ(forms.award.Texts()[Figure::SubjectAmount], "970.000,00");
}

TEST(AwardFormTest, AValueAlreadyHeldRunsNothing) {
  Forms forms;
  forms.EnterWorkedExample();
  forms.award.FollowMainInputs(forms.mainForm);
  forms.award.EditSafetyCosts("30000");
  forms.award.EditLabourCosts("");
  forms.award.SetDiscountDecimals(3);
  forms.award.SetGuaranteeKind(GuaranteeKind::Ordinary);
  EXPECT_EQ(forms.view.log, Log{});
}

// Every input, the main ones followed and the award check's own, recomputes:
// the new figures are shown and saving stays enabled.
TEST(AwardFormTest, EachInputRecomputesTheFigures) {
  const struct {
    const char* name;
    std::function<void(Forms&)> change;
    std::string figures;
  } rows[] = {
      {"MainTotal", [](Forms& f) { f.EditMain(Input::ContractorTotal, "880253,51"); },
       "figures 880.253,50 | discordanza dovuta all'arrotondamento del ribasso a 3 decimali | 12,345 % "
       "dell'importo contrattuale, 108.667,29"},
      {"Labour", [](Forms& f) { f.award.EditLabourCosts("250000"); },
       "figures 911.116,00 | discordanza | 12,345 % dell'importo contrattuale, 112.477,27"},
      {"Decimals", [](Forms& f) { f.award.SetDiscountDecimals(2); },
       "figures 880.253,50 | concorde | 12,345 % dell'importo contrattuale, 108.667,29 | la percentuale di "
       "ribasso ha più di 2 decimali, più di quanti ne ammette la gara"},
      {"Threshold", [](Forms& f) { f.award.SetGuaranteeKind(GuaranteeKind::BelowThreshold); },
       "figures 880.253,50 | concorde | 5,000 % dell'importo contrattuale, 44.012,68"},
  };
  for (const auto& row : rows) {
    Forms forms;
    forms.EnterWorkedExample();
    row.change(forms);
    EXPECT_EQ(forms.view.log, Log{row.figures}) << row.name;
    EXPECT_TRUE(forms.award.SaveEnabled()) << row.name;
  }
}

// A check that fails keeps the figures in view, shows its line and disables
// saving; the next one that succeeds clears the line, then enables saving.
TEST(AwardFormTest, AFailedCheckShowsItsLineAndKeepsTheFiguresUnsaveable) {
  Forms forms;
  forms.EnterWorkedExample();
  forms.award.EditLabourCosts("970000");  // X = 0
  EXPECT_EQ(forms.view.log, (Log{"save off", kNoDiscountedBase}));
  EXPECT_EQ(forms.award.ErrorLine(), kNoDiscountedBase.substr(6));
  EXPECT_EQ(forms.award.Texts()[Figure::ContractAmount], "880.253,50");
  EXPECT_EQ(forms.award.ReportRtf(), std::nullopt);

  forms.view.log.clear();
  forms.award.SetDiscountDecimals(10);  // another failure: its line alone
  EXPECT_EQ(forms.view.log, Log{"error=I decimali ammessi del ribasso vanno da 0 a 9."});
  forms.award.SetDiscountDecimals(3);

  forms.view.log.clear();
  forms.award.EditLabourCosts("");  // back to the figures shown: only the line and the flag change
  EXPECT_EQ(forms.view.log, (Log{"error=", "save on"}));
}

// An emptied main input computes nothing: any error line goes, the figures
// stay, saving is disabled.
TEST(AwardFormTest, AnEmptiedMainInputDisablesSavingAndClearsTheErrorLine) {
  for (Input emptied : form::kInputs) {
    Forms forms;
    forms.EnterWorkedExample();
    forms.award.EditSafetyCosts("2000000");  // X < 0
    forms.view.log.clear();
    forms.EditMain(emptied, "");
    EXPECT_EQ(forms.view.log, Log{"error="}) << static_cast<int>(emptied);
    EXPECT_EQ(forms.award.Texts()[Figure::ContractAmount], "880.253,50");
    EXPECT_FALSE(forms.award.SaveEnabled());
  }
  Forms forms;
  forms.EnterWorkedExample();
  forms.mainForm.Clear();
  EXPECT_EQ(forms.view.log, Log{"save off"});
}

// The report is written from the inputs the figures came from: the current
// ones while saving is enabled, none while the figures are stale.
TEST(AwardFormTest, TheReportIsThatOfTheInputsShown) {
  Forms forms;
  forms.EnterWorkedExample();
  forms.award.SetGuaranteeKind(GuaranteeKind::BelowThreshold);
  const award::AwardInputs shown = forms.award.Inputs();
  EXPECT_EQ(forms.award.ReportRtf(), report::AwardReportRtf(shown, ','));
  award::AwardInputs ordinary = shown;  // the report holds the guarantee chosen
  ordinary.guaranteeKind = GuaranteeKind::Ordinary;
  EXPECT_NE(forms.award.ReportRtf(), report::AwardReportRtf(ordinary, ','));
  forms.award.EditSafetyCosts("30000,");  // the same amount, another text: the report follows the text
  EXPECT_EQ(forms.award.ReportRtf(), report::AwardReportRtf(forms.award.Inputs(), ','));
  forms.EditMain(Input::Discount, "101");
  EXPECT_EQ(forms.award.ReportRtf(), std::nullopt);
}

// A separator changed after the figures (the desktop's or the browser's
// language) does not reread the inputs behind the report: "12,345" read with
// "." would be a discount of 12.345 %, which gives no figures at all.
TEST(AwardFormTest, TheReportKeepsTheSeparatorItsFiguresWereReadWith) {
  Forms forms;
  forms.EnterWorkedExample();
  const std::optional<std::string> saved = forms.award.ReportRtf();
  calc::SetDecimalSeparator('.');
  EXPECT_EQ(forms.award.ReportSeparator(), ',');
  EXPECT_EQ(forms.award.ReportInputs().discount, "12,345");
  EXPECT_EQ(forms.award.ReportRtf(), saved);
  report::ReportBuffer printed;
  EXPECT_NO_THROW(
      report::BuildAwardReport(printed, forms.award.ReportInputs(), forms.award.ReportSeparator()));
  calc::SetDecimalSeparator(',');
}

}  // namespace
