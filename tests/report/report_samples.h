// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#pragma once
// Field texts that the report tests share, grouped by the corner they guard,
// and the fourteen lines that a report of them must hold, written out here
// independently of the code that builds them.

#include <ostream>
#include <string>
#include <vector>

#include "report/report_fields.h"

namespace report::testing {

struct FieldSample {
  const char* name;
  ReportFields fields;
};

// Names the row in test output.
inline void PrintTo(const FieldSample& row, std::ostream* os) { *os << row.name; }

// A tender of 1 250 000 at 12,5 % against a contractor's 1 100 000.
inline ReportFields TypicalFields() {
  return {.baseAmount = "1250000",
          .discount = "12,5",
          .contractorTotal = "1100000",
          .computedTotal = "1093750",
          .difference = "6250",
          .discrepancy = "0,568181818181818"};
}

inline ReportFields Fields(std::string a, std::string b, std::string c, std::string d, std::string e,
                           std::string f) {
  return {.baseAmount = std::move(a),
          .discount = std::move(b),
          .contractorTotal = std::move(c),
          .computedTotal = std::move(d),
          .difference = std::move(e),
          .discrepancy = std::move(f)};
}

inline std::vector<FieldSample> FieldSamples() {
  const std::string cjk = "\u6570\u5b57\u91d1\u984d";
  const std::string emoji = "\U0001F4B6\U0001F600";
  return {
      {"Typical", TypicalFields()},
      {"Empty", {}},
      {"Long", Fields(std::string(5000, '9'), std::string(300, '1'), std::string(4000, '7'),
                      "1,23456789012346E+20", std::string(2000, '3'), "-0,000123456789012345")},
      {"Backslashes", Fields("\\", "1\\2", "\\\\", "\\par", "\\'e8", "\\u8364?")},
      {"Braces", Fields("{", "}", "{}", "{\\b 1}", "}{", "{{")},
      {"EGrave", Fields("\u00e8", "perch\u00e8", "3", "4", "5", "6")},
      {"Euro", Fields("\u20ac 1.000", "2", "3\u20ac", "4", "5", "6")},
      {"Cjk", Fields(cjk, "2", "3", cjk + "4", cjk, "5")},
      {"Emoji", Fields(emoji, "2", "3", "4", "6", emoji + "5")},
      {"NegativeAndExponent", Fields("1E15", "0,0001", "1", "-1,5E-5", "-1E-6", "-99,9999999999999")},
  };
}

inline std::vector<std::string> ExpectedLines(const ReportFields& f) {
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
      "Percentuale di discordanza:\t\t\t\t" + f.discrepancy + " %",
  };
}

}  // namespace report::testing
