#pragma once
// ReportFields: the texts of the main window's six fields, copied exactly as
// they are shown, for the report. The export reads no number from them.

#include <QString>

namespace report {

struct ReportFields {
  QString baseAmount;       // Edit1: "Importo a base d'asta"
  QString discount;         // Edit2: "Percentuale di ribasso aggiudicatrice"
  QString contractorTotal;  // Edit3: "Importo totale dei lavori proposto dall'Impresa"
  QString computedTotal;    // Edit4: the total that follows from Edit1 and Edit2
  QString percentage;       // Edit5: the discrepancy percentage
  QString difference;       // Edit6: contractor's total minus computed total
};

}  // namespace report
