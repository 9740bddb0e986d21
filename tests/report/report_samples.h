#pragma once
// Field texts that the report tests share, grouped by the corner they guard,
// and the fourteen lines that a report of them must hold, written out here
// independently of the code that builds them; and the RTF of such a report.

#include <gtest/gtest.h>

#include <QBuffer>
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <ostream>
#include <vector>

#include "report/build_report.h"
#include "report/report_buffer.h"
#include "report/report_fields.h"
#include "report/rtf_writer.h"

namespace report::testing {

struct FieldSample {
  const char* name;
  ReportFields fields;
};

// Names the row in test output.
inline void PrintTo(const FieldSample& row, std::ostream* os) {
  *os << row.name;
}

// A tender of 1 250 000 at 12,5 % against a contractor's 1 100 000.
inline ReportFields TypicalFields() {
  return {"1250000", "12,5", "1100000", "1093750", "0,568181818181818", "6250"};
}

inline std::vector<FieldSample> FieldSamples() {
  const QString cjk = QString::fromUtf16(u"\u6570\u5b57\u91d1\u984d");
  const QString emoji = QString::fromUtf16(u"\U0001F4B6\U0001F600");
  return {
      {"Typical", TypicalFields()},
      {"Empty", {}},
      {"Long",
       {QString(5000, u'9'), QString(300, u'1'), QString(4000, u'7'), "1,23456789012346E+20",
        "-0,000123456789012345", QString(2000, u'3')}},
      {"Backslashes", {"\\", "1\\2", "\\\\", "\\par", "\\'e8", "\\u8364?"}},
      {"Braces", {"{", "}", "{}", "{\\b 1}", "}{", "{{"}},
      {"EGrave", {QString::fromUtf16(u"\u00e8"), QString::fromUtf16(u"perch\u00e8"), "3", "4", "5", "6"}},
      {"Euro", {QString::fromUtf16(u"\u20ac 1.000"), "2", QString::fromUtf16(u"3\u20ac"), "4", "5", "6"}},
      {"Cjk", {cjk, "2", "3", cjk + "4", "5", cjk}},
      {"Emoji", {emoji, "2", "3", "4", emoji + "5", "6"}},
      {"NegativeAndExponent", {"1E15", "0,0001", "1", "-1,5E-5", "-99,9999999999999", "-1E-6"}},
  };
}

inline QStringList ExpectedLines(const ReportFields& f) {
  return {
      "Calcolo della percentuale di discordanza.",
      "",
      "",
      "Importo a base d'asta:\t\t\t\t\t" + f.baseAmount,
      "",
      "Percentuale di ribasso aggiudicatrice:\t\t\t" + f.discount + " %",
      "",
      "Importo totale dei lavori (Impresa):\t\t\t" + f.contractorTotal,
      "",
      "Importo totale dei lavori (Calcolato):\t\t\t" + f.computedTotal,
      "",
      "(Importo Impresa) meno (Importo Calcolato):\t" + f.difference,
      "",
      "Percentuale di discordanza:\t\t\t\t" + f.percentage + " %",
  };
}

// The report of these fields as the writer puts it out.
inline QByteArray ReportRtf(const ReportFields& fields) {
  ReportBuffer buffer;
  BuildReport(buffer, fields);
  QBuffer out;
  out.open(QIODevice::WriteOnly);
  EXPECT_TRUE(WriteRtf(buffer.Document(), out));
  return out.data();
}

}  // namespace report::testing
