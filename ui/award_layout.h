// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The award window's rows: each widget's objectName and label, and for each
// result the text of award::AwardTexts it shows. AwardWindow lays them out
// top to bottom in a form layout; the behaviour lives in award_window.cpp.

#include <string>
#include <string_view>

#include "award/award_texts.h"

namespace ui::award_layout {

// A widget and the label on its left, which also names it for assistive
// technology.
struct LabelledRow {
  const char* name;
  std::string_view label;
};

inline constexpr LabelledRow kSafetyCostsRow{.name = "safetyCostsEdit", .label = award::kSafetyCostsLabel};
inline constexpr LabelledRow kLabourCostsRow{.name = "labourCostsEdit", .label = award::kLabourCostsLabel};
inline constexpr LabelledRow kDiscountDecimalsRow{.name = "discountDecimalsSpin",
                                                  .label = award::kDiscountDecimalsLabel};
inline constexpr LabelledRow kGuaranteeKindRow{.name = "guaranteeCombo", .label = award::kGuaranteeKindLabel};

struct ResultRow {
  const char* name;
  std::string_view label;
  std::string award::AwardTexts::*text;
  std::string_view unit;  // after the text, as in " %"
};

// In the order of award_texts.h; the note, a sentence, has a line of its own.
inline constexpr ResultRow kResultRows[] = {
    {"discountedBaseEdit", award::kDiscountedBaseLabel, &award::AwardTexts::discountedBase, ""},
    {"contractAmountEdit", award::kContractAmountLabel, &award::AwardTexts::contractAmount, ""},
    {"amountInWordsEdit", award::kAmountInWordsLabel, &award::AwardTexts::amountInWords, ""},
    {"impliedDiscountEdit", award::kImpliedDiscountLabel, &award::AwardTexts::impliedDiscount, " %"},
    {"contractorMinusContractEdit", award::kContractorMinusContractLabel,
     &award::AwardTexts::contractorMinusContract, ""},
    {"outcomeEdit", award::kOutcomeLabel, &award::AwardTexts::outcome, ""},
    {"guaranteeEdit", award::kGuaranteeLabel, &award::AwardTexts::guarantee, ""},
};

// The width that the result fields share: the longest outcome in full.
inline constexpr std::string_view kResultSample =
    "discordanza dovuta all'arrotondamento del ribasso a 9 decimali";

// The note on a discount with more decimals than admitted, shown only while
// there is one, and the reason the inputs give no figures.
inline constexpr LabelledRow kNoteRow{.name = "noteLabel", .label = award::kNoteLabel};
inline constexpr const char* kErrorLabelName = "awardErrorLabel";
inline constexpr const char* kSaveButtonName = "awardSaveButton";
inline constexpr const char* kSaveButtonText = "&Salva";
inline constexpr const char* kCloseButtonName = "closeButton";
inline constexpr const char* kCloseButtonText = "&Chiudi";

}  // namespace ui::award_layout
