// SPDX-FileCopyrightText: 2026 Calmora Studio
// SPDX-License-Identifier: EUPL-1.2
#include "form/form.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "calc/calc_error.h"
#include "calc/decimal_separator.h"

namespace {

using calc::CalcError;
using calc::ErrorKind;
using form::Input;
using form::Result;
using Log = std::vector<std::string>;

// A view that writes down everything the form tells it.
class RecordingView : public form::FormView {
 public:
  void ShowInput(Input input, const std::string& text) override {
    log.push_back(kInputNames[static_cast<int>(input)] + "=" + text);
  }
  void ShowResult(Result result, const std::string& text) override {
    log.push_back(kResultNames[static_cast<int>(result)] + "=" + text);
  }
  void ShowSaveEnabled(bool enabled) override { log.push_back(enabled ? "save on" : "save off"); }

  Log log;

 private:
  inline static const std::string kInputNames[] = {"base", "discount", "total"};
  inline static const std::string kResultNames[] = {"computed", "difference", "discrepancy"};
};

class FormTest : public testing::Test {
 protected:
  void SetUp() override { calc::SetDecimalSeparator(','); }

  // Types the three inputs in order, ignoring the errors of partial texts.
  void Enter(const std::string& base, const std::string& discount, const std::string& total) {
    for (const auto& [input, text] :
         {std::pair{Input::BaseAmount, base}, std::pair{Input::Discount, discount},
          std::pair{Input::ContractorTotal, total}}) {
      try {
        form.EditInput(input, text);
      } catch (const CalcError&) {
      }
    }
    view.log.clear();
  }
  std::vector<std::string> Results() const {
    return {form.ResultText(Result::ComputedTotal), form.ResultText(Result::Difference),
            form.ResultText(Result::Discrepancy)};
  }

