// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/award_texts.h"

#include "award/amount_in_words.h"
#include "award/decimal_text.h"

namespace award {
namespace {

// "3 decimali", "1 decimale".
std::string Decimals(int count) { return std::to_string(count) + (count == 1 ? " decimale" : " decimali"); }

std::string OutcomeText(Outcome outcome, int decimals) {
  switch (outcome) {
    case Outcome::Concordant: return "concorde";
    case Outcome::DiscountRounding:
      return "discordanza dovuta all'arrotondamento del ribasso a " + Decimals(decimals);
    case Outcome::DiscountTruncation:
      return "discordanza dovuta al troncamento del ribasso a " + Decimals(decimals);
    case Outcome::Discrepancy: break;
  }
  return "discordanza";
}

// "Importo a base d'asta letto come 250,000: per le migliaia non si digita
// il punto". A main field turns a typed point into the separator, so there
// the point is the mistake; in S and L a mark must be typed as such.
std::string Warning(const OverPreciseAmount& amount, char separator, bool grouped) {
  const bool comma = separator == ',';
  const char* advice = amount.typedPointIsDecimal && comma ? "per le migliaia non si digita il punto"
                       : comma                             ? "per le migliaia si digita il punto"
                                                           : "per le migliaia si digita la virgola";
  return std::string(amount.label) + " " + std::string(amount.readAs) + " " +
         DecimalText(amount.amount, separator, grouped) + ": " + advice;
}

}  // namespace

std::string TextWithUnit(const AwardTexts& texts, const FigureRow& row) {
  const std::string& text = texts[row.figure];
  return text.empty() ? text : text + std::string(row.unit);
}

bool HasLine(const AwardTexts& texts, const FigureRow& row) {
  return IsLine(row) && !(row.omittedWhenEmpty && texts[row.figure].empty());
}

AwardTexts AwardTextsOf(AwardResult result, char separator, Digits digits) {
  const bool grouped = digits == Digits::Grouped;
  const auto text = [separator, grouped](const Decimal& decimal) {
    return DecimalText(decimal, separator, grouped);
  };
  AwardTexts texts;
  texts[Figure::SubjectAmount] = text(result.subjectAmount);
  texts[Figure::ContractAmount] = text(result.contractAmount);
  texts[Figure::AmountInWords] =
      result.amountInWords ? std::move(*result.amountInWords)
                           : "non scritto: oltre " + DecimalText(kLargestAmountInWords, separator, true);
  texts[Figure::ImpliedDiscount] = text(result.impliedDiscount);
  texts[Figure::ContractorMinusContract] = text(result.contractorMinusContract);
  texts[Figure::Outcome] = OutcomeText(result.outcome, result.discountDecimals);
  if (result.discountHasMoreDecimals) {
    texts[Figure::Note] = "la percentuale di ribasso ha più di " + Decimals(result.discountDecimals) +
                          ", più di quanti ne ammette la gara";
  }
  texts[Figure::GuaranteeRate] = text(result.guaranteeRate);
  texts[Figure::GuaranteeAmount] = text(result.guaranteeAmount);
  texts[Figure::Guarantee] =
      texts[Figure::GuaranteeRate] + " % dell'importo contrattuale, " + texts[Figure::GuaranteeAmount];
  for (const OverPreciseAmount& amount : result.overPrecise)
    texts.warnings.push_back(Warning(amount, separator, grouped));
  return texts;
}

}  // namespace award
