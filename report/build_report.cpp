#include "report/build_report.h"

namespace report {

namespace {

const QColor kNavy(0, 0, 128);

}  // namespace

void BuildReport(ReportBuffer& buffer, const ReportFields& fields) {
  // 1. Default format, then an empty buffer.
  buffer.SetDefaultFace(QStringLiteral("Arial"));
  buffer.SetDefaultSize(12);
  buffer.Clear();

  // 2. The title, bold and navy.
  buffer.SetInsertionColour(kNavy);
  buffer.SetInsertionStyle({.bold = true});
  buffer.AppendLine(QStringLiteral("Calcolo della percentuale di discordanza."));

  // 3. The figures, plain and in the automatic colour. Each line is put
  //    together just before it is appended; the difference comes before the
  //    percentage.
  buffer.SetInsertionColour(std::nullopt);
  buffer.SetInsertionStyle({});
  buffer.AppendLine(QString());
  buffer.AppendLine(QString());
  buffer.AppendLine(QStringLiteral("Importo a base d'asta:\t\t\t\t\t") + fields.baseAmount);
  buffer.AppendLine(QString());
  buffer.AppendLine(QStringLiteral("Percentuale di ribasso aggiudicatrice:\t\t\t") + fields.discount +
                    QStringLiteral(" %"));
  buffer.AppendLine(QString());
  buffer.AppendLine(QStringLiteral("Importo totale dei lavori (Impresa):\t\t\t") + fields.contractorTotal);
  buffer.AppendLine(QString());
  buffer.AppendLine(QStringLiteral("Importo totale dei lavori (Calcolato):\t\t\t") + fields.computedTotal);
  buffer.AppendLine(QString());
  buffer.AppendLine(QStringLiteral("(Importo Impresa) meno (Importo Calcolato):\t") + fields.difference);
  buffer.AppendLine(QString());
  buffer.AppendLine(QStringLiteral("Percentuale di discordanza:\t\t\t\t") + fields.percentage +
                    QStringLiteral(" %"));
}

}  // namespace report