  RecordingView view;
  form::Form form{view};
};

TEST_F(FormTest, StartsEmptyWithSaveDisabled) {
  for (Input input : form::kInputs) EXPECT_EQ(form.InputText(input), "");
  EXPECT_EQ(Results(), (std::vector<std::string>{"", "", ""}));
  EXPECT_FALSE(form.SaveEnabled());
}

TEST_F(FormTest, TheThirdInputComputesShowsResultsThenEnablesSave) {
  Enter("250000", "12,5", "");
  form.EditInput(Input::ContractorTotal, "220000");
  EXPECT_EQ(view.log,
            (Log{"computed=218750", "difference=1250", "discrepancy=0,568181818181818", "save on"}));
  EXPECT_TRUE(form.SaveEnabled());
}

TEST_F(FormTest, OnlyChangedTextsAreShown) {
  Enter("1000", "10", "9");
  form.EditInput(Input::ContractorTotal, "9");  // the text it holds: nothing runs
  EXPECT_EQ(view.log, Log{});
  form.EditInput(Input::ContractorTotal, "90");  // the computed total stays 900
  EXPECT_EQ(view.log, (Log{"difference=-810", "discrepancy=-900"}));
}

TEST_F(FormTest, AnEmptyInputDisablesSaveAndKeepsResults) {
  for (Input emptied : form::kInputs) {
    Enter("1000", "10", "9");
    form.EditInput(emptied, "");
    EXPECT_EQ(view.log, (Log{"save off"})) << static_cast<int>(emptied);
    EXPECT_EQ(Results(), (std::vector<std::string>{"900", "-891", "-9900"}));
  }
}

// After a failed computation the results shown belong to the earlier inputs:
// they stay in view, but the report cannot be saved until a computation
// succeeds again. A text of dropped characters only counts as present.
TEST_F(FormTest, AnErrorKeepsResultsAndInputsAndDisablesSave) {
  using Texts = std::vector<std::string>;
  const Texts tenPercent{"1000", "10", "9"}, tenPercentResults{"900", "-891", "-9900"};
  const Texts wholeDiscount{"1000", "100", "9"}, wholeDiscountResults{"0", "9", "100"};
  const struct {
    const char* name;
    const Texts& start;
    const Texts& results;
    Input input;
    std::string text;
    ErrorKind kind;
  } rows[] = {
      {"ZeroTotal", tenPercent, tenPercentResults, Input::ContractorTotal, "0", ErrorKind::DivisionByZero},
      {"SeparatorAsTotal", tenPercent, tenPercentResults, Input::ContractorTotal, ",",
       ErrorKind::DivisionByZero},
      {"ZeroOverZero", wholeDiscount, wholeDiscountResults, Input::ContractorTotal, "0",
       ErrorKind::InvalidOperation},
      {"SpacesOnly", tenPercent, tenPercentResults, Input::Discount, "   ", ErrorKind::Conversion},
      {"DiscrepancyOverflow", tenPercent, tenPercentResults, Input::ContractorTotal,
       "0," + std::string(304, '0') + "1", ErrorKind::Overflow},
  };
  for (const auto& row : rows) {
    Enter(row.start[0], row.start[1], row.start[2]);
    ASSERT_EQ(Results(), row.results) << row.name;
    try {
      form.EditInput(row.input, row.text);
      ADD_FAILURE() << row.name << ": no error raised";
    } catch (const CalcError& error) {
      EXPECT_EQ(error.kind(), row.kind) << row.name;
    }
    EXPECT_EQ(form.InputText(row.input), row.text) << row.name;
    EXPECT_EQ(Results(), row.results) << row.name;
    EXPECT_EQ(view.log, (Log{"save off"})) << row.name;
  }
}

// Typing 0,5 into an empty contractor's total, one character at a time: the 0
// and the separator each divide by zero, the 5 gives results and "Salva".
TEST_F(FormTest, TypingHalfIntoTheTotal) {
  Enter("1000", "10", "");
  EXPECT_THROW(form.EditInput(Input::ContractorTotal, "0"), CalcError);
  EXPECT_THROW(form.EditInput(Input::ContractorTotal, "0,"), CalcError);
  EXPECT_EQ(view.log, Log{});  // "Salva" was off and stays off
  form.EditInput(Input::ContractorTotal, "0,5");
  EXPECT_EQ(view.log, (Log{"computed=900", "difference=-899,5", "discrepancy=-179900", "save on"}));
}

// The first error after a good result takes "Salva" away; the next good
// result gives it back.
TEST_F(FormTest, SaveReturnsWithTheNextSuccessfulComputation) {
  Enter("1000", "10", "9");
  EXPECT_THROW(form.EditInput(Input::ContractorTotal, "0"), CalcError);
  form.EditInput(Input::ContractorTotal, "90");
  EXPECT_EQ(view.log, (Log{"save off", "difference=-810", "discrepancy=-900", "save on"}));
}

TEST_F(FormTest, ReadsAndShowsWithTheProcessWideSeparator) {
  calc::SetDecimalSeparator('.');
  Enter("250000", "12,5", "220000");  // read as 125 %
  EXPECT_EQ(Results(), (std::vector<std::string>{"-62500", "282500", "128.409090909091"}));
  Enter("250000", "12.5", "220000");
  EXPECT_EQ(Results(), (std::vector<std::string>{"218750", "1250", "0.568181818181818"}));
}

// Clearing empties the inputs in order, then the results, and disables
// "Salva"; a view that reports the emptied input back changes nothing.
TEST_F(FormTest, ClearEmptiesEveryFieldAndDisablesSave) {
  Enter("1000", "", "9");
  form.Clear();
  EXPECT_EQ(view.log, (Log{"base=", "total="}));
  Enter("1000", "10", "9");
  form.Clear();
  EXPECT_EQ(view.log,
            (Log{"base=", "discount=", "total=", "computed=", "difference=", "discrepancy=", "save off"}));
  form.EditInput(Input::BaseAmount, "");
  form.Clear();
  EXPECT_EQ(view.log.size(), 7u);
}

TEST_F(FormTest, TheReportTakesTheSixTextsAsShown) {
  Enter("2767605", "97", "5738745");
  const report::ReportFields fields = form.ReportFields();
  EXPECT_EQ(fields.baseAmount, "2767605");
  EXPECT_EQ(fields.discount, "97");
  EXPECT_EQ(fields.contractorTotal, "5738745");
  EXPECT_EQ(fields.computedTotal, "83028,1500000001");
  EXPECT_EQ(fields.difference, "5655716,85");
  EXPECT_EQ(fields.discrepancy, "98,5532002206057");
}

}  // namespace
