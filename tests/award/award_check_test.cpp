// SPDX-FileCopyrightText: 2026 Calmora Studio
//
// SPDX-License-Identifier: EUPL-1.2

#include "award/award_check.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "award/award_error.h"
#include "award/award_texts.h"
#include "award/decimal.h"

namespace {

using award::AwardInputs;
using award::AwardTexts;
using award::Figure;
using award::GuaranteeKind;

AwardTexts Check(const AwardInputs& inputs) {
  return award::AwardTextsOf(award::CheckAward(inputs, ','), ',', award::Digits::Grouped);
}

struct WorkedExample {
  std::string name;
  AwardInputs inputs;
  std::string discountedBase;
  std::string contractAmount;
  std::string impliedDiscount;
  std::string contractorMinusContract;
  std::string outcome;
  std::string guarantee;
};

TEST(CheckAward, WorkedExamples) {
  const WorkedExample rows[] = {
      {"SafetyCosts",
       {.baseAmount = "1.000.000",
        .discount = "12,345",
        .contractorTotal = "880.253,50",
        .safetyCosts = "30.000"},
       "970.000,00",
       "880.253,50",
       "12,345000",
       "0,00",
       "concorde",
       "12,345 % dell'importo contrattuale, 108.667,29"},
      {"SafetyAndLabourCosts",
       {.baseAmount = "1.000.000",
        .discount = "12,345",
        .contractorTotal = "911.116,00",
        .safetyCosts = "30.000",
        .labourCosts = "250.000"},
       "720.000,00",
       "911.116,00",
       "12,345000",
       "0,00",
       "concorde",
       "12,345 % dell'importo contrattuale, 112.477,27"},
      {"DiscountRounded",
       {.baseAmount = "1.000.000", .discount = "12,345", .contractorTotal = "876.546,00"},
       "1.000.000,00",
       "876.550,00",
       "12,345400",
       "-4,00",
       "discordanza dovuta all'arrotondamento del ribasso a 3 decimali",
       "12,345 % dell'importo contrattuale, 108.210,10"},
      {"DiscountTruncated",
       {.baseAmount = "1.000.000", .discount = "12,345", .contractorTotal = "876.543,00"},
       "1.000.000,00",
       "876.550,00",
       "12,345700",
       "-7,00",
       "discordanza dovuta al troncamento del ribasso a 3 decimali",
       "12,345 % dell'importo contrattuale, 108.210,10"},
      {"Discrepancy",
       {.baseAmount = "1.000.000", .discount = "12,345", .contractorTotal = "876.000,00"},
       "1.000.000,00",
       "876.550,00",
       "12,400000",
       "-550,00",
       "discordanza",
       "12,345 % dell'importo contrattuale, 108.210,10"},
  };
  for (const WorkedExample& row : rows) {
    const AwardTexts texts = Check(row.inputs);
    EXPECT_EQ(texts[Figure::SubjectAmount], row.discountedBase) << row.name;
    EXPECT_EQ(texts[Figure::ContractAmount], row.contractAmount) << row.name;
    EXPECT_EQ(texts[Figure::ImpliedDiscount], row.impliedDiscount) << row.name;
    EXPECT_EQ(texts[Figure::ContractorMinusContract], row.contractorMinusContract) << row.name;
    EXPECT_EQ(texts[Figure::Outcome], row.outcome) << row.name;
    EXPECT_EQ(texts[Figure::Guarantee], row.guarantee) << row.name;
    EXPECT_EQ(texts[Figure::Note], "") << row.name;
  }
  EXPECT_EQ(Check(rows[0].inputs)[Figure::AmountInWords], "ottocentottantamiladuecentocinquantatré/50");
}

struct FigureRow {
  std::string name;
  AwardInputs inputs;
  Figure figure;
  std::string text;
};

// Each figure is rounded once, by its own rule; a tie tells which rule ran.
TEST(CheckAward, EachFigureRoundsItsHalvesItsOwnWay) {
  const FigureRow rows[] = {
      {"ContractAmountHalfUp",
       {.baseAmount = "0,01", .discount = "50", .contractorTotal = "0,01"},
       Figure::ContractAmount,
       "0,01"},
      {"ContractorTotalHalfUpBeforeTheDifference",
       {.baseAmount = "100", .discount = "0", .contractorTotal = "100,005"},
       Figure::ContractorMinusContract,
       "0,01"},
      {"ImpliedDiscountHalfAwayFromZero",
       {.baseAmount = "1.000.000", .discount = "12,345", .contractorTotal = "876.543,215"},
       Figure::ImpliedDiscount,
       "12,345679"},
      {"NegativeImpliedDiscountHalfAwayFromZero",
       {.baseAmount = "1.000.000", .discount = "0", .contractorTotal = "1.000.000,005"},
       Figure::ImpliedDiscount,
       "-0,000001"},
      {"ImpliedDiscountTieRoundsToTheDiscount",
       {.baseAmount = "1.000.000", .discount = "12,346", .contractorTotal = "876.545"},
       Figure::Outcome,
       "discordanza dovuta all'arrotondamento del ribasso a 3 decimali"},
      {"ImpliedDiscountTieTruncatesToTheDiscount",
       {.baseAmount = "1.000.000", .discount = "12,345", .contractorTotal = "876.545"},
       Figure::Outcome,
       "discordanza dovuta al troncamento del ribasso a 3 decimali"},
      {"GuaranteeHalfUp",
       {.baseAmount = "0,05", .discount = "0", .contractorTotal = "0,05"},
       Figure::Guarantee,
       "10 % dell'importo contrattuale, 0,01"},
      {"ContractAmountOfExcludedCostsOnly",
       {.baseAmount = "1.000", .discount = "100", .contractorTotal = "300", .safetyCosts = "300"},
       Figure::Outcome,
       "concorde"},
      {"OneDecimalIsSingular",
       {.baseAmount = "1.000.000", .discount = "12,3", .contractorTotal = "876.990", .discountDecimals = 1},
       Figure::Outcome,
       "discordanza dovuta all'arrotondamento del ribasso a 1 decimale"},
  };
  for (const FigureRow& row : rows) EXPECT_EQ(Check(row.inputs)[row.figure], row.text) << row.name;
}

TEST(CheckAward, GuaranteeRateWithTheDiscountsOwnPlaces) {
  const FigureRow rows[] = {
      {"UpToTenPerCent",
       {.baseAmount = "1.000.000", .discount = "5", .contractorTotal = "1"},
       Figure::Guarantee,
       "10 % dell'importo contrattuale, 95.000,00"},
      {"OnePointForEachPointAboveTen",
       {.baseAmount = "1.000.000", .discount = "15,5", .contractorTotal = "1"},
       Figure::Guarantee,
       "15,5 % dell'importo contrattuale, 130.975,00"},
      {"AtTwenty",
       {.baseAmount = "1.000.000", .discount = "20", .contractorTotal = "1"},
       Figure::Guarantee,
       "20 % dell'importo contrattuale, 160.000,00"},
      {"TwoPointsForEachPointAboveTwenty",
       {.baseAmount = "1.000.000", .discount = "25,25", .contractorTotal = "1"},
       Figure::Guarantee,
       "30,50 % dell'importo contrattuale, 227.987,50"},
      {"BelowTheThreshold",
       {.baseAmount = "1.000.000",
        .discount = "12,345",
        .contractorTotal = "1",
        .guaranteeKind = GuaranteeKind::BelowThreshold},
       Figure::Guarantee,
       "5,000 % dell'importo contrattuale, 43.827,50"},
  };
  for (const FigureRow& row : rows) EXPECT_EQ(Check(row.inputs)[row.figure], row.text) << row.name;
}

TEST(CheckAward, DiscountWithMoreDecimalsThanTheTenderAdmits) {
  const AwardInputs beyond{.baseAmount = "1.000.000", .discount = "12,3454", .contractorTotal = "876.546"};
  const AwardTexts texts = Check(beyond);
  EXPECT_EQ(texts[Figure::Note],
            "la percentuale di ribasso ha più di 3 decimali, più di quanti ne ammette la gara");
  EXPECT_EQ(texts[Figure::Outcome], "concorde");
  EXPECT_EQ(texts[Figure::Guarantee], "12,3454 % dell'importo contrattuale, 108.213,11");

  AwardInputs admitted = beyond;
  admitted.discountDecimals = 4;
  EXPECT_EQ(Check(admitted)[Figure::Note], "");
  AwardInputs trailingZero = beyond;
  trailingZero.discount = "12,3450";
  EXPECT_EQ(Check(trailingZero)[Figure::Note], "");
}

TEST(CheckAward, AmountBeyondWordsIsSaidSo) {
  const AwardInputs largest{.baseAmount = "999.999.999.999,99", .discount = "0", .contractorTotal = "1"};
  EXPECT_TRUE(award::CheckAward(largest, ',').amountInWords.has_value());
  const AwardInputs beyond{.baseAmount = "1.000.000.000.000", .discount = "0", .contractorTotal = "1"};
  EXPECT_EQ(Check(beyond)[Figure::AmountInWords], "non scritto: oltre 999.999.999.999,99");
  EXPECT_EQ(Check(beyond)[Figure::ContractAmount], "1.000.000.000.000,00");
}

// An amount read with more than two decimals is warned of, with what it was
// read as and the advice that fits how its field takes a typed point.
TEST(CheckAward, AmountsWithMoreThanTwoDecimalsAreWarnedOf) {
  const struct {
    std::string name;
    AwardInputs inputs;
    char separator;
    std::vector<std::string> warnings;
  } rows[] = {
      {"BaseTypedWithAPoint",
       {.baseAmount = "250,000", .discount = "12,5", .contractorTotal = "218,75"},
       ',',
       {"Importo a base d'asta letto come 250,000: per le migliaia non si digita il punto"}},
      {"SafetyCostsWithACommaAndTheContractorsTotal",
       {.baseAmount = "1000000", .discount = "10", .contractorTotal = "900.000,125", .safetyCosts = "30,000"},
       ',',
       {"Importo totale dei lavori proposto dall'Impresa letto come 900.000,125: per le migliaia non si "
        "digita il punto",
        "Oneri della sicurezza non soggetti a ribasso letti come 30,000: per le migliaia si digita il "
        "punto"}},
      {"PointSeparator",
       {.baseAmount = "1000.5", .discount = "1.25", .contractorTotal = "1000", .labourCosts = "1.000"},
       '.',
       {"Costi della manodopera non soggetti a ribasso letti come 1.000: per le migliaia si digita la "
        "virgola"}},
      {"DiscountIsNoAmount",
       {.baseAmount = "1000", .discount = "12,3456", .contractorTotal = "900"},
       ',',
       {}},
  };
  for (const auto& row : rows) {
    EXPECT_EQ(award::AwardTextsOf(award::CheckAward(row.inputs, row.separator), row.separator,
                                  award::Digits::Grouped)
                  .warnings,
              row.warnings)
        << row.name;
  }
}

struct FailingRow {
  std::string name;
  AwardInputs inputs;
  std::string message;
};

TEST(CheckAward, InputsThatGiveNoFigures) {
  const std::string noSubject =
      "L'importo soggetto a ribasso (base d'asta meno oneri della sicurezza e costi della manodopera) "
      "non è maggiore di zero.";
  const FailingRow rows[] = {
      {"BaseWithoutDigits",
       {.baseAmount = "abc", .discount = "1", .contractorTotal = "1"},
       "L'importo a base d'asta non contiene cifre."},
      {"EmptyDiscount",
       {.baseAmount = "1", .discount = "", .contractorTotal = "1"},
       "La percentuale di ribasso non contiene cifre."},
      {"ContractorTotalWithoutDigits",
       {.baseAmount = "1", .discount = "1", .contractorTotal = "+"},
       "L'importo totale dei lavori proposto dall'Impresa non contiene cifre."},
      // A sign is an error, never a dropped character.
      {"NegativeBase",
       {.baseAmount = "-1000", .discount = "1", .contractorTotal = "1"},
       "L'importo a base d'asta non può essere negativo."},
      {"NegativeDiscount",
       {.baseAmount = "1000", .discount = "1-", .contractorTotal = "1"},
       "La percentuale di ribasso non può essere negativa."},
      {"NegativeSafetyCosts",
       {.baseAmount = "1000", .discount = "1", .contractorTotal = "1", .safetyCosts = "-30.000"},
       "Gli oneri della sicurezza non possono essere negativi."},
      // The award's own amounts are read as written: a mark groups three digits.
      {"SafetyCostsMarkNotOfThousands",
       {.baseAmount = "1000", .discount = "1", .contractorTotal = "1", .safetyCosts = "30.5"},
       "Gli oneri della sicurezza vanno scritti come 30.000,00: il punto separa le migliaia, a gruppi di tre "
       "cifre."},
      {"LabourCostsMarkAmongThePlaces",
       {.baseAmount = "1000", .discount = "1", .contractorTotal = "1", .labourCosts = "1,000.000"},
       "I costi della manodopera vanno scritti come 30.000,00: il punto separa le migliaia, a gruppi di tre "
       "cifre."},
      {"SafetyCostsWithoutDigits",
       {.baseAmount = "1", .discount = "1", .contractorTotal = "1", .safetyCosts = "abc"},
       "Gli oneri della sicurezza non contengono cifre."},
      {"LabourCostsWithoutDigits",
       {.baseAmount = "1", .discount = "1", .contractorTotal = "1", .labourCosts = " "},
       "I costi della manodopera non contengono cifre."},
      {"TooManyDecimals",
       {.baseAmount = "1", .discount = "1", .contractorTotal = "1", .discountDecimals = 10},
       "I decimali ammessi del ribasso vanno da 0 a 9."},
      {"NegativeDecimals",
       {.baseAmount = "1", .discount = "1", .contractorTotal = "1", .discountDecimals = -1},
       "I decimali ammessi del ribasso vanno da 0 a 9."},
      {"DiscountAboveHundred",
       {.baseAmount = "1", .discount = "100,001", .contractorTotal = "1"},
       "La percentuale di ribasso supera il 100 %."},
      {"NothingSubjectToTheDiscount",
       {.baseAmount = "1.000",
        .discount = "1",
        .contractorTotal = "1",
        .safetyCosts = "600",
        .labourCosts = "400"},
       noSubject},
      {"ExcludedCostsAboveTheBase",
       {.baseAmount = "1.000", .discount = "1", .contractorTotal = "1", .safetyCosts = "1.000,01"},
       noSubject},
      {"ZeroBase", {.baseAmount = "0", .discount = "1", .contractorTotal = "1"}, noSubject},
  };
  for (const FailingRow& row : rows) {
    try {
      award::CheckAward(row.inputs, ',');
      ADD_FAILURE() << row.name << ": no error";
    } catch (const award::AwardError& error) {
      EXPECT_EQ(std::string(error.what()), row.message) << row.name;
    }
  }
}

}  // namespace

