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

AwardTexts ShowAward(AwardResult result, char separator, bool grouped) {
  const auto show = [separator, grouped](const Decimal& decimal) {
    return ShowDecimal(decimal, separator, grouped);
  };
  // Each text made in its place: a figure's short text would otherwise be
  // copied once more into the member.
  AwardTexts texts{
      .discountedBase = show(result.discountedBase),
      .contractAmount = show(result.contractAmount),
      .amountInWords = result.amountInWords
                           ? std::move(*result.amountInWords)
                           : "non scritto: oltre " + ShowDecimal(kLargestAmountInWords, separator, true),
      .impliedDiscount = show(result.impliedDiscount),
      .contractorMinusContract = show(result.contractorMinusContract),
      .outcome = OutcomeText(result.outcome, result.discountDecimals),
      .guaranteePercent = show(result.guaranteePercent),
      .guaranteeAmount = show(result.guaranteeAmount),
      .guarantee = {},
      .note = {},
  };
  constexpr std::string_view kOfContractAmount = " % dell'importo contrattuale, ";
  texts.guarantee.reserve(texts.guaranteePercent.size() + kOfContractAmount.size() +
                          texts.guaranteeAmount.size());
  texts.guarantee.append(texts.guaranteePercent).append(kOfContractAmount).append(texts.guaranteeAmount);
  if (result.discountHasMoreDecimals) {
    texts.note = "la percentuale di ribasso ha più di " + Decimals(result.discountDecimals) +
                 ", più di quanti ne ammette la gara";
  }
  return texts;
}

std::string_view GuaranteeKindText(Guarantee guarantee) {
  return guarantee == Guarantee::BelowThreshold ? "sotto la soglia europea (art. 53 c. 4)"
                                                : "ordinaria (art. 117)";
}

}  // namespace award
