// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The award check's figures as the editions show them: each label, and each
// figure as a text with the decimal separator, grouped by thousands where a
// person reads it (the window, the page, the report: "880.253,50" under ",")
// and plain where a program reads it (the companion: "880253,50").

#include <string>
#include <string_view>

#include "award/award_check.h"

namespace award {

// The labels of the results, in the order in which every edition shows them.
inline constexpr std::string_view kDiscountedBaseLabel = "Importo soggetto a ribasso";
inline constexpr std::string_view kContractAmountLabel = "Importo contrattuale";
inline constexpr std::string_view kAmountInWordsLabel = "Importo contrattuale in lettere";
inline constexpr std::string_view kImpliedDiscountLabel = "Ribasso implicito dell'Impresa";
inline constexpr std::string_view kContractorMinusContractLabel = "Impresa meno importo contrattuale";
inline constexpr std::string_view kOutcomeLabel = "Esito";
inline constexpr std::string_view kGuaranteeLabel = "Garanzia definitiva";
inline constexpr std::string_view kNoteLabel = "Nota";

// The labels of the inputs that the award check adds to the form's three.
inline constexpr std::string_view kSafetyCostsLabel = "Oneri della sicurezza non soggetti a ribasso";
inline constexpr std::string_view kLabourCostsLabel = "Costi della manodopera non soggetti a ribasso";
inline constexpr std::string_view kDiscountDecimalsLabel = "Decimali del ribasso ammessi dalla gara";
inline constexpr std::string_view kGuaranteeKindLabel = "Garanzia";

// The award check's title: its window's, its page section's and its report's.
inline constexpr std::string_view kAwardTitle = "Verifica dell'aggiudicazione";

// What the inputs' tooltips and the page's hints say of the two excluded
// amounts: why each is outside the discount, and why L is empty unless the
// tender rules say otherwise.
inline constexpr std::string_view kSafetyCostsHelp =
    "Gli oneri della sicurezza non sono soggetti a ribasso: si sommano all'importo ribassato. Vuoto: 0.";
inline constexpr std::string_view kLabourCostsHelp =
    "Vuoto per scelta: la lettura prevalente (ANAC, Consiglio di Stato) lascia la manodopera nella base "
    "soggetta a ribasso, salvo che il disciplinare di gara la escluda (art. 41 c. 14 d.lgs. 36/2023).";

struct AwardTexts {
  std::string discountedBase;           // "970.000,00"
  std::string contractAmount;           // "880.253,50"
  std::string amountInWords;            // "ottocentottantamiladuecentocinquantatré/50", or why it is missing
  std::string impliedDiscount;          // "12,345000", without " %"
  std::string contractorMinusContract;  // "0,00"
  std::string outcome;                  // "concorde"
  std::string guaranteePercent;         // "12,345", without " %"
  std::string guaranteeAmount;          // "108.667,29"
  std::string guarantee;                // "12,345 % dell'importo contrattuale, 108.667,29"
  std::string note;                     // empty, or that the discount has more than N decimals
};

// Takes the result whole, so that the amount in words moves into the texts.
AwardTexts ShowAward(AwardResult result, char separator, bool grouped);

// The guarantee's kind as the inputs name it: "ordinaria (art. 117)" or
// "sotto la soglia europea (art. 53 c. 4)".
std::string_view GuaranteeKindText(Guarantee guarantee);

}  // namespace award
