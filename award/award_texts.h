// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// AwardTextsOf: the texts of one award check's figures (award_figures.h),
// with the decimal separator, grouped by thousands or plain. The editions
// reach it through AnswerAward (award_answer.h).
//   contract amount 880253,50 → "880.253,50" (Digits::Grouped) or "880253,50"
//   outcome DiscountRounding, N 3 → "discordanza dovuta all'arrotondamento del ribasso a 3 decimali"
//   guarantee 12,345 %, 108667,29 → "12,345 % dell'importo contrattuale, 108.667,29"

#include "award/award_answer.h"
#include "award/award_check.h"
#include "award/award_figures.h"

namespace award {

// Takes the result whole, so that the amount in words moves into the texts.
AwardTexts AwardTextsOf(AwardResult result, char separator, Digits digits);

}  // namespace award
