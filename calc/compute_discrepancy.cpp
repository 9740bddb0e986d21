#include "calc/compute_discrepancy.h"

#include "calc/decimal_separator.h"
#include "calc/discrepancy.h"

namespace calc {
namespace {

void WriteIfChanged(DiscrepancyFields& fields, Field field, const std::string& text) {
  if (fields.Text(field) != text) fields.SetText(field, text);
}

}  // namespace

void ComputeDiscrepancy(DiscrepancyFields& fields) {
  const std::string base = fields.Text(Field::BaseAmount);
  if (base.empty()) return fields.SetSaveEnabled(false);
  const std::string discount = fields.Text(Field::Discount);
  if (discount.empty()) return fields.SetSaveEnabled(false);
  const std::string contractorTotal = fields.Text(Field::ContractorTotal);
  if (contractorTotal.empty()) return fields.SetSaveEnabled(false);

  fields.SetSaveEnabled(true);
  const DiscrepancyTexts texts = ComputeTexts(base, discount, contractorTotal, DecimalSeparator());
  WriteIfChanged(fields, Field::ComputedTotal, texts.computedTotal);
  WriteIfChanged(fields, Field::Percentage, texts.percentage);
  WriteIfChanged(fields, Field::Difference, texts.difference);
}

}  // namespace calc
