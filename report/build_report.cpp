// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "report/build_report.h"

#include <string>

#include "report/report_heading.h"

namespace report {

void BuildReport(ReportBuffer& buffer, const ReportFields& fields) {
  // 1. Arial 12, the title in bold navy, two empty lines.
  StartReport(buffer, "Calcolo della percentuale di discordanza.");

  // 2. The figures, plain and in the automatic colour. Each line is put
  //    together just before it is appended; the difference comes before the
  //    percentage.
  buffer.AppendLine("Importo a base d'asta:\t\t\t\t\t" + fields.baseAmount);
  buffer.AppendLine("");
  buffer.AppendLine("Percentuale di ribasso aggiudicatrice:\t\t\t" + fields.discount + " %");
  buffer.AppendLine("");
  buffer.AppendLine("Importo totale dei lavori (Impresa):\t\t\t" + fields.contractorTotal);
  buffer.AppendLine("");
  buffer.AppendLine("Importo totale dei lavori (Calcolato):\t\t\t" + fields.computedTotal);
  buffer.AppendLine("");
  buffer.AppendLine("(Importo Impresa) meno (Importo Calcolato):\t" + fields.difference);
  buffer.AppendLine("");
  buffer.AppendLine("Percentuale di discordanza:\t\t\t\t" + fields.discrepancy + " %");
}

}  // namespace report