namespace {

// The figures are computed on 64 bits where every intermediate fits, else on
// the unbounded integer: the same amounts padded with six or twenty zero
// decimals leave 64 bits, and must give the same texts on random tenders and
// bids.
TEST(CheckAward, EveryArithmeticGivesTheSameFigures) {
  std::mt19937_64 random(24);
  const auto amount = [&random](std::uint64_t below) {
    const std::uint64_t cents = random() % below;
    return std::to_string(cents / 100) + "," + std::to_string(cents / 10 % 10) + std::to_string(cents % 10);
  };
  const auto padded = [](AwardInputs inputs, std::size_t zeros) {
    for (std::string* text : {&inputs.baseAmount, &inputs.contractorTotal, &inputs.safetyCosts})
      *text += std::string(zeros, '0');
    return inputs;
  };
  for (int i = 0; i < 2000; ++i) {
    const std::uint64_t discount = random() % 100001;
    const AwardInputs inputs{
        .baseAmount = amount(100'000'000'000'000),
        .discount = std::to_string(discount / 1000) + "," + std::to_string(1000 + discount % 1000).substr(1),
        .contractorTotal = amount(100'000'000'000'000),
        .safetyCosts = amount(1'000'000'000),
        .discountDecimals = static_cast<int>(random() % 10)};
    const std::string row = inputs.baseAmount + " " + inputs.discount + " " + inputs.contractorTotal;
    try {
      const AwardTexts narrow = Check(inputs);
      // The padded amounts also bring warnings of their many decimals.
      EXPECT_EQ(narrow.figures, Check(padded(inputs, 6)).figures) << row;
      EXPECT_EQ(narrow.figures, Check(padded(inputs, 20)).figures) << row;
    } catch (const award::AwardError& error) {
      EXPECT_THROW(Check(padded(inputs, 20)), award::AwardError) << row << ": " << error.what();
    }
  }
}

// Inputs that fit 64 bits whose products leave 128 bits start again on the
// unbounded integer.
TEST(CheckAward, ProductsBeyond128BitsStillExact) {
  const AwardInputs inputs{
      .baseAmount = "9,000000000000000000", .discount = "1,000000000000000000", .contractorTotal = "8,91"};
  const AwardTexts texts = Check(inputs);
  EXPECT_EQ(texts[Figure::ContractAmount], "8,91");
  EXPECT_EQ(texts[Figure::ImpliedDiscount], "1,000000");
  EXPECT_EQ(texts[Figure::Outcome], "concorde");
}

}  // namespace
