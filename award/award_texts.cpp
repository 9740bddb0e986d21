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
  return texts;
}

}  // namespace award
