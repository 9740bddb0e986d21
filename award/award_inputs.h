// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// The award check's inputs as the fields hold them, with their labels, the
// guarantee's kinds and the check's title: what every edition needs to ask
// for the inputs, with nothing of the arithmetic behind them. UTF-8 texts.
//   A "1.000.000" (the main form's base amount), P "12,345", C "880.253,50",
//   S "30.000", L "", N 3, GuaranteeKind::Ordinary

#include <string>
#include <string_view>

namespace award {

enum class GuaranteeKind {
  Ordinary,        // 10 % and more with the discount, no reductions
  BelowThreshold,  // 5 %, for contracts below the EU threshold
};

inline constexpr GuaranteeKind kGuaranteeKinds[] = {GuaranteeKind::Ordinary, GuaranteeKind::BelowThreshold};

// The discount's decimals that a tender may admit: 0 to 9.
inline constexpr int kMostDiscountDecimals = 9;

// A, P and C are the main form's three texts, read by its lenient rule (the
// digits and the first decimal separator); S and L the award check's own,
// read as written, thousands marks and all (award/decimal_text.h), empty
// reading as 0. A "-" in any of them is an error, never a dropped sign.
struct AwardInputs {
  std::string baseAmount{};       // A
  std::string discount{};         // P, per cent
  std::string contractorTotal{};  // C
  std::string safetyCosts{};      // S; empty reads as 0
  std::string labourCosts{};      // L; empty reads as 0
  int discountDecimals = 3;       // N
  GuaranteeKind guaranteeKind = GuaranteeKind::Ordinary;
  bool operator==(const AwardInputs&) const = default;
};

// The check's title: its window's, its page section's and its report's.
inline constexpr std::string_view kAwardTitle = "Verifica dell'aggiudicazione";

// The inputs' labels. A, P and C are labelled as in the main form, which
// takes them from here; the report names C more briefly.
inline constexpr std::string_view kBaseAmountLabel = "Importo a base d'asta";
inline constexpr std::string_view kDiscountLabel = "Percentuale di ribasso aggiudicatrice";
inline constexpr std::string_view kContractorTotalLabel = "Importo totale dei lavori proposto dall'Impresa";
inline constexpr std::string_view kContractorTotalReportLabel = "Importo totale dei lavori (Impresa)";
inline constexpr std::string_view kSafetyCostsLabel = "Oneri della sicurezza non soggetti a ribasso";
inline constexpr std::string_view kLabourCostsLabel = "Costi della manodopera non soggetti a ribasso";
inline constexpr std::string_view kDiscountDecimalsLabel = "Decimali del ribasso ammessi dalla gara";
inline constexpr std::string_view kGuaranteeKindLabel = "Garanzia";

// What the inputs' tooltips and the page's hints say of the two excluded
// amounts: why each is outside the discount, and why L is empty unless the
// tender rules say otherwise.
inline constexpr std::string_view kSafetyCostsHelp =
    "Gli oneri della sicurezza non sono soggetti a ribasso: si sommano all'importo ribassato. Vuoto: 0.";
inline constexpr std::string_view kLabourCostsHelp =
    "Vuoto per scelta: la lettura prevalente (ANAC, Consiglio di Stato) lascia la manodopera nella base "
    "soggetta a ribasso, salvo che il disciplinare di gara la escluda (art. 41 c. 14 d.lgs. 36/2023).";

// The guarantee's kind as the inputs name it: "ordinaria (art. 117)" or
// "sotto la soglia europea (art. 53 c. 4)".
constexpr std::string_view GuaranteeKindText(GuaranteeKind kind) {
  return kind == GuaranteeKind::BelowThreshold ? "sotto la soglia europea (art. 53 c. 4)"
                                               : "ordinaria (art. 117)";
}

}  // namespace award
