// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// CalcError: the errors that reading an amount and the discrepancy arithmetic
// raise. Each carries its kind and the exact message the error box shows.

#include <stdexcept>
#include <string>

namespace calc {

enum class ErrorKind {
  Conversion,        // "'%s' is not a valid floating point value"
  Overflow,          // "Floating point overflow"
  DivisionByZero,    // "Floating point division by zero"
  InvalidOperation,  // "Invalid floating point operation"
};

class CalcError : public std::runtime_error {
 public:
  CalcError(ErrorKind kind, const std::string& message);
  ErrorKind kind() const { return kind_; }

  static CalcError Conversion(const std::string& keptText);
  static CalcError Overflow();
  static CalcError DivisionByZero();
  static CalcError InvalidOperation();

 private:
  ErrorKind kind_;
};

}  // namespace calc
