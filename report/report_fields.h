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
  std::string baseAmount;       // Edit1: "Importo a base d'asta"
  std::string discount;         // Edit2: "Percentuale di ribasso aggiudicatrice"
  std::string contractorTotal;  // Edit3: "Importo totale dei lavori proposto dall'Impresa"
  std::string computedTotal;    // Edit4: the total that follows from Edit1 and Edit2
  std::string difference;       // Edit6: contractor's total minus computed total
  std::string discrepancy;      // Edit5: the discrepancy percentage
};

}  // namespace report
