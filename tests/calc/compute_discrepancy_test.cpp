#include "calc/compute_discrepancy.h"

#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "calc/calc_error.h"
#include "calc/decimal_separator.h"

namespace {

using calc::CalcError;
using calc::ErrorKind;
using calc::Field;

// Six field texts and the save button, recording every change made to them.
class RecordingFields : public calc::DiscrepancyFields {
 public:
  std::string Text(Field field) const override { return texts_.at(field); }
  void SetText(Field field, const std::string& text) override {
    log.push_back(Name(field) + "=" + text);
    texts_[field] = text;
  }
  void SetSaveEnabled(bool enabled) override {
    log.push_back(enabled ? "save on" : "save off");
    saveEnabled = enabled;
  }

  void Type(const std::string& base, const std::string& discount, const std::string& total) {
    texts_[Field::BaseAmount] = base;
    texts_[Field::Discount] = discount;
    texts_[Field::ContractorTotal] = total;
    log.clear();
  }
  void Show(const std::string& computedTotal, const std::string& percentage, const std::string& difference) {
    texts_[Field::ComputedTotal] = computedTotal;
    texts_[Field::Percentage] = percentage;
    texts_[Field::Difference] = difference;
  }
  std::vector<std::string> Results() const {
    return {texts_.at(Field::ComputedTotal), texts_.at(Field::Percentage), texts_.at(Field::Difference)};
  }

  std::vector<std::string> log;
  bool saveEnabled = false;

 private:
  static std::string Name(Field field) {
    switch (field) {
      case Field::BaseAmount: return "Edit1";
      case Field::Discount: return "Edit2";
      case Field::ContractorTotal: return "Edit3";
      case Field::ComputedTotal: return "Edit4";
      case Field::Percentage: return "Edit5";
      case Field::Difference: return "Edit6";
    }
    return "?";
  }

  std::map<Field, std::string> texts_ = {
      {Field::BaseAmount, ""},    {Field::Discount, ""},   {Field::ContractorTotal, ""},
      {Field::ComputedTotal, ""}, {Field::Percentage, ""}, {Field::Difference, ""},
  };
};

using Log = std::vector<std::string>;

class ComputeDiscrepancyTest : public testing::Test {
 protected:
  void SetUp() override { calc::SetDecimalSeparator(','); }
  RecordingFields fields;
};

TEST_F(ComputeDiscrepancyTest, EnablesSaveThenWritesEdit4Edit5Edit6) {
  fields.Type("250000", "12,5", "220000");
  calc::ComputeDiscrepancy(fields);
  EXPECT_EQ(fields.log, (Log{"save on", "Edit4=218750", "Edit5=0,568181818181818", "Edit6=1250"}));
  EXPECT_TRUE(fields.saveEnabled);
}

TEST_F(ComputeDiscrepancyTest, UnchangedTextsAreNotWritten) {
  fields.Type("1000", "10", "9");
  calc::ComputeDiscrepancy(fields);
  fields.log.clear();
  calc::ComputeDiscrepancy(fields);
  EXPECT_EQ(fields.log, (Log{"save on"}));

  fields.Type("1000", "10", "90");
  calc::ComputeDiscrepancy(fields);
  EXPECT_EQ(fields.log, (Log{"save on", "Edit5=-900", "Edit6=-810"}));
}

TEST_F(ComputeDiscrepancyTest, AnEmptyInputDisablesSaveAndKeepsResults) {
  const std::vector<std::vector<std::string>> inputs = {
      {"", "", ""}, {"", "10", "9"}, {"1000", "", "9"}, {"1000", "10", ""}};
  for (const auto& input : inputs) {
    fields.Show("900", "-9900", "-891");
    fields.Type(input[0], input[1], input[2]);
    calc::ComputeDiscrepancy(fields);
    EXPECT_EQ(fields.log, (Log{"save off"}));
    EXPECT_FALSE(fields.saveEnabled);
    EXPECT_EQ(fields.Results(), (std::vector<std::string>{"900", "-9900", "-891"}));
  }
}

// Text made only of dropped characters counts as present: save is enabled
// and the conversion error follows.
TEST_F(ComputeDiscrepancyTest, ErrorsLeaveSaveEnabledAndResultsUntouched) {
  const struct {
    const char* name;
    std::vector<std::string> input;
    ErrorKind kind;
  } rows[] = {
      {"ZeroTotal", {"1000", "10", "0"}, ErrorKind::DivisionByZero},
      {"SeparatorAsTotal", {"1000", "10", ","}, ErrorKind::DivisionByZero},
      {"ZeroOverZero", {"1000", "100", "0"}, ErrorKind::InvalidOperation},
      {"SpacesOnly", {"1000", "   ", "9"}, ErrorKind::Conversion},
      {"PercentageOverflow", {"1000", "0", "0," + std::string(304, '0') + "1"}, ErrorKind::Overflow},
  };
  for (const auto& row : rows) {
    fields.Show("900", "-9900", "-891");
    fields.Type(row.input[0], row.input[1], row.input[2]);
    try {
      calc::ComputeDiscrepancy(fields);
      ADD_FAILURE() << row.name << ": no error raised";
    } catch (const CalcError& error) {
      EXPECT_EQ(error.kind(), row.kind) << row.name;
    }
    EXPECT_EQ(fields.log, (Log{"save on"})) << row.name;
    EXPECT_TRUE(fields.saveEnabled) << row.name;
    EXPECT_EQ(fields.Results(), (std::vector<std::string>{"900", "-9900", "-891"})) << row.name;
  }
}

// Typing 0,5 into an empty contractor's total, one character at a time: the
// 0 and the separator each divide by zero, the 5 gives results.
TEST_F(ComputeDiscrepancyTest, TypingHalfIntoTheTotal) {
  const struct {
    const char* total;
    bool raises;
  } steps[] = {{"0", true}, {"0,", true}, {"0,5", false}};
  for (const auto& step : steps) {
    fields.Type("1000", "10", step.total);
    if (step.raises) {
      EXPECT_THROW(calc::ComputeDiscrepancy(fields), CalcError) << step.total;
      EXPECT_EQ(fields.log, (Log{"save on"})) << step.total;
    } else {
      calc::ComputeDiscrepancy(fields);
      EXPECT_EQ(fields.log, (Log{"save on", "Edit4=900", "Edit5=-179900", "Edit6=-899,5"}));
    }
  }
}

TEST_F(ComputeDiscrepancyTest, ReadsAndShowsWithTheProcessWideSeparator) {
  calc::SetDecimalSeparator('.');
  fields.Type("250000", "12,5", "220000");  // read as 125 %
  calc::ComputeDiscrepancy(fields);
  EXPECT_EQ(fields.Results(), (std::vector<std::string>{"-62500", "128.409090909091", "282500"}));
  fields.Type("250000", "12.5", "220000");
  calc::ComputeDiscrepancy(fields);
  EXPECT_EQ(fields.Results(), (std::vector<std::string>{"218750", "0.568181818181818", "1250"}));
}

}  // namespace
