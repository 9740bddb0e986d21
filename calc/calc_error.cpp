// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "calc/calc_error.h"

namespace calc {

CalcError::CalcError(ErrorKind kind, const std::string& message) : std::runtime_error(message), kind_(kind) {}

CalcError CalcError::Conversion(const std::string& keptText) {
  return CalcError(ErrorKind::Conversion, "'" + keptText + "' is not a valid floating point value");
}

CalcError CalcError::Overflow() { return CalcError(ErrorKind::Overflow, "Floating point overflow"); }

CalcError CalcError::DivisionByZero() {
  return CalcError(ErrorKind::DivisionByZero, "Floating point division by zero");
}

CalcError CalcError::InvalidOperation() {
  return CalcError(ErrorKind::InvalidOperation, "Invalid floating point operation");
}

}  // namespace calc
