#pragma once
// ComputeDiscrepancy: the change handling of the three input fields. It acts
// on the six fields and the save button through DiscrepancyFields, so that the
// order of its effects lives here and runs without any window:
//   1. any input text empty → save disabled, nothing else (results kept);
//   2. otherwise save enabled first, before any conversion or arithmetic;
//   3. all arithmetic finished before the first result is written, so a run
//      that raises writes no result;
//   4. results written in the order Edit4, Edit5, Edit6, a field whose text
//      would not change left untouched.

#include <string>

namespace calc {

enum class Field {
  BaseAmount,       // Edit1, input
  Discount,         // Edit2, input
  ContractorTotal,  // Edit3, input
  ComputedTotal,    // Edit4, result
  Percentage,       // Edit5, result
  Difference,       // Edit6, result
};

class DiscrepancyFields {
 public:
  virtual ~DiscrepancyFields() = default;
  virtual std::string Text(Field field) const = 0;
  virtual void SetText(Field field, const std::string& text) = 0;
  virtual void SetSaveEnabled(bool enabled) = 0;
};

// Raises the CalcError of the first failing step; see discrepancy.h.
void ComputeDiscrepancy(DiscrepancyFields& fields);

}  // namespace calc
