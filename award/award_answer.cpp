// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/award_answer.h"

#include "award/award_check.h"
#include "award/award_error.h"
#include "award/award_texts.h"

namespace award {

bool AnyMainInputEmpty(const AwardInputs& inputs) {
  return inputs.baseAmount.empty() || inputs.discount.empty() || inputs.contractorTotal.empty();
}

AwardAnswer AnswerAward(const AwardInputs& inputs, char separator, Digits digits) {
  if (AnyMainInputEmpty(inputs)) return {};
  try {
    return {.texts = AwardTextsOf(CheckAward(inputs, separator), separator, digits), .error = {}};
  } catch (const AwardError& error) {
    return {.texts = std::nullopt, .error = error.what()};
  }
}

}  // namespace award
