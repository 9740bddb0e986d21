// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// ReportFields: the texts of the main window's six fields, copied exactly as
// they are shown, for the report; UTF-8. The report reads no number from them.
// The three results keep the order in which they are computed: total,
// difference, percentage.

#include <string>

namespace report {

struct ReportFields {
  std::string baseAmount;       // "Importo a base d'asta"
  std::string discount;         // "Percentuale di ribasso aggiudicatrice"
  std::string contractorTotal;  // "Importo totale dei lavori proposto dall'Impresa"
  std::string computedTotal;    // the total that follows from the base amount and the discount
  std::string difference;       // the contractor's total minus the computed total
  std::string discrepancy;      // the discrepancy percentage
};

}  // namespace report
